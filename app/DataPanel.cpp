#include "app/DataPanel.h"

#include "data/ElementTables.h"
#include "data/ElementText.h"
#include "widgets/Look.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

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

// Keeps the caption column of the panel in place: a copy of it lies over
// the cells, so the horizontal scroll bar moves only the value column,
// beneath it. The copy lets the pointer through, so the status line still
// follows the grid's own rows. It follows the cells' area as the scroll bar
// comes and goes.
class FrozenCaptions final : public QObject {
public:
    explicit FrozenCaptions(QTableWidget* grid)
        : QObject(grid),
          m_grid(grid),
          m_captions(new QTableView(grid))
    {
        HideHeaders(m_captions);
        m_captions->setModel(grid->model());
        SetUpGrid(m_captions);
        m_captions->setColumnHidden(1, true);
        m_captions->setFrameShape(QFrame::NoFrame);
        m_captions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_captions->setFocusPolicy(Qt::NoFocus);
        m_captions->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_captions->raise();
        grid->viewport()->installEventFilter(this);
        Place();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            Place();
        return false;
    }

private:
    void Place()
    {
        const QRect cells = m_grid->viewport()->geometry();
        m_captions->setGeometry(cells.x(), cells.y(), m_grid->columnWidth(0), cells.height());
    }

    QTableWidget* m_grid;
    QTableView* m_captions;
};

} // namespace

DataPanel::DataPanel(QWidget* parent)
    : QTableWidget(parent)
{
    setObjectName(QStringLiteral("Dane"));
    setGeometry(624, 72, 153, 212);
    HideHeaders(this);
    setRowCount(RowCount);
    setColumnCount(2);
    SetUpGrid(this);
    setColumnWidth(1, ValueWidth + GridLine);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The panel never keeps the keyboard focus: it hands it to the search box.
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setMouseTracking(true);

    for (int row = 0; row < RowCount; ++row) {
        setItem(row, 0, Cell(PanelRowCaptions[row], true));
        // The first row is a fixed row too.
        setItem(row, 1, Cell(QString(), row == 0));
    }
    // The rows fit but for the scroll bar's height; that overlap must not
    // turn into a vertical scroll range.
    QScrollBar* vertical = verticalScrollBar();
    connect(vertical, &QScrollBar::rangeChanged, this, [vertical] { vertical->setRange(0, 0); });
    vertical->setRange(0, 0);
    new FrozenCaptions(this);
}

void DataPanel::ShowElement(int z)
{
    if (z == -1) {
        for (int row = 0; row < RowCount; ++row)
            item(row, 1)->setText(QString());
        return;
    }
    const QStringList values = PanelRowValues(ElementTable[z - 1]);
    for (int row = 0; row < RowCount; ++row)
        item(row, 1)->setText(values[row]);
}

QString DataPanel::RowExplanation(int y) const
{
    if (y <= 0 || y >= RowPitch * RowCount)
        return {};
    const int row = y / RowPitch;
    return PanelRowNames[row] + QLatin1Char(' ') + item(row, 1)->text();
}

void DataPanel::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    emit entered();
}

void DataPanel::mouseMoveEvent(QMouseEvent* event)
{
    QTableWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    emit pointerMoved(p.x(), p.y());
}

// The first row and the caption column stay in place: the wheel scrolls
// nothing.
void DataPanel::wheelEvent(QWheelEvent* event) { event->accept(); }
