#pragma once
// A file given to a second start of the window handed to the one that runs, over a local socket
// beside the single-instance guard's lock: the running window opens it, the second start ends.

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>

class QSocketNotifier;

namespace handover {

// The running window's end: listens at path (a stale socket left by a killed window is
// replaced) and gives each path it receives to open.
class CServer : public QObject {
public:
    CServer(const QString& path, std::function<void(const QString&)> open);
    ~CServer() override;
    bool Listening() const { return m_Listener >= 0; }

private:
    void Accept();
    void Read(int client);
    void Drop(int client);

    int m_Listener;
    QSocketNotifier* m_pNotifier = nullptr;
    std::function<void(const QString&)> m_Open;
    // Each connection's notifier and the bytes it sent so far.
    std::map<int, std::pair<QSocketNotifier*, std::string>> m_Clients;
};

// The second start's end: hands file (an absolute path) to the window listening at path;
// false when none took it within a few seconds.
bool HandTo(const QString& path, const QString& file);

} // namespace handover
