// What the print dialogs share: what they tell the user when a job fails,
// and the care a job printed to a PDF file needs: the toolkit's PDF writer
// reports neither a file it could not open nor a write that failed part way.
// (The default face, DesignFont, comes from widgets/ with this header.)
#pragma once

#include "widgets/Look.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QPdfWriter;
class QPrinter;

// Why the job could not begin on printer. lead opens the text ("Nie udało
// się wydrukować raportu: ").
QString JobRefused(const QPrinter& printer, const QString& lead);

// Ends a job whose pages were drawn: true when it printed whole. A PDF file
// cut short (a full disk) is removed, the printer's writer made anew (the
// old one would write nothing more), and why gets the text of the error box.
bool JobPrintedWhole(QPrinter& printer, bool pagesDrawn, bool ended, const QString& lead, QString& why);

// Every printout is laid out in pixels of a 600-dpi page, whatever the
// printer: on Linux the printer's own pixels never reach the program (the
// print server gets vector PDF and rasterises it itself), so this is what
// gives a scale one size on paper, the same from the dialog and zfktool.
constexpr int PageResolution = 600;
void UsePageResolution(QPrinter& printer);

// A 600-dpi PDF made in memory: print sets the writer's paper and paints on
// it. Empty when print gave false or the writer did not finish the file.
// Qt's PDF writer reports no failed write, so the caller writes the bytes
// itself, every write checked.
QByteArray PdfInMemory(const QString& title, const QString& creator, const std::function<bool(QPdfWriter&)>& print);
