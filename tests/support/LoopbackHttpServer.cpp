#include "LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer() {
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        }
    });
}

QUrl LoopbackHttpServer::url(const QString& path) const {
    return QUrl(QString("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
}

void LoopbackHttpServer::serve(const QString& path, const QByteArray& body, int status,
                               const QByteArray& contentType) {
    responses.insert(path, {status, body, body.size(), {}, contentType});
}

void LoopbackHttpServer::servePartly(const QString& path, const QByteArray& body,
                                     qsizetype bytesSent, qsizetype bytesPerTick, int tickMs,
                                     const QByteArray& contentType) {
    responses.insert(path, {200, body, bytesSent, {}, contentType, bytesPerTick, tickMs});
}

void LoopbackHttpServer::redirect(const QString& path, const QUrl& target) {
    responses.insert(path, {302, {}, 0, target.toEncoded(), {}});
}

void LoopbackHttpServer::serveSignedIn(const QString& path, const QByteArray& body,
                                       const QByteArray& cookie) {
    serve(path, body);
    requiredCookies.insert(path, cookie);
}

void LoopbackHttpServer::readRequest(QTcpSocket* socket) {
    // Requests are bodiless: wait for the end of the header block.
    if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    const QByteArray headers = socket->readAll();
    const QString path = QString(requestLine.value(1)).section('?', 0, 0);
    Response response = responses.value(path);
    if (const QByteArray cookie = requiredCookies.value(path);
        !cookie.isEmpty() && !headers.contains(cookie))
        response = {403, "signed-in users only", 20, {}, {}};
    sent[path] = 0;
    connect(socket, &QTcpSocket::disconnected, this, [this, path] { closed[path] = sent[path]; });
    // Clients read the status code; the reason phrase is free text.
    QByteArray header = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    if (!response.location.isEmpty())
        header += "Location: " + response.location + "\r\n";
    if (!response.contentType.isEmpty())
        header += "Content-Type: " + response.contentType + "\r\n";
    socket->write(header + "Content-Length: " + QByteArray::number(response.body.size()) +
                  "\r\nConnection: close\r\n\r\n");
    if (requestLine.value(0) == "HEAD")
        return socket->disconnectFromHost();
    const QByteArray body = response.body.first(response.bytesSent);
    // A cut-off transfer closes a moment after its bytes, as a dying server does; a client
    // could take an immediate close for a stale connection.
    const int closeDelayMs = body.size() < response.body.size() ? 50 : 0;
    send(socket, path, body, response.bytesPerTick > 0 ? response.bytesPerTick : body.size(),
         response.tickMs, closeDelayMs);
}

void LoopbackHttpServer::send(QTcpSocket* socket, const QString& path, QByteArray rest,
                              qsizetype bytesPerTick, int tickMs, int closeDelayMs) {
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    sent[path] += socket->write(rest.first(std::min(bytesPerTick, rest.size())));
    rest.remove(0, bytesPerTick);
    if (rest.isEmpty()) // closes after everything written has gone out
        QTimer::singleShot(closeDelayMs, socket, [socket] { socket->disconnectFromHost(); });
    else
        QTimer::singleShot(tickMs, socket, [=, this] {
            send(socket, path, rest, bytesPerTick, tickMs, closeDelayMs);
        });
}
