#include "app/CSessionEnd.h"

#include "app/AppHooks.h"
#include "base/Globals.h"
#include "platform/PlatWindow.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_SignalPipe[2] = {-1, -1};
const int kSignals[] = {SIGTERM, SIGINT};

void OnEndSignal(int)
{
    // Only what is safe in a signal handler: one byte; a full pipe means an end is pending.
    const char byte = 1;
    const ssize_t n = ::write(g_SignalPipe[1], &byte, 1);
    (void)n;
}
} // namespace

CSessionEnd::CSessionEnd(std::function<void(int)> quit) : m_Quit(std::move(quit))
{
    if (g_SignalPipe[0] >= 0 || ::pipe2(g_SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (g_SignalPipe[0] < 0)
            g_SignalPipe[0] = g_SignalPipe[1] = -1;
        return;
    }
    m_pNotifier = new QSocketNotifier(g_SignalPipe[0], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CSessionEnd::OnSignal);
    struct sigaction sa = {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        sigaction(sig, &sa, nullptr);
}

CSessionEnd::~CSessionEnd()
{
    if (!m_pNotifier)
        return;
    for (int sig : kSignals)
        std::signal(sig, SIG_DFL);
    delete m_pNotifier;
    ::close(g_SignalPipe[0]);
    ::close(g_SignalPipe[1]);
    g_SignalPipe[0] = g_SignalPipe[1] = -1;
}

void CSessionEnd::OnSignal()
{
    char buf[16];
    while (::read(g_SignalPipe[0], buf, sizeof buf) > 0) {
    }
    EndWhenNoDialogIsOpen();
}

void CSessionEnd::EndWhenNoDialogIsOpen()
{
    // A modal dialog runs its own loop, and the code after it would use services that are
    // gone: it is cancelled first (as the learner's Cancel), and the end follows once it closed.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTimer::singleShot(50, this, &CSessionEnd::EndWhenNoDialogIsOpen);
        return;
    }
    // The same road as the log's shut-down request: the view uninstalls and ends the loop.
    if (g_hWndView)
        g_hWndView->PostMsg(WM_DEINSTALL_ALL);
    else
        AppHooks{{}, m_Quit}.Quit(0);
}
