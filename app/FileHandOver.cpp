#include "app/FileHandOver.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace handover {

namespace {
constexpr int kWaitMs = 3000;
}

CServer::CServer(const QString& path, std::function<void(const QString&)> open)
    : m_pServer(new QLocalServer(this)), m_Open(std::move(open))
{
    // Only the user may connect: the socket lives in his private runtime folder as well.
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the guard, so a socket found there was left by a window that is gone.
    QLocalServer::removeServer(path);
    m_pServer->listen(path);
    connect(m_pServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_pServer->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            // One path per connection, UTF-8, ended by a line feed.
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->canReadLine())
                    return;
                const QString file = QString::fromUtf8(client->readLine()).chopped(1);
                client->write("ok\n");
                client->flush();
                if (!file.isEmpty())
                    m_Open(file);
            });
        }
    });
}

bool CServer::Listening() const
{
    return m_pServer->isListening();
}

bool HandTo(const QString& path, const QString& file)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(file.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kWaitMs))
        return false;
    // The answer says the window took the path.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kWaitMs))
            return false;
    return socket.readLine() == "ok\n";
}

} // namespace handover
