#pragma once

#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QUrl>
#include <optional>

class QTcpSocket;

// An HTTP/1.1 server on 127.0.0.1 (any free port) that answers GET and HEAD for the paths it
// was given, the query ignored, and 404 for others; every answer closes its connection.
class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    LoopbackHttpServer();

    QUrl url(const QString& path) const;

    void serve(const QString& path, const QByteArray& body, int status = 200,
               const QByteArray& contentType = {});
    // Announces the whole body but sends only its first bytesSent bytes, then closes; with
    // bytesPerTick, sends that many bytes every tickMs.
    void servePartly(const QString& path, const QByteArray& body, qsizetype bytesSent,
                     qsizetype bytesPerTick = 0, int tickMs = 0,
                     const QByteArray& contentType = {});
    void redirect(const QString& path, const QUrl& target);
    // Serves the body only to a request that sends cookie ("name=value"); 403 to others.
    void serveSignedIn(const QString& path, const QByteArray& body, const QByteArray& cookie);
    // The port then refuses connections.
    void stopListening() { server.close(); }
    // How many bytes of the body went out for path before its connection closed; none while
    // it is open or before it was asked for.
    std::optional<qsizetype> bodyBytesSent(const QString& path) const {
        return closed.contains(path) ? std::optional(closed.value(path)) : std::nullopt;
    }

private:
    struct Response {
        int status = 404;
        QByteArray body;
        qsizetype bytesSent = 0;
        QByteArray location;
        QByteArray contentType;
        qsizetype bytesPerTick = 0;
        int tickMs = 0;
    };

    void readRequest(QTcpSocket* socket);
    void send(QTcpSocket* socket, const QString& path, QByteArray rest, qsizetype bytesPerTick,
              int tickMs, int closeDelayMs);

    QTcpServer server;
    QHash<QString, Response> responses;
    QHash<QString, QByteArray> requiredCookies;
    QHash<QString, qsizetype> sent;
    QHash<QString, qsizetype> closed;
};
