#include "widgets/Colors.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

QColor ToQColor(TColor color, const QPalette& pal)
{
    if (color & 0x80000000u) {
        switch (color & 0xFFu) {
        case 5:
            return pal.color(QPalette::Base); // window
        case 8:
            return pal.color(QPalette::Text); // window text
        case 15:
            return pal.color(QPalette::Button); // button face
        case 16:
            return pal.color(QPalette::Dark); // button shadow
        case 18:
            return pal.color(QPalette::ButtonText); // button text
        case 20:
            return pal.color(QPalette::Light); // button highlight
        default:
            return pal.color(QPalette::Window);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QColor ToQColor(TColor color) { return ToQColor(color, QApplication::palette()); }
