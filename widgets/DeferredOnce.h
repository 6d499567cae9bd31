// An action run from the event loop instead of inside the call that asks
// for it, one at a time. A screen reader's press waits for the press to
// return: a modal window opened inside it would hold the reader until the
// window closed.
#pragma once

#include <QObject>

#include <functional>

class DeferredOnce {
public:
    // Queues action on context's thread. Asked again while it waits or
    // runs (a repeated press, a press from inside the window it opened),
    // it does nothing. A context that goes first takes the action with it.
    void Run(QObject* context, std::function<void()> action);

private:
    bool m_pending = false;
};
