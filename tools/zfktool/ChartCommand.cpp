// zfktool chart: the wall chart printed to a PDF file without the dialog,
// as the print dialog would print it on a 600 dpi printer, or saved as an
// SVG picture or a greyscale PNG.
#include <string>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "data/SettingsValues.h"
#include "print/Chart.h"
#include "print/ChartImage.h"
#include "print/PrintJob.h"
#include "tools/zfktool/Options.h"
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
    bool ownLines = false; // the info field's default lines replaced
    int dpi = DefaultPngDpi;
    bool paperGiven = false, dpiGiven = false; // each fits one kind of file only
};

bool Fail(const std::string& message) { return ::Fail("chart", message); }

bool Size(const char* option, const char* text, int& size)
{
    return (text && ParseInt(text, 1, 25, size)) || Fail(std::string(option) + " needs a size from 1 to 25");
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

// One row an option, in the order the help lists them.
const Option<ChartJob> kOptions[] = {
    {"--out", "FILE.pdf|.svg|.png", "the file to write, its kind told by its ending; none: PDF (required)",
     [](ChartJob& job, const char* v) { return TakeName("chart", "--out needs a file name", v, job.out); }},
    {"--mode", "full|test|sample", "the whole chart, a test print or one sample cell (full)",
     [](ChartJob& job, const char* v) {
         const std::string mode = v ? v : "";
         if (mode == "full")
             job.mode = cmFull;
         else if (mode == "test")
             job.mode = cmTest;
         else if (mode == "sample")
             job.mode = cmSample;
         else
             return Fail("--mode is full, test or sample");
         return true;
     }},
    {"--scale", "E", "the scale, 1-20 (10)",
     [](ChartJob& job, const char* v) {
         return (v && ParseInt(v, 1, 20, job.scale)) || Fail("--scale needs a number from 1 to 20");
     }},
    {"--items", "I1,I2,I3", "the data in the three cell places, 0-14 each (-1: none)",
     [](ChartJob& job, const char* v) {
         return (v && ParseItems(v, job.inputs.items))
                || Fail("--items needs up to three numbers from -1 to 14, separated by commas");
     }},
    {"--font", "NAME", "the font face (Arial)",
     [](ChartJob& job, const char* v) {
         return TakeName("chart", "--font needs a font name", v, job.inputs.fontName);
     }},
    {"--symbol-size", "S", "the symbols' size in points, 1-25 (16)",
     [](ChartJob& job, const char* v) { return Size("--symbol-size", v, job.inputs.symbolSize); }},
    {"--data-size", "D", "the cell data's size in points, 1-25 (7)",
     [](ChartJob& job, const char* v) { return Size("--data-size", v, job.inputs.dataSize); }},
    {"--info-size", "F", "the info field's size in points, 1-25 (8)",
     [](ChartJob& job, const char* v) { return Size("--info-size", v, job.inputs.infoSize); }},
    {"--info-bold", nullptr, "the info field in bold (the default)",
     [](ChartJob& job, const char*) {
         job.inputs.infoBold = true;
         return true;
     }},
    {"--no-info-bold", nullptr, "the info field in regular type",
     [](ChartJob& job, const char*) {
         job.inputs.infoBold = false;
         return true;
     }},
    {"--info-line", "TEXT", "a line of the info field; repeated for more lines",
     [](ChartJob& job, const char* v) {
         if (!v)
             return Fail("--info-line needs a text");
         if (!job.ownLines)
             job.inputs.infoLines.clear();
         job.ownLines = true;
         job.inputs.infoLines << QString::fromLocal8Bit(v);
         return true;
     }},
    {"--paper", "NAME", "the paper: A4, A3, Letter, ... (A4)",
     [](ChartJob& job, const char* v) {
         job.paperGiven = true;
         return (v && ParsePaper(v, job.paper)) || Fail("--paper needs a paper name such as A4, A3 or Letter");
     }},
    // Up to the page's own 600 dpi, in which the chart is laid out: a finer
    // bitmap would only be larger (1200 dpi at e = 20 takes half a gigabyte).
    {"--dpi", "N", "a PNG's resolution, 10-600 (150)",
     [](ChartJob& job, const char* v) {
         job.dpiGiven = true;
         return (v && ParseInt(v, 10, PageResolution, job.dpi)) || Fail("--dpi needs a number from 10 to 600");
     }},
    {"--latin", nullptr, "Latin element names",
     [](ChartJob& job, const char*) {
         job.latin = true;
         return true;
     }},
};

// An option that fits another kind of file is refused, so that nobody
// thinks it did something.
bool KindFits(const ChartJob& job, ChartFileKind kind)
{
    if (kind == ChartFileKind::Unknown)
        return Fail("--out must name a file ending in .pdf, .svg or .png (no ending: a PDF)");
    if (job.paperGiven && kind != ChartFileKind::Pdf)
        return Fail("--paper applies to a PDF only");
    if (job.dpiGiven && kind != ChartFileKind::Png)
        return Fail("--dpi applies to a PNG only");
    return true;
}

int WriteChartImage(const ChartJob& job, ChartFileKind kind)
{
    return WriteMade(job.out, job.latin, [&job, kind](QByteArray& bytes) {
        bytes = kind == ChartFileKind::Svg ? ChartSvg(job.scale, job.mode, job.inputs)
                                           : ChartPng(job.scale, job.mode, job.inputs, job.dpi);
        return !bytes.isEmpty() || Fail("cannot draw the chart for " + job.out);
    });
}

} // namespace

void PrintChartOptions(std::FILE* to) { PrintOptions(to, kOptions); }

int RunChart(std::span<char* const> args)
{
    ChartJob job;
    job.inputs.infoLines = DefaultInfoLines();
    switch (ParseOptions("chart", kOptions, args, job)) {
    case Parsed::Help:
        return CommandHelp("chart");
    case Parsed::Error:
        return kExitUsage;
    case Parsed::Run:
        break;
    }
    if (job.out.empty()) {
        Fail("--out FILE.pdf, FILE.svg or FILE.png is required");
        return kExitUsage;
    }
    const ChartFileKind kind = ChartFileKindOf(QString::fromLocal8Bit(job.out));
    if (!KindFits(job, kind))
        return kExitUsage;
    if (kind != ChartFileKind::Pdf)
        return WriteChartImage(job, kind);

    const PdfJob pdf{"chart", job.out, job.paper, true, QStringLiteral("Zefirak"), job.latin};
    return PrintPdf(pdf, [&job](QPdfWriter& writer) {
        QPainter canvas;
        if (!canvas.begin(&writer))
            return Fail("cannot start printing to " + job.out);
        DrawChart(canvas, job.scale, job.mode, job.inputs);
        return canvas.end() || Fail("cannot finish " + job.out);
    });
}
