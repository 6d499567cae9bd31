// zfktool chart: the wall chart printed to a PDF file without the dialog,
// as the print dialog would print it on a 600 dpi printer.
#include <string>

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "data/SettingsValues.h"
#include "print/Chart.h"
#include "tools/zfktool/PdfPrint.h"
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

bool Fail(const std::string& message) { return ::Fail("chart", message); }

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

} // namespace

int RunChart(std::span<char* const> args)
{
    ChartJob job;
    if (!ParseArgs(args, job))
        return kExitUsage;

    const PdfJob pdf{job.out, job.paper, true, QStringLiteral("Zefirak"), job.latin};
    return PrintPdf(pdf, [&job](QPrinter& printer) {
        QPainter canvas;
        if (!canvas.begin(&printer))
            return Fail("cannot start printing to " + job.out);
        DrawChart(canvas, job.scale, job.mode, job.inputs);
        return canvas.end() || Fail("cannot finish " + job.out);
    });
}
