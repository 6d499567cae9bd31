// zfktool report end to end: the PDF read back with poppler, its pages
// against the page layout worked out here for the same font and page, and
// the arguments it refuses.
#include "data/Dane.h"
#include "print/PrinterTextDevice.h"
#include "print/ReportPrint.h"
#include "print/ReportText.h"
#include "tests/print/PrintTestKit.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTest>

#include <map>

namespace {

Run Report(const QStringList& args)
{
    return Exec(QStringLiteral(ZFKTOOL), QStringList{QStringLiteral("report")} + args);
}

std::array<TPierwData, ElementCount> Table()
{
    std::array<TPierwData, ElementCount> table;
    GetLongPierwArray(table.data());
    return table;
}

std::vector<int> All()
{
    std::vector<int> all;
    for (int z = 1; z <= ElementCount; ++z)
        all.push_back(z);
    return all;
}

// The report laid out for a 600 dpi A4 PDF page: per page, the text of each
// line (the runs at one height joined), and the runs themselves.
struct Layout {
    QList<QStringList> pages;
    std::vector<TextRun> runs;
};

Layout Expected(const QString& text, const QString& font, int size, bool landscape, const QString& scratch)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter(&printer);
    painter.setFont(ReportFont(font, size));
    const QtTextMetrics metrics(painter.fontMetrics());
    PrinterTextDevice device(metrics, printer.width(), printer.height());
    device.Write(text);
    Layout layout;
    layout.runs = device.TakeRuns();
    std::map<std::pair<int, int>, QString> lines;
    for (const TextRun& run : layout.runs)
        lines[{run.page, run.y}] += run.text;
    for (const auto& [where, line] : lines) {
        while (layout.pages.size() <= where.first)
            layout.pages.append(QStringList());
        if (!line.trimmed().isEmpty())
            layout.pages[where.first].append(line.simplified());
    }
    return layout;
}

QList<QStringList> Simplified(QList<QStringList> pages)
{
    for (QStringList& page : pages)
        for (QString& line : page)
            line = line.simplified();
    return pages;
}

} // namespace

class TestZfktoolReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void reportOfHydrogenAndHeliumHasTheirLines();
    void pagesAreAsTheLayoutPutsThem_data();
    void pagesAreAsTheLayoutPutsThem();
    void elementListsChooseTheElementsInOrder_data();
    void elementListsChooseTheElementsInOrder();
    void invalidArgumentsAreRefusedLeavingTheOldFile_data();
    void invalidArgumentsAreRefusedLeavingTheOldFile();

private:
    QTemporaryDir m_dir;
};

// 29 lines: the header, and for each element an empty line and 13 data
// lines; the empty lines leave no text behind.
void TestZfktoolReport::reportOfHydrogenAndHeliumHasTheirLines()
{
    const QString pdf = m_dir.filePath(QStringLiteral("hhe.pdf"));
    const Run r = Report({"--out", pdf, "--elements", "2,1"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    QCOMPARE(ReportText({1, 2}, Table()).count(QStringLiteral("\r\n")), 29);
    const QList<QStringList> pages = Simplified(PdfPages(pdf));
    QCOMPARE(pages.size(), 1);
    const QStringList& lines = pages[0];
    QCOMPARE(lines.size(), 27);
    QCOMPARE(lines[0], QStringLiteral("***Dane Pierwiastków Chemicznych*** - Zefirak 2.5.1.FREE"));
    QCOMPARE(lines[1], QStringLiteral("Pierwiastek: H - Wodór"));
    QCOMPARE(lines[7], QStringLiteral("Gęstość: [g/cm sześcienny]: 0.0899"));
    QCOMPARE(lines[13], QStringLiteral("Liczba elektronów w powłokach: K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0"));
    QCOMPARE(lines[14], QStringLiteral("Pierwiastek: He - Hel"));
    QCOMPARE(lines[26], QStringLiteral("Liczba elektronów w powłokach: K: 2 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0"));
    const auto info = PdfInfo(pdf);
    QVERIFY2(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("595")),
             qPrintable(info.value(QStringLiteral("Page size"))));
}

void TestZfktoolReport::pagesAreAsTheLayoutPutsThem_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("latin");
    QTest::addColumn<bool>("wordBroken"); // a line too wide for the page, broken inside a word
    QTest::newRow("all at 12") << QStringList{"--elements", "all"} << 12 << false << false << false;
    QTest::newRow("all at 25") << QStringList{"--elements", "all", "--size", "25"} << 25 << false << false << true;
    QTest::newRow("ranges at 25, landscape, Latin")
        << QStringList{"--elements", "1-10,26,100-111", "--size", "25", "--landscape", "--latin"} << 25 << true << true
        << false;
}

void TestZfktoolReport::pagesAreAsTheLayoutPutsThem()
{
    QFETCH(QStringList, args);
    QFETCH(int, size);
    QFETCH(bool, landscape);
    QFETCH(bool, latin);
    QFETCH(bool, wordBroken);
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    const Run r = Report(QStringList{"--out", pdf} + args);
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.isEmpty(), r.err.constData());

    auto table = Table();
    if (latin) {
        for (TPierwData& e : table)
            e.Name = e.LatinName;
    }
    std::vector<int> elements = All();
    if (args[1] != QLatin1String("all")) {
        elements = {26};
        for (int z = 1; z <= 10; ++z)
            elements.push_back(z);
        for (int z = 100; z <= 111; ++z)
            elements.push_back(z);
    }
    const Layout layout = Expected(ReportText(elements, table), QStringLiteral("Arial"), size, landscape,
                                   m_dir.filePath(QStringLiteral("scratch.pdf")));
    const QList<QStringList> pages = Simplified(PdfPages(pdf));
    QVERIFY(layout.pages.size() > 1);
    QCOMPARE(PdfInfo(pdf).value(QStringLiteral("Pages")).toInt(), layout.pages.size());
    QCOMPARE(pages.size(), layout.pages.size());
    for (qsizetype p = 0; p < pages.size(); ++p)
        QCOMPARE(pages[p], layout.pages[p]);
    QVERIFY(pages.front().front().startsWith(QStringLiteral("***Dane Pierwiastków Chemicznych***")));
    if (latin)
        QVERIFY(pages.front().contains(QStringLiteral("Pierwiastek: H - Hydrogenium")));

    // A line broken between two letters: the part before the break ends one
    // printed line, the rest begins the next.
    const QStringList whole = ReportText(elements, table).split(QStringLiteral("\r\n"));
    bool foundBreak = false;
    for (size_t i = 0; i + 1 < layout.runs.size() && !foundBreak; ++i) {
        const TextRun& a = layout.runs[i];
        const TextRun& b = layout.runs[i + 1];
        if (whole.contains(a.text) || !a.text.back().isLetter() || !b.text.front().isLetter())
            continue;
        foundBreak = true;
        const QStringList& page = pages[a.page];
        const qsizetype at = page.indexOf(a.text.simplified());
        QVERIFY2(at >= 0, qPrintable(a.text));
        QCOMPARE(pages[b.page].value(b.page == a.page ? at + 1 : 0), b.text.simplified());
    }
    QCOMPARE(foundBreak, wordBroken);
}

void TestZfktoolReport::elementListsChooseTheElementsInOrder_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("symbols"); // as printed, by atomic number
    QTest::newRow("numbers") << "2,1" << QStringList{"H", "He"};
    QTest::newRow("symbol, small letters") << "fe" << QStringList{"Fe"};
    QTest::newRow("symbol, capitals") << "FE" << QStringList{"Fe"};
    QTest::newRow("symbol range") << "H-He" << QStringList{"H", "He"};
    QTest::newRow("symbol range, mixed case") << "b-NE" << QStringList{"B", "C", "N", "O", "F", "Ne"};
    QTest::newRow("symbol and number range") << "Fe,1-3" << QStringList{"H", "He", "Li", "Fe"};
    QTest::newRow("number to symbol, spaces") << " 109 - Rg " << QStringList{"Mt", "Ds", "Rg"};
    QStringList all;
    for (const TPierwData& e : Table())
        all << QString::fromStdString(e.Symbol);
    QTest::newRow("all") << "all" << all;
}

// The elements as each report begins them, "Pierwiastek: Fe - Żelazo".
void TestZfktoolReport::elementListsChooseTheElementsInOrder()
{
    QFETCH(QString, list);
    QFETCH(QStringList, symbols);
    const QString pdf = m_dir.filePath(QStringLiteral("list.pdf"));
    const Run r = Report({"--out", pdf, "--elements", list});
    QCOMPARE(r.code, 0);
    QStringList printed;
    const QString lead = QStringLiteral("Pierwiastek: ");
    for (const QString& line : PdfLines(pdf)) {
        if (line.startsWith(lead))
            printed << line.mid(lead.size()).section(u' ', 0, 0);
    }
    QCOMPARE(printed, symbols);
}

void TestZfktoolReport::invalidArgumentsAreRefusedLeavingTheOldFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says"); // part of the message, where it matters
    QTest::newRow("unknown symbol") << QStringList{"--elements", "1,Xx"}
                                    << "zfktool report: unknown element 'Xx' in --elements\n";
    QTest::newRow("element 0") << QStringList{"--elements", "0,1"} << "no element 0 in --elements";
    QTest::newRow("element 112") << QStringList{"--elements", "1,112"} << "no element 112 in --elements";
    QTest::newRow("range past 111") << QStringList{"--elements", "100-112"} << "no element 112";
    QTest::newRow("range backwards") << QStringList{"--elements", "Ne-b"} << "'Ne-b' in --elements runs backwards";
    QTest::newRow("open range") << QStringList{"--elements", "1-"} << "'1-'";
    QTest::newRow("empty list") << QStringList{"--elements", ""} << QString();
    QTest::newRow("no elements") << QStringList{} << "--elements LIST is required";
    QTest::newRow("size 0") << QStringList{"--elements", "1", "--size", "0"} << QString();
    QTest::newRow("size 26") << QStringList{"--elements", "1", "--size", "26"} << QString();
    QTest::newRow("unknown option") << QStringList{"--elements", "1", "--paper", "A3"} << "'--paper'";
    QTest::newRow("missing value") << QStringList{"--elements", "1", "--font"} << QString();
    QTest::newRow("unwritable") << QStringList{"--out", "parent-is-a-file/report.pdf", "--elements", "1"}
                                << "parent-is-a-file/report.pdf: Not a directory";
}

// One line on stderr, exit code 2, the old file untouched, nothing added.
void TestZfktoolReport::invalidArgumentsAreRefusedLeavingTheOldFile()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("report.pdf"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    QFile blocker(dir.filePath(QStringLiteral("parent-is-a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QStringList full = args;
    if (!full.isEmpty() && full.first() == "--out")
        full[1] = dir.filePath(full[1]);
    else
        full = QStringList{"--out", old} + full;

    const Run r = Report(full);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.endsWith('\n'));
    QVERIFY2(r.err.contains(says.toUtf8()), r.err.constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"parent-is-a-file", "report.pdf"}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestZfktoolReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zfktoolreport.moc"
