#include "app/CQtWindowLink.h"

#include <QCoreApplication>
#include <QMetaObject>

QEvent::Type CQtWindowLink::EventType(int message)
{
    // 1029..1031 are below QEvent::User; the same offsets above it keep the numbers apart.
    return static_cast<QEvent::Type>(QEvent::User + message);
}

void CQtWindowLink::PostMsg(int message)
{
    if (m_View)
        QCoreApplication::postEvent(m_View, new QEvent(EventType(message)));
}

void CQtWindowLink::Invalidate()
{
    QWidget* view = m_View;
    if (!view || m_RepaintQueued.exchange(true))
        return;
    // Cleared before the update: a write after it queues the next repaint.
    QMetaObject::invokeMethod(
        view,
        [this, view] {
            m_RepaintQueued = false;
            if (m_Repaint)
                m_Repaint();
            else
                view->update();
        },
        Qt::QueuedConnection);
}
