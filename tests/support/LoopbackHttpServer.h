#pragma once

#include <QHash>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

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
                     qsizetype bytesPerTick = 0, int tickMs = 0);
    void redirect(const QString& path, const QUrl& target);
    // The port then refuses connections.
    void stopListening() { server.close(); }

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
    static void send(QTcpSocket* socket, QByteArray rest, qsizetype bytesPerTick, int tickMs,
                     int closeDelayMs);

    QTcpServer server;
    QHash<QString, Response> responses;
};
