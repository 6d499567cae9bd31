// The chart's geometry: extent, boxes and legend places at several scales,
// and what gets drawn where: the ink's extent, the legend's centre, the
// hatching of each class, the grid and hatch lines in pixels.
#include "print/Poster.h"
#include "tests/print/ChartTestKit.h"

#include <QGuiApplication>
#include <QTest>

#include <set>

class TestChartLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LoadTables(); }

    void figuresAreTheDesignsAtEachScale_data();
    void figuresAreTheDesignsAtEachScale();
    void hatchingDrawnInEachBoxFollowsTheElementsClass();
    void gridLinesAreTwoPixelsThickOnTheBoxEdges();
    void inkFillsExactlyTheChartExtent_data();
    void inkFillsExactlyTheChartExtent();
    void contentsLegendIsCentredOnItsCentre();
    void hatchingIsDrawnOnlyInTheFullChart();
    void hatchLinesStepAFifthOfTheBox_data();
    void hatchLinesStepAFifthOfTheBox();
    void classBoxesHaveDoubleOutlines();
    void smallestPosterGridIsTheFewestSheetsThatHold_data();
    void smallestPosterGridIsTheFewestSheetsThatHold();
    void posterSheetsShareTenMillimetreBandsAndTileTheChart_data();
    void posterSheetsShareTenMillimetreBandsAndTileTheChart();
};

namespace {

// A landscape sheet's paint rectangle at 600 dpi, margins in millimetres.
QSize Sheet(QPageSize::PageSizeId paper, qreal margins = 0)
{
    return PosterSheetSize(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                       QMarginsF(margins, margins, margins, margins), QPageLayout::Millimeter));
}

} // namespace

void TestChartLayout::figuresAreTheDesignsAtEachScale_data()
{
    QTest::addColumn<int>("e");
    QTest::addColumn<QSize>("extent");
    QTest::addColumn<QRect>("hydrogenBox");     // x1, y1, x2, y2 of its grid box
    QTest::addColumn<QPoint>("fRows");          // top and bottom of the two f-block rows
    QTest::addColumn<QList<int>>("classBoxes"); // x1, x2, three tops, height
    QTest::addColumn<QPoint>("legend");         // centre x, running y start
    QTest::addColumn<QPoint>("info");
    QTest::addColumn<QPoint>("hatchStep");

    QTest::newRow("e=1") << 1 << QSize(651, 467) << QRect(QPoint(1, 5), QPoint(37, 55)) << QPoint(365, 465)
                         << QList<int>{360, 396, 55, 85, 115, 25} << QPoint(306, 65) << QPoint(108, 55)
                         << QPoint(7, 10);
    QTest::newRow("e=10") << 10 << QSize(6483, 4652) << QRect(QPoint(1, 50), QPoint(361, 550)) << QPoint(3650, 4650)
                          << QList<int>{3600, 3960, 550, 850, 1150, 250} << QPoint(3060, 650) << QPoint(1080, 550)
                          << QPoint(72, 100);
    QTest::newRow("e=11") << 11 << QSize(7131, 5117) << QRect(QPoint(1, 55), QPoint(397, 605)) << QPoint(4015, 5115)
                          << QList<int>{3960, 4356, 605, 935, 1265, 275} << QPoint(3366, 715) << QPoint(1188, 605)
                          << QPoint(79, 110);
    QTest::newRow("e=20") << 20 << QSize(12963, 9302) << QRect(QPoint(1, 100), QPoint(721, 1100)) << QPoint(7300, 9300)
                          << QList<int>{7200, 7920, 1100, 1700, 2300, 500} << QPoint(6120, 1300) << QPoint(2160, 1100)
                          << QPoint(144, 200);
}

void TestChartLayout::figuresAreTheDesignsAtEachScale()
{
    QFETCH(int, e);
    QFETCH(QSize, extent);
    QFETCH(QRect, hydrogenBox);
    QFETCH(QPoint, fRows);
    QFETCH(QList<int>, classBoxes);
    QFETCH(QPoint, legend);
    QFETCH(QPoint, info);
    QFETCH(QPoint, hatchStep);
    const ChartLengths l = LengthsFor(e);

    QCOMPARE(ChartExtent(e), extent);
    const QPoint h = GridBoxOrigin(e, 1, 1);
    QCOMPARE(QRect(h, QPoint(h.x() + l.W, h.y() + l.H)), hydrogenBox);
    QCOMPARE(CellOrigin(e, 1), QPoint(1, 0));
    QCOMPARE(CellOrigin(e, 1) + QPoint(0, l.T), h);
    // Cerium's and thorium's boxes make the two f-block rows.
    QCOMPARE(GridBoxOrigin(e, 3, 8), CellOrigin(e, 58) + QPoint(0, l.T));
    QCOMPARE(QPoint(CellOrigin(e, 58).y() + l.T, CellOrigin(e, 90).y() + l.T + l.H), fRows);
    for (int i = 0; i < 3; ++i) {
        const QRect box = ClassBox(e, i);
        QCOMPARE(box.x(), classBoxes[0]);
        QCOMPARE(box.x() + box.width(), classBoxes[1]);
        QCOMPARE(box.y(), classBoxes[2 + i]);
        QCOMPARE(box.height(), classBoxes[5]);
    }
    QCOMPARE(QPoint(ContentsLegendCentre(e), ContentsLegendTop(e)), legend);
    QCOMPARE(InfoFieldOrigin(e), info);
    const auto lines = HatchLines(h.x(), h.y(), l.W, l.H, HatchKind::Falling);
    QCOMPARE(QPoint(lines[1].x1() - lines[0].x1(), lines[5].y1() - lines[0].y1()), hatchStep);
}

// The diagonal lines drawn inside each grid box: rising ones for a metal,
// falling ones for a nonmetal, none for a semimetal or an empty box.
void TestChartLayout::hatchingDrawnInEachBoxFollowsTheElementsClass()
{
    const int e = 2;
    const ChartLengths l = LengthsFor(e);
    std::vector<QLine> lines;
    Record(e, cmFull, {}, &lines);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 18; ++column) {
            // A box's own lines run from one pixel in to one past its edges, the
            // second copy one lower; the legend's start on its left edge.
            const QRect box(GridBoxOrigin(e, column, row) + QPoint(1, 1), QSize(l.W + 1, l.H + 2));
            int rising = 0, falling = 0;
            for (const QLine& line : lines) {
                if (line.dx() == 0 || line.dy() == 0 || !box.contains(line.p1()) || !box.contains(line.p2()))
                    continue;
                (line.dx() * line.dy() > 0 ? falling : rising) += 1;
            }
            const int z = ElementAt(column, row);
            if (z == 0 && (box.intersects(ClassBox(e, 0)) || box.intersects(ClassBox(e, 2))))
                continue; // the legend's class boxes stand there
            const ElementClass kind = z ? ClassOf(ElementTable[z - 1]) : ElementClass::Semimetal;
            const QByteArray where = QStringLiteral("column %1 row %2").arg(column).arg(row).toUtf8();
            QVERIFY2(rising == (kind == ElementClass::Metal ? 18 : 0), where);
            QVERIFY2(falling == (kind == ElementClass::Nonmetal ? 18 : 0), where);
        }
    }
}

// Horizontal and vertical grid lines are two pixels thick, on the rows and
// columns the lengths give, up to the chart's last pixel.
void TestChartLayout::gridLinesAreTwoPixelsThickOnTheBoxEdges()
{
    const QImage page = Draw(Page(6483, 4652, 600), 10, cmTest);
    using Run = std::pair<int, int>;
    QCOMPARE(RunThrough(page, 200, 550, false), Run(550, 551));    // below hydrogen
    QCOMPARE(RunThrough(page, 320, 50, false), Run(50, 51));       // above it
    QVERIFY(RunThrough(page, 10, 50, true).second < 160);          // hidden under "01"
    QCOMPARE(RunThrough(page, 361, 300, true), Run(361, 362));     // right of it
    QCOMPARE(RunThrough(page, 1, 3000, true), Run(1, 2));          // the left edge
    QCOMPARE(RunThrough(page, 6481, 2000, true), Run(6481, 6482)); // the right edge
    QCOMPARE(RunThrough(page, 900, 3650, false), Run(3650, 3651)); // the f-block rows
    QCOMPARE(RunThrough(page, 900, 4150, false), Run(4150, 4151));
    QCOMPARE(RunThrough(page, 900, 4650, false), Run(4650, 4651));
    QCOMPARE(RunThrough(page, 1081, 3900, true), Run(1081, 1082));
    QVERIFY(!Dark(page, 900, 3600)); // nothing in the gap above them
    // No grid above the transition metals, where the legend goes.
    QCOMPARE(RunThrough(page, 3000, 1050, false), Run(-1, -1));
}

void TestChartLayout::inkFillsExactlyTheChartExtent_data()
{
    QTest::addColumn<int>("e");
    QTest::addColumn<int>("dpi");
    QTest::newRow("e=1 on the screen") << 1 << 72;
    QTest::newRow("e=10 on paper") << 10 << 600;
}

// The grid's right and bottom lines are the chart's last pixels; nothing
// is drawn beyond them.
void TestChartLayout::inkFillsExactlyTheChartExtent()
{
    QFETCH(int, e);
    QFETCH(int, dpi);
    ChartInputs in;
    in.items = {0, 3, 12};
    in.infoLines = {QStringLiteral("Klasa 1a")};
    const QSize extent = ChartExtent(e);
    const QImage page = Draw(Page(extent.width() + 50, extent.height() + 50, dpi), e, cmFull, in);
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (Dark(page, x, y))
                ink |= QRect(x, y, 1, 1);
    QCOMPARE(ink.right() + 1, extent.width());
    QCOMPARE(ink.bottom() + 1, extent.height());
    QVERIFY(ink.left() <= 1 && ink.top() <= e * 10); // the left edge, the first group number
}

// Each line of the contents legend is centred on ContentsLegendCentre, to
// the pixel or two of the glyphs' side bearings.
void TestChartLayout::contentsLegendIsCentredOnItsCentre()
{
    const int e = 10;
    ChartInputs in;
    in.items = {0, 3, 12};
    const QImage page = Draw(Page(6483, 4652, 600), e, cmFull, in);
    // The legend stands between the f-block columns' left edge and the class
    // boxes, below the title and above the group numbers of the fourth period.
    const int left = GridBoxOrigin(e, 3, 1).x() + 2, right = ClassBox(e, 0).x() - 2;
    const int top = ContentsLegendTop(e), bottom = CellOrigin(e, ElementAt(3, 4)).y();
    QList<QPair<int, int>> spans; // each text line's leftmost and rightmost ink
    bool inLine = false;
    for (int y = top; y < bottom; ++y) {
        int lo = right, hi = left;
        for (int x = left; x < right; ++x) {
            if (Dark(page, x, y)) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        }
        if (lo > hi) {
            inLine = false;
            continue;
        }
        if (!inLine)
            spans.append({lo, hi});
        spans.back() = {std::min(spans.back().first, lo), std::max(spans.back().second, hi)};
        inLine = true;
    }
    // "Układ zawiera:", the symbol, the name, the mass, the shells in two lines.
    QCOMPARE(spans.size(), 6);
    for (const auto& [lo, hi] : spans)
        QVERIFY2(std::abs(lo + hi + 1 - 2 * ContentsLegendCentre(e)) <= 2 * 4,
                 qPrintable(QStringLiteral("%1..%2").arg(lo).arg(hi)));
}

// Neon's box is hatched (falling) in the full chart; the test chart has no
// cell there at all.
void TestChartLayout::hatchingIsDrawnOnlyInTheFullChart()
{
    const QPoint ne = GridBoxOrigin(10, 18, 2);
    const int y = ne.y() + 300;
    const QImage full = Draw(Page(6483, 4652, 600), 10, cmFull);
    const std::vector<int> starts = RunStarts(full, y, ne.x() + 3, ne.x() + 357);
    QVERIFY(starts.size() >= 4);
    for (size_t i = 1; i < starts.size(); ++i)
        QVERIFY(std::abs(starts[i] - starts[i - 1] - 72) <= 1);

    const QImage test = Draw(Page(6483, 4652, 600), 10, cmTest);
    for (int x = ne.x() + 3; x < ne.x() + 357; ++x)
        for (int yy = ne.y() + 3; yy < ne.y() + 497; ++yy)
            QVERIFY(!Dark(test, x, yy));
}

void TestChartLayout::hatchLinesStepAFifthOfTheBox_data()
{
    QTest::addColumn<int>("e");
    QTest::addColumn<QList<int>>("starts"); // from the box's left edge
    QTest::newRow("e=10") << 10 << QList<int>{72, 144, 216, 288};
    // 396 / 5 = 79.2: steps of 79 from the right leave 80 at the left.
    QTest::newRow("e=11") << 11 << QList<int>{80, 159, 238, 317};
    QTest::newRow("e=20") << 20 << QList<int>{144, 288, 432, 576};
}

// The lines of lithium's rising hatching leave the top edge W div 5 apart:
// the second copy of each starts one row below the grid line.
void TestChartLayout::hatchLinesStepAFifthOfTheBox()
{
    QFETCH(int, e);
    QFETCH(QList<int>, starts);
    const QPoint box = GridBoxOrigin(e, 1, 2);
    const QImage page = Draw(Page(40 * e, 60 * e + 100, 600), e, cmFull);
    const std::vector<int> found = RunStarts(page, box.y() + 2, box.x() + 3, box.x() + 36 * e - 3);
    QList<int> relative;
    for (int x : found)
        relative << x - box.x();
    QCOMPARE(relative, starts);
}

void TestChartLayout::classBoxesHaveDoubleOutlines()
{
    const QImage page = Draw(Page(6483, 4652, 600), 10, cmFull);
    using Run = std::pair<int, int>;
    for (int i = 0; i < 3; ++i) {
        const QRect box = ClassBox(10, i);
        // Left and top edges: the outer outline one pixel out, the inner on the edge.
        QCOMPARE(RunThrough(page, box.x(), box.y() + 10, true).first, box.x() - 1);
        QVERIFY(RunThrough(page, box.x(), box.y() + 10, true).second >= box.x());
        QCOMPARE(RunThrough(page, box.x() + 100, box.y(), false), Run(box.y() - 1, box.y()));
        // The bottom: rows y + H div 2 - 1 (inner) and y + H div 2 (outer).
        QCOMPARE(RunThrough(page, box.x() + 300, box.y() + box.height() - 1, false).second, box.y() + box.height());
    }
}

void TestChartLayout::smallestPosterGridIsTheFewestSheetsThatHold_data()
{
    QTest::addColumn<int>("e");
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QSize>("grid"); // columns x rows; 0 x 0 for none

    QTest::newRow("e=20 on A4") << 20 << Sheet(QPageSize::A4) << QSize(2, 2);
    QTest::newRow("e=10 fits one A4") << 10 << Sheet(QPageSize::A4) << QSize(1, 1);
    QTest::newRow("e=1 on A4") << 1 << Sheet(QPageSize::A4) << QSize(1, 1);
    QTest::newRow("e=20 on A3") << 20 << Sheet(QPageSize::A3) << QSize(2, 2);
    QTest::newRow("e=20 on A5") << 20 << Sheet(QPageSize::A5) << QSize(3, 4);
    QTest::newRow("e=20 on A4, 10 mm margins") << 20 << Sheet(QPageSize::A4, 10) << QSize(3, 3);
    QTest::newRow("e=11 on A4, 10 mm margins") << 11 << Sheet(QPageSize::A4, 10) << QSize(2, 2);
    // The bands alone are wider than the window: no grid holds.
    QTest::newRow("a label's paper") << 20 << QSize(420, 420) << QSize(0, 0);
}

void TestChartLayout::smallestPosterGridIsTheFewestSheetsThatHold()
{
    QFETCH(int, e);
    QFETCH(QSize, sheet);
    QFETCH(QSize, grid);
    const QSize chart = ChartExtent(e);
    const std::optional<PosterGrid> smallest = SmallestPosterGrid(chart, sheet);
    if (grid.isEmpty()) {
        QVERIFY(!smallest);
        QVERIFY(!PosterGridHolds(chart, sheet, {PosterMaxSide, PosterMaxSide}));
        return;
    }
    QVERIFY(smallest);
    QCOMPARE(QSize(smallest->columns, smallest->rows), grid);
    QVERIFY(PosterGridHolds(chart, sheet, *smallest));
    QVERIFY(PosterGridHolds(chart, sheet, {grid.width() + 1, grid.height() + 1}));
    if (grid.width() > 1)
        QVERIFY(!PosterGridHolds(chart, sheet, {grid.width() - 1, grid.height()}));
    if (grid.height() > 1)
        QVERIFY(!PosterGridHolds(chart, sheet, {grid.width(), grid.height() - 1}));
}

void TestChartLayout::posterSheetsShareTenMillimetreBandsAndTileTheChart_data()
{
    QTest::addColumn<int>("e");
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("e=20 2 x 2") << 20 << QSize(2, 2) << QStringList{"A1", "A2", "B1", "B2"};
    QTest::newRow("e=20 3 x 2") << 20 << QSize(3, 2) << QStringList{"A1", "A2", "A3", "B1", "B2", "B3"};
    QTest::newRow("e=7 1 x 3") << 7 << QSize(1, 3) << QStringList{"A1", "B1", "C1"};
    QTest::newRow("e=10 1 x 1") << 10 << QSize(1, 1) << QStringList{"A1"};
}

// Cut along its seams, each sheet keeps a piece of the chart; the pieces
// laid edge to edge are the chart. Neighbours repeat 5 mm each side of the
// seam, the marks stand on the seams outside the window, and the label
// keeps clear of both.
void TestChartLayout::posterSheetsShareTenMillimetreBandsAndTileTheChart()
{
    QFETCH(int, e);
    QFETCH(QSize, grid);
    QFETCH(QStringList, labels);
    const QSize chart = ChartExtent(e);
    const QSize sheet = Sheet(QPageSize::A4);
    const QRect window = PosterWindow(sheet);
    const PosterGrid g{grid.width(), grid.height()};
    QVERIFY(PosterGridHolds(chart, sheet, g));
    const std::vector<PosterSheet> sheets = PosterSheets(chart, sheet, g);

    QStringList shown;
    qint64 area = 0;
    for (const PosterSheet& s : sheets) {
        shown << s.label;
        QVERIFY(s.part.contains(s.cut));
        QVERIFY(QRect(QPoint(0, 0), chart).contains(s.part));
        area += qint64(s.cut.width()) * s.cut.height();
        for (const PosterSheet& t : sheets) {
            if (&s != &t)
                QVERIFY(!s.cut.intersects(t.cut));
            if (t.row == s.row && t.column == s.column + 1) {
                QCOMPARE(s.part.right() + 1 - t.part.left(), 236);
                QCOMPARE(s.cut.right() + 1, t.cut.left());
            }
            if (t.column == s.column && t.row == s.row + 1)
                QCOMPARE(s.part.bottom() + 1 - t.part.top(), 236);
        }
        const QPoint shift = s.at - s.part.topLeft();
        QVERIFY(window.contains(s.part.translated(shift)));
        // Both ends of each seam inside the chart; none on its outer edges.
        const int seams = (s.cut.left() > 0) + (s.cut.right() + 1 < chart.width()) + (s.cut.top() > 0)
                          + (s.cut.bottom() + 1 < chart.height());
        QCOMPARE(int(s.marks.size()), 2 * seams);
        const QRect kept = s.cut.translated(shift);
        for (const QLine& m : s.marks) {
            const QRect line = QRect(m.p1(), m.p2()).normalized();
            QVERIFY(QRect(QPoint(0, 0), sheet).contains(line.adjusted(0, 0, -1, -1)));
            QVERIFY(!window.intersects(line.adjusted(0, 0, -1, -1)));
            QVERIFY(m.dx() == 0 ? (m.x1() == kept.left() || m.x1() == kept.right() + 1)
                                : (m.y1() == kept.top() || m.y1() == kept.bottom() + 1));
            QVERIFY(!s.labelBox.intersects(line.adjusted(-10, -10, 10, 10)));
        }
        QVERIFY(!s.labelBox.intersects(window));
        QVERIFY(QRect(QPoint(0, 0), sheet).contains(s.labelBox));
    }
    QCOMPARE(shown, labels);
    QCOMPARE(area, qint64(chart.width()) * chart.height());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestChartLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chartlayout.moc"
