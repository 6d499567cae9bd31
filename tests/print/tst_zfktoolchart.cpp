// zfktool chart end to end: the PDF read back by poppler at 600 dpi, the
// SVG and the PNG read back, the poster's sheets put together, and the
// arguments it refuses.
#include "print/Poster.h"
#include "tests/print/ChartTestKit.h"
#include "tests/print/PrintTestKit.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

namespace {

Run Chart(const QStringList& args)
{
    return Exec(QStringLiteral(ZFKTOOL), QStringList{QStringLiteral("chart")} + args);
}

QStringList Words(const QString& pdf)
{
    const Run r = Exec(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return QString::fromUtf8(r.out).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// First rows (or columns) of the lines that run dark for at least `span`
// pixels: the grid, not the hatching or the texts.
QList<int> GridLines(const QImage& page, bool horizontal, int span)
{
    QList<int> found;
    const int outer = horizontal ? page.height() : page.width();
    const int inner = horizontal ? page.width() : page.height();
    bool previous = false;
    for (int i = 0; i < outer; ++i) {
        int run = 0, best = 0;
        for (int j = 0; j < inner; ++j) {
            run = (horizontal ? Dark(page, j, i) : Dark(page, i, j)) ? run + 1 : 0;
            best = std::max(best, run);
        }
        const bool line = best >= span;
        if (line && !previous)
            found << i;
        previous = line;
    }
    return found;
}

QList<int> Steps(const QList<int>& positions)
{
    QList<int> steps;
    for (qsizetype i = 1; i < positions.size(); ++i)
        steps << positions[i] - positions[i - 1];
    return steps;
}

// Every page of a PDF in grey at dpi, in page order.
QList<QImage> Pages(const QString& pdf, int dpi, const QString& stem)
{
    Exec(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-gray", pdf, stem});
    const QFileInfo at(stem);
    QList<QImage> pages;
    for (const QString& name : QDir(at.path()).entryList({at.fileName() + "-*.pgm"}, QDir::Files, QDir::Name))
        pages << QImage(at.dir().filePath(name));
    return pages;
}

QRect Ink(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Dark(image, x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Dark pixels of a with no ink of b, however faint, within one pixel
// around, b seen shifted by offset: a thin line antialiased is dark in one
// rendering and grey in the other. Pixels within a pixel of the lines
// ignored (in a's place) are not counted.
int Unmatched(const QImage& a, const QImage& b, QPoint offset, const QList<int>& ignoredX, const QList<int>& ignoredY)
{
    const auto ignored = [](const QList<int>& lines, int v) {
        return std::any_of(lines.begin(), lines.end(), [v](int line) { return qAbs(v - line) <= 1; });
    };
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!Dark(a, x, y) || ignored(ignoredX, x) || ignored(ignoredY, y))
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const QPoint p = QPoint(x + dx, y + dy) + offset;
                    near = b.rect().contains(p) && qGray(b.pixel(p)) < 224;
                }
            count += !near;
        }
    }
    return count;
}

} // namespace

class TestZfktoolChart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LoadTables();
        QVERIFY(m_dir.isValid());
    }
    void gridLinesLie360PixelsApartAtSixHundredDpi();
    void cellsShowTheTextsTheItemsAsk();
    void posterSheetsCutAndJoinedAreTheChartOnOnePage();
    void posterSheetsShowEverySymbolAndTheirPositions();
    void svgIsValidXmlWithTheSymbolsAsTextsAtTheChartsSize();
    void pngIsGreyAtTheAskedDpiAndSize_data();
    void pngIsGreyAtTheAskedDpiAndSize();
    void invalidArgumentsAreRefusedLeavingTheOldFile_data();
    void invalidArgumentsAreRefusedLeavingTheOldFile();

private:
    QTemporaryDir m_dir;
};

void TestZfktoolChart::gridLinesLie360PixelsApartAtSixHundredDpi()
{
    const QString pdf = m_dir.filePath(QStringLiteral("e10.pdf"));
    const Run r = Chart({"--out", pdf, "--scale", "10", "--items", "0,3,12"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    const Run info = Exec(QStringLiteral("pdfinfo"), {pdf});
    const QString infoText = QString::fromUtf8(info.out);
    QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))), info.out.constData());
    QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Page size:\\s+842 x 595 pts \\(A4\\)"))),
             info.out.constData()); // landscape
    const QString prefix = m_dir.filePath(QStringLiteral("e10"));
    QCOMPARE(Exec(QStringLiteral("pdftoppm"),
                  {"-r", "600", "-gray", "-aa", "no", "-aaVector", "no", "-singlefile", pdf, prefix})
                 .code,
             0);
    const QImage page(prefix + QStringLiteral(".pgm"));
    QVERIFY(page.width() > 7000 && page.height() > 4900);

    // Columns: 19 lines 360 pixels apart. Rows, where the lines run the
    // width of the groups they close: periods 3-7 500 apart, the gap of 100, the f-block rows.
    QCOMPARE(Steps(GridLines(page, false, 300)), QList<int>(18, 360));
    QCOMPARE(Steps(GridLines(page, true, 1000)), (QList<int>{500, 500, 500, 500, 500, 100, 500, 500}));
}

void TestZfktoolChart::cellsShowTheTextsTheItemsAsk()
{
    const QString pdf = m_dir.filePath(QStringLiteral("texts.pdf"));
    QCOMPARE(Chart({"--out", pdf, "--items", "0,3,12", "--latin"}).code, 0);
    QStringList words = Words(pdf);
    for (const TPierwData& r : ElementTable) {
        QVERIFY2(words.contains(QString::fromStdString(r.Symbol)), r.Symbol.c_str());
        QVERIFY2(words.contains(QString::fromStdString(r.PolishName)), r.PolishName.c_str());
    }
    QVERIFY(words.contains(QStringLiteral("Wodór")));
    QVERIFY(!words.contains(QStringLiteral("Hydrogenium")));
    QVERIFY(words.contains(QString::fromStdString(ElementTable[0].AtomicMass)));
    QVERIFY(words.contains(QStringLiteral("1-0-0-0-0-0-0")));
    QVERIFY(words.contains(QStringLiteral("ZEFIRAK")));
    QVERIFY(words.contains(QStringLiteral("iupac.org/what-we-do/periodic-table-of-elements/")));

    QCOMPARE(Chart({"--out", pdf, "--mode", "test", "--items", "13", "--info-line", "Klasa 2b"}).code, 0);
    words = Words(pdf);
    QVERIFY(words.contains(QStringLiteral("Hydrogenium")));
    QVERIFY(words.contains(QStringLiteral("Li")));
    QVERIFY(!words.contains(QStringLiteral("He")));
    QVERIFY(!words.contains(QStringLiteral("Wodór")));
    QVERIFY(!words.contains(QStringLiteral("ZEFIRAK")));
    QVERIFY(!words.contains(QStringLiteral("Klasa"))); // no legend, no info field
}

// The four sheets of a 2 x 2 poster at scale 20 on A4, each cut along its
// seams and the pieces laid edge to edge, are the chart printed whole on A2.
void TestZfktoolChart::posterSheetsCutAndJoinedAreTheChartOnOnePage()
{
    const QString poster = m_dir.filePath(QStringLiteral("poster.pdf"));
    const QString whole = m_dir.filePath(QStringLiteral("whole.pdf"));
    QCOMPARE(Chart({"--out", poster, "--scale", "20", "--poster", "2x2"}).code, 0);
    QCOMPARE(Chart({"--out", whole, "--scale", "20", "--paper", "A2"}).code, 0);
    const QList<QImage> pages = Pages(poster, 100, m_dir.filePath(QStringLiteral("poster")));
    const QList<QImage> reference = Pages(whole, 100, m_dir.filePath(QStringLiteral("whole")));
    QCOMPARE(pages.size(), 4);
    QCOMPARE(reference.size(), 1);

    // The file's sheets have no margins: the page is the paint rectangle.
    const int step = 6; // 600-dpi pixels in one of 100 dpi
    const QSize chart = ChartExtent(20);
    const QSize sheet = PosterSheetSize(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
    const std::vector<PosterSheet> sheets = PosterSheets(chart, sheet, {2, 2});
    for (const QImage& page : pages)
        QVERIFY(qAbs(page.width() * step - sheet.width()) <= step
                && qAbs(page.height() * step - sheet.height()) <= step);

    QImage joined = Page((chart.width() + step - 1) / step, (chart.height() + step - 1) / step, 100);
    for (int y = 0; y < joined.height(); ++y) {
        for (int x = 0; x < joined.width(); ++x) {
            const QPoint c(x * step + step / 2, y * step + step / 2);
            for (size_t i = 0; i < sheets.size(); ++i) {
                if (!sheets[i].cut.contains(c))
                    continue;
                const QPoint p = (c + sheets[i].at - sheets[i].part.topLeft()) / step;
                joined.setPixel(x, y, pages[int(i)].pixel(p));
            }
        }
    }
    const QRect inkJoined = Ink(joined), inkWhole = Ink(reference[0]);
    QVERIFY(qAbs(inkJoined.width() - inkWhole.width()) <= 1 && qAbs(inkJoined.height() - inkWhole.height()) <= 1);
    const QPoint offset = inkWhole.topLeft() - inkJoined.topLeft();
    // Antialiasing and rounding to whole pixels move an edge by a pixel at
    // most, and a line on a seam may fall either side of it; a lost band or
    // a piece out of place leaves thousands of pixels.
    const QList<int> seamX{PosterSeam(chart.width(), 2, 1) / step}, seamY{PosterSeam(chart.height(), 2, 1) / step};
    const int lost = Unmatched(reference[0], joined, -offset, {seamX[0] + offset.x()}, {seamY[0] + offset.y()});
    const int added = Unmatched(joined, reference[0], offset, seamX, seamY);
    QVERIFY2(lost < 100 && added < 100, qPrintable(QStringLiteral("%1 and %2 pixels").arg(lost).arg(added)));
}

void TestZfktoolChart::posterSheetsShowEverySymbolAndTheirPositions()
{
    const QString poster = m_dir.filePath(QStringLiteral("symbols.pdf"));
    QCOMPARE(Chart({"--out", poster, "--scale", "20", "--poster", "2x2"}).code, 0);
    const QList<QStringList> pages = PdfPages(poster);
    QCOMPARE(pages.size(), 4);
    QStringList all;
    const QStringList labels{"A1", "A2", "B1", "B2"};
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QStringList words =
            pages[i].join(u' ').split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const QString& label : labels)
            QCOMPARE(words.contains(label), label == labels[i]);
        all += words;
    }
    for (const TPierwData& r : ElementTable)
        QVERIFY2(all.contains(QString::fromStdString(r.Symbol)), r.Symbol.c_str());
}

// The size in millimetres the printed chart has, the view box its 600-dpi
// pixels, and every symbol a text of its own, not a path.
void TestZfktoolChart::svgIsValidXmlWithTheSymbolsAsTextsAtTheChartsSize()
{
    const QString svg = m_dir.filePath(QStringLiteral("chart.SVG"));
    const Run r = Chart({"--out", svg, "--scale", "10", "--items", "0,3,12"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    const Run lint = Exec(QStringLiteral("xmllint"), {"--noout", svg});
    QVERIFY2(lint.code == 0 && lint.err.isEmpty(), lint.err.constData());

    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    QString title;
    QSizeF size;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg")) {
            const QXmlStreamAttributes a = xml.attributes();
            QVERIFY(a.value("width").endsWith(QLatin1String("mm")) && a.value("height").endsWith(QLatin1String("mm")));
            size = {a.value("width").chopped(2).toDouble(), a.value("height").chopped(2).toDouble()};
            viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("title")) {
            title = xml.readElementText();
        } else if (xml.name() == QLatin1String("text")) {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(title, QStringLiteral("Zefirak"));
    // 18 cells of 360 pixels and 3 for the lines; 9 rows of 500, the grid's
    // drop of 50, the gap of 100 and 2 for the lines.
    QCOMPARE(viewBox, QStringLiteral("0 0 6483 4652"));
    QVERIFY2(std::abs(size.width() - 6483 * 25.4 / 600) < 0.01 && std::abs(size.height() - 4652 * 25.4 / 600) < 0.01,
             qPrintable(QStringLiteral("%1 x %2 mm").arg(size.width()).arg(size.height())));
    for (const TPierwData& record : ElementTable) {
        QVERIFY2(texts.contains(QString::fromStdString(record.Symbol)), record.Symbol.c_str());
        QVERIFY2(texts.contains(QString::fromStdString(record.PolishName)), record.PolishName.c_str());
    }
    QVERIFY(texts.contains(QStringLiteral("ZEFIRAK")));
}

void TestZfktoolChart::pngIsGreyAtTheAskedDpiAndSize_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("size");
    // The 600-dpi extent scaled and rounded up: 6483 x 4652 at e = 10.
    QTest::newRow("e 10, 150 dpi by default") << QStringList{"--scale", "10"} << 150 << QSize(1621, 1163);
    QTest::newRow("e 10, 72 dpi") << QStringList{"--scale", "10", "--dpi", "72"} << 72 << QSize(778, 559);
    QTest::newRow("e 2, 600 dpi") << QStringList{"--scale", "2", "--dpi", "600"} << 600 << QSize(1299, 932);
    QTest::newRow("sample cell, 300 dpi")
        << QStringList{"--scale", "10", "--mode", "sample", "--dpi", "300"} << 300 << QSize(180, 250);
}

// The drawing fills the picture to its edges: nothing cut off, no margin.
// Ink is dark: at a low dpi a hairline of the 600-dpi page still takes a
// whole black pixel instead of fading to a pale grey.
void TestZfktoolChart::pngIsGreyAtTheAskedDpiAndSize()
{
    QFETCH(QStringList, args);
    QFETCH(int, dpi);
    QFETCH(QSize, size);
    const QString png = m_dir.filePath(QStringLiteral("chart.png"));
    const Run r = Chart(QStringList{"--out", png} + args);
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    const QImage image(png);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_Grayscale8);
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), dpi);
    QCOMPARE(qRound(image.dotsPerMeterY() * 0.0254), dpi);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    const bool sample = args.contains(QStringLiteral("sample"));
    QVERIFY2(
        ink.left() <= 1 && ink.right() >= image.width() - 2 && ink.bottom() >= image.height() - 2
            && ink.top() <= (sample ? 1 : image.height() / 5),
        qPrintable(QStringLiteral("ink %1,%2 %3 x %4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
}

void TestZfktoolChart::invalidArgumentsAreRefusedLeavingTheOldFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("scale 0") << QStringList{"--scale", "0"};
    QTest::newRow("scale 21") << QStringList{"--scale", "21"};
    QTest::newRow("scale 1x") << QStringList{"--scale", "1x"};
    // A number is its digits alone: no sign but a minus, no blanks.
    QTest::newRow("scale +5") << QStringList{"--scale", "+5"};
    QTest::newRow("scale with a blank") << QStringList{"--scale", " 5"};
    QTest::newRow("scale too long") << QStringList{"--scale", "99999999999999999999"};
    QTest::newRow("item 15") << QStringList{"--items", "0,15"};
    QTest::newRow("four items") << QStringList{"--items", "0,1,2,3"};
    QTest::newRow("size 26") << QStringList{"--data-size", "26"};
    QTest::newRow("unknown option") << QStringList{"--colour"};
    QTest::newRow("missing value") << QStringList{"--font"};
    QTest::newRow("paper") << QStringList{"--paper", "Serviette"};
    QTest::newRow("mode") << QStringList{"--mode", "big"};
    QTest::newRow("unwritable") << QStringList{"--out", "parent-is-a-file/chart.pdf"};
    QTest::newRow("poster too small") << QStringList{"--scale", "20", "--poster", "2x1"};
    QTest::newRow("poster of none") << QStringList{"--poster", "0x2"};
    QTest::newRow("poster 21 wide") << QStringList{"--poster", "21x1"};
    QTest::newRow("poster by a star") << QStringList{"--poster", "2*2"};
    QTest::newRow("poster of a test print") << QStringList{"--poster", "1x1", "--mode", "test"};
    QTest::newRow("unwritable png") << QStringList{"--out", "parent-is-a-file/chart.png"};
    // The kind of file is told by the ending; the options of one kind are
    // refused with the others.
    QTest::newRow("ending .gif") << QStringList{"--out", "chart.gif"};
    QTest::newRow("ending .pdf.txt") << QStringList{"--out", "chart.pdf.txt"};
    QTest::newRow("dpi with a PDF") << QStringList{"--dpi", "150"};
    QTest::newRow("dpi with an SVG") << QStringList{"--out", "chart.svg", "--dpi", "150"};
    QTest::newRow("paper with a PNG") << QStringList{"--out", "chart.png", "--paper", "A3"};
    QTest::newRow("paper with an SVG") << QStringList{"--paper", "A4", "--out", "chart.svg"};
    QTest::newRow("dpi 9") << QStringList{"--out", "chart.png", "--dpi", "9"};
    QTest::newRow("dpi 601") << QStringList{"--out", "chart.png", "--dpi", "601"};
    QTest::newRow("poster as an SVG") << QStringList{"--poster", "2x2", "--out", "chart.svg"};
}

// One line on stderr, exit code 2, the old file untouched, nothing added.
void TestZfktoolChart::invalidArgumentsAreRefusedLeavingTheOldFile()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("chart.pdf"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    QFile blocker(dir.filePath(QStringLiteral("parent-is-a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QStringList full = args;
    if (full.first() == "--out")
        full[1] = dir.filePath(full[1]);
    else
        full = QStringList{"--out", old} + full;

    const Run r = Chart(full);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.endsWith('\n'));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"chart.pdf", "parent-is-a-file"}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImageReader::setAllocationLimit(0); // a 600 dpi A4 page is 35 MB of grey
    TestZfktoolChart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zfktoolchart.moc"
