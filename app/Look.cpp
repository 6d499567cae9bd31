#include "Look.h"

#include <QApplication>
#include <QPalette>

#include "ButtonFace.h"

namespace {

QFont Face(const QString& family, QFont::StyleHint hint, int pixelHeight)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    return font;
}

} // namespace

QColor ToQColor(uint32_t value)
{
    return ToQColor(value, QApplication::palette());
}

QFont SansFont(int pixelHeight)
{
    return Face(QStringLiteral("Liberation Sans"), QFont::SansSerif, pixelHeight);
}

QFont SerifFont(int pixelHeight)
{
    return Face(QStringLiteral("Liberation Serif"), QFont::Serif, pixelHeight);
}

QFont ArialFont(int pixelHeight)
{
    return Face(QStringLiteral("Arial"), QFont::SansSerif, pixelHeight);
}
