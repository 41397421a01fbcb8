#pragma once

#include "core/engine/DownloadEngine.h"
#include "core/engine/YtdlpError.h"

#include <QCoroSignal>
#include <QObject>
#include <QStringList>
#include <optional>

// The downloader behind a controller: records each download and runs it until the test ends it,
// or with outcomes set ends it on the next event-loop turn with the next one (none = success).
class ScriptedEngine : public QObject, public DownloadEngine {
    Q_OBJECT
public:
    struct Request : DownloadRequest {
        QStringList fields() const {
            return {url,
                    choice.format,
                    choice.videoQuality,
                    choice.audioQuality,
                    outputPath,
                    downloadPlaylists ? "playlists" : "single"};
        }
    };

    QList<Request> requests;
    int stops = 0;
    QList<std::optional<QString>> outcomes;
    QString file;           // the next download to end names this file,
    QStringList toolErrors; // or, failing, these error lines
    bool tools = true;

    bool running() const { return active; }
    void progress(const DownloadProgress& update) { progressHandler(update); }
    void log(const QString& text) { logHandler(text); }
    // Ends the downloads that wait. Their awaiters resume through queued calls, so a second end
    // before those run (a stop after the scripted end) would resume a finished download again.
    void finish(std::optional<QString> failure = {}) {
        if (!std::exchange(waiting, false))
            return;
        outcome = std::move(failure);
        emit finished();
    }

    QCoro::Task<QString> downloadVideo(DownloadRequest request, ProgressHandler onProgress,
                                       LogHandler onLog) override {
        requests << Request{std::move(request)};
        progressHandler = std::move(onProgress);
        logHandler = std::move(onLog);
        active = true;
        if (!outcomes.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, next = outcomes.takeFirst()] { finish(next); }, Qt::QueuedConnection);
        waiting = true;
        co_await qCoro(this, &ScriptedEngine::finished);
        active = false;
        if (outcome)
            throw YtdlpError::downloadFailed(*outcome, toolErrors);
        co_return file;
    }

    bool hasTools() const override { return tools; }

    // For a controller that makes an engine per download: each hands its download to this one.
    std::function<std::unique_ptr<DownloadEngine>()> lender() {
        struct Borrowed : DownloadEngine {
            ScriptedEngine* owner = nullptr;
            QCoro::Task<QString> downloadVideo(DownloadRequest request, ProgressHandler onProgress,
                                               LogHandler onLog) override {
                return owner->downloadVideo(std::move(request), std::move(onProgress),
                                            std::move(onLog));
            }
            void stopDownload() override { owner->stopDownload(); }
            bool hasTools() const override { return owner->hasTools(); }
        };
        return [this] {
            auto borrowed = std::make_unique<Borrowed>();
            borrowed->owner = this;
            return borrowed;
        };
    }

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
    bool waiting = false;
};
