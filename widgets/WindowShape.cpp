#include "widgets/WindowShape.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>

bool PlatformClipsToMask()
{
    // Wayland has no shaped surfaces: Qt passes a mask on as the input
    // region only.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool PrepareShapedWindow(QWidget& window)
{
    if (PlatformClipsToMask())
        return false;
    // Takes effect only before the native window exists.
    window.setAttribute(Qt::WA_TranslucentBackground);
    return true;
}

void ShapeWindow(QWidget& window, const QRegion& region)
{
    window.setMask(region);
    // What lay outside the old outline is painted again, transparent now.
    if (window.testAttribute(Qt::WA_TranslucentBackground))
        window.update();
}

void UnshapeWindow(QWidget& window)
{
    window.clearMask();
    if (window.testAttribute(Qt::WA_TranslucentBackground))
        window.update();
}

void ClipToShape(QPainter& painter, const QWidget& window)
{
    if (window.testAttribute(Qt::WA_TranslucentBackground) && !window.mask().isEmpty())
        painter.setClipRegion(window.mask(), Qt::IntersectClip);
}
