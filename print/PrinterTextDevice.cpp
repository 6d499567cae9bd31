#include "print/PrinterTextDevice.h"

#include <QPaintDevice>
#include <QPainter>

#include <utility>

PrinterTextDevice::PrinterTextDevice(const TextMetrics& metrics, int pageWidth, int pageHeight)
    : metrics_(&metrics),
      pageWidth_(pageWidth),
      pageHeight_(pageHeight)
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

std::vector<TextRun> PrinterTextDevice::TakeRuns() { return std::exchange(runs_, {}); }

// Text at the current position; what does not fit before the right edge of
// the page goes on the next line, broken between characters.
void PrinterTextDevice::Put(QString text)
{
    while (!text.isEmpty()) {
        int fit = FittingLength(text, pageWidth_ - x_);
        if (fit == text.size()) {
            Draw(text);
            return;
        }
        if (fit == 0 && x_ == 0) {
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
    runs_.push_back({page_, x_, y_, part});
    x_ += metrics_->Width(part);
    const int c = metrics_->Height();
    if (c > h_)
        h_ = c + 2;
}

// The longest leading part of text no wider than room, never ending between
// the two halves of a surrogate pair. Prefix widths grow with the length.
int PrinterTextDevice::FittingLength(const QString& text, int room) const
{
    if (metrics_->Width(text) <= room)
        return int(text.size());
    int lo = 0;                // fits
    int hi = int(text.size()); // does not fit
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (metrics_->Width(text.left(mid)) <= room)
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
    x_ = 0;
    y_ += h_ > 0 ? h_ : metrics_->Height();
    if (y_ > pageHeight_ - 2 * h_) {
        ++page_;
        y_ = 0;
    }
    h_ = 0;
}

void PrinterTextDevice::NewPage()
{
    ++page_;
    x_ = 0;
    y_ = 0;
    h_ = 0;
}

void PrinterTextDevice::Tab()
{
    const int stop = 8 * metrics_->AverageCharWidth();
    if (stop > 0)
        x_ = (x_ / stop + 1) * stop;
}

PainterTextOutput::PainterTextOutput(QPainter& painter, std::function<bool()> newPage)
    : painter_(painter),
      newPage_(std::move(newPage)),
      metrics_(painter.fontMetrics()),
      device_(metrics_, painter.device()->width(), painter.device()->height())
{}

void PainterTextOutput::SetFont(const QFont& font)
{
    painter_.setFont(font);
    metrics_ = QtTextMetrics(painter_.fontMetrics());
}

void PainterTextOutput::Write(const QString& text)
{
    device_.Write(text);
    DrawRuns();
}

void PainterTextOutput::DrawRuns()
{
    const int ascent = painter_.fontMetrics().ascent();
    for (const TextRun& run : device_.TakeRuns()) {
        while (ok_ && pagesBegun_ <= run.page) {
            ok_ = newPage_();
            if (ok_)
                ++pagesBegun_;
        }
        if (!ok_)
            return;
        // The layout places the top-left corner; drawText takes the baseline.
        painter_.drawText(run.x, run.y + ascent, run.text);
    }
}

bool PaintText(QPainter& painter, const std::function<bool()>& newPage, const QFont& font, const QString& text)
{
    PainterTextOutput output(painter, newPage);
    output.SetFont(font);
    output.Write(text);
    return output.Ok();
}
