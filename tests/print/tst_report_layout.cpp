// The data report's text, its line-printer page layout under fixed-width
// metrics, and the layout drawn on image pages with a real font.
#include "data/Dane.h"
#include "print/PrinterTextDevice.h"
#include "print/ReportText.h"

#include <QImage>
#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<TextRun>)

namespace {

std::array<TPierwData, ElementCount> LoadTable(bool latin)
{
    std::array<TPierwData, ElementCount> table;
    GetLongPierwArray(table.data());
    if (latin) {
        for (TPierwData& r : table)
            r.Name = r.LatinName;
    }
    return table;
}

// Every character 10 pixels wide, lines 10 high.
class FakeMetrics : public TextMetrics {
public:
    int height = 10;
    int average = 7;
    int Height() const override { return height; }
    int AverageCharWidth() const override { return average; }
    int Width(const QString& text) const override { return 10 * int(text.size()); }
};

const char* const Hydrogen = "\r\n"
                             "Pierwiastek: H - Wodór\r\n"
                             "Stan skupienia: gaz\r\n"
                             "Liczba atomowa: 1\r\n"
                             "Masa atomowa: 1.00794\r\n"
                             "Charakter tlenku: amfoteryczny\r\n"
                             "Elektroujemność: 2.1\r\n"
                             "Gęstość: [g/cm sześcienny]: 0.0899\r\n"
                             "Temperatura topnienia: -259.34 C\r\n"
                             "Temperatura wrzenia: -252.88 C\r\n"
                             "Liczba izotopów stałych: 3\r\n"
                             "Rok odkrycia: 1766\r\n"
                             "Promień atomu: 30\r\n"
                             "Liczba elektronów w powłokach: K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0\r\n";

const char* const Helium = "\r\n"
                           "Pierwiastek: He - Hel\r\n"
                           "Stan skupienia: gaz\r\n"
                           "Liczba atomowa: 2\r\n"
                           "Masa atomowa: 4.002602\r\n"
                           "Charakter tlenku: b.d.\r\n"
                           "Elektroujemność: b.d.\r\n"
                           "Gęstość: [g/cm sześcienny]: 0.1785\r\n"
                           "Temperatura topnienia: b.d.\r\n"
                           "Temperatura wrzenia: -268.93 C\r\n"
                           "Liczba izotopów stałych: 6\r\n"
                           "Rok odkrycia: 1895\r\n"
                           "Promień atomu: 140\r\n"
                           "Liczba elektronów w powłokach: K: 2 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0\r\n";

const QByteArray Header = "***Dane Pierwiastków Chemicznych*** - Zefirak 2.5.1.FREE\r\n";

// The first row with a pixel that is not white, -1 for a blank page.
int TopInkRow(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) != qRgb(255, 255, 255))
                return y;
        }
    }
    return -1;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private slots:
    void reportTextHasTheTickedElementsInOrder_data();
    void reportTextHasTheTickedElementsInOrder();
    void everyElementIsReportedInOrder();
    void textIsLaidOutInLinesTabsAndPages_data();
    void textIsLaidOutInLinesTabsAndPages();
    void tallerFontSetsTheLineHeight();
    void newPageIsAskedOnlyForTextOnALaterPage_data();
    void newPageIsAskedOnlyForTextOnALaterPage();
    void longReportFillsMoreThanOnePage();
};

void TestReportLayout::reportTextHasTheTickedElementsInOrder_data()
{
    QTest::addColumn<std::vector<int>>("ticked");
    QTest::addColumn<bool>("latin");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray hHe = Header + Hydrogen + Helium;
    QTest::newRow("H, He") << std::vector<int>{1, 2} << false << hHe;
    QTest::newRow("ticked He first") << std::vector<int>{2, 1} << false << hHe;
    QTest::newRow("repeats and out of range left out") << std::vector<int>{0, 2, 112, 1, 2} << false << hHe;
    QTest::newRow("Latin names; header unchanged")
        << std::vector<int>{1} << true << Header + QByteArray(Hydrogen).replace("H - Wodór", "H - Hydrogenium");
    QTest::newRow("nothing ticked: header only") << std::vector<int>{} << false << Header;
}

void TestReportLayout::reportTextHasTheTickedElementsInOrder()
{
    QFETCH(std::vector<int>, ticked);
    QFETCH(bool, latin);
    QFETCH(QByteArray, expected);
    QCOMPARE(ReportText(ticked, LoadTable(latin)).toUtf8(), expected);
}

void TestReportLayout::everyElementIsReportedInOrder()
{
    const auto table = LoadTable(false);
    std::vector<int> all;
    for (int z = ElementCount; z >= 1; --z)
        all.push_back(z);
    const QString text = ReportText(all, table);

    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 14 * ElementCount + 1); // the last line's CR LF leaves an empty tail

    for (int z = 1; z <= ElementCount; ++z) {
        const int first = 1 + 14 * (z - 1);
        QCOMPARE(lines[first], QString());
        QCOMPARE(lines[first + 1], QStringLiteral("Pierwiastek: ") + QString::fromStdString(table[z - 1].Symbol)
                                       + QStringLiteral(" - ") + QString::fromStdString(table[z - 1].PolishName));
        QCOMPARE(lines[first + 3], QStringLiteral("Liczba atomowa: ") + QString::number(z));
    }
}

// Fixed metrics: characters 10 wide, lines 10 high (so a line takes 12),
// tab stops every 8 * 7 = 56.
void TestReportLayout::textIsLaidOutInLinesTabsAndPages_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::vector<TextRun>>("runs");

    using R = std::vector<TextRun>;
    QTest::newRow("CR LF lines") << 100 << 200 << "ab\r\ncd\r\n" << R{{0, 0, 0, "ab"}, {0, 0, 12, "cd"}};
    QTest::newRow("LF alone ends the line") << 100 << 200 << "ab\ncd" << R{{0, 0, 0, "ab"}, {0, 0, 12, "cd"}};
    QTest::newRow("CR only ends the text")
        << 100 << 200 << "ab\rcd\r\nef" << R{{0, 0, 0, "ab"}, {0, 20, 0, "cd"}, {0, 0, 12, "ef"}};
    QTest::newRow("empty lines advance by the font height") << 100 << 200 << "\r\n\r\nab" << R{{0, 0, 20, "ab"}};

    // Line height 12: the page breaks once y > height - 24.
    QTest::newRow("y equal to the threshold: same page")
        << 100 << 60 << "a\r\nb\r\nc\r\nd\r\ne"
        << R{{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "c"}, {0, 0, 36, "d"}, {1, 0, 0, "e"}};
    QTest::newRow("y one past the threshold: new page")
        << 100 << 59 << "a\r\nb\r\nc\r\nd\r\ne"
        << R{{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "c"}, {1, 0, 0, "d"}, {1, 0, 12, "e"}};
    // After an empty line h is 0, so only y > height breaks the page.
    QTest::newRow("empty lines down to the page height") << 100 << 60 << QString(6, '\n') + "a" << R{{0, 0, 60, "a"}};
    QTest::newRow("empty lines past the page height") << 100 << 60 << QString(7, '\n') + "a" << R{{1, 0, 0, "a"}};

    QTest::newRow("line exactly the page width") << 100 << 200 << "abcdefghij" << R{{0, 0, 0, "abcdefghij"}};
    QTest::newRow("long line broken between characters")
        << 100 << 200 << "abcdefghijklmnopqrstuvwxy"
        << R{{0, 0, 0, "abcdefghij"}, {0, 0, 12, "klmnopqrst"}, {0, 0, 24, "uvwxy"}};
    QTest::newRow("long line after text on the line")
        << 100 << 200 << "xy\rabcdefghij" << R{{0, 0, 0, "xy"}, {0, 20, 0, "abcdefgh"}, {0, 0, 12, "ij"}};
    QTest::newRow("broken line at the page bottom goes on the next page")
        << 100 << 59 << "a\r\nb\r\nabcdefghijklmn"
        << R{{0, 0, 0, "a"}, {0, 0, 12, "b"}, {0, 0, 24, "abcdefghij"}, {1, 0, 0, "klmn"}};

    QTest::newRow("tab to the first stop") << 200 << 200 << "a\tb" << R{{0, 0, 0, "a"}, {0, 56, 0, "b"}};
    QTest::newRow("tab at the line start") << 200 << 200 << "\tb" << R{{0, 56, 0, "b"}};
    QTest::newRow("tab from a stop to the next") << 200 << 200 << "\t\tb" << R{{0, 112, 0, "b"}};
    QTest::newRow("tab past a stop") << 200 << 200 << "abcdef\tb" << R{{0, 0, 0, "abcdef"}, {0, 112, 0, "b"}};

    QTest::newRow("form feed") << 100 << 200 << "ab\rcd\fef" << R{{0, 0, 0, "ab"}, {0, 20, 0, "cd"}, {1, 0, 0, "ef"}};
    QTest::newRow("two form feeds leave a blank page")
        << 100 << 200 << "ab\f\fcd" << R{{0, 0, 0, "ab"}, {2, 0, 0, "cd"}};
}

void TestReportLayout::textIsLaidOutInLinesTabsAndPages()
{
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);
    QFETCH(QString, text);
    QFETCH(std::vector<TextRun>, runs);

    FakeMetrics metrics;
    PrinterTextDevice device(metrics, pageWidth, pageHeight);
    device.Write(text);
    const std::vector<TextRun> got = device.TakeRuns();
    QString shown;
    for (const TextRun& r : got)
        shown += QStringLiteral("[%1 %2,%3 \"%4\"] ").arg(r.page).arg(r.x).arg(r.y).arg(r.text);
    QVERIFY2(got == runs, qPrintable(shown));
}

// The line takes the tallest text on it plus 2; a smaller font later on the
// line does not shrink it.
void TestReportLayout::tallerFontSetsTheLineHeight()
{
    FakeMetrics small;
    FakeMetrics large;
    large.height = 20;
    PrinterTextDevice device(small, 500, 500);
    device.Write("a");
    device.SetMetrics(large);
    device.Write("b");
    device.SetMetrics(small);
    device.Write("c\r\nd");
    const std::vector<TextRun> runs = device.TakeRuns();
    QCOMPARE(runs.back(), (TextRun{0, 0, 22, "d"}));
}

// newPage is called only when text goes onto a later page.
void TestReportLayout::newPageIsAskedOnlyForTextOnALaterPage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("newPageCalls");
    QTest::newRow("one page") << "a\r\nb\r\n" << 0;
    QTest::newRow("form feed before text") << "a\fb" << 1;
    QTest::newRow("blank page between") << "a\f\fb" << 2;
    QTest::newRow("trailing form feed: no blank sheet") << "a\r\n\f" << 0;
}

void TestReportLayout::newPageIsAskedOnlyForTextOnALaterPage()
{
    QFETCH(QString, text);
    QFETCH(int, newPageCalls);
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    int calls = 0;
    QVERIFY(PaintText(
        painter, [&] { return ++calls, true; }, QFont(QStringLiteral("DejaVu Sans"), 10), text));
    QCOMPARE(calls, newPageCalls);
}

// The whole report on small image pages: the text starts at the page's
// top-left corner, every page carries text, and the report needs more than
// one page. A device that cannot begin a page stops the output.
void TestReportLayout::longReportFillsMoreThanOnePage()
{
    std::vector<int> all;
    for (int z = 1; z <= ElementCount; ++z)
        all.push_back(z);
    const QString text = ReportText(all, LoadTable(false));

    QImage image(500, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::vector<QImage> pages;
    {
        QPainter painter(&image);
        const bool ok = PaintText(
            painter,
            [&] {
                pages.push_back(image.copy());
                image.fill(Qt::white);
                return true;
            },
            QFont(QStringLiteral("DejaVu Sans"), 9), text);
        QVERIFY(ok);
    }
    pages.push_back(image);

    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    for (const QImage& page : pages)
        QVERIFY(TopInkRow(page) >= 0);
    // Drawn below the top edge, not hanging above it from a baseline at 0.
    const int top = TopInkRow(pages.front());
    QVERIFY2(top >= 1 && top < 8, qPrintable(QString::number(top)));

    QImage again(500, 700, QImage::Format_RGB32);
    QPainter painter(&again);
    int calls = 0;
    QVERIFY(!PaintText(
        painter, [&] { return ++calls, false; }, QFont(QStringLiteral("DejaVu Sans"), 9), text));
    QCOMPARE(calls, 1);
}

QTEST_MAIN(TestReportLayout)
#include "tst_report_layout.moc"
