// What the commands that print to a PDF file share: number arguments, and
// a 600 dpi printer writing into a temporary beside the target that is
// renamed over it only when the job is complete, so a failed run leaves the
// old file, or none.
#pragma once

#include <QPageSize>

#include <functional>
#include <string>

class QPrinter;

struct PdfJob {
    std::string out;
    QPageSize paper{QPageSize::A4};
    bool landscape = false;
    QString title;      // the document title, none when empty
    bool latin = false; // the element table with Latin names shown
};

// A decimal number lo..hi, the whole text.
bool ParseInt(const char* text, int lo, int hi, int& value);

// Prints "zfktool COMMAND: message" on stderr; false, for returning.
bool Fail(const char* command, const std::string& message);

// Starts Qt without a screen, loads the program's element table, sets up
// the printer for job.out and runs print on it, which prints its own
// message and gives false on failure. Returns the process exit code.
int PrintPdf(const PdfJob& job, const std::function<bool(QPrinter&)>& print);
