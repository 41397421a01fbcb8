#include "LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace {
const char* reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}
} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject* parent)
    : QObject(parent) {
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
    Response response;
    response.status = status;
    response.body = body;
    response.bytesSent = body.size();
    response.contentType = contentType;
    responses.insert(path, response);
}

void LoopbackHttpServer::serveSlowly(const QString& path, const QByteArray& body,
                                     const QByteArray& contentType, qsizetype bytesPerTick,
                                     int tickMs) {
    Response response;
    response.status = 200;
    response.body = body;
    response.bytesSent = body.size();
    response.contentType = contentType;
    response.bytesPerTick = bytesPerTick;
    response.tickMs = tickMs;
    responses.insert(path, response);
}

void LoopbackHttpServer::serveCutOff(const QString& path, const QByteArray& body,
                                     qsizetype bytesSent) {
    Response response;
    response.status = 200;
    response.body = body;
    response.bytesSent = bytesSent;
    responses.insert(path, response);
}

void LoopbackHttpServer::redirect(const QString& path, const QUrl& target, int status) {
    Response response;
    response.status = status;
    response.location = target.toEncoded();
    responses.insert(path, response);
}

void LoopbackHttpServer::readRequest(QTcpSocket* socket) {
    // Requests are tiny and bodiless: wait until the header block is complete.
    if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    socket->readAll();
    const QString path = requestLine.value(1);
    const Response response = responses.value(path.section('?', 0, 0));
    socket->write(header(response));
    if (requestLine.value(0) == "HEAD") {
        socket->disconnectFromHost();
        return;
    }
    if (response.bytesPerTick > 0) {
        sendSlowly(socket, response.body, response.bytesPerTick, response.tickMs);
        return;
    }
    socket->write(response.body.first(response.bytesSent));
    // A cut-off transfer closes a moment after the partial body, as a server that dies
    // mid-transfer does; otherwise the client may take the close for a stale connection.
    const int closeDelayMs = response.bytesSent < response.body.size() ? 50 : 0;
    QTimer::singleShot(closeDelayMs, socket, [socket] {
        socket->disconnectFromHost(); // after everything written has gone out
    });
}

void LoopbackHttpServer::sendSlowly(QTcpSocket* socket, QByteArray rest, qsizetype bytesPerTick,
                                    int tickMs) {
    socket->write(rest.first(std::min(bytesPerTick, rest.size())));
    rest.remove(0, std::min(bytesPerTick, rest.size()));
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QTimer::singleShot(tickMs, socket, [=] { sendSlowly(socket, rest, bytesPerTick, tickMs); });
}

QByteArray LoopbackHttpServer::header(const Response& response) {
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + " " +
                       reasonPhrase(response.status) + "\r\n";
    if (!response.location.isEmpty())
        bytes += "Location: " + response.location + "\r\n";
    if (!response.contentType.isEmpty())
        bytes += "Content-Type: " + response.contentType + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    return bytes + "Connection: close\r\n\r\n";
}
