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
    const int natural = widest(font);
    if (natural <= width)
        return font;
    // Width grows with the stretch almost in proportion, so the proportional
    // guess mostly fits at once: each stretch tried costs a font of its own,
    // which start-up pays for.
    font.setStretch(std::min(99, 100 * width / natural));
    if (widest(font) <= width)
        return font;
    // Stretch is measured against a normal-width face, so for an already
    // narrow face the guess is scaled by its own width at stretch 100, and
    // hinting may want a step or two more.
    font.setStretch(100);
    const int atHundred = widest(font);
    for (int stretch = std::min(99, 100 * width / std::max(1, atHundred)); stretch >= 50; --stretch) {
        font.setStretch(stretch);
        if (widest(font) <= width)
            break;
    }
    return font;
}
