// The program's one colour vocabulary: buttons, windows and the colour
// scheme of the skin all speak it.
//
// Colours are $00BBGGRR values (red in the low byte), as the skin's colour
// file stores them. A value with the top bit set names a colour of the
// desktop theme: $80000010 is the button shadow.
#pragma once

#include <cstdint>

class QColor;
class QPalette;

using TColor = uint32_t;

namespace colors {
constexpr TColor Black = 0x00000000;
constexpr TColor White = 0x00FFFFFF;
constexpr TColor Blue = 0x00FF0000;
constexpr TColor Gray = 0x00808080;
constexpr TColor Red = 0x000000FF;
constexpr TColor Green = 0x00008000;
constexpr TColor Lime = 0x0000FF00;
constexpr TColor Aqua = 0x00FFFF00;
constexpr TColor Yellow = 0x0000FFFF;
constexpr TColor Teal = 0x00808000;
constexpr TColor PaleYellow = 14155775;   // $00D7FFFF, the buttons' default face
constexpr TColor InactiveFace = 12632255; // $00C0C0BF
constexpr TColor WindowFace = 14539474;   // $00DDDAD2, the windows' background
constexpr TColor BtnShadow = 0x80000010;
} // namespace colors

// The colour a TColor stands for; desktop colours come from palette, or
// from the application's palette.
QColor ToQColor(TColor color, const QPalette& palette);
QColor ToQColor(TColor color);
