// The black-and-white wall chart: the periodic table drawn in device pixels
// of a canvas (a printer page, an image, the preview box), with the class of
// each element shown by hatching and a legend of the cell contents.
#pragma once

#include "data/DaneTypes.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QPainter;

enum ChartMode : uint8_t {
    cmFull = 0,   // the complete chart
    cmSample = 1, // one sample cell, for the preview
    cmTest = 2,   // grid, numbers and the first column, for a test print
};

// What the table print dialog hands to the drawing: the font, the three
// sizes in points, the info field's boldness, the DataItem (0-14, -1 for
// none) of each of the three cell positions, and the info field's lines.
struct ChartInputs {
    QString fontName; // empty: the last used name
    int symbolSize = 16;
    int dataSize = 7;
    int infoSize = 8;
    bool infoBold = true;
    std::array<int, 3> items{-1, -1, -1};
    QStringList infoLines;
};

// The font of the last chart drawn; "Arial" until the first.
extern QString ChartFontName;

// Draws the chart variant at scale e (1-20 for printing, 3 for the preview).
void DrawChart(QPainter& canvas, int e, ChartMode mode, const ChartInputs& inputs);
