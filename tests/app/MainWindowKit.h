// Shared pieces of the main-window tests: replaceable file dialog and clock,
// and small helpers for reading the window's state.
#pragma once

#include "app/DataPanel.h"
#include "app/SearchBox.h"
#include "app/TForm1.h"
#include "app/Toolbar.h"
#include "platform/Platform.h"
#include "tests/app/FakeMessages.h"
#include "tests/widgets/ButtonTestKit.h"
#include "widgets/ZfkButton.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QMutex>
#include <QTableWidget>
#include <QTest>

// Answers the save dialog with a chosen path ("" = cancelled) and remembers
// what it was asked.
class FakeFileDialogs final : public FileDialogService {
public:
    FakeFileDialogs() { platform::SetFileDialogs(this); }
    ~FakeFileDialogs() override { platform::SetFileDialogs(nullptr); }

    QString GetSaveFileName(QWidget*, const QString& title, const QString& fileName, const QString& filter,
                            const QString& defaultSuffix) override
    {
        ++calls;
        lastTitle = title;
        lastFileName = fileName;
        lastFilter = filter;
        lastSuffix = defaultSuffix;
        return answer;
    }

    QString answer;
    int calls = 0;
    QString lastTitle, lastFileName, lastFilter, lastSuffix;
};

// A clock that starts at a chosen moment and runs at real speed, so the
// clock thread's one-second wait still ends. Read from the clock thread.
class FakeClock final : public ClockService {
public:
    explicit FakeClock(const QDateTime& start)
        : m_start(start)
    {
        m_elapsed.start();
        platform::SetClock(this);
    }
    ~FakeClock() override { platform::SetClock(nullptr); }

    QDateTime Now() const override
    {
        QMutexLocker lock(&m_mutex);
        return m_start.addMSecs(m_elapsed.elapsed());
    }

private:
    mutable QMutex m_mutex;
    QDateTime m_start;
    QElapsedTimer m_elapsed;
};

// The main window as a user first meets it: built, Polish names, shown,
// exposed and past its first-show step (the search box has the focus).
// Message boxes are caught.
struct ShownMainWindow {
    FakeMessages messages;
    std::unique_ptr<TForm1> form;

    bool Show()
    {
        form = std::make_unique<TForm1>();
        form->SetLatin(false);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        QCoreApplication::processEvents();
        return true;
    }
};

inline QString PanelValue(const TForm1& form, int row) { return form.Dane->item(row, 1)->text(); }

inline QStringList PanelValues(const TForm1& form)
{
    QStringList values;
    for (int row = 0; row < form.Dane->rowCount(); ++row)
        values << PanelValue(form, row);
    return values;
}

// Which element buttons are drawn latched.
inline QList<int> LatchedElements()
{
    QList<int> latched;
    for (int z = 1; z <= ElementCount; ++z)
        if (ElementButtons[z - 1]->Selected())
            latched << z;
    return latched;
}

// Points at the middle of an element button and lets it see the pointer
// come in, as the window system would report it.
inline void PointAt(QWidget* w, QPoint local = QPoint(-1, -1))
{
    if (local.x() < 0)
        local = w->rect().center();
    QCursor::setPos(w->mapToGlobal(local));
    const QPointF at(local);
    QEnterEvent event(at, at, QPointF(w->mapToGlobal(local)));
    QApplication::sendEvent(w, &event);
}
