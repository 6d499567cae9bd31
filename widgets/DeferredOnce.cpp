#include "widgets/DeferredOnce.h"

void DeferredOnce::Run(QObject* context, std::function<void()> action)
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(
        context,
        [this, action = std::move(action)] {
            action();
            m_pending = false;
        },
        Qt::QueuedConnection);
}
