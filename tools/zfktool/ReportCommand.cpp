// zfktool report: the data report printed to a PDF file without the
// dialog, as the report dialog would print it on a 600 dpi printer.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include "data/Dane.h"
#include "data/DaneTypes.h"
#include "print/PrinterTextDevice.h"
#include "print/ReportPrint.h"
#include "print/ReportText.h"
#include "tools/zfktool/Options.h"
#include "tools/zfktool/PdfPrint.h"
#include "tools/zfktool/Subcommands.h"

namespace {

struct ReportJob {
    std::string out;
    std::vector<int> elements;
    QString font = QStringLiteral("Arial");
    int size = 12;
    bool latin = false;
    bool landscape = false;
    bool haveElements = false;
};

bool Fail(const std::string& message) { return ::Fail("report", message); }

// An atomic number or a symbol in any case, or why it is neither.
std::string ElementNumber(const QString& text, const std::vector<TPierwData>& table, int& z)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        if (ParseInt(text.toLatin1().constData(), 1, ElementCount, z))
            return {};
        return "no element " + text.toStdString() + " in --elements (atomic numbers run from 1 to "
               + std::to_string(ElementCount) + ")";
    }
    for (size_t i = 0; i < table.size(); ++i) {
        if (QString::fromStdString(table[i].Symbol).compare(text, Qt::CaseInsensitive) == 0) {
            z = static_cast<int>(i) + 1;
            return {};
        }
    }
    return "unknown element '" + text.toStdString() + "' in --elements";
}

// Elements, numbers or symbols, and ranges of them, separated by commas:
// "1-10,Fe,h-ne"; "all" stands for every element. False after printing why not.
bool ParseElements(const char* text, std::vector<int>& elements)
{
    // The symbols as the element table has them, the one the report prints.
    std::vector<TPierwData> table(ElementCount);
    GetLongPierwArray(table.data());
    elements.clear();
    if (*text == '\0')
        return Fail("--elements needs 'all' or a list such as 1-10,26,Fe");
    for (const QString& part : QString::fromLocal8Bit(text).split(u',')) {
        const QString item = part.trimmed();
        if (item.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
            for (int z = 1; z <= ElementCount; ++z)
                elements.push_back(z);
            continue;
        }
        const QStringList ends = item.split(u'-');
        if (ends.size() > 2 || ends.first().trimmed().isEmpty() || ends.last().trimmed().isEmpty())
            return Fail("'" + item.toStdString() + "' in --elements is neither an element nor a range");
        int first = 0;
        int last = 0;
        for (const auto& [end, z] : {std::pair{ends.first(), &first}, std::pair{ends.last(), &last}}) {
            const std::string why = ElementNumber(end.trimmed(), table, *z);
            if (!why.empty())
                return Fail(why);
        }
        if (last < first)
            return Fail("the range '" + item.toStdString() + "' in --elements runs backwards");
        for (int z = first; z <= last; ++z)
            elements.push_back(z);
    }
    return true;
}

// One row an option, in the order the help lists them.
const Option<ReportJob> kOptions[] = {
    {"--out", "FILE.pdf", "the PDF to write (required)",
     [](ReportJob& job, const char* v) { return TakeName("report", "--out needs a file name", v, job.out); }},
    {"--elements", "LIST", "all, or numbers, symbols and ranges: 1-10,26,Fe,h-ne (required)",
     [](ReportJob& job, const char* v) {
         if (!v)
             return Fail("--elements needs 'all' or a list such as 1-10,26,Fe");
         job.haveElements = true;
         return ParseElements(v, job.elements);
     }},
    {"--font", "NAME", "the font face (Arial)",
     [](ReportJob& job, const char* v) { return TakeName("report", "--font needs a font name", v, job.font); }},
    {"--size", "N", "the size in points, 1-25 (12)",
     [](ReportJob& job, const char* v) {
         return (v && ParseInt(v, 1, 25, job.size)) || Fail("--size needs a size from 1 to 25");
     }},
    {"--latin", nullptr, "Latin element names",
     [](ReportJob& job, const char*) {
         job.latin = true;
         return true;
     }},
    {"--landscape", nullptr, "landscape pages (portrait)",
     [](ReportJob& job, const char*) {
         job.landscape = true;
         return true;
     }},
};

} // namespace

void PrintReportOptions(std::FILE* to) { PrintOptions(to, kOptions); }

int RunReport(std::span<char* const> args)
{
    ReportJob job;
    switch (ParseOptions("report", kOptions, args, job)) {
    case Parsed::Help:
        return CommandHelp("report");
    case Parsed::Error:
        return kExitUsage;
    case Parsed::Run:
        break;
    }
    if (job.out.empty() || !job.haveElements) {
        Fail(job.out.empty() ? "--out FILE.pdf is required" : "--elements LIST is required");
        return kExitUsage;
    }
    PdfJob pdf;
    pdf.command = "report";
    pdf.out = job.out;
    pdf.landscape = job.landscape;
    pdf.latin = job.latin;
    // The report's own painting, not PrintReportText: that one needs a
    // QPrinter, which cannot write into memory, and its messages are the
    // dialog's, in Polish.
    return PrintPdf(pdf, [&job](QPdfWriter& writer) {
        QPainter painter;
        if (!painter.begin(&writer))
            return Fail("cannot start printing to " + job.out);
        const bool pages = PaintText(
            painter, [&writer] { return writer.newPage(); }, ReportFont(job.font, job.size), ReportText(job.elements));
        return (painter.end() && pages) || Fail("cannot finish " + job.out);
    });
}
