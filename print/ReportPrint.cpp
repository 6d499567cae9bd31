#include "print/ReportPrint.h"

#include "print/PrintJob.h"
#include "print/PrinterTextDevice.h"

#include <QPainter>
#include <QPrinter>

namespace {

const QString Lead = QStringLiteral("Nie udało się wydrukować raportu: ");

} // namespace

QFont ReportFont(const QString& family, int pointSize)
{
    QFont font(family.isEmpty() ? QStringLiteral("Arial") : family);
    font.setPointSize(pointSize);
    return font;
}

bool PrintReportText(QPrinter& printer, const QFont& font, const QString& text, QString& why)
{
    UsePageResolution(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        why = JobRefused(printer, Lead);
        return false;
    }
    const bool pagesBegun = PaintText(
        painter, [&printer] { return printer.newPage(); }, font, text);
    const bool ended = painter.end();
    return JobPrintedWhole(printer, pagesBegun, ended, Lead, why);
}

void DrawReportText(QPrinter& printer, const QFont& font, const QString& text)
{
    UsePageResolution(printer);
    QPainter painter(&printer);
    PaintText(
        painter, [&printer] { return printer.newPage(); }, font, text);
}
