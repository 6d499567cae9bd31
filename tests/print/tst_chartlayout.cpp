// The chart's geometry: extent, boxes and legend places at several scales,
// the hatching by grid position, and the grid and hatch lines in pixels.
#include "tests/print/ChartTestKit.h"

#include <QGuiApplication>
#include <QTest>

#include <set>

class ChartLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LoadTables(); }

    void figures_data();
    void figures();
    void placesFollowTheLibrarysNeighbours();
    void hatchingMarksTheElementClasses();
    void gridLinesInPixels();
    void extentIsWhatGetsDrawn();
    void hatchingOnlyInTheFullChart();
    void hatchSteps_data();
    void hatchSteps();
    void classBoxesHaveDoubleOutlines();
};

void ChartLayoutTest::figures_data()
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

void ChartLayoutTest::figures()
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

void ChartLayoutTest::placesFollowTheLibrarysNeighbours()
{
    std::set<std::pair<int, int>> taken;
    for (int n = 1; n <= ElementCount; ++n) {
        const ChartPlace place = ChartPlaceOf(n);
        QVERIFY2(taken.insert({place.column, place.row}).second, qPrintable(QString::number(n)));
        const TPierwData& r = ElementTable[n - 1];
        if (r.RightNeighbour != 0) {
            QCOMPARE(ChartPlaceOf(r.RightNeighbour).row, place.row);
            QVERIFY(ChartPlaceOf(r.RightNeighbour).column > place.column);
        }
        if (r.UpNeighbour != 0 && n != 57 && n != 89)
            QVERIFY(ChartPlaceOf(r.UpNeighbour).row < place.row);
    }
    QCOMPARE(ChartPlaceOf(57).column, 3);
    QCOMPARE(ChartPlaceOf(58).column, 3);
    QCOMPARE(ChartPlaceOf(103).column, 16);
    QCOMPARE(ChartPlaceOf(111).column, 11);
}

void ChartLayoutTest::hatchingMarksTheElementClasses()
{
    std::set<std::pair<int, int>> occupied;
    for (int n = 1; n <= ElementCount; ++n) {
        const ChartPlace place = ChartPlaceOf(n);
        occupied.insert({place.column, place.row});
        const std::string& kind = ElementTable[n - 1].Kind;
        const HatchKind expected = kind.starts_with("metal") ? HatchKind::Rising
                                   : kind == "niemetal"      ? HatchKind::Falling
                                                             : HatchKind::None;
        QVERIFY2(HatchAt(place.column, place.row) == expected, ElementTable[n - 1].Symbol.c_str());
    }
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 18; ++column)
            if (!occupied.contains({column, row}))
                QVERIFY(HatchAt(column, row) == HatchKind::None);
}

// Horizontal and vertical grid lines are two pixels thick, on the rows and
// columns the lengths give, up to the chart's last pixel.
void ChartLayoutTest::gridLinesInPixels()
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

void ChartLayoutTest::extentIsWhatGetsDrawn()
{
    ChartInputs in;
    in.items = {0, 3, 12};
    const QImage page = Draw(Page(700, 520, 72), 1, cmFull, in);
    bool right = false, bottom = false;
    for (int y = 0; y < page.height(); ++y) {
        right = right || Dark(page, 650, y);
        for (int x = 651; x < page.width(); ++x)
            QVERIFY2(!Dark(page, x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
    for (int x = 0; x < 651; ++x) {
        bottom = bottom || Dark(page, x, 466);
        for (int y = 467; y < page.height(); ++y)
            QVERIFY(!Dark(page, x, y));
    }
    QVERIFY(right);
    QVERIFY(bottom);
}

// Neon's box is hatched (falling) in the full chart; the test chart has no
// cell there at all.
void ChartLayoutTest::hatchingOnlyInTheFullChart()
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

void ChartLayoutTest::hatchSteps_data()
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
void ChartLayoutTest::hatchSteps()
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

void ChartLayoutTest::classBoxesHaveDoubleOutlines()
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

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ChartLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chartlayout.moc"
