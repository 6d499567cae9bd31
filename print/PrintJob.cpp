#include "print/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QStorageInfo>

namespace {

QString PrinterRefused(const QPrinter& printer, const QString& lead)
{
    return lead + QStringLiteral("drukarka \"") + printer.printerName()
           + QStringLiteral("\" nie przyjęła zadania wydruku.");
}

// Why the job's output file could not be opened, as far as can be told
// afterwards.
QString FileRefused(const QString& path, const QString& lead)
{
    if (path.isEmpty())
        return lead + QStringLiteral("nie podano nazwy pliku.");
    QString reason;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        reason = QStringLiteral("folder nie istnieje");
    } else if (info.isDir()) {
        reason = QStringLiteral("to jest folder");
    } else {
        // Appending neither truncates a file nor leaves a new one behind.
        const bool existed = info.exists();
        QFile file(path);
        if (file.open(QIODevice::Append)) {
            file.close();
            if (!existed)
                file.remove();
        } else {
            reason = file.errorString();
        }
    }
    QString text = lead + QStringLiteral("nie można zapisać pliku\r\n") + QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n(") + reason + QLatin1Char(')');
    return text;
}

// The PDF writer does not report failed writes, so a full disk shows only
// in the file: a complete one ends with its end-of-file marker.
bool PdfComplete(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (!file.seek(qMax<qint64>(0, size - 64)))
        return false;
    return file.readAll().contains("%%EOF");
}

QString FileIncomplete(const QString& path, const QString& lead)
{
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    const QString reason = storage.isValid() && storage.bytesAvailable() < 64 * 1024
                               ? QStringLiteral("brak miejsca na dysku")
                               : QStringLiteral("zapis został przerwany");
    return lead + QStringLiteral("plik nie został zapisany w całości\r\n") + QDir::toNativeSeparators(path)
           + QStringLiteral("\r\n(") + reason + QLatin1Char(')');
}

// The PDF writer keeps a failed write's error for good and would write
// nothing more into any file; a writer made anew takes over the printer's
// settings (orientation, title, file name).
void ResetPdfWriter(QPrinter& printer)
{
    const QPrinter::PdfVersion version = printer.pdfVersion();
    printer.setPdfVersion(version == QPrinter::PdfVersion_1_4 ? QPrinter::PdfVersion_1_6 : QPrinter::PdfVersion_1_4);
    printer.setPdfVersion(version);
}

} // namespace

QString JobRefused(const QPrinter& printer, const QString& lead)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? FileRefused(printer.outputFileName(), lead)
                                                         : PrinterRefused(printer, lead);
}

bool JobPrintedWhole(QPrinter& printer, bool pagesDrawn, bool ended, const QString& lead, QString& why)
{
    if (printer.outputFormat() != QPrinter::PdfFormat) {
        if (pagesDrawn && ended)
            return true;
        why = PrinterRefused(printer, lead);
        return false;
    }
    // A write that fails part way (a full disk) stops the pages or cuts the
    // file short. Only a regular file can be read back; a pipe or a device
    // is taken on trust once the job ran through.
    const QString path = printer.outputFileName();
    const bool regular = QFileInfo(path).isFile();
    if (pagesDrawn && ended && (!regular || PdfComplete(path)))
        return true;
    why = FileIncomplete(path, lead);
    if (regular)
        QFile::remove(path); // a cut-off PDF opens nowhere
    ResetPdfWriter(printer);
    return false;
}

void UsePageResolution(QPrinter& printer) { printer.setResolution(PageResolution); }

QByteArray PdfInMemory(const QString& title, const QString& creator, const std::function<bool(QPdfWriter&)>& print)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PageResolution);
        writer.setTitle(title);
        writer.setCreator(creator);
        if (!print(writer))
            return {};
    }
    // The writer puts the end-of-file marker last, when the job ended well.
    return pdf.trimmed().endsWith("%%EOF") ? pdf : QByteArray();
}
