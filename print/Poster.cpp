#include "print/Poster.h"

#include "print/PrintJob.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Thin enough not to hide the chart's own lines, thick enough to find with
// the scissors: 0.17 mm.
constexpr int MarkWidth = 4;
// The label starts 1 mm in from the sheet's edge; at its largest ("T20")
// it ends well before the first seam can come (strip + half band).
constexpr int LabelInset = 24;
constexpr int LabelWidth = 150;
constexpr qreal LabelPoints = 6.5;

// The stretch of one column (or row) i of n: from half a band before its
// seam to half a band after the next, within the chart.
std::pair<int, int> Stretch(int length, int parts, int i)
{
    const int from = i == 0 ? 0 : PosterSeam(length, parts, i) - PosterHalfBand;
    const int to = i == parts - 1 ? length : PosterSeam(length, parts, i + 1) + PosterHalfBand;
    return {std::max(from, 0), std::min(to, length)};
}

int WidestStretch(int length, int parts)
{
    int widest = 0;
    for (int i = 0; i < parts; ++i) {
        const auto [from, to] = Stretch(length, parts, i);
        widest = std::max(widest, to - from);
    }
    return widest;
}

// The fewest parts whose widest stretch fits room; 0 when none does.
int FewestParts(int length, int room)
{
    for (int parts = 1; parts <= PosterMaxSide; ++parts)
        if (WidestStretch(length, parts) <= room)
            return parts;
    return 0;
}

} // namespace

QSize PosterSheetSize(QPageLayout layout)
{
    layout.setOrientation(QPageLayout::Landscape);
    return layout.paintRectPixels(PageResolution).size();
}

QRect PosterWindow(QSize sheet)
{
    return QRect(QPoint(0, 0), sheet).adjusted(PosterStrip, PosterStrip, -PosterStrip, -PosterStrip);
}

int PosterSeam(int length, int parts, int i) { return i * length / parts; }

bool PosterGridHolds(QSize chart, QSize sheet, PosterGrid grid)
{
    const QRect window = PosterWindow(sheet);
    return grid.columns >= 1 && grid.columns <= PosterMaxSide && grid.rows >= 1 && grid.rows <= PosterMaxSide
           && WidestStretch(chart.width(), grid.columns) <= window.width()
           && WidestStretch(chart.height(), grid.rows) <= window.height();
}

std::optional<PosterGrid> SmallestPosterGrid(QSize chart, QSize sheet)
{
    const QRect window = PosterWindow(sheet);
    const int columns = FewestParts(chart.width(), window.width());
    const int rows = FewestParts(chart.height(), window.height());
    if (columns == 0 || rows == 0)
        return std::nullopt;
    return PosterGrid{columns, rows};
}

std::vector<PosterSheet> PosterSheets(QSize chart, QSize sheet, PosterGrid grid)
{
    const QRect window = PosterWindow(sheet);
    std::vector<PosterSheet> sheets;
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            PosterSheet s;
            s.row = r;
            s.column = c;
            s.label = QChar(u'A' + r) + QString::number(c + 1);
            const auto [left, right] = Stretch(chart.width(), grid.columns, c);
            const auto [top, bottom] = Stretch(chart.height(), grid.rows, r);
            s.part = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
            const int seamLeft = PosterSeam(chart.width(), grid.columns, c);
            const int seamRight = PosterSeam(chart.width(), grid.columns, c + 1);
            const int seamTop = PosterSeam(chart.height(), grid.rows, r);
            const int seamBottom = PosterSeam(chart.height(), grid.rows, r + 1);
            s.cut = QRect(QPoint(seamLeft, seamTop), QPoint(seamRight - 1, seamBottom - 1));
            s.at = window.topLeft()
                   + QPoint((window.width() - s.part.width()) / 2, (window.height() - s.part.height()) / 2);

            // Marks only where a neighbour joins: the chart's own edges are
            // not cut. Each runs in the strip, from the paper's edge to the
            // window's, on the line of its seam.
            const QPoint shift = s.at - s.part.topLeft();
            for (const int x : {seamLeft, seamRight}) {
                if (x == 0 || x == chart.width())
                    continue;
                const int sx = x + shift.x();
                s.marks.emplace_back(sx, 0, sx, window.top());
                s.marks.emplace_back(sx, window.bottom() + 1, sx, sheet.height());
            }
            for (const int y : {seamTop, seamBottom}) {
                if (y == 0 || y == chart.height())
                    continue;
                const int sy = y + shift.y();
                s.marks.emplace_back(0, sy, window.left(), sy);
                s.marks.emplace_back(window.right() + 1, sy, sheet.width(), sy);
            }
            s.labelBox = QRect(LabelInset, 0, LabelWidth, PosterStrip);
            sheets.push_back(s);
        }
    }
    return sheets;
}

QString PosterGridText(PosterGrid grid) { return QStringLiteral("%1 × %2").arg(grid.columns).arg(grid.rows); }

bool DrawPoster(QPainter& canvas, QPagedPaintDevice& device, int e, const ChartInputs& inputs, PosterGrid grid)
{
    const QSize sheet(device.width(), device.height());
    bool first = true;
    for (const PosterSheet& s : PosterSheets(ChartExtent(e), sheet, grid)) {
        if (!first && !device.newPage())
            return false;
        first = false;
        canvas.save();
        canvas.setClipRect(QRect(s.at, s.part.size()));
        canvas.translate(s.at - s.part.topLeft());
        DrawChart(canvas, e, cmFull, inputs);
        canvas.restore();

        canvas.save();
        canvas.setRenderHint(QPainter::Antialiasing, false);
        canvas.setPen(QPen(Qt::black, MarkWidth, Qt::SolidLine, Qt::FlatCap));
        for (const QLine& mark : s.marks)
            canvas.drawLine(mark);
        QFont font(DesignFont());
        font.setPointSizeF(LabelPoints);
        canvas.setFont(font);
        canvas.drawText(s.labelBox, Qt::AlignLeft | Qt::AlignVCenter, s.label);
        canvas.restore();
    }
    return true;
}
