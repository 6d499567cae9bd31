// The wall chart as a poster: the full chart at its scale cut into a grid of
// sheets, each showing its part with a 10 mm band shared with each
// neighbour, cut marks on the seams and its position ("A1", "B2") in a
// corner. All lengths are pixels of the 600-dpi page; a sheet's pixels count
// from the top left of its paint rectangle (the printable part of the paper).
#pragma once

#include "print/Chart.h"

#include <QLine>
#include <QPageLayout>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QPagedPaintDevice;

// 4 mm kept free inside the paint rectangle on every side for the marks and
// the label; half of the 10 mm band a seam's neighbours share.
inline constexpr int PosterStrip = 94;
inline constexpr int PosterHalfBand = 118;
// No grid has more columns or rows than this.
inline constexpr int PosterMaxSide = 20;

struct PosterGrid {
    int columns = 1;
    int rows = 1;
    friend bool operator==(const PosterGrid&, const PosterGrid&) = default;
};

struct PosterSheet {
    int row = 0, column = 0;
    QString label; // row letter, column number: "A1", "A2", ... "B1"
    QRect part;    // what of the chart the sheet shows, in chart pixels
    QRect cut;     // what of it is kept after cutting along the seams
    QPoint at;     // where the part's top left lies on the sheet
    std::vector<QLine> marks;
    QRect labelBox;
};

// The paint rectangle's size of a landscape sheet of the layout's paper.
QSize PosterSheetSize(QPageLayout layout);

// The part of the sheet that holds the chart: all but the strip.
QRect PosterWindow(QSize sheet);

// Where seam i of n cuts a length: 0 and length at the ends.
int PosterSeam(int length, int parts, int i);

// Whether every sheet's part fits in the window of the sheet size given.
bool PosterGridHolds(QSize chart, QSize sheet, PosterGrid grid);

// The fewest columns and the fewest rows that hold the chart; none when no
// grid up to PosterMaxSide does.
std::optional<PosterGrid> SmallestPosterGrid(QSize chart, QSize sheet);

// The sheets in reading order: row A from left to right, then row B, ...
std::vector<PosterSheet> PosterSheets(QSize chart, QSize sheet, PosterGrid grid);

// "2 × 3": columns by rows, as the dialog lists them.
QString PosterGridText(PosterGrid grid);

// Prints the full chart at scale e as the grid's sheets on the device,
// which canvas is painting on: one page each, a new page between them.
// False when the device refused a new page.
bool DrawPoster(QPainter& canvas, QPagedPaintDevice& device, int e, const ChartInputs& inputs, PosterGrid grid);
