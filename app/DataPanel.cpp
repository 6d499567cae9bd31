// The data panel: a two-column grid with the selected element's values.
#include "app/TForm1.h"

#include "data/ElementTables.h"
#include "data/ElementText.h"
#include "widgets/Look.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace {

constexpr int RowCount = 13;
// Cell sizes without the grid line; a row's or column's section holds its
// line too.
constexpr int GridLine = 1;
constexpr int RowPitch = 15 + GridLine;
constexpr int CaptionWidth = 68;
constexpr int ValueWidth = 100;

QTableWidgetItem* Cell(const QString& text, bool fixed)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(ToQColor(fixed ? colors::WindowFace : colors::White));
    return item;
}

// Hidden before the grid has rows or a model: a header shown even for a
// moment measures every section's caption, in a bold face the panel never
// draws.
void HideHeaders(QTableView* grid)
{
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
}

// What the grid and its frozen caption column share: fixed rows, the
// caption column's width, clipped (not shortened) texts, no editing, no
// selection and no scrolling to a clicked cell.
void SetUpGrid(QTableView* grid)
{
    grid->verticalHeader()->setMinimumSectionSize(RowPitch);
    grid->verticalHeader()->setDefaultSectionSize(RowPitch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(20);
    grid->setColumnWidth(0, CaptionWidth + GridLine);
    grid->setShowGrid(true);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setAutoScroll(false);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setFont(SansFont(11));
}

// Keeps the first row and the caption column of the panel in place: the
// grid never scrolls vertically nor with the wheel, and a copy of the
// caption column lies over the cells, so the horizontal scroll bar moves
// only the value column, beneath it. The copy lets the pointer through, so
// the status line still follows the grid's own rows.
class FrozenCaptions final : public QObject {
public:
    explicit FrozenCaptions(QTableWidget* grid)
        : QObject(grid),
          grid(grid),
          captions(new QTableView(grid))
    {
        HideHeaders(captions);
        captions->setModel(grid->model());
        SetUpGrid(captions);
        captions->setColumnHidden(1, true);
        captions->setFrameShape(QFrame::NoFrame);
        captions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        captions->setFocusPolicy(Qt::NoFocus);
        captions->setAttribute(Qt::WA_TransparentForMouseEvents);
        captions->raise();

        // The rows fit but for the scroll bar's height; that overlap must
        // not turn into a vertical scroll range.
        QScrollBar* vertical = grid->verticalScrollBar();
        connect(vertical, &QScrollBar::rangeChanged, this, [vertical] { vertical->setRange(0, 0); });
        vertical->setRange(0, 0);

        grid->viewport()->installEventFilter(this);
        Place();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Wheel:
            return true;
        case QEvent::Move:
        case QEvent::Resize:
            Place();
            return false;
        default:
            return false;
        }
    }

private:
    void Place()
    {
        const QRect cells = grid->viewport()->geometry();
        captions->setGeometry(cells.x(), cells.y(), grid->columnWidth(0), cells.height());
    }

    QTableWidget* grid;
    QTableView* captions;
};

} // namespace

void TForm1::PrepareDataPanel()
{
    HideHeaders(Dane);
    Dane->setRowCount(RowCount);
    Dane->setColumnCount(2);
    SetUpGrid(Dane);
    Dane->setColumnWidth(1, ValueWidth + GridLine);
    Dane->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Dane->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The panel never keeps the keyboard focus: it hands it to the search box.
    Dane->setFocusPolicy(Qt::ClickFocus);
    Dane->installEventFilter(this);
    Dane->viewport()->setMouseTracking(true);
    Dane->viewport()->installEventFilter(this);

    for (int row = 0; row < RowCount; ++row) {
        Dane->setItem(row, 0, Cell(PanelRowCaptions[row], true));
        // The first row is a fixed row too.
        Dane->setItem(row, 1, Cell(QString(), row == 0));
    }
    new FrozenCaptions(Dane);
}

void TForm1::ShowElementData(int z)
{
    if (z == -1) {
        for (int row = 0; row < RowCount; ++row)
            Dane->item(row, 1)->setText(QString());
        return;
    }
    SelectedElement = z;
    const TPierwData record = ElementTable[z - 1];
    const QStringList values = PanelRowValues(record);
    for (int row = 0; row < RowCount; ++row)
        Dane->item(row, 1)->setText(values[row]);
}

void TForm1::DaneMouseMove(int, int y)
{
    if (y <= 0 || y >= RowPitch * RowCount)
        return;
    const int row = y / RowPitch;
    SetStatus(PanelRowNames[row] + QLatin1Char(' ') + Dane->item(row, 1)->text());
    Podglad->repaint(); // show it while the pointer is still moving
}

void TForm1::DaneEnter() { Szukaj->setFocus(); }

bool TForm1::DataPanelEvent(QObject* watched, QEvent* event)
{
    if (watched == Dane && event->type() == QEvent::FocusIn)
        DaneEnter();
    else if (Dane && watched == Dane->viewport() && event->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        DaneMouseMove(p.x(), p.y());
    }
    return false;
}
