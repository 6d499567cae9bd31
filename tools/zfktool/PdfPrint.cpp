#include "tools/zfktool/PdfPrint.h"

#include "data/Dane.h"
#include "data/ElementTables.h"
#include "tools/zfktool/OutputFile.h"
#include "tools/zfktool/Subcommands.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

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

bool Fail(const char* command, const std::string& message)
{
    std::fprintf(stderr, "zfktool %s: %s\n", command, message.c_str());
    return false;
}

int PrintPdf(const PdfJob& job, const std::function<bool(QPrinter&)>& print)
{
    // The temporary beside the target proves the folder writable before
    // any drawing; the printer writes into it by name.
    OutputFile out;
    if (!out.Open(job.out.c_str()))
        return kExitUsage;
    const std::string target = out.WritePath();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt must not take the command's own arguments for its options.
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
    printer.setPageOrientation(job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(job.title);
    printer.setCreator(QStringLiteral("zfktool"));

    if (!print(printer))
        return kExitUsage;
    return out.Commit() ? 0 : kExitUsage;
}
