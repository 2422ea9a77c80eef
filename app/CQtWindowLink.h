#pragma once
// The core's window handle on the Qt view: posted messages and repaints.

#include "platform/PlatWindow.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <atomic>

// The core's handle to the view: posted messages become Qt events of the same numbers
// (QEvent::User + n - WM_USER keeps them in Qt's user range), repaints are queued for canvas,
// the part of the view the screen text is drawn on (the view itself when not given), so that
// the view's frame is not drawn again with every write.
class CQtWindowLink : public plat::IWindow {
public:
    explicit CQtWindowLink(QWidget* view, QWidget* canvas = nullptr)
        : m_View(view), m_Canvas(canvas ? canvas : view)
    {
    }

    static QEvent::Type EventType(int message);

    void PostMsg(int message) override;
    void Invalidate() override;

private:
    QPointer<QWidget> m_View;
    QPointer<QWidget> m_Canvas;
    // A repaint queued and not yet taken by the window thread: the writes of one key (the
    // answer, the separator, the progress) then wake the window once, not once a write.
    std::atomic<bool> m_RepaintQueued{false};
};
