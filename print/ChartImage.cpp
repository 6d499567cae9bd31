#include "print/ChartImage.h"

#include "print/PrintJob.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

void SetImageDpi(QImage& image, int dpi)
{
    const int dpm = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
}

ChartFileKind ChartFileKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix.isEmpty() || suffix == QLatin1String("pdf") ? ChartFileKind::Pdf
           : suffix == QLatin1String("svg")                   ? ChartFileKind::Svg
           : suffix == QLatin1String("png")                   ? ChartFileKind::Png
                                                              : ChartFileKind::Unknown;
}

QSize ChartDrawingExtent(int e, ChartMode mode)
{
    if (mode == cmSample) {
        const ChartLengths l = LengthsFor(e);
        return {l.W, l.H};
    }
    return ChartExtent(e);
}

QSize ChartPngSize(int e, ChartMode mode, int dpi)
{
    const QSize extent = ChartDrawingExtent(e, mode);
    const auto scaled = [dpi](int pixels) { return (pixels * dpi + PageResolution - 1) / PageResolution; };
    return {scaled(extent.width()), scaled(extent.height())};
}

QByteArray ChartSvg(int e, ChartMode mode, const ChartInputs& inputs)
{
    const QRect extent(QPoint(0, 0), ChartDrawingExtent(e, mode));
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // At the page's resolution the point sizes convert as on paper, and the
    // size in millimetres is the printed chart's.
    generator.setResolution(PageResolution);
    generator.setSize(extent.size());
    generator.setViewBox(extent);
    generator.setTitle(QStringLiteral("Zefirak"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    // Paper is white; a slide behind a transparent chart would show between
    // the texts' white boxes.
    painter.fillRect(extent, Qt::white);
    DrawChart(painter, e, mode, inputs);
    if (!painter.end())
        return {};
    return svg;
}

QByteArray ChartPng(int e, ChartMode mode, const ChartInputs& inputs, int dpi)
{
    QImage image(ChartPngSize(e, mode, dpi), QImage::Format_Grayscale8);
    if (image.isNull())
        return {}; // too large to hold
    // Drawn in the 600-dpi page's pixels through a scaled painter: the fonts
    // take the page's sizes, and the layout stays the printed one.
    SetImageDpi(image, PageResolution);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const qreal factor = qreal(dpi) / PageResolution;
        painter.scale(factor, factor);
        DrawChart(painter, e, mode, inputs);
    }
    SetImageDpi(image, dpi);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return png;
}
