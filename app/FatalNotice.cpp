#include "app/FatalNotice.h"

#include "app/CMainFrame.h"
#include "app/WindowTexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QSemaphore>
#include <QThread>

namespace {
// How long a thread waits for the window thread to take up the box: a window thread that is
// itself waiting for the caller never does, and the process then ends without it.
constexpr int kTakeUpMs = 3000;

void ShowBox(const QString& text)
{
    // Before the main window exists (a settings file that cannot be read at the start) the box
    // stands alone: the end is never silent.
    QMessageBox::critical(g_pMainWnd, ProductTitle(), text);
}
} // namespace

void ShowFatalNotice(const char* reason)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!qobject_cast<QApplication*>(app))
        return;
    const QString text = QString::fromUtf8(reason).trimmed();
    if (QThread::currentThread() == app->thread()) {
        ShowBox(text);
        return;
    }
    // Both semaphores outlive the call: the process ends right after, never before the box is
    // either closed or not taken up.
    static QSemaphore takenUp, closed;
    QMetaObject::invokeMethod(
        app,
        [text] {
            takenUp.release();
            ShowBox(text);
            closed.release();
        },
        Qt::QueuedConnection);
    if (takenUp.tryAcquire(1, kTakeUpMs))
        closed.acquire();
}
