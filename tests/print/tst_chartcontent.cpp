// What the chart writes: which texts each mode draws, where the cell lines
// go, the legend's lines, and the chart font.
#include "tests/print/ChartTestKit.h"

#include <QGuiApplication>
#include <QTest>

#include <algorithm>

namespace {

QStringList TextsOf(const std::vector<DrawnText>& texts)
{
    QStringList out;
    for (const DrawnText& t : texts)
        out << t.text;
    return out;
}

const DrawnText* Find(const std::vector<DrawnText>& texts, const QString& text)
{
    auto it = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
    return it == texts.end() ? nullptr : &*it;
}

// The hydrogen cell of the preview: symbol first, then the lines by height.
std::vector<DrawnText> SampleCell(std::array<int, 3> items)
{
    ChartInputs in;
    in.items = items;
    return Record(3, cmSample, in);
}

} // namespace

class TestChartContent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LoadTables(); }
    void chartFontNameFollowsTheInputs();
    void testChartDrawsGridNumbersAndFirstColumn();
    void fullChartDrawsEveryCellAndTheLegend();
    void densityIsBareInCellsAndHasItsUnitInTheLegend();
    void namesArePolishWithLatinNamesOn();
    void emptyPositionsKeepTheirPlace();
    void shellsGetHalfALineMoreInPositionsTwoAndThree();
    void legendNamesEachChosenPosition_data();
    void legendNamesEachChosenPosition();
    void legendSkipsEmptyPositions();
    void shellsAreJoinedAndCaptionsTakeTheObjectCase();
    void infoFieldLinesStandAsTyped();
};

// Must run first: the name starts as "Arial" and an empty one keeps the last.
void TestChartContent::chartFontNameFollowsTheInputs()
{
    QCOMPARE(ChartFontName, QStringLiteral("Arial"));
    ChartInputs in;
    in.fontName = QStringLiteral("DejaVu Serif");
    std::vector<DrawnText> texts = Record(3, cmSample, in);
    QCOMPARE(ChartFontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(texts.front().family, QStringLiteral("DejaVu Serif"));
    in.fontName.clear();
    texts = Record(1, cmTest, in);
    QCOMPARE(ChartFontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(texts.back().family, QStringLiteral("DejaVu Serif"));
    in.fontName = QStringLiteral("Arial");
    Record(3, cmSample, in);
}

void TestChartContent::testChartDrawsGridNumbersAndFirstColumn()
{
    ChartInputs in;
    in.items = {0, -1, -1};
    std::vector<QLine> lines;
    QStringList texts = TextsOf(Record(10, cmTest, in, &lines));
    QStringList expected;
    for (int g = 1; g <= 18; ++g)
        expected << QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
    for (int p = 1; p <= 7; ++p)
        expected << QString::number(p);
    for (int n : {1, 3, 11, 19, 37, 55, 87})
        expected << QString::fromStdString(ElementTable[n - 1].Symbol)
                 << QString::fromStdString(ElementTable[n - 1].PolishName);
    texts.sort();
    expected.sort();
    QCOMPARE(texts, expected);
    for (const QLine& l : lines)
        QVERIFY(l.dx() == 0 || l.dy() == 0); // no hatching
}

void TestChartContent::fullChartDrawsEveryCellAndTheLegend()
{
    std::vector<QLine> lines;
    const QStringList texts = TextsOf(Record(10, cmFull, {}, &lines));
    for (const TPierwData& r : ElementTable)
        QCOMPARE(texts.count(QString::fromStdString(r.Symbol)), 1);
    for (const char* t : {"ZEFIRAK", "METALE", "NIEMETALE", "PÓŁMETALE", "Lantanowce", "Aktynowce",
                          "Układ zawiera:", "Symbol Pierwiastka"})
        QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    // 105 hatched grid boxes (all but the six semimetals) and two legend boxes, nine doubled lines each.
    const auto diagonal = std::count_if(lines.begin(), lines.end(), [](const QLine& l) { return l.dx() && l.dy(); });
    QCOMPARE(diagonal, qsizetype(107 * 9 * 2));
}

void TestChartContent::densityIsBareInCellsAndHasItsUnitInTheLegend()
{
    ChartInputs in;
    in.items = {6, -1, -1};
    const std::vector<DrawnText> texts = Record(10, cmFull, in);
    const QStringList all = TextsOf(texts);
    QVERIFY(all.contains(QString::fromStdString(ElementTable[0].Density)));
    QCOMPARE(all.filter(QStringLiteral("g/cm")), QStringList{QStringLiteral(" [g/cm³]")});
    const DrawnText* caption = Find(texts, QStringLiteral("Gęstość"));
    const DrawnText* unit = Find(texts, QStringLiteral(" [g/cm³]"));
    QVERIFY(caption && unit);
    QCOMPARE(unit->box.bottom(), caption->box.bottom());
    QVERIFY(unit->box.left() > caption->box.right());
    // The pair is centred on the legend's centre.
    const int middle = (caption->box.left() + unit->box.right()) / 2;
    QVERIFY(std::abs(middle - ContentsLegendCentre(10)) <= caption->box.height());
}

void TestChartContent::namesArePolishWithLatinNamesOn()
{
    SetShownNames(true);
    ChartInputs in;
    in.items = {0, -1, 13};
    const QStringList texts = TextsOf(Record(10, cmFull, in));
    SetShownNames(false);
    for (const TPierwData& r : ElementTable) {
        QCOMPARE(texts.count(QString::fromStdString(r.PolishName)), r.PolishName == r.LatinName ? 2 : 1);
        QVERIFY(texts.contains(QString::fromStdString(r.LatinName)));
    }
    QVERIFY(TextsOf(SampleCell({0, -1, -1})).contains(QStringLiteral("Wodór")));
}

// Line 3 lands in the same place whatever (or nothing) stands in line 2.
void TestChartContent::emptyPositionsKeepTheirPlace()
{
    const QString mass = QString::fromStdString(ElementTable[0].AtomicMass);
    const int withState = Find(SampleCell({1, 2, 3}), mass)->box.top();
    QCOMPARE(Find(SampleCell({1, 14, 3}), mass)->box.top(), withState);
    QCOMPARE(Find(SampleCell({1, -1, 3}), mass)->box.top(), withState);
    QCOMPARE(Find(SampleCell({-1, -1, 3}), mass)->box.top(), withState);
    QCOMPARE(SampleCell({14, -1, 14}).size(), size_t(1)); // the symbol only
}

// With the configuration (drawn two points smaller) in a position, the line
// moves by the size change alone in position 1, and by half a line more in
// positions 2 and 3.
void TestChartContent::shellsGetHalfALineMoreInPositionsTwoAndThree()
{
    const QString shells = QStringLiteral("1-0-0-0-0-0-0");
    const QString number = QStringLiteral("1");
    auto top = [](std::array<int, 3> items, const QString& text) { return Find(SampleCell(items), text)->box.top(); };
    auto height = [](std::array<int, 3> items, const QString& text) {
        return Find(SampleCell(items), text)->box.height();
    };
    const int shellHeight = height({12, -1, -1}, shells);
    QVERIFY(shellHeight < height({1, -1, -1}, number));
    const int shift1 = top({12, -1, -1}, shells) - top({1, -1, -1}, number);
    const int shift2 = top({-1, 12, -1}, shells) - top({-1, 1, -1}, number);
    const int shift3 = top({-1, -1, 12}, shells) - top({-1, -1, 1}, number);
    QCOMPARE(shift2 - shift1, shellHeight / 2);
    QCOMPARE(shift3 - shift1, shellHeight / 2);
}

void TestChartContent::legendNamesEachChosenPosition_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("lines");
    const char* expected[] = {"Nazwę pierwiastka", "Liczbę atomową",       "Stan skupienia", "Masę atomowa [u]",
                              "Charakter tlenku",  "Elektroujemność [eV]", "Gęstość",        "Temp. wrzenia",
                              "Temp. topnienia",   "Liczbę izotopów",      "Rok odkrycia",   "Promień atomu"};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(DataItemRows[i]) << i << QStringList{QString::fromUtf8(expected[i])};
    QTest::newRow("configuration") << 12 << QStringList{"Konfigurację elektronową:", "K-L-M-N-O-P-Q"};
    QTest::newRow("latin") << 13 << QStringList{"Łacińską nazwę pierwiastka"};
}

// The legend lines follow "Symbol Pierwiastka", one gap G apart.
void TestChartContent::legendNamesEachChosenPosition()
{
    QFETCH(int, item);
    QFETCH(QStringList, lines);
    ChartInputs in;
    in.items = {item, -1, -1};
    const std::vector<DrawnText> texts = Record(10, cmFull, in);
    const DrawnText* symbol = Find(texts, QStringLiteral("Symbol Pierwiastka"));
    QVERIFY(symbol);
    int y = symbol->box.top();
    for (const QString& line : lines) {
        const DrawnText* t = Find(texts, line);
        QVERIFY2(t, qPrintable(line));
        QCOMPARE(t->box.top(), y + 100);
        y = t->box.top();
    }
}

void TestChartContent::legendSkipsEmptyPositions()
{
    ChartInputs in;
    in.items = {1, 14, 3};
    const std::vector<DrawnText> texts = Record(10, cmFull, in);
    const DrawnText* first = Find(texts, QStringLiteral("Liczbę atomową"));
    const DrawnText* second = Find(texts, QStringLiteral("Masę atomowa [u]"));
    QVERIFY(first && second);
    QCOMPARE(second->box.top() - first->box.top(), 100);
    QVERIFY(!TextsOf(texts).contains(QStringLiteral("Pozycja pusta")));
}

void TestChartContent::shellsAreJoinedAndCaptionsTakeTheObjectCase()
{
    QCOMPARE(ShellString(ElementTable[0]), QStringLiteral("1-0-0-0-0-0-0"));
    QCOMPARE(ShellString(ElementTable[25]), QStringLiteral("2-8-14-2-0-0-0")); // iron
    QCOMPARE(ToAccusative(QStringLiteral("Gęstość")), QStringLiteral("Gęstość"));
    QCOMPARE(ToAccusative(QStringLiteral("Nowa lista nowa")), QStringLiteral("Nowę lista nową"));
}

void TestChartContent::infoFieldLinesStandAsTyped()
{
    ChartInputs in;
    in.infoLines = {QStringLiteral("Pierwsza"), QString(), QStringLiteral("Trzecia")};
    const std::vector<DrawnText> texts = Record(10, cmFull, in);
    const DrawnText* first = Find(texts, QStringLiteral("Pierwsza"));
    const DrawnText* third = Find(texts, QStringLiteral("Trzecia"));
    QVERIFY(first && third);
    QCOMPARE(first->box.topLeft(), InfoFieldOrigin(10));
    QCOMPARE(third->box.left(), InfoFieldOrigin(10).x());
    // The empty line keeps its place: two line heights and two quarter gaps.
    QCOMPARE(third->box.top() - first->box.top(), 2 * (first->box.height() + 25));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestChartContent test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chartcontent.moc"
