#include "print/Chart.h"

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

ChartPlace ChartPlaceOf(int n)
{
    if (n == 1)
        return {1, 1};
    if (n == 2)
        return {18, 1};
    if (n <= 4)
        return {n - 2, 2};
    if (n <= 10)
        return {n + 8, 2};
    if (n <= 12)
        return {n - 10, 3};
    if (n <= 18)
        return {n, 3};
    if (n <= 36)
        return {n - 18, 4};
    if (n <= 54)
        return {n - 36, 5};
    if (n <= 56)
        return {n - 54, 6};
    if (n == 57)
        return {3, 6};
    if (n <= 71)
        return {n - 55, 8};
    if (n <= 86)
        return {n - 68, 6};
    if (n <= 88)
        return {n - 86, 7};
    if (n == 89)
        return {3, 7};
    if (n <= 103)
        return {n - 87, 9};
    return {n - 100, 7};
}

namespace {

// The f-block rows lie one gap G lower than the period rows would.
int RowTop(const ChartLengths& l, int row) { return (row - 1) * l.H + (row >= 8 ? l.G : 0); }

} // namespace

QPoint CellOrigin(int e, int n)
{
    const ChartLengths l = LengthsFor(e);
    const ChartPlace place = ChartPlaceOf(n);
    return {(place.column - 1) * l.W + 1, RowTop(l, place.row)};
}

QPoint GridBoxOrigin(int e, int column, int row)
{
    const ChartLengths l = LengthsFor(e);
    return {(column - 1) * l.W + 1, RowTop(l, row) + l.T};
}

HatchKind HatchAt(int column, int row)
{
    using enum HatchKind;
    auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (row >= 8)
        return in(column, 3, 16) ? Rising : None;
    switch (column) {
    case 1:
        return row == 1 ? Falling : Rising;
    case 2:
        return row >= 2 ? Rising : None;
    case 12:
        return in(row, 4, 6) ? Rising : None;
    case 13:
        return in(row, 3, 6) ? Rising : None; // B in row 2: semimetal
    case 14:
        return row == 2 ? Falling : in(row, 5, 6) ? Rising : None;
    case 15:
        return in(row, 2, 3) ? Falling : row == 6 ? Rising : None;
    case 16:
        return in(row, 2, 4) ? Falling : row == 6 ? Rising : None;
    case 17:
        return in(row, 2, 6) ? Falling : None;
    case 18:
        return row <= 6 ? Falling : None;
    default:
        return in(column, 3, 11) && in(row, 4, 7) ? Rising : None;
    }
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

QString CellText(const TPierwData& r, int item)
{
    const std::string* field = nullptr;
    switch (item) {
    case 0:
        field = &r.PolishName;
        break; // Polish even when Latin names are shown
    case 1:
        field = &r.AtomicNumber;
        break;
    case 2:
        field = &r.State;
        break;
    case 3:
        field = &r.AtomicMass;
        break;
    case 4:
        field = &r.OxideCharacter;
        break;
    case 5:
        field = &r.Electronegativity;
        break;
    case 6:
        field = &r.Density;
        break;
    case 7:
        field = &r.BoilingPoint;
        break;
    case 8:
        field = &r.MeltingPoint;
        break;
    case 9:
        field = &r.IsotopeCount;
        break;
    case 10:
        field = &r.Discovered;
        break;
    case 11:
        field = &r.AtomicRadius;
        break;
    case 12:
        return ShellString(r);
    case 13:
        field = &r.LatinName;
        break;
    default:
        return {};
    }
    return QString::fromStdString(*field);
}

namespace {

// One running DrawChart: the canvas, the scale and its lengths, the inputs.
class Chart {
public:
    Chart(QPainter& canvas, int e, ChartMode mode, const ChartInputs& in)
        : p_(canvas),
          e_(e),
          mode_(mode),
          in_(in),
          l_(LengthsFor(e))
    {}

    void Draw();

private:
    void SetFont(int size, bool bold, bool italic = false);
    int TextWidth(const QString& text) const { return p_.fontMetrics().horizontalAdvance(text); }
    // Every text has the font's line height, the empty one too, so an empty
    // line keeps its place.
    int TextHeight() const { return p_.fontMetrics().height(); }
    void TextOut(int x, int y, const QString& text);
    void CenterText(int x, int y, const QString& text);
    void CenterTextWithUnit(int x, int y, const QString& caption);
    void DoubleLineDown(int x1, int y1, int x2, int y2);
    void DoubleLineRight(int x1, int y1, int x2, int y2);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Hatch(int x, int y, int h, HatchKind kind);
    void DrawGrid();
    void DrawHatching();
    void DrawNumbers();
    void DrawCell(int x, int y, int n);
    void DrawLegend();

    QPainter& p_;
    const int e_;
    const ChartMode mode_;
    const ChartInputs& in_;
    const ChartLengths l_;
};

void Chart::SetFont(int size, bool bold, bool italic)
{
    QFont font(ChartFontName);
    font.setPointSize(std::max(size, 1));
    font.setBold(bold);
    font.setItalic(italic);
    p_.setFont(font);
}

// Text is opaque: its box is painted white first, so it hides the hatching
// or a grid line beneath it.
void Chart::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm = p_.fontMetrics();
    p_.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), Qt::white);
    p_.drawText(QPoint(x, y + fm.ascent()), text);
}

void Chart::CenterText(int x, int y, const QString& text) { TextOut(x + l_.W / 2 - TextWidth(text) / 2, y, text); }

// The density caption followed by its unit, the pair centred; the unit's
// bottom sits on the caption's, whatever height its "³" gives it.
void Chart::CenterTextWithUnit(int x, int y, const QString& caption)
{
    const QString unit = QStringLiteral(" [g/cm³]");
    const QFontMetrics fm = p_.fontMetrics();
    const int hu = fm.height(), wu = fm.horizontalAdvance(unit);
    const int hc = fm.height(), wc = fm.horizontalAdvance(caption);
    const int left = x + l_.W / 2 - (wc + wu) / 2;
    TextOut(left, y, caption);
    TextOut(left + wc + fm.horizontalAdvance(u' '), y + hc - hu, unit);
}

void Chart::DoubleLineDown(int x1, int y1, int x2, int y2)
{
    p_.drawLine(x1, y1, x2, y2);
    p_.drawLine(x1, y1 + 1, x2, y2 + 1);
}

void Chart::DoubleLineRight(int x1, int y1, int x2, int y2)
{
    p_.drawLine(x1, y1, x2, y2);
    p_.drawLine(x1 + 1, y1, x2 + 1, y2);
}

// A white box outlined by the pen on x1 .. x2-1 and y1 .. y2-1.
void Chart::Rectangle(int x1, int y1, int x2, int y2)
{
    p_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::white);
    p_.save();
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    p_.restore();
}

void Chart::Hatch(int x, int y, int h, HatchKind kind)
{
    if (kind == HatchKind::None)
        return;
    for (const QLine& line : HatchLines(x, y, l_.W, h, kind))
        DoubleLineDown(line.x1(), line.y1(), line.x2(), line.y2());
}

void Chart::DrawGrid()
{
    const int W = l_.W, H = l_.H, T = l_.T, G = l_.G;
    DoubleLineDown(1, 7 * H + T, 11 * W + 3, 7 * H + T);
    for (int r = 3; r <= 6; ++r)
        DoubleLineDown(1, r * H + T, 18 * W + 3, r * H + T);
    for (int r = 1; r <= 2; ++r) {
        DoubleLineDown(1, r * H + T, 2 * W + 1, r * H + T);
        DoubleLineDown(12 * W + 1, r * H + T, 18 * W + 1, r * H + T);
    }
    DoubleLineDown(1, T, W + 1, T);
    DoubleLineDown(17 * W + 1, T, 18 * W + 1, T);
    for (int r = 7; r <= 9; ++r)
        DoubleLineDown(2 * W + 1, r * H + T + G, 16 * W + 3, r * H + T + G);

    DoubleLineRight(1, T, 1, 7 * H + T);
    DoubleLineRight(W + 1, T, W + 1, 7 * H + T);
    DoubleLineRight(2 * W + 1, H + T, 2 * W + 1, 7 * H + T);
    for (int c = 3; c <= 11; ++c)
        DoubleLineRight(c * W + 1, 3 * H + T, c * W + 1, 7 * H + T);
    for (int c = 12; c <= 16; ++c)
        DoubleLineRight(c * W + 1, H + T, c * W + 1, 6 * H + T);
    for (int c = 17; c <= 18; ++c)
        DoubleLineRight(c * W + 1, T, c * W + 1, 6 * H + T);
    for (int c = 2; c <= 16; ++c)
        DoubleLineRight(c * W + 1, 7 * H + T + G, c * W + 1, 9 * H + T + G);
}

void Chart::DrawHatching()
{
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 18; ++column) {
            const QPoint box = GridBoxOrigin(e_, column, row);
            Hatch(box.x(), box.y(), l_.H, HatchAt(column, row));
        }
    }
}

void Chart::DrawNumbers()
{
    const int W = l_.W, H = l_.H;
    SetFont(in_.dataSize + 1, false);
    auto group = [](int g) { return QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0')); };
    CenterText(1, 0, group(1));
    CenterText(W + 1, H, group(2));
    for (int k = 2; k <= 11; ++k)
        CenterText(k * W + 1, 3 * H, group(k + 1));
    for (int k = 12; k <= 16; ++k)
        CenterText(k * W + 1, H, group(k + 1));
    CenterText(17 * W + 1, 0, group(18));
    SetFont(in_.dataSize + 1, true);
    for (int period = 1; period <= 7; ++period)
        TextOut(0, (period - 1) * H + H / 4, QString::number(period));
}

void Chart::DrawCell(int x, int y, int n)
{
    const TPierwData& record = ElementTable[n - 1];
    const bool sample = mode_ == cmSample;
    const int S = sample ? 33 : in_.symbolSize;
    const int D = sample ? 13 : in_.dataSize;
    const int A = sample ? -20 : 2 * e_;
    const int B = sample ? 20 : 4 * e_;

    SetFont(S, true);
    const int hs = TextHeight();
    const int ys = y + hs / 2 + A;
    CenterText(x, ys, QString::fromStdString(record.Symbol));

    std::array<int, 3> size{}, h{};
    std::array<QString, 3> text;
    for (int i = 0; i < 3; ++i) {
        const int item = in_.items[i];
        text[i] = CellText(record, item);
        size[i] = item == diShells ? D - 2 : D;
        SetFont(size[i], false);
        h[i] = TextHeight();
    }
    // The electron configuration in position 2 or 3 gets half a line more
    // above it; position 1 has the symbol's spacing already.
    std::array<int, 3> top{};
    top[0] = ys + B / 4 + hs / 2 + e_ + B + h[0] / 2;
    for (int i = 1; i < 3; ++i)
        top[i] = top[i - 1] + h[i - 1] / 2 + e_ + h[i] / 2 + (in_.items[i] == diShells ? h[i] / 2 : 0);
    for (int i = 0; i < 3; ++i) {
        SetFont(size[i], false);
        CenterText(x, top[i], text[i]);
    }
}

void Chart::DrawLegend()
{
    const int W = l_.W, H = l_.H, T = l_.T, G = l_.G;
    const int S = in_.symbolSize, D = in_.dataSize;

    SetFont(S + 6, false, true);
    const QString title = QStringLiteral("ZEFIRAK");
    TextOut(18 * W / 2 - TextWidth(title) / 2, H / 2 - TextHeight() / 2, title);

    // Class boxes, outlined twice; the outer one first, since each box is
    // filled white and would cover the other's outline.
    SetFont(D, false);
    static const char* const labels[] = {"METALE", "NIEMETALE", "PÓŁMETALE"};
    static const HatchKind kinds[] = {HatchKind::Rising, HatchKind::Falling, HatchKind::None};
    for (int i = 0; i < 3; ++i) {
        const QRect box = ClassBox(e_, i);
        const int x = box.x(), y = box.y();
        Rectangle(x - 1, y - 1, x + W + 1, y + H / 2 + 1);
        Rectangle(x, y, x + W, y + H / 2);
        Hatch(x, y, H / 2, kinds[i]);
        CenterText(x, y + H / 4 - TextHeight() / 2, QString::fromUtf8(labels[i]));
    }

    SetFont(D, true);
    TextOut(2 * W + G / 4, T + 7 * H + G / 4 + TextHeight() / 2, QStringLiteral("Lantanowce"));
    TextOut(2 * W + G / 4, T + 8 * H + G / 4 + TextHeight() / 2, QStringLiteral("Aktynowce"));

    // Contents legend: one line per chosen position.
    const int x = 8 * W;
    int y = ContentsLegendTop(e_);
    SetFont(D + 1, false);
    CenterText(x, y + TextHeight(), QStringLiteral("Układ zawiera:"));
    y += G;
    SetFont(D + 1, true);
    CenterText(x, y + TextHeight(), QStringLiteral("Symbol Pierwiastka"));
    for (const int item : in_.items) {
        if (item < 0 || item >= diEmpty)
            continue;
        y += G;
        if (item == diShells) {
            CenterText(x, y + TextHeight(), QStringLiteral("Konfigurację elektronową:"));
            y += G;
            CenterText(x, y + TextHeight(), QStringLiteral("K-L-M-N-O-P-Q"));
        } else if (item == diLatinName) {
            CenterText(x, y + TextHeight(), QStringLiteral("Łacińską nazwę pierwiastka"));
        } else if (item == diDensity) {
            CenterTextWithUnit(x, y + TextHeight(), ToAccusative(QString::fromUtf8(DataItemRows[item])));
        } else {
            CenterText(x, y + TextHeight(), ToAccusative(QString::fromUtf8(DataItemRows[item])));
        }
    }

    // Information field: the lines as typed, no wrapping.
    SetFont(in_.infoSize, in_.infoBold);
    const QPoint info = InfoFieldOrigin(e_);
    y = info.y();
    for (const QString& line : in_.infoLines) {
        TextOut(info.x(), y, line);
        y += TextHeight() + G / 4;
    }
}

void Chart::Draw()
{
    p_.setRenderHint(QPainter::Antialiasing, false);
    // Flat caps leave out a line's last pixel, as the printer's own line
    // drawing does: the grid ends exactly at the chart's extent.
    p_.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    p_.setBrush(Qt::white);
    p_.setBackgroundMode(Qt::TransparentMode);

    if (mode_ == cmSample) {
        Rectangle(1, 1, l_.W, l_.H);
        DrawCell(1, 0, 1);
        return;
    }
    DrawGrid();
    if (mode_ == cmFull)
        DrawHatching();
    DrawNumbers();
    static const int firstColumn[] = {1, 3, 11, 19, 37, 55, 87};
    for (const int n : firstColumn)
        DrawCell(CellOrigin(e_, n).x(), CellOrigin(e_, n).y(), n);
    if (mode_ != cmFull)
        return;
    for (int n = 1; n <= ElementCount; ++n) {
        if (ChartPlaceOf(n).column != 1)
            DrawCell(CellOrigin(e_, n).x(), CellOrigin(e_, n).y(), n);
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
