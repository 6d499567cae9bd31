// Where the Tab key really takes the focus in a shown window: pressed from
// first until the focus comes back to it. Walking the focus chain instead
// would miss a control that takes the Tab and then hands the focus to
// nothing, which leaves the user stuck.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// The widgets that had the focus, first first. A focus that stays put ends
// the list with a repeat, one that never comes back makes it long: either
// way a comparison shows where the round broke.
inline QList<QWidget*> TabWalk(QWidget* first, bool back = false, int limit = 60)
{
    QWidget* window = first->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {};
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited{QApplication::focusWidget()};
    for (int i = 0; i < limit; ++i) {
        QWidget* at = QApplication::focusWidget();
        QTest::keyClick(at, back ? Qt::Key_Backtab : Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == visited.first())
            return visited;
        visited << now;
        if (now == at)
            return visited;
    }
    return visited;
}
