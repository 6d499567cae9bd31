// zfktool chart: the wall chart printed to a PDF file without the dialog,
// as the print dialog would print it on a 600 dpi printer (or as a poster
// on several sheets), or saved as an SVG picture or a greyscale PNG.
#include <optional>
#include <string>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "data/SettingsValues.h"
#include "print/Chart.h"
#include "print/ChartImage.h"
#include "print/Poster.h"
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
    std::optional<PosterGrid> poster;
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

// "2x3": columns by rows, each 1 to PosterMaxSide.
bool ParsePosterGrid(const char* text, std::optional<PosterGrid>& grid)
{
    const QStringList sides = QString::fromLocal8Bit(text).split(u'x');
    PosterGrid g;
    if (sides.size() != 2 || !ParseInt(sides[0].toLocal8Bit().constData(), 1, PosterMaxSide, g.columns)
        || !ParseInt(sides[1].toLocal8Bit().constData(), 1, PosterMaxSide, g.rows))
        return false;
    grid = g;
    return true;
}

// The full chart on the grid's sheets; a grid whose sheets cannot hold
// their parts is refused, naming the smallest that can.
bool PrintPoster(const ChartJob& job, QPdfWriter& writer)
{
    const QSize chart = ChartExtent(job.scale);
    const QSize sheet(writer.width(), writer.height());
    if (!PosterGridHolds(chart, sheet, *job.poster)) {
        const std::optional<PosterGrid> smallest = SmallestPosterGrid(chart, sheet);
        const std::string need = smallest ? "; the smallest grid is " + std::to_string(smallest->columns) + "x"
                                                + std::to_string(smallest->rows)
                                          : "";
        return Fail("the chart at scale " + std::to_string(job.scale) + " does not fit on "
                    + std::to_string(job.poster->columns) + "x" + std::to_string(job.poster->rows) + " sheets of "
                    + QPageSize::key(job.paper.id()).toStdString() + need);
    }
    QPainter canvas;
    if (!canvas.begin(&writer))
        return Fail("cannot start printing to " + job.out);
    const bool drawn = DrawPoster(canvas, writer, job.scale, job.inputs, *job.poster);
    return (canvas.end() && drawn) || Fail("cannot finish " + job.out);
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
    {"--poster", "COLSxROWS", "a PDF of the full chart cut into sheets of the paper, overlapping, with cut marks",
     [](ChartJob& job, const char* v) {
         return (v && ParsePosterGrid(v, job.poster))
                || Fail("--poster needs columns x rows, each from 1 to 20, such as 2x2");
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
    if (job.poster && kind != ChartFileKind::Pdf)
        return Fail("--poster applies to a PDF only");
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

    if (job.poster && job.mode != cmFull) {
        Fail("--poster prints the full chart only");
        return kExitUsage;
    }

    // A poster sheet keeps its own strip for the marks: the file's paper is
    // all its to paint on.
    const bool poster = job.poster.has_value();
    const PdfJob pdf{"chart", job.out, job.paper, true, QStringLiteral("Zefirak"), job.latin, poster};
    return PrintPdf(pdf, [&job](QPdfWriter& writer) {
        if (job.poster)
            return PrintPoster(job, writer);
        QPainter canvas;
        if (!canvas.begin(&writer))
            return Fail("cannot start printing to " + job.out);
        DrawChart(canvas, job.scale, job.mode, job.inputs);
        return canvas.end() || Fail("cannot finish " + job.out);
    });
}
