#pragma once

#include "BulkDownloadItemsModel.h"
#include "core/engine/DownloadEngine.h"
#include "core/model/FrameThrottle.h"

#include <QCoroTask>
#include <QObject>
#include <QUuid>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QueueStore;

// Runs the queue's batches: downloads their items in queue order, as many at once as
// Preferences asks for when the batch starts, each through an engine of its own; follows each
// item by its id (rows may move or go while it runs), shows each running download's progress
// at most once per frame, and stores the queue after each item's end. A stop belongs to the
// batch that was running when it was asked for.
class BatchRunner : public QObject {
    Q_OBJECT
public:
    using EngineFactory = std::function<std::unique_ptr<DownloadEngine>()>;

    // Each download goes into outputFolder as it is when the download starts, through an engine
    // that makeEngine makes for it.
    BatchRunner(BulkDownloadItemsModel& items, QueueStore& store, const QString& outputFolder,
                EngineFactory makeEngine, QObject* parent = nullptr);
    ~BatchRunner() override;

    // Whether a batch runs that was not stopped.
    bool isDownloading() const { return downloading; }
    // Whether a batch still runs, a stopped one that is still ending included.
    bool hasRunningBatch() const { return batchesRunning > 0; }

    // Sets every item but the completed ones back to Pending and downloads them in order.
    // Each starts with the options Preferences holds then, which its row's tooltip tells.
    QCoro::Task<> startAll();
    // Downloads the chosen items that are not completed, in queue order.
    QCoro::Task<> startChosen(QSet<QUuid> chosen);
    // Stops the batch and every running download; every unfinished item is Cancelled.
    void stopAll();
    // Stops the downloads of the chosen items, and with one of them the batch; the chosen
    // unfinished items are Cancelled.
    void stopChosen(const QSet<QUuid>& chosen);
    // Stops the running downloads of items about to be deleted: a download of an item
    // that no longer exists must not go on writing its file. The batch goes on.
    void stopDownloadsOf(const QSet<QUuid>& ids);

signals:
    void itemsChanged();
    void isDownloadingChanged();
    // The running batch has ended; the counts are of the whole queue at that moment.
    void batchEnded(int completed, int failed);
    // The last batch still running, stopped or not, has ended.
    void allBatchesEnded();

private:
    // A stop request belongs to the batch that was running when it was made.
    struct Batch {
        bool stopRequested = false;
        // The items no lane has taken yet, in queue order.
        QList<QUuid> waiting;
    };

    // One running download of an item with its engine and its latest progress while that
    // waits for its frame.
    struct Download {
        QUuid id;
        std::unique_ptr<DownloadEngine> engine;
        std::optional<DownloadProgress> progress;
        // Stopped by the user: its failure is the stop's, and the item stays as the stop left it.
        bool stopped = false;
    };

    std::shared_ptr<Batch> beginBatch();
    void endBatch(const std::shared_ptr<Batch>& batch);
    void requestBatchStop();
    QCoro::Task<> runBatch(QList<QUuid> ids, std::shared_ptr<Batch> batch);
    QCoro::Task<> runLane(std::shared_ptr<Batch> batch);
    QCoro::Task<> downloadItem(QUuid id);
    // Adds a download of the item with a new engine; returns its number in running.
    int startRun(const QUuid& id);
    // Stops the running downloads of the items chosen.
    void stopRuns(const std::function<bool(const QUuid&)>& chosen);
    void setDownloading(bool value);
    void keepProgress(int run, const DownloadProgress& update);
    void showProgress();
    void changeItem(int row, DownloadStatus status);
    void changeItem(int row, DownloadStatus status, double progress);
    void changeItems(const BulkDownloadItemsModel::Filter& chosen, DownloadStatus status,
                     double progress);

    BulkDownloadItemsModel& items;
    QueueStore& store;
    const QString& outputFolder;
    EngineFactory makeEngine;
    bool downloading = false;
    std::shared_ptr<Batch> runningBatch;
    int batchesRunning = 0;
    // The downloads that run, by their numbers: a stopped download of an item may still be
    // ending when the item runs again.
    std::map<int, Download> running;
    int runs = 0;
    FrameThrottle progressFrames;
};
