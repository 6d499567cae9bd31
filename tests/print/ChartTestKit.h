// Canvases for the chart tests: an image with a set resolution for pixel
// checks, and a device that records the texts and lines drawn on it.
#pragma once

#include "data/Dane.h"
#include "data/ElementTables.h"
#include "print/Chart.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <memory>
#include <vector>

inline void LoadTables() { GetLongPierwArray(ElementTable.data()); }

inline void SetLatinNames(bool latin)
{
    for (TPierwData& r : ElementTable)
        r.Name = latin ? r.LatinName : r.PolishName;
}

// A white grey-scale page of w x h pixels at dpi dots per inch.
inline QImage Page(int w, int h, int dpi)
{
    QImage image(w, h, QImage::Format_Grayscale8);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

inline QImage Draw(QImage image, int e, ChartMode mode, const ChartInputs& in = {})
{
    QPainter p(&image);
    DrawChart(p, e, mode, in);
    return image;
}

inline bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The run of dark pixels through (x, y), along x (horizontal) or y;
// {-1, -1} when the pixel is light.
inline std::pair<int, int> RunThrough(const QImage& image, int x, int y, bool horizontal)
{
    if (!Dark(image, x, y))
        return {-1, -1};
    auto dark = [&](int v) { return horizontal ? Dark(image, v, y) : Dark(image, x, v); };
    const int limit = horizontal ? image.width() : image.height();
    int lo = horizontal ? x : y, hi = lo;
    while (lo > 0 && dark(lo - 1))
        --lo;
    while (hi + 1 < limit && dark(hi + 1))
        ++hi;
    return {lo, hi};
}

// Starts of the dark runs on row y between x1 and x2.
inline std::vector<int> RunStarts(const QImage& image, int y, int x1, int x2)
{
    std::vector<int> starts;
    for (int x = x1; x <= x2; ++x)
        if (Dark(image, x, y) && (x == x1 || !Dark(image, x - 1, y)))
            starts.push_back(x);
    return starts;
}

struct DrawnText {
    QString text;
    QRect box; // the white box painted right before it
    QString family;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {}
    std::vector<DrawnText> texts;
    std::vector<QLine> lines;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
    }
    void drawRects(const QRect* rects, int count) override
    {
        if (count > 0 && brush_.style() == Qt::SolidPattern && brush_.color() == Qt::white)
            lastFill_ = rects[count - 1];
    }
    void drawRects(const QRectF* rects, int count) override
    {
        if (count > 0 && brush_.style() == Qt::SolidPattern && brush_.color() == Qt::white)
            lastFill_ = rects[count - 1].toRect();
    }
    void drawLines(const QLine* l, int count) override { lines.insert(lines.end(), l, l + count); }
    void drawLines(const QLineF* l, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines.push_back(l[i].toLine());
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override
    {
        texts.push_back({item.text(), lastFill_, item.font().family()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }

private:
    QBrush brush_;
    QRect lastFill_;
};

class RecordingCanvas : public QPaintDevice {
public:
    RecordingCanvas(int w, int h, int dpi)
        : w_(w),
          h_(h),
          dpi_(dpi)
    {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<DrawnText>& texts() { return engine_.texts; }
    std::vector<QLine>& lines() { return engine_.lines; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return w_;
        case PdmHeight:
            return h_;
        case PdmWidthMM:
            return qRound(w_ * 25.4 / dpi_);
        case PdmHeightMM:
            return qRound(h_ * 25.4 / dpi_);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    int w_, h_, dpi_;
    mutable RecordingEngine engine_;
};

// The texts of one DrawChart on a 600 dpi recording canvas.
inline std::vector<DrawnText> Record(int e, ChartMode mode, const ChartInputs& in, std::vector<QLine>* lines = nullptr)
{
    const QSize extent = ChartExtent(e);
    RecordingCanvas canvas(extent.width(), extent.height(), 600);
    {
        QPainter p(&canvas);
        DrawChart(p, e, mode, in);
    }
    if (lines)
        *lines = canvas.lines();
    return canvas.texts();
}
