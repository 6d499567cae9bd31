#include "print/Chart.h"

#include "data/ElementFacts.h"
#include "data/ElementTables.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

QString ChartFontName = QStringLiteral("Arial");

const std::array<const char*, DataItemCount> DataItemRows = {
    "Nazwa pierwiastka",
    "Liczba atomowa",
    "Stan skupienia",
    "Masa atomowa [u]",
    "Charakter tlenku",
    "Elektroujemność [eV]",
    "Gęstość",
    "Temp. wrzenia",
    "Temp. topnienia",
    "Liczba izotopów",
    "Rok odkrycia",
    "Promień atomu",
    "Konfiguracja elektronowa",
    "Łacińska nazwa pierwiastka",
    "Pozycja pusta",
};

ChartLengths LengthsFor(int e) { return {36 * e, 50 * e, 5 * e, 10 * e}; }

QSize ChartExtent(int e)
{
    const ChartLengths l = LengthsFor(e);
    return {18 * l.W + 3, 9 * l.H + l.T + l.G + 2};
}

namespace {

// The f-block rows lie one gap G lower than the period rows would.
int RowTop(const ChartLengths& l, int row) { return (row - 1) * l.H + (row >= 8 ? l.G : 0); }

} // namespace

QPoint CellOrigin(int e, int n)
{
    const ChartLengths l = LengthsFor(e);
    const TablePlace place = PlaceOf(n);
    return {(place.column - 1) * l.W + 1, RowTop(l, place.row)};
}

QPoint GridBoxOrigin(int e, int column, int row)
{
    const ChartLengths l = LengthsFor(e);
    return {(column - 1) * l.W + 1, RowTop(l, row) + l.T};
}

HatchKind HatchFor(ElementClass kind)
{
    // Metals rise, nonmetals fall, semimetals stay clear.
    return kind == ElementClass::Metal      ? HatchKind::Rising
           : kind == ElementClass::Nonmetal ? HatchKind::Falling
                                            : HatchKind::None;
}

std::array<QLine, 9> HatchLines(int x, int y, int w, int h, HatchKind kind)
{
    const int dx = w / 5;
    const int dy = h / 5;
    std::array<QLine, 9> lines;
    for (int k = 0; k <= 4; ++k) {
        if (kind == HatchKind::Falling)
            lines[k] = QLine(x + 1 + k * dx, y + 1, x + w + 1, y + h + 1 - k * dy);
        else
            lines[k] = QLine(x + w + 1 - k * dx, y + 1, x + 1, y + h + 1 - k * dy);
    }
    for (int k = 1; k <= 4; ++k) {
        if (kind == HatchKind::Falling)
            lines[4 + k] = QLine(x + 1, y + 1 + k * dy, x + w + 1 - k * dx, y + h + 1);
        else
            lines[4 + k] = QLine(x + w + 1, y + 1 + k * dy, x + 1 + k * dx, y + h + 1);
    }
    return lines;
}

QRect ClassBox(int e, int i)
{
    const ChartLengths l = LengthsFor(e);
    return {10 * l.W, l.T + l.H + i * (l.H / 2 + l.G / 2), l.W, l.H / 2};
}

int ContentsLegendCentre(int e)
{
    const ChartLengths l = LengthsFor(e);
    return 8 * l.W + l.W / 2;
}

int ContentsLegendTop(int e)
{
    const ChartLengths l = LengthsFor(e);
    return l.T + l.H + l.G;
}

QPoint InfoFieldOrigin(int e)
{
    const ChartLengths l = LengthsFor(e);
    return {3 * l.W, l.T + l.H};
}

QString ToAccusative(const QString& caption)
{
    const qsizetype space = caption.indexOf(u' ');
    if (space < 0)
        return caption;
    QString first = caption.left(space);
    QString rest = caption.mid(space);
    if (first.endsWith(u'a'))
        first.back() = u'ę';
    if (rest.endsWith(u"owa"))
        rest.back() = u'ą';
    return first + rest;
}

QString ShellString(const TPierwData& r)
{
    QStringList shells;
    for (const std::string* s : {&r.ShellK, &r.ShellL, &r.ShellM, &r.ShellN, &r.ShellO, &r.ShellP, &r.ShellQ})
        shells << QString::fromStdString(*s);
    return shells.join(u'-');
}

namespace {

// The record field each DataItem row shows. The name row shows the Polish
// name even when Latin names are shown; the shells row is made of seven
// fields, and the empty position of none.
using Field = std::string TPierwData::*;
const std::array<Field, DataItemCount> ItemFields = {
    &TPierwData::PolishName,
    &TPierwData::AtomicNumber,
    &TPierwData::State,
    &TPierwData::AtomicMass,
    &TPierwData::OxideCharacter,
    &TPierwData::Electronegativity,
    &TPierwData::Density,
    &TPierwData::BoilingPoint,
    &TPierwData::MeltingPoint,
    &TPierwData::IsotopeCount,
    &TPierwData::Discovered,
    &TPierwData::AtomicRadius,
    nullptr,
    &TPierwData::LatinName,
    nullptr,
};

} // namespace

QString CellText(const TPierwData& r, int item)
{
    if (item == diShells)
        return ShellString(r);
    if (item < 0 || item >= DataItemCount || ItemFields[item] == nullptr)
        return {};
    return QString::fromStdString(r.*ItemFields[item]);
}

namespace {

// One running DrawChart: the canvas, the scale and its lengths, the inputs.
class Chart {
public:
    Chart(QPainter& canvas, int e, ChartMode mode, const ChartInputs& in)
        : m_canvas(canvas),
          m_e(e),
          m_mode(mode),
          m_in(in),
          m_l(LengthsFor(e))
    {}

    void Draw();

private:
    void SetFont(int size, bool bold, bool italic = false);
    int TextWidth(const QString& text) const { return m_canvas.fontMetrics().horizontalAdvance(text); }
    // Every text has the font's line height, the empty one too, so an empty
    // line keeps its place.
    int TextHeight() const { return m_canvas.fontMetrics().height(); }
    void TextOut(int x, int y, const QString& text);
    // Centred on x = centre; CenterText centres on a cell width from x.
    void CenterTextOn(int centre, int y, const QString& text);
    void CenterText(int x, int y, const QString& text) { CenterTextOn(x + m_l.W / 2, y, text); }
    void CenterTextWithUnit(int centre, int y, const QString& caption);
    void DoubleLineDown(int x1, int y1, int x2, int y2);
    void DoubleLineRight(int x1, int y1, int x2, int y2);
    void Rectangle(const QRect& box);
    void Hatch(int x, int y, int h, HatchKind kind);
    // Left edge of a column's grid boxes and top edge of a row's.
    int Left(int column) const { return GridBoxOrigin(m_e, column, 1).x(); }
    int Top(int row) const { return GridBoxOrigin(m_e, 1, row).y(); }
    void DrawGrid();
    void DrawHatching();
    void DrawNumbers();
    void DrawCell(QPoint origin, int n);
    void DrawLegend();

    QPainter& m_canvas;
    const int m_e;
    const ChartMode m_mode;
    const ChartInputs& m_in;
    const ChartLengths m_l;
};

void Chart::SetFont(int size, bool bold, bool italic)
{
    QFont font(ChartFontName);
    font.setPointSize(std::max(size, 1));
    font.setBold(bold);
    font.setItalic(italic);
    m_canvas.setFont(font);
}

// Text is opaque: its box is painted white first, so it hides the hatching
// or a grid line beneath it.
void Chart::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm = m_canvas.fontMetrics();
    m_canvas.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), Qt::white);
    m_canvas.drawText(QPoint(x, y + fm.ascent()), text);
}

void Chart::CenterTextOn(int centre, int y, const QString& text) { TextOut(centre - TextWidth(text) / 2, y, text); }

// The density caption followed by its unit, the pair centred; the unit's
// bottom sits on the caption's, whatever height its "³" gives it.
void Chart::CenterTextWithUnit(int centre, int y, const QString& caption)
{
    const QString unit = QStringLiteral(" [g/cm³]");
    const QFontMetrics fm = m_canvas.fontMetrics();
    const int hu = fm.height(), wu = fm.horizontalAdvance(unit);
    const int hc = fm.height(), wc = fm.horizontalAdvance(caption);
    const int left = centre - (wc + wu) / 2;
    TextOut(left, y, caption);
    TextOut(left + wc + fm.horizontalAdvance(u' '), y + hc - hu, unit);
}

void Chart::DoubleLineDown(int x1, int y1, int x2, int y2)
{
    m_canvas.drawLine(x1, y1, x2, y2);
    m_canvas.drawLine(x1, y1 + 1, x2, y2 + 1);
}

void Chart::DoubleLineRight(int x1, int y1, int x2, int y2)
{
    m_canvas.drawLine(x1, y1, x2, y2);
    m_canvas.drawLine(x1 + 1, y1, x2 + 1, y2);
}

// A white box outlined by the pen along its inside edges.
void Chart::Rectangle(const QRect& box)
{
    m_canvas.fillRect(box, Qt::white);
    m_canvas.save();
    m_canvas.setBrush(Qt::NoBrush);
    m_canvas.drawRect(box.adjusted(0, 0, -1, -1));
    m_canvas.restore();
}

void Chart::Hatch(int x, int y, int h, HatchKind kind)
{
    if (kind == HatchKind::None)
        return;
    for (const QLine& line : HatchLines(x, y, m_l.W, h, kind))
        DoubleLineDown(line.x1(), line.y1(), line.x2(), line.y2());
}

// The edges of the grid boxes, each line two pixels thick. A line that runs
// to or past a vertical line ends two pixels on, over both of its pixels.
void Chart::DrawGrid()
{
    const int right = ChartExtent(m_e).width();
    const int period7Bottom = Top(7) + m_l.H;
    const int actinidesBottom = Top(9) + m_l.H;
    DoubleLineDown(Left(1), period7Bottom, Left(12) + 2, period7Bottom);
    for (int row = 4; row <= 7; ++row)
        DoubleLineDown(Left(1), Top(row), right, Top(row));
    for (int row = 2; row <= 3; ++row) {
        DoubleLineDown(Left(1), Top(row), Left(3), Top(row));
        DoubleLineDown(Left(13), Top(row), Left(19), Top(row));
    }
    DoubleLineDown(Left(1), Top(1), Left(2), Top(1));
    DoubleLineDown(Left(18), Top(1), Left(19), Top(1));
    for (const int y : {Top(8), Top(9), actinidesBottom})
        DoubleLineDown(Left(3), y, Left(17) + 2, y);

    DoubleLineRight(Left(1), Top(1), Left(1), period7Bottom);
    DoubleLineRight(Left(2), Top(1), Left(2), period7Bottom);
    DoubleLineRight(Left(3), Top(2), Left(3), period7Bottom);
    for (int column = 4; column <= 12; ++column)
        DoubleLineRight(Left(column), Top(4), Left(column), period7Bottom);
    for (int column = 13; column <= 17; ++column)
        DoubleLineRight(Left(column), Top(2), Left(column), Top(7));
    for (int column = 18; column <= 19; ++column)
        DoubleLineRight(Left(column), Top(1), Left(column), Top(7));
    for (int column = 3; column <= 17; ++column)
        DoubleLineRight(Left(column), Top(8), Left(column), actinidesBottom);
}

void Chart::DrawHatching()
{
    for (int n = 1; n <= ElementCount; ++n) {
        const TablePlace place = PlaceOf(n);
        const QPoint box = GridBoxOrigin(m_e, place.column, place.row);
        Hatch(box.x(), box.y(), m_l.H, HatchFor(ClassOf(ElementTable[n - 1])));
    }
}

// The group numbers stand above the top cell of each column, the period
// numbers at the left of the first column's cells.
void Chart::DrawNumbers()
{
    SetFont(m_in.dataSize + 1, false);
    for (int group = 1; group <= 18; ++group) {
        int row = 1;
        while (ElementAt(group, row) == 0)
            ++row;
        const QPoint cell = CellOrigin(m_e, ElementAt(group, row));
        CenterText(cell.x(), cell.y(), QStringLiteral("%1").arg(group, 2, 10, QLatin1Char('0')));
    }
    SetFont(m_in.dataSize + 1, true);
    for (int period = 1; period <= 7; ++period)
        TextOut(0, CellOrigin(m_e, ElementAt(1, period)).y() + m_l.H / 4, QString::number(period));
}

void Chart::DrawCell(QPoint origin, int n)
{
    const int x = origin.x(), y = origin.y();
    const TPierwData& record = ElementTable[n - 1];
    const bool sample = m_mode == cmSample;
    const int S = sample ? 33 : m_in.symbolSize;
    const int D = sample ? 13 : m_in.dataSize;
    const int A = sample ? -20 : 2 * m_e;
    const int B = sample ? 20 : 4 * m_e;

    SetFont(S, true);
    const int hs = TextHeight();
    const int ys = y + hs / 2 + A;
    CenterText(x, ys, QString::fromStdString(record.Symbol));

    std::array<int, 3> size{}, h{};
    std::array<QString, 3> text;
    for (int i = 0; i < 3; ++i) {
        const int item = m_in.items[i];
        text[i] = CellText(record, item);
        size[i] = item == diShells ? D - 2 : D;
        SetFont(size[i], false);
        h[i] = TextHeight();
    }
    // The electron configuration in position 2 or 3 gets half a line more
    // above it; position 1 has the symbol's spacing already.
    std::array<int, 3> top{};
    top[0] = ys + B / 4 + hs / 2 + m_e + B + h[0] / 2;
    for (int i = 1; i < 3; ++i)
        top[i] = top[i - 1] + h[i - 1] / 2 + m_e + h[i] / 2 + (m_in.items[i] == diShells ? h[i] / 2 : 0);
    for (int i = 0; i < 3; ++i) {
        SetFont(size[i], false);
        CenterText(x, top[i], text[i]);
    }
}

void Chart::DrawLegend()
{
    const int W = m_l.W, H = m_l.H, T = m_l.T, G = m_l.G;
    const int S = m_in.symbolSize, D = m_in.dataSize;

    SetFont(S + 6, false, true);
    const QString title = QStringLiteral("ZEFIRAK");
    TextOut(18 * W / 2 - TextWidth(title) / 2, H / 2 - TextHeight() / 2, title);

    // Class boxes, outlined twice; the outer one first, since each box is
    // filled white and would cover the other's outline.
    SetFont(D, false);
    static const char* const labels[] = {"METALE", "NIEMETALE", "PÓŁMETALE"};
    for (int i = 0; i < 3; ++i) {
        const QRect box = ClassBox(m_e, i);
        Rectangle(box.adjusted(-1, -1, 1, 1));
        Rectangle(box);
        Hatch(box.x(), box.y(), box.height(), HatchFor(LegendClasses[i]));
        CenterText(box.x(), box.y() + box.height() / 2 - TextHeight() / 2, QString::fromUtf8(labels[i]));
    }

    SetFont(D, true);
    TextOut(2 * W + G / 4, T + 7 * H + G / 4 + TextHeight() / 2, QStringLiteral("Lantanowce"));
    TextOut(2 * W + G / 4, T + 8 * H + G / 4 + TextHeight() / 2, QStringLiteral("Aktynowce"));

    // Contents legend: one line per chosen position.
    const int x = ContentsLegendCentre(m_e);
    int y = ContentsLegendTop(m_e);
    SetFont(D + 1, false);
    CenterTextOn(x, y + TextHeight(), QStringLiteral("Układ zawiera:"));
    y += G;
    SetFont(D + 1, true);
    CenterTextOn(x, y + TextHeight(), QStringLiteral("Symbol Pierwiastka"));
    for (const int item : m_in.items) {
        if (item < 0 || item >= diEmpty)
            continue;
        y += G;
        if (item == diShells) {
            CenterTextOn(x, y + TextHeight(), QStringLiteral("Konfigurację elektronową:"));
            y += G;
            CenterTextOn(x, y + TextHeight(), QStringLiteral("K-L-M-N-O-P-Q"));
        } else if (item == diLatinName) {
            CenterTextOn(x, y + TextHeight(), QStringLiteral("Łacińską nazwę pierwiastka"));
        } else if (item == diDensity) {
            CenterTextWithUnit(x, y + TextHeight(), ToAccusative(QString::fromUtf8(DataItemRows[item])));
        } else {
            CenterTextOn(x, y + TextHeight(), ToAccusative(QString::fromUtf8(DataItemRows[item])));
        }
    }

    // Information field: the lines as typed, no wrapping.
    SetFont(m_in.infoSize, m_in.infoBold);
    const QPoint info = InfoFieldOrigin(m_e);
    y = info.y();
    for (const QString& line : m_in.infoLines) {
        TextOut(info.x(), y, line);
        y += TextHeight() + G / 4;
    }
}

void Chart::Draw()
{
    m_canvas.setRenderHint(QPainter::Antialiasing, false);
    // Flat caps leave out a line's last pixel, as the printer's own line
    // drawing does: the grid ends exactly at the chart's extent.
    QPen pen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap);
    // Drawn smaller than the page (a bitmap below 600 dpi), a line keeps one
    // whole pixel instead of fading to a pale grey.
    if (m_canvas.transform().m11() < 1)
        pen.setCosmetic(true);
    m_canvas.setPen(pen);
    m_canvas.setBrush(Qt::white);
    m_canvas.setBackgroundMode(Qt::TransparentMode);

    if (m_mode == cmSample) {
        Rectangle(QRect(QPoint(1, 1), QPoint(m_l.W - 1, m_l.H - 1)));
        DrawCell({1, 0}, 1);
        return;
    }
    DrawGrid();
    if (m_mode == cmFull)
        DrawHatching();
    DrawNumbers();
    for (int period = 1; period <= 7; ++period)
        DrawCell(CellOrigin(m_e, ElementAt(1, period)), ElementAt(1, period));
    if (m_mode != cmFull)
        return;
    for (int n = 1; n <= ElementCount; ++n) {
        if (PlaceOf(n).column != 1)
            DrawCell(CellOrigin(m_e, n), n);
    }
    DrawLegend();
}

} // namespace

void DrawChart(QPainter& canvas, int e, ChartMode mode, const ChartInputs& inputs)
{
    if (!inputs.fontName.isEmpty())
        ChartFontName = inputs.fontName;
    Chart(canvas, e, mode, inputs).Draw();
}
