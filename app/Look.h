// Colours and faces shared by the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <cstdint>

#include "widgets/Colors.h"

// A window's or label's background, and a label's text colour.
void SetFaceColour(QWidget* widget, TColor colour);
void SetTextColour(QWidget* widget, TColor colour);

// Places a top-level window in the middle of the primary screen.
void CentreOnScreen(QWidget* window);

// "MS Sans Serif" and "MS Serif" stand for the platform's plain faces; Arial
// is served by its metric twin Liberation Sans, Arial Narrow by Liberation
// Sans Narrow. Heights are in pixels; the narrow face keeps the size, style
// and weight of the font it is like.
QFont SansFont(int pixelHeight);
QFont SerifFont(int pixelHeight);
QFont ArialFont(int pixelHeight);
QFont ArialNarrowFont(const QFont& like);

// The font squeezed sideways, no more than needed for every text to be at
// most width pixels wide; a font the texts already fit is returned as it is.
// Liberation Sans runs wider than the faces the layout was drawn for.
QFont FitWidth(QFont font, const QStringList& texts, int width);
