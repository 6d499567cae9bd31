// What the commands that print to a PDF file share: number arguments, and
// a 600 dpi PDF made in memory and written out through OutputFile, so a
// failed run leaves the old file, or none, and says so.
#pragma once

#include <QPageSize>

#include <functional>
#include <string>

class QByteArray;
class QPdfWriter;

struct PdfJob {
    const char* command = ""; // for the messages: "chart"
    std::string out;
    QPageSize paper{QPageSize::A4};
    bool landscape = false;
    QString title;          // the document title, none when empty
    bool latin = false;     // the element table with Latin names shown
    bool noMargins = false; // the whole paper to paint on (a file has no unprintable edge)
};

// A decimal number lo..hi, the whole text: no sign but "-", no spaces.
bool ParseInt(const char* text, int lo, int hi, int& value);

// Prints "zfktool COMMAND: message" on stderr; false, for returning.
bool Fail(const char* command, const std::string& message);

// Starts Qt without a screen, loads the program's element table, sets up
// a 600 dpi PDF writer as the print dialog sets up a PDF printer, runs print
// on it (which prints its own message and gives false on failure), and
// writes the PDF to job.out. Returns the process exit code.
int PrintPdf(const PdfJob& job, const std::function<bool(QPdfWriter&)>& print);

// What PrintPdf does around the PDF, for a file of any kind: opens path,
// starts Qt without a screen, loads the element table (Latin names shown
// when latin), runs make, which fills the file's bytes or prints why not
// and gives false, and writes the bytes whole. Returns the exit code.
int WriteMade(const std::string& path, bool latin, const std::function<bool(QByteArray&)>& make);
