// Where each element stands in the table and what a point of the window means.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

// The window's column of element z's button (1..18): its column in the
// table, except that the lanthanide and actinide rows start at the left
// edge, in column 1.
int ButtonColumn(int z);

// The element button of element z in the normal layout: 31 x 22 pixels.
QRect ElementButtonRect(int z);

// " okres P grupa G" for a point of the normal layout (window coordinates),
// or "FATAL ERROR!" outside the table's bands.
QString GroupPeriodText(int x, int y);

// Left edge of a column in the normal and in the compact layout.
inline int NormalColumnLeft(int column) { return 16 + 32 * (column - 1); }
inline int CompactColumnLeft(int column) { return 16 + 25 * (column - 1); }

// The compact layout for small screens: element buttons 25 pixels wide, 25
// per column, at the normal tops, and the group number labels above them.
QRect CompactElementButtonRect(int z);
inline int CompactGroupLabelLeft(int group) { return 22 + 25 * (group - 1); }
// The point of the normal layout's columns that a compact-layout x stands
// for (right of the table's left edge; other x come back unchanged).
inline int NormalXOfCompactX(int x) { return x < 16 ? x : 16 + (x - 16) * 32 / 25; }

// Every other control the compact layout moves: its component name, its new
// left edge and its new width (0 keeps the width). Tops stay where they are.
struct CompactPlace {
    const char* name;
    int left;
    int width;
};
extern const std::array<CompactPlace, 17> CompactPlaces;
