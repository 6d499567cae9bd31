// Colours and faces shared by the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "widgets/Colors.h"

// A window's or label's background, and a label's text colour.
void SetFaceColour(QWidget* widget, TColor colour);
void SetTextColour(QWidget* widget, TColor colour);

// Places a top-level window in the middle of the primary screen.
void CentreOnScreen(QWidget* window);

// "MS Sans Serif" and "MS Serif" stand for the platform's plain faces; Arial
// is served by its metric twin Liberation Sans. Heights are in pixels.
QFont SansFont(int pixelHeight);
QFont SerifFont(int pixelHeight);
QFont ArialFont(int pixelHeight);
