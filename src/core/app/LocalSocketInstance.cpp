#include "LocalSocketInstance.h"

#include "core/text/WebAddress.h"

#include <QLocalSocket>
#include <chrono>
#include <qcoro/qcorolocalsocket.h>
#include <qcoro/qcorotimer.h>

using namespace std::chrono_literals;

LocalSocketInstance::LocalSocketInstance(const QString& folder, QObject* parent)
    : QObject(parent)
    , socketPath(folder + "/com.velnor.Morvi.socket")
    , lock(folder + "/com.velnor.Morvi.lock") {
    // Only a lock whose process has ended is stale; a long-running Morvi keeps its lock.
    lock.setStaleLockTime(0);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, &LocalSocketInstance::receive);
}

bool LocalSocketInstance::claim() {
    if (!lock.tryLock(0))
        return false;
    // A socket file left by a Morvi that crashed is in the way; the lock says it is unused.
    QLocalServer::removeServer(socketPath);
    // Should listening fail, later starts cannot reach this one, yet the lock still keeps
    // them from running beside it.
    server.listen(socketPath);
    return true;
}

void LocalSocketInstance::receive() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            QStringList addresses;
            // Only web addresses are taken, whoever wrote to the socket.
            for (const QString& line : QString::fromUtf8(socket->readAll()).split('\n')) {
                if (isWebAddress(line))
                    addresses << line;
            }
            socket->deleteLater();
            emit openRequested(addresses);
        });
    }
}

QCoro::Task<bool> LocalSocketInstance::forward(QStringList addresses) {
    QLocalSocket socket;
    // A local connection is made or refused at once, unless the server's backlog is full.
    for (int attempt = 0; attempt < 50 && socket.state() != QLocalSocket::ConnectedState;
         ++attempt) {
        socket.connectToServer(socketPath);
        if (socket.state() == QLocalSocket::ConnectingState)
            co_await qCoro(socket).waitForConnected(1s);
        if (socket.state() != QLocalSocket::ConnectedState)
            co_await QCoro::sleepFor(100ms);
    }
    if (socket.state() != QLocalSocket::ConnectedState)
        co_return false;
    QByteArray message;
    for (const QString& address : addresses)
        message += address.toUtf8() + '\n';
    socket.write(message);
    // The running one reads the whole message once this end closes.
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        co_await qCoro(socket).waitForDisconnected(5s);
    co_return socket.state() == QLocalSocket::UnconnectedState;
}
