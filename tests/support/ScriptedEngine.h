#pragma once

#include "core/engine/DownloadEngine.h"
#include "core/engine/YtdlpError.h"

#include <QCoroSignal>
#include <QObject>
#include <QStringList>
#include <optional>

// Stands in for the downloader behind a controller: records each download asked for and
// runs it until the test ends it. With outcomes set, each download ends by itself on the
// next turn of the event loop with the next outcome (no failure text = success).
class ScriptedEngine : public QObject, public DownloadEngine {
    Q_OBJECT
public:
    struct Request {
        QString url, format, videoQuality, audioQuality, outputPath;
        bool playlists = false;

        // Its values in order, with "playlists" or "single" last.
        QStringList fields() const {
            const QString kind = playlists ? "playlists" : "single";
            return {url, format, videoQuality, audioQuality, outputPath, kind};
        }
    };

    QList<Request> requests;
    int stops = 0;
    QList<std::optional<QString>> outcomes;
    // What the next download that ends names as its file, or as the tool's error lines.
    QString file;
    QStringList toolErrors;
    bool tools = true;

    bool running() const { return active; }
    // Feeds the running download, as its output would.
    void progress(const DownloadProgress& update) { progressHandler(update); }
    void log(const QString& text) { logHandler(text); }
    // Ends the running download: success, or failure with the downloader's reason.
    void finish(std::optional<QString> failure = {}) {
        outcome = std::move(failure);
        emit finished();
    }

    QCoro::Task<QString> downloadVideo(QString url, QString format, QString videoQuality,
                                       QString audioQuality, QString outputPath, bool playlists,
                                       ProgressHandler onProgress, LogHandler onLog) override {
        requests << Request{url, format, videoQuality, audioQuality, outputPath, playlists};
        progressHandler = std::move(onProgress);
        logHandler = std::move(onLog);
        active = true;
        if (!outcomes.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, next = outcomes.takeFirst()] { finish(next); }, Qt::QueuedConnection);
        co_await qCoro(this, &ScriptedEngine::finished);
        active = false;
        if (outcome)
            throw YtdlpError::downloadFailed(*outcome, toolErrors);
        co_return file;
    }

    bool hasTools() const override { return tools; }

    void stopDownload() override {
        ++stops;
        if (active)
            QMetaObject::invokeMethod(
                this, [this] { finish("Process exited with code 15"); }, Qt::QueuedConnection);
    }

signals:
    void finished();

private:
    ProgressHandler progressHandler;
    LogHandler logHandler;
    std::optional<QString> outcome;
    bool active = false;
};
