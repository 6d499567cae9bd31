// Line-printer style text on printer pages. PrinterTextDevice only lays the
// text out (positions in device pixels from the top-left corner of the
// printable area, and page numbers); PainterTextOutput draws that layout on
// a QPainter, so the layout can be checked without a printer.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// What the layout needs to know of the current font, in device pixels.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int Height() const = 0;           // height c of a line of text
    virtual int AverageCharWidth() const = 0; // the unit of the tab stops
    virtual int Width(const QString& text) const = 0;
};

// A piece of text drawn with its top-left corner at (x, y) on page `page`
// (counted from 0).
struct TextRun {
    int page = 0;
    int x = 0;
    int y = 0;
    QString text;
    bool operator==(const TextRun&) const = default;
};

class PrinterTextDevice {
public:
    // The metrics must outlive the device; the page is in device pixels.
    PrinterTextDevice(const TextMetrics& metrics, int pageWidth, int pageHeight);

    // The font changes for the text written from now on.
    void SetMetrics(const TextMetrics& metrics) { m_metrics = &metrics; }

    // Lays out text: CR ends the pending text, LF ends the line, form feed
    // begins a new page, tab moves to the next stop; other characters are text.
    void Write(const QString& text);

    // The runs laid out since the last call, in drawing order.
    std::vector<TextRun> TakeRuns();

    int Page() const { return m_page; }
    int X() const { return m_x; }
    int Y() const { return m_y; }
    int LineHeight() const { return m_h; }

private:
    void Put(QString text);
    void Draw(const QString& part);
    int FittingLength(const QString& text, int room) const;
    void EndLine();
    void NewPage();
    void Tab();

    const TextMetrics* m_metrics;
    int m_pageWidth;
    int m_pageHeight;
    int m_page = 0;
    int m_x = 0;
    int m_y = 0;
    int m_h = 0; // 0 while nothing has been drawn on the line
    std::vector<TextRun> m_runs;
};

// The metrics of a real font on a real device.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(const QFontMetrics& fm)
        : m_fm(fm)
    {}
    int Height() const override { return m_fm.height(); }
    int AverageCharWidth() const override { return m_fm.averageCharWidth(); }
    int Width(const QString& text) const override { return m_fm.horizontalAdvance(text); }

private:
    QFontMetrics m_fm;
};

// Draws laid-out text on a painter whose device is one printer page at a
// time (a QPrinter, a QPdfWriter, an image). newPage moves the device on to
// a fresh page and says whether it could; it is called only when text goes
// onto a later page, so a break after the last line leaves no blank sheet.
class PainterTextOutput {
public:
    PainterTextOutput(QPainter& painter, std::function<bool()> newPage);

    void SetFont(const QFont& font);
    void Write(const QString& text);

    // The number of pages begun so far, and false once newPage has failed
    // (nothing more is drawn after that).
    int Pages() const { return m_pagesBegun; }
    bool Ok() const { return m_ok; }

private:
    void DrawRuns();

    QPainter& m_painter;
    std::function<bool()> m_newPage;
    QtTextMetrics m_metrics;
    PrinterTextDevice m_device;
    int m_pagesBegun = 1;
    bool m_ok = true;
};

// Writes the whole text in one font on the painter's device; false when a
// new page could not be begun.
bool PaintText(QPainter& painter, const std::function<bool()>& newPage, const QFont& font, const QString& text);
