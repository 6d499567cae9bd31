// Where each element stands in the table and what a point of the window means.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

struct GridCell {
    int column; // 1..18
    int row;    // 1..7 periods, 8 lanthanides, 9 actinides
};

// The table cell of element z (1..111).
GridCell ElementCell(int z);

// The element button of element z in the normal layout: 31 x 22 pixels.
QRect ElementButtonRect(int z);

// " okres P grupa G" for a point of the normal layout (window coordinates),
// or "FATAL ERROR!" outside the table's bands.
QString GroupPeriodText(int x, int y);

// Left edge of a column in the normal and in the compact layout.
inline int NormalColumnLeft(int column) { return 16 + 32 * (column - 1); }
inline int CompactColumnLeft(int column) { return 16 + 25 * (column - 1); }
