#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 (any free port) for tests that download: it answers
// GET and HEAD requests for the paths it was given (the query is ignored) with a fixed status
// and body, can redirect, can break a transfer off in the middle of the body, and can send a
// body slowly. Every answer closes its connection. Paths it was not given are answered with
// 404 and an empty body.
class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject* parent = nullptr);

    // http://127.0.0.1:<port><path>
    QUrl url(const QString& path) const;

    void serve(const QString& path, const QByteArray& body, int status = 200,
               const QByteArray& contentType = {});
    // Sends the body in pieces of bytesPerTick, one piece every tickMs.
    void serveSlowly(const QString& path, const QByteArray& body, const QByteArray& contentType,
                     qsizetype bytesPerTick, int tickMs);
    // Announces the whole body (Content-Length), sends only its first bytesSent bytes, then
    // closes the connection.
    void serveCutOff(const QString& path, const QByteArray& body, qsizetype bytesSent);
    void redirect(const QString& path, const QUrl& target, int status = 302);

    // Stops accepting connections, so that the port refuses them.
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
    static QByteArray header(const Response& response);
    // Sends the body bytesPerTick at a time, tickMs apart, then closes after closeDelayMs.
    static void send(QTcpSocket* socket, QByteArray rest, qsizetype bytesPerTick, int tickMs,
                     int closeDelayMs);

    QTcpServer server;
    QHash<QString, Response> responses;
};
