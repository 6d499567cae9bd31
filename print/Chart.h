// The black-and-white wall chart: the periodic table drawn in device pixels
// of a canvas (a printer page, an image, the preview box), with the class of
// each element shown by hatching and a legend of the cell contents.
#pragma once

#include "data/DaneTypes.h"

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
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

// ---- The layout, as plain functions of the scale -------------------------

// The four lengths every position follows from: cell width and height, how
// far the grid lies below the cell origins, the gap above the f-block rows.
struct ChartLengths {
    int W, H, T, G;
};
ChartLengths LengthsFor(int e);

// Size in pixels of the full chart.
QSize ChartExtent(int e);

// DataItem rows of the position lists, 0-14, in list order.
inline constexpr int DataItemCount = 15;
extern const std::array<const char*, DataItemCount> DataItemRows;
inline constexpr int diName = 0, diDensity = 6, diShells = 12, diLatinName = 13, diEmpty = 14;

// Where element n (1-111) stands: column 1-18, row 1-7 for the periods,
// 8 for the lanthanides and 9 for the actinides (columns 3-16).
struct ChartPlace {
    int column, row;
};
ChartPlace ChartPlaceOf(int n);

// Origin of element n's cell (what DrawCell gets), and the grid box of a
// column and row (the cell's origin moved down by T).
QPoint CellOrigin(int e, int n);
QPoint GridBoxOrigin(int e, int column, int row);

enum class HatchKind : uint8_t { None, Rising, Falling };
// The hatching of a grid box; None also for the boxes without an element.
HatchKind HatchAt(int column, int row);

// The nine hatch lines of a box of width w and height h at (x, y), each
// drawn doubled downwards. The step is w div 5 across and h div 5 down.
std::array<QLine, 9> HatchLines(int x, int y, int w, int h, HatchKind kind);

// The legend: class box i (0 metals, 1 nonmetals, 2 semimetals) as its
// inner rectangle, the centre of the contents legend, where its running y
// starts, and the top-left of the information field.
QRect ClassBox(int e, int i);
int ContentsLegendCentre(int e);
int ContentsLegendTop(int e);
QPoint InfoFieldOrigin(int e);

// ---- Texts ----------------------------------------------------------------

// "Liczba atomowa" -> "Liczbę atomową": the legend's object case.
QString ToAccusative(const QString& caption);
// The seven shells K-Q joined with "-".
QString ShellString(const TPierwData& record);
// What a cell shows in a position holding the DataItem; empty for 14, -1.
QString CellText(const TPierwData& record, int item);
