// zfktool chart: the wall chart printed to a PDF file without the dialog,
// as the print dialog would print it on a 600 dpi printer.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "data/Dane.h"
#include "data/ElementTables.h"
#include "data/SettingsValues.h"
#include "print/Chart.h"
#include "tools/zfktool/OutputFile.h"
#include "tools/zfktool/Subcommands.h"

namespace {

struct ChartJob {
    std::string out;
    ChartMode mode = cmFull;
    int scale = 10;
    QPageSize paper{QPageSize::A4};
    bool latin = false;
    ChartInputs inputs;
};

bool Fail(const std::string& message)
{
    std::fprintf(stderr, "zfktool chart: %s\n", message.c_str());
    return false;
}

bool ParseInt(const char* text, int lo, int hi, int& value)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || v < lo || v > hi)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool ParseItems(const char* text, std::array<int, 3>& items)
{
    items = {-1, -1, -1};
    const QStringList parts = QString::fromLocal8Bit(text).split(u',');
    if (parts.size() > 3)
        return false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!ParseInt(parts[i].toLocal8Bit().constData(), -1, DataItemCount - 1, items[i]))
            return false;
    }
    return true;
}

bool ParsePaper(const char* text, QPageSize& paper)
{
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(size).compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
            paper = QPageSize(size);
            return true;
        }
    }
    return false;
}

bool ParseArgs(std::span<char* const> args, ChartJob& job)
{
    job.inputs.infoLines = DefaultInfoLines();
    bool ownLines = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string opt = args[i];
        auto value = [&]() -> const char* { return i + 1 < args.size() ? args[++i] : nullptr; };
        auto size = [&](int& target) {
            const char* v = value();
            return (v && ParseInt(v, 1, 25, target)) || Fail(opt + " needs a size from 1 to 25");
        };
        if (opt == "--out") {
            const char* v = value();
            if (!v || !*v)
                return Fail("--out needs a file name");
            job.out = v;
        } else if (opt == "--mode") {
            const char* v = value();
            const std::string mode = v ? v : "";
            if (mode == "full")
                job.mode = cmFull;
            else if (mode == "test")
                job.mode = cmTest;
            else if (mode == "sample")
                job.mode = cmSample;
            else
                return Fail("--mode is full, test or sample");
        } else if (opt == "--scale") {
            const char* v = value();
            if (!v || !ParseInt(v, 1, 20, job.scale))
                return Fail("--scale needs a number from 1 to 20");
        } else if (opt == "--items") {
            const char* v = value();
            if (!v || !ParseItems(v, job.inputs.items))
                return Fail("--items needs up to three numbers from -1 to 14, separated by commas");
        } else if (opt == "--font") {
            const char* v = value();
            if (!v || !*v)
                return Fail("--font needs a font name");
            job.inputs.fontName = QString::fromLocal8Bit(v);
        } else if (opt == "--symbol-size") {
            if (!size(job.inputs.symbolSize))
                return false;
        } else if (opt == "--data-size") {
            if (!size(job.inputs.dataSize))
                return false;
        } else if (opt == "--info-size") {
            if (!size(job.inputs.infoSize))
                return false;
        } else if (opt == "--info-bold") {
            job.inputs.infoBold = true;
        } else if (opt == "--no-info-bold") {
            job.inputs.infoBold = false;
        } else if (opt == "--info-line") {
            const char* v = value();
            if (!v)
                return Fail("--info-line needs a text");
            if (!ownLines)
                job.inputs.infoLines.clear();
            ownLines = true;
            job.inputs.infoLines << QString::fromLocal8Bit(v);
        } else if (opt == "--paper") {
            const char* v = value();
            if (!v || !ParsePaper(v, job.paper))
                return Fail("--paper needs a paper name such as A4, A3 or Letter");
        } else if (opt == "--latin") {
            job.latin = true;
        } else {
            return Fail("unknown option '" + opt + "'");
        }
    }
    if (job.out.empty())
        return Fail("--out FILE.pdf is required");
    return true;
}

// The offscreen platform's note about a missing runtime folder is no
// concern of a PDF; other messages of Qt stay on stderr.
void QuietMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths:")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The program's copy of the element table, as start-up loads it.
void LoadElementTable(bool latin)
{
    GetLongPierwArray(ElementTable.data());
    if (latin) {
        for (TPierwData& r : ElementTable)
            r.Name = r.LatinName;
    }
}

} // namespace

int RunChart(std::span<char* const> args)
{
    ChartJob job;
    if (!ParseArgs(args, job))
        return kExitUsage;

    // The temporary beside the target proves the folder writable before
    // any drawing; the printer writes into it by name.
    OutputFile out;
    if (!out.Open(job.out.c_str()))
        return kExitUsage;
    const std::string target = out.WritePath();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt must not take the chart's own arguments for its options.
    qInstallMessageHandler(QuietMessages);
    static int qtArgc = 1;
    static char name[] = "zfktool";
    static char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    LoadElementTable(job.latin);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(QString::fromLocal8Bit(target.c_str()));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(job.paper);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Zefirak"));
    printer.setCreator(QStringLiteral("zfktool"));

    QPainter canvas;
    if (!canvas.begin(&printer)) {
        std::fprintf(stderr, "zfktool chart: cannot start printing to %s\n", job.out.c_str());
        return kExitUsage;
    }
    DrawChart(canvas, job.scale, job.mode, job.inputs);
    if (!canvas.end()) {
        std::fprintf(stderr, "zfktool chart: cannot finish %s\n", job.out.c_str());
        return kExitUsage;
    }
    return out.Commit() ? 0 : kExitUsage;
}
