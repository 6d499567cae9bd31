#include "Look.h"

#include <QApplication>
#include <QPalette>

namespace {

// Windows system colour indexes that the program refers to, mapped to the
// nearest role of the desktop palette.
QColor SystemColor(uint32_t index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: return palette.color(QPalette::Base);           // window
    case 8: return palette.color(QPalette::Text);           // window text
    case 15: return palette.color(QPalette::Button);        // button face
    case 16: return palette.color(QPalette::Dark);          // button shadow
    case 18: return palette.color(QPalette::ButtonText);    // button text
    case 20: return palette.color(QPalette::Light);         // button highlight
    default: return palette.color(QPalette::Window);
    }
}

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
    if (value & 0x80000000u)
        return SystemColor(value & 0xFFu);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
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
