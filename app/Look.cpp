#include "app/Look.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace {

QFont Face(const QString& family, QFont::StyleHint hint, int pixelHeight)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    return font;
}

} // namespace

void SetFaceColour(QWidget* widget, TColor colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(pal);
}

void SetTextColour(QWidget* widget, TColor colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    widget->setPalette(pal);
}

void CentreOnScreen(QWidget* window)
{
    if (QScreen* screen = QApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
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
