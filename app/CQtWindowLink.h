#pragma once
// The core's window handle on the Qt view: posted messages and repaints.

#include "platform/PlatWindow.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <atomic>
#include <functional>

// The core's handle to the view: posted messages become Qt events of the same numbers
// (QEvent::User + n - WM_USER keeps them in Qt's user range), repaints are queued: repaint is
// called on the view's thread (it asks for the repaint of what the writes changed), or, when
// not given, the whole view is updated.
class CQtWindowLink : public plat::IWindow {
public:
    explicit CQtWindowLink(QWidget* view, std::function<void()> repaint = {})
        : m_View(view), m_Repaint(std::move(repaint))
    {
    }

    static QEvent::Type EventType(int message);

    void PostMsg(int message) override;
    void Invalidate() override;

private:
    QPointer<QWidget> m_View;
    std::function<void()> m_Repaint;
    // A repaint queued and not yet taken by the window thread: the writes of one key (the
    // answer, the separator, the progress) then wake the window once, not once a write.
    std::atomic<bool> m_RepaintQueued{false};
};
