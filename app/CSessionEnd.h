#pragma once
// The end of the desktop session (SIGTERM from the session manager or a kill, SIGINT from the
// terminal the program was started in) closes the program as its Exit command does: the
// results folder emptied, the last path and the confirmed settings saved, exit code 0.
// The signal only writes a byte into a pipe; the window thread does the rest.

#include <QObject>

#include <functional>

class QSocketNotifier;

class CSessionEnd : public QObject {
    Q_OBJECT
public:
    // Takes over SIGTERM and SIGINT until destroyed, then gives them their default action back.
    // One at a time per process. quit ends the message loop when no view is there to end it
    // (unset: QCoreApplication::exit).
    explicit CSessionEnd(std::function<void(int)> quit = {});
    ~CSessionEnd() override;

    // Whether the signals are taken over (false when the pipe could not be made).
    bool Active() const { return m_pNotifier != nullptr; }

private:
    void OnSignal();
    void EndWhenNoDialogIsOpen();

    QSocketNotifier* m_pNotifier = nullptr;
    std::function<void(int)> m_Quit;
};
