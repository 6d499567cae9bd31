// Placeholder until the wall chart drawing lands: only the chart's outline.
#include "print/Chart.h"

#include <QPainter>

QString ChartFontName = QStringLiteral("Arial");

void DrawChart(QPainter& canvas, int e, ChartMode mode, const ChartInputs& inputs)
{
    if (!inputs.fontName.isEmpty())
        ChartFontName = inputs.fontName;
    const int w = 36 * e, h = 50 * e;
    if (mode == cmSample)
        canvas.drawRect(1, 1, w - 1, h - 1);
    else
        canvas.drawRect(0, 0, 18 * w + 2, 9 * h + 15 * e + 1);
}
