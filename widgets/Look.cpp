#include "widgets/Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Every face name the program asks for, and Arial's twin, in one place.
const QString Arial = QStringLiteral("Arial");
const QString ArialNarrow = QStringLiteral("Arial Narrow");
const QString ArialTwin = QStringLiteral("Liberation Sans");
const QString PlainSans = ArialTwin; // for "MS Sans Serif"
const QString PlainSerif = QStringLiteral("Liberation Serif");

void SetRoleColour(QWidget* widget, QPalette::ColorRole role, TColor colour)
{
    QPalette pal = widget->palette();
    pal.setColor(role, ToQColor(colour));
    widget->setPalette(pal);
}

} // namespace

QFont Face(const QString& family, int pixelHeight, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    return font;
}

QFont SansFont(int pixelHeight) { return Face(PlainSans, pixelHeight); }

QFont SerifFont(int pixelHeight) { return Face(PlainSerif, pixelHeight, QFont::Serif); }

QFont ArialFont(int pixelHeight) { return Face(Arial, pixelHeight); }

QFont AsArial(QFont font)
{
    font.setFamily(Arial);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont ArialNarrowFont(const QFont& like)
{
    QFont font = like;
    font.setFamily(ArialNarrow);
    return font;
}

QString DesignFont()
{
    // Asked by every dialog at start-up; the answer cannot change while the
    // program runs, and each question walks the whole font list.
    static const QString face =
        !QFontDatabase::hasFamily(Arial) && QFontDatabase::hasFamily(ArialTwin) ? ArialTwin : Arial;
    return face;
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

void SetFaceColour(QWidget* widget, TColor colour) { SetRoleColour(widget, QPalette::Window, colour); }

void SetWindowTextColour(QWidget* widget, TColor colour) { SetRoleColour(widget, QPalette::WindowText, colour); }

void SetButtonTextColour(QWidget* widget, TColor colour) { SetRoleColour(widget, QPalette::ButtonText, colour); }

void CentreOnScreen(QWidget* window)
{
    if (QScreen* screen = QApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}
