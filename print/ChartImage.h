// The wall chart as files for other programs: a vector picture (SVG) and a
// greyscale bitmap (PNG) of the same drawing the printer gets. Each is made
// whole in memory, so the caller writes it whole or not at all.
#pragma once

#include "print/Chart.h"

#include <QByteArray>
#include <QSize>
#include <QString>

class QImage;

// The kinds of file the chart is saved as, told by the name's ending (any
// case); a name without one is a PDF, as the chart command wrote before it
// knew other kinds (to /dev/stdout, say).
enum class ChartFileKind : uint8_t { Pdf, Svg, Png, Unknown };
ChartFileKind ChartFileKindOf(const QString& path);

// What a drawing covers in pixels of the 600-dpi page: the full chart, and
// the test print too (it is the full chart's grid, only emptier); for the
// sample, its one cell.
QSize ChartDrawingExtent(int e, ChartMode mode);

// A PNG's size in pixels at dpi: the 600-dpi extent scaled by dpi/600,
// rounded up, so the last line of the grid is never cut off.
QSize ChartPngSize(int e, ChartMode mode, int dpi);

constexpr int DefaultPngDpi = 150;

// Tells image it has dpi pixels to the inch: point sizes drawn on it convert
// at that resolution, and a PNG saved from it records it.
void SetImageDpi(QImage& image, int dpi);

// The SVG: its size the drawing's in millimetres, its view box the
// drawing's 600-dpi pixels, its texts <text> elements, on white.
QByteArray ChartSvg(int e, ChartMode mode, const ChartInputs& inputs);

// The PNG: 8-bit grey on white, its dpi stored in the file.
QByteArray ChartPng(int e, ChartMode mode, const ChartInputs& inputs, int dpi = DefaultPngDpi);
