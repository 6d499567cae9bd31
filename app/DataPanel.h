// The data panel: a two-column grid with the selected element's values. It
// explains the row under the pointer and hands the keyboard focus on.
#pragma once

#include <QTableWidget>

class DataPanel : public QTableWidget {
    Q_OBJECT
public:
    explicit DataPanel(QWidget* parent);

    // The values of element z (1..111); -1 empties the value column.
    void ShowElement(int z);
    // The status line's text for a pointer at y in the grid's cells: the
    // row's long name and its value; empty outside the rows.
    QString RowExplanation(int y) const;

signals:
    // The pointer moved over the cells (viewport coordinates).
    void pointerMoved(int x, int y);
    // The panel was entered by the keyboard or a click.
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
