// The data report as a print job: its text laid out line by line on the
// printer's pages, and what to tell the user when the job fails.
#pragma once

#include <QFont>
#include <QString>

class QPrinter;

// Prints the text as one job on the printer with the settings the printer
// has (orientation, title, output file): the report sets none of them.
// Returns false when the job could not begin, a page could not be begun or
// the output file was not written in full; `why` then holds the text of the
// error box.
bool PrintReportText(QPrinter& printer, const QFont& font, const QString& text, QString& why);

// The text on the printer as the preview shows it: the same pages, no
// checks (the preview writes no file).
void DrawReportText(QPrinter& printer, const QFont& font, const QString& text);

// The report's font: the chosen face, or Arial (the dialog's default) when
// none is chosen, at the given point size.
QFont ReportFont(const QString& family, int pointSize);
