#include "widgets/CaretRest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CaretRest::CaretRest(int restMs, QObject* parent)
    : QObject(parent)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(restMs);
    connect(&m_rest, &QTimer::timeout, this, &CaretRest::Rest);
    QCoreApplication::instance()->installEventFilter(this);
    m_rest.start();
}

CaretRest::~CaretRest() { Wake(); }

bool CaretRest::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
        Wake();
        m_rest.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretRest::Rest()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    if (m_flashTime != 0 || hints->cursorFlashTime() == 0)
        return;
    m_flashTime = hints->cursorFlashTime();
    // The line edits follow the change at once and show the caret steadily.
    hints->setCursorFlashTime(0);
}

void CaretRest::Wake()
{
    if (m_flashTime == 0)
        return;
    QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
    m_flashTime = 0;
}
