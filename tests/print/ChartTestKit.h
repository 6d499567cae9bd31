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
            m_brush = state.brush();
    }
    void drawRects(const QRect* rects, int count) override
    {
        if (count > 0 && m_brush.style() == Qt::SolidPattern && m_brush.color() == Qt::white)
            m_lastFill = rects[count - 1];
    }
    void drawRects(const QRectF* rects, int count) override
    {
        if (count > 0 && m_brush.style() == Qt::SolidPattern && m_brush.color() == Qt::white)
            m_lastFill = rects[count - 1].toRect();
    }
    void drawLines(const QLine* l, int count) override { lines.insert(lines.end(), l, l + count); }
    void drawLines(const QLineF* l, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines.push_back(l[i].toLine());
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override
    {
        texts.push_back({item.text(), m_lastFill, item.font().family()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }

private:
    QBrush m_brush;
    QRect m_lastFill;
};

class RecordingCanvas : public QPaintDevice {
public:
    RecordingCanvas(int w, int h, int dpi)
        : m_w(w),
          m_h(h),
          m_dpi(dpi)
    {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    std::vector<DrawnText>& texts() { return m_engine.texts; }
    std::vector<QLine>& lines() { return m_engine.lines; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_w;
        case PdmHeight:
            return m_h;
        case PdmWidthMM:
            return qRound(m_w * 25.4 / m_dpi);
        case PdmHeightMM:
            return qRound(m_h * 25.4 / m_dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
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
    int m_w, m_h, m_dpi;
    mutable RecordingEngine m_engine;
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
