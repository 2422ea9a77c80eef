#pragma once
// A file given to a second start of the window handed to the one that runs, over a local socket
// beside the single-instance guard's lock: the running window opens it, the second start ends.

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace handover {

// The running window's end: listens at path (a stale socket left by a killed window is
// replaced) and gives each path it receives to open.
class CServer : public QObject {
public:
    CServer(const QString& path, std::function<void(const QString&)> open);
    bool Listening() const;

private:
    QLocalServer* m_pServer;
    std::function<void(const QString&)> m_Open;
};

// The second start's end: hands file (an absolute path) to the window listening at path;
// false when none took it within a few seconds.
bool HandTo(const QString& path, const QString& file);

} // namespace handover
