// The program's look: the design's faces and what stands in for them here,
// colours set by the palette role they paint, and where a window opens.
#pragma once

#include "widgets/Colors.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

// ---- Faces ----------------------------------------------------------------
// The design's faces are Arial, Arial Narrow, "MS Sans Serif" and "MS Serif".
// Arial and Arial Narrow are asked for by name: where they are missing the
// system serves their metric twins, Liberation Sans (Narrow). The two MS
// faces have no twin; Liberation Sans and Liberation Serif stand in. Heights
// are in pixels as on a 96-dpi desktop (11 is 8 points).

// The family at the height; a missing family falls back to a sans face.
QFont Face(const QString& family, int pixelHeight, QFont::StyleHint hint = QFont::SansSerif);
QFont SansFont(int pixelHeight);
QFont SerifFont(int pixelHeight);
QFont ArialFont(int pixelHeight);
// The font in Arial, its size and style kept.
QFont AsArial(QFont font);
// The narrow face keeps the size, style and weight of the font it is like.
QFont ArialNarrowFont(const QFont& like);

// The name of the face the printouts are designed for, as a font list shows
// it: Arial, or where it is not installed its twin, so that the list shows
// the face that will print.
QString DesignFont();

// The font squeezed sideways, no more than needed for every text to be at
// most width pixels wide; a font the texts already fit is returned as it is.
// Liberation Sans runs wider than the faces the layout was drawn for.
QFont FitWidth(QFont font, const QStringList& texts, int width);

// ---- Colours, each named after the palette role it sets -------------------

// A window's or label's background (Window).
void SetFaceColour(QWidget* widget, TColor colour);
// A label's text (WindowText).
void SetWindowTextColour(QWidget* widget, TColor colour);
// A tool button's caption (ButtonText).
void SetButtonTextColour(QWidget* widget, TColor colour);

// Places a top-level window in the middle of the primary screen.
void CentreOnScreen(QWidget* window);
