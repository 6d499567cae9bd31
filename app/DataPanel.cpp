// The data panel: a two-column grid with the selected element's values.
#include "app/TForm1.h"

#include "data/ElementTables.h"
#include "app/ElementText.h"
#include "app/Look.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QMouseEvent>
#include <QTableWidget>

namespace {

constexpr int RowCount = 13;
constexpr int RowPitch = 16; // 15 pixels of row and one of grid line

QTableWidgetItem* Cell(const QString& text, bool fixed)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(ToQColor(fixed ? colors::WindowFace : colors::White));
    return item;
}

} // namespace

void TForm1::PrepareDataPanel()
{
    Dane->setRowCount(RowCount);
    Dane->setColumnCount(2);
    Dane->horizontalHeader()->hide();
    Dane->verticalHeader()->hide();
    Dane->verticalHeader()->setMinimumSectionSize(RowPitch);
    Dane->verticalHeader()->setDefaultSectionSize(RowPitch);
    Dane->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Dane->horizontalHeader()->setMinimumSectionSize(20);
    Dane->setColumnWidth(0, 68);
    Dane->setColumnWidth(1, 100);
    Dane->setShowGrid(true);
    Dane->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Dane->setSelectionMode(QAbstractItemView::NoSelection);
    Dane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Dane->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Dane->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Dane->setWordWrap(false);
    Dane->setFont(SansFont(11));
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

void TForm1::DaneEnter()
{
    Szukaj->setFocus();
}

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
