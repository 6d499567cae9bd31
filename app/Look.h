// Colours and faces shared by the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "ButtonFace.h"

// Colours are stored as $00BBGGRR values (red in the low byte); a value with
// the top bit set names a system colour of the desktop theme.
QColor ToQColor(uint32_t value);

namespace colors {
using zfkcolor::Black;
using zfkcolor::BtnShadow;
using zfkcolor::Blue;
using zfkcolor::Gray;
using zfkcolor::White;
constexpr uint32_t WindowFace = 14539474; // $00DDDAD2, the windows' background
constexpr uint32_t Red = 0x000000FF;
constexpr uint32_t Green = 0x00008000;
constexpr uint32_t Lime = 0x0000FF00;
constexpr uint32_t Aqua = 0x00FFFF00;
constexpr uint32_t Yellow = 0x0000FFFF;
constexpr uint32_t Teal = 0x00808000;
} // namespace colors

// A window's or label's background, and a label's text colour.
void SetFaceColour(QWidget* widget, uint32_t colour);
void SetTextColour(QWidget* widget, uint32_t colour);

// Places a top-level window in the middle of the primary screen.
void CentreOnScreen(QWidget* window);

// "MS Sans Serif" and "MS Serif" stand for the platform's plain faces; Arial
// is served by its metric twin Liberation Sans. Heights are in pixels.
QFont SansFont(int pixelHeight);
QFont SerifFont(int pixelHeight);
QFont ArialFont(int pixelHeight);
