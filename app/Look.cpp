#include "app/Look.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

QFont SansFont(int pixelHeight) { return Face(QStringLiteral("Liberation Sans"), QFont::SansSerif, pixelHeight); }

QFont SerifFont(int pixelHeight) { return Face(QStringLiteral("Liberation Serif"), QFont::Serif, pixelHeight); }

QFont ArialFont(int pixelHeight) { return Face(QStringLiteral("Arial"), QFont::SansSerif, pixelHeight); }

QFont ArialNarrowFont(const QFont& like)
{
    QFont font = like;
    font.setFamily(QStringLiteral("Arial Narrow"));
    return font;
}

QFont FitWidth(QFont font, const QStringList& texts, int width)
{
    auto widest = [&texts](const QFont& f) {
        const QFontMetrics metrics(f);
        int w = 0;
        for (const QString& text : texts)
            w = std::max(w, metrics.horizontalAdvance(text));
        return w;
    };
    if (widest(font) <= width)
        return font;
    // Stretch is measured against a normal-width face, so for an already
    // narrow face the first steps widen it; the first step that fits is the
    // least squeeze.
    for (int stretch = 99; stretch >= 50; --stretch) {
        font.setStretch(stretch);
        if (widest(font) <= width)
            break;
    }
    return font;
}
