#include "app/FileHandOver.h"

#include "platform/PlatLocalSocket.h"

#include <QFile>
#include <QSocketNotifier>

namespace handover {

namespace {
constexpr int kWaitMs = 3000;
// A path is at most the platform's; a connection that sends more without a line feed is dropped.
constexpr std::size_t kMostBytes = 8192;
} // namespace

CServer::CServer(const QString& path, std::function<void(const QString&)> open)
    : m_Listener(plat::ListenLocal(QFile::encodeName(path).toStdString())), m_Open(std::move(open))
{
    if (m_Listener < 0)
        return;
    m_pNotifier = new QSocketNotifier(m_Listener, QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { Accept(); });
}

CServer::~CServer()
{
    while (!m_Clients.empty())
        Drop(m_Clients.begin()->first);
    delete m_pNotifier;
    plat::CloseLocal(m_Listener);
}

void CServer::Accept()
{
    for (int client; (client = plat::AcceptLocal(m_Listener)) >= 0;) {
        auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        m_Clients[client] = {notifier, std::string()};
        connect(notifier, &QSocketNotifier::activated, this, [this, client] { Read(client); });
    }
}

void CServer::Read(int client)
{
    std::string& bytes = m_Clients[client].second;
    const bool open = plat::ReadLocal(client, bytes);
    // One path per connection, UTF-8, ended by a line feed; the answer says it was taken.
    const std::size_t end = bytes.find('\n');
    if (end == std::string::npos) {
        if (!open || bytes.size() > kMostBytes)
            Drop(client);
        return;
    }
    const QString file = QString::fromUtf8(bytes.data(), qsizetype(end));
    plat::WriteLocal(client, "ok\n");
    Drop(client);
    if (!file.isEmpty())
        m_Open(file);
}

void CServer::Drop(int client)
{
    const auto at = m_Clients.find(client);
    if (at == m_Clients.end())
        return;
    delete at->second.first;
    m_Clients.erase(at);
    plat::CloseLocal(client);
}

bool HandTo(const QString& path, const QString& file)
{
    std::string answer;
    return plat::AskLocal(QFile::encodeName(path).toStdString(), file.toUtf8().toStdString(), answer, kWaitMs) &&
        answer == "ok";
}

} // namespace handover
