// Colours and faces shared by the program's windows.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

// Colours are stored as $00BBGGRR values (red in the low byte); a value with
// the top bit set names a system colour of the desktop theme.
QColor ToQColor(uint32_t value);

namespace colors {
constexpr uint32_t WindowFace = 14539474; // $00DDDAD2, the windows' background
constexpr uint32_t Black = 0x00000000;
constexpr uint32_t White = 0x00FFFFFF;
constexpr uint32_t Blue = 0x00FF0000;
constexpr uint32_t Red = 0x000000FF;
constexpr uint32_t Green = 0x00008000;
constexpr uint32_t Lime = 0x0000FF00;
constexpr uint32_t Aqua = 0x00FFFF00;
constexpr uint32_t Yellow = 0x0000FFFF;
constexpr uint32_t Teal = 0x00808000;
constexpr uint32_t Gray = 0x00808080;
constexpr uint32_t BtnShadow = 0x80000010;
} // namespace colors

// "MS Sans Serif" and "MS Serif" stand for the platform's plain faces; Arial
// is served by its metric twin Liberation Sans. Heights are in pixels.
QFont SansFont(int pixelHeight);
QFont SerifFont(int pixelHeight);
QFont ArialFont(int pixelHeight);
