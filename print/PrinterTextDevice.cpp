#include "print/PrinterTextDevice.h"

#include <QPaintDevice>
#include <QPainter>

#include <utility>

PrinterTextDevice::PrinterTextDevice(const TextMetrics& metrics, int pageWidth, int pageHeight)
    : m_metrics(&metrics),
      m_pageWidth(pageWidth),
      m_pageHeight(pageHeight)
{}

void PrinterTextDevice::Write(const QString& text)
{
    QString pending;
    for (QChar ch : text) {
        switch (ch.unicode()) {
        case '\r':
            Put(std::exchange(pending, QString()));
            break;
        case '\n':
            Put(std::exchange(pending, QString()));
            EndLine();
            break;
        case '\f':
            Put(std::exchange(pending, QString()));
            NewPage();
            break;
        case '\t':
            Put(std::exchange(pending, QString()));
            Tab();
            break;
        default:
            pending += ch;
        }
    }
    Put(pending);
}

std::vector<TextRun> PrinterTextDevice::TakeRuns() { return std::exchange(m_runs, {}); }

// Text at the current position; what does not fit before the right edge of
// the page goes on the next line, broken between characters.
void PrinterTextDevice::Put(QString text)
{
    while (!text.isEmpty()) {
        int fit = FittingLength(text, m_pageWidth - m_x);
        if (fit == text.size()) {
            Draw(text);
            return;
        }
        if (fit == 0 && m_x == 0) {
            // Not even one character fits on an empty line: draw it anyway,
            // or the text would never get out.
            fit = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
        }
        Draw(text.left(fit));
        EndLine();
        text.remove(0, fit);
    }
}

void PrinterTextDevice::Draw(const QString& part)
{
    if (part.isEmpty())
        return;
    m_runs.push_back({m_page, m_x, m_y, part});
    m_x += m_metrics->Width(part);
    const int c = m_metrics->Height();
    if (c > m_h)
        m_h = c + 2;
}

// The longest leading part of text no wider than room, never ending between
// the two halves of a surrogate pair. Prefix widths grow with the length.
int PrinterTextDevice::FittingLength(const QString& text, int room) const
{
    if (m_metrics->Width(text) <= room)
        return int(text.size());
    int lo = 0;                // fits
    int hi = int(text.size()); // does not fit
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (m_metrics->Width(text.left(mid)) <= room)
            lo = mid;
        else
            hi = mid;
    }
    if (lo > 0 && text.at(lo - 1).isHighSurrogate())
        --lo;
    return lo;
}

void PrinterTextDevice::EndLine()
{
    m_x = 0;
    m_y += m_h > 0 ? m_h : m_metrics->Height();
    if (m_y > m_pageHeight - 2 * m_h) {
        ++m_page;
        m_y = 0;
    }
    m_h = 0;
}

void PrinterTextDevice::NewPage()
{
    ++m_page;
    m_x = 0;
    m_y = 0;
    m_h = 0;
}

void PrinterTextDevice::Tab()
{
    const int stop = 8 * m_metrics->AverageCharWidth();
    if (stop > 0)
        m_x = (m_x / stop + 1) * stop;
}

PainterTextOutput::PainterTextOutput(QPainter& painter, std::function<bool()> newPage)
    : m_painter(painter),
      m_newPage(std::move(newPage)),
      m_metrics(painter.fontMetrics()),
      m_device(m_metrics, painter.device()->width(), painter.device()->height())
{}

void PainterTextOutput::SetFont(const QFont& font)
{
    m_painter.setFont(font);
    m_metrics = QtTextMetrics(m_painter.fontMetrics());
}

void PainterTextOutput::Write(const QString& text)
{
    m_device.Write(text);
    DrawRuns();
}

void PainterTextOutput::DrawRuns()
{
    const int ascent = m_painter.fontMetrics().ascent();
    for (const TextRun& run : m_device.TakeRuns()) {
        while (m_ok && m_pagesBegun <= run.page) {
            m_ok = m_newPage();
            if (m_ok)
                ++m_pagesBegun;
        }
        if (!m_ok)
            return;
        // The layout places the top-left corner; drawText takes the baseline.
        m_painter.drawText(run.x, run.y + ascent, run.text);
    }
}

bool PaintText(QPainter& painter, const std::function<bool()>& newPage, const QFont& font, const QString& text)
{
    PainterTextOutput output(painter, newPage);
    output.SetFont(font);
    output.Write(text);
    return output.Ok();
}
