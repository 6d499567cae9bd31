// zfktool report: the data report printed to a PDF file without the
// dialog, as the report dialog would print it on a 600 dpi printer.
#include <string>
#include <vector>

#include <QPrinter>
#include <QStringList>

#include "data/DaneTypes.h"
#include "print/ReportPrint.h"
#include "print/ReportText.h"
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
};

bool Fail(const std::string& message) { return ::Fail("report", message); }

// "all", or atomic numbers and ranges separated by commas: "1-10,26".
bool ParseElements(const char* text, std::vector<int>& elements)
{
    elements.clear();
    if (QLatin1String(text) == QLatin1String("all")) {
        for (int z = 1; z <= ElementCount; ++z)
            elements.push_back(z);
        return true;
    }
    for (const QString& part : QString::fromLocal8Bit(text).split(u',')) {
        const QStringList ends = part.split(u'-');
        int first = 0;
        int last = 0;
        if (ends.size() > 2 || !ParseInt(ends.first().toLatin1().constData(), 1, ElementCount, first)
            || !ParseInt(ends.last().toLatin1().constData(), 1, ElementCount, last) || last < first)
            return false;
        for (int z = first; z <= last; ++z)
            elements.push_back(z);
    }
    return true;
}

bool ParseArgs(std::span<char* const> args, ReportJob& job)
{
    bool haveElements = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string opt = args[i];
        const char* v = nullptr;
        auto value = [&] { return (v = i + 1 < args.size() ? args[++i] : nullptr) != nullptr; };
        if (opt == "--out") {
            if (!value() || !*v)
                return Fail("--out needs a file name");
            job.out = v;
        } else if (opt == "--elements") {
            if (!value() || !ParseElements(v, job.elements))
                return Fail("--elements needs 'all' or atomic numbers 1-111 and ranges such as 1-10,26");
            haveElements = true;
        } else if (opt == "--font") {
            if (!value() || !*v)
                return Fail("--font needs a font name");
            job.font = QString::fromLocal8Bit(v);
        } else if (opt == "--size") {
            if (!value() || !ParseInt(v, 1, 25, job.size))
                return Fail("--size needs a size from 1 to 25");
        } else if (opt == "--latin") {
            job.latin = true;
        } else if (opt == "--landscape") {
            job.landscape = true;
        } else {
            return Fail("unknown option '" + opt + "'");
        }
    }
    if (job.out.empty())
        return Fail("--out FILE.pdf is required");
    if (!haveElements)
        return Fail("--elements LIST is required");
    return true;
}

} // namespace

int RunReport(std::span<char* const> args)
{
    ReportJob job;
    if (!ParseArgs(args, job))
        return kExitUsage;
    PdfJob pdf;
    pdf.out = job.out;
    pdf.landscape = job.landscape;
    pdf.latin = job.latin;
    return PrintPdf(pdf, [&job](QPrinter& printer) {
        QString why;
        if (PrintReportText(printer, ReportFont(job.font, job.size), ReportText(job.elements), why))
            return true;
        return Fail(why.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).toStdString());
    });
}
