#include "tools/zfktool/PdfPrint.h"

#include "data/Dane.h"
#include "data/ElementTables.h"
#include "print/PrintJob.h"
#include "tools/zfktool/OutputFile.h"
#include "tools/zfktool/Subcommands.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <charconv>
#include <cstdio>
#include <span>
#include <string_view>

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
    SetShownNames(latin);
}

} // namespace

bool ParseInt(const char* text, int lo, int hi, int& value)
{
    const std::string_view digits(text);
    int v = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (error != std::errc() || end != digits.data() + digits.size() || v < lo || v > hi)
        return false;
    value = v;
    return true;
}

bool Fail(const char* command, const std::string& message)
{
    std::fprintf(stderr, "zfktool %s: %s\n", command, message.c_str());
    return false;
}

int WriteMade(const std::string& path, bool latin, const std::function<bool(QByteArray&)>& make)
{
    // Opened first, so an unwritable target is refused before any drawing.
    OutputFile out;
    if (!out.Open(path.c_str()))
        return kExitUsage;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt must not take the command's own arguments for its options.
    qInstallMessageHandler(QuietMessages);
    static int qtArgc = 1;
    static char name[] = "zfktool";
    static char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    LoadElementTable(latin);

    QByteArray made;
    if (!make(made))
        return kExitUsage;
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(made.constData()), static_cast<size_t>(made.size()));
    return out.Write(bytes) && out.Commit() ? 0 : kExitUsage;
}

int PrintPdf(const PdfJob& job, const std::function<bool(QPdfWriter&)>& print)
{
    return WriteMade(job.out, job.latin, [&](QByteArray& pdf) {
        bool printed = false;
        pdf = PdfInMemory(job.title, QStringLiteral("zfktool"), [&](QPdfWriter& writer) {
            writer.setPageSize(job.paper);
            writer.setPageOrientation(job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            if (job.noMargins)
                writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            printed = print(writer);
            return printed;
        });
        // A failed print has said why itself.
        if (pdf.isEmpty() && printed)
            Fail(job.command, "the PDF for " + job.out + " was not finished");
        return !pdf.isEmpty();
    });
}
