#pragma once

#include "BulkDownloadItemsModel.h"
#include "core/engine/DownloadEngine.h"
#include "core/model/FrameThrottle.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QUuid>
#include <memory>
#include <optional>

class QueueStore;

// Runs the queue's batches: downloads their items one after another through the engine,
// follows each item by its id (rows may move or go while it runs), shows each running
// download's progress at most once per frame, and stores the queue after each item's end.
// A stop belongs to the batch that was running when it was asked for.
class BatchRunner : public QObject {
    Q_OBJECT
public:
    // Each download goes into outputFolder as it is when the download starts.
    BatchRunner(BulkDownloadItemsModel& items, QueueStore& store, const QString& outputFolder,
                std::unique_ptr<DownloadEngine> engine, QObject* parent = nullptr);
    ~BatchRunner() override;

    // Whether a batch runs that was not stopped.
    bool isDownloading() const { return downloading; }
    // Whether a batch still runs, a stopped one that is still ending included.
    bool hasRunningBatch() const { return batchesRunning > 0; }

    // Sets every item but the completed ones back to Pending and downloads them in order.
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
    };

    std::shared_ptr<Batch> beginBatch();
    void endBatch(const std::shared_ptr<Batch>& batch);
    void requestBatchStop();
    void stopDownloads();
    QCoro::Task<> runBatch(QList<QUuid> ids, std::shared_ptr<Batch> batch);
    QCoro::Task<> downloadItem(QUuid id);
    void setDownloading(bool value);
    void keepProgress(const QUuid& id, const DownloadProgress& update);
    void showProgress();
    void changeItem(int row, DownloadStatus status);
    void changeItem(int row, DownloadStatus status, double progress);
    void changeItems(const BulkDownloadItemsModel::Filter& chosen, DownloadStatus status,
                     double progress);

    BulkDownloadItemsModel& items;
    QueueStore& store;
    const QString& outputFolder;
    std::unique_ptr<DownloadEngine> engine;
    bool downloading = false;
    std::shared_ptr<Batch> runningBatch;
    int batchesRunning = 0;
    // The downloads that run, by item id, each with its latest progress while that waits
    // for its frame. The one engine runs them: a stop reaches every download it runs.
    QHash<QUuid, std::optional<DownloadProgress>> running;
    // Numbers the downloads: those up to stoppedUpTo were stopped by the user, and each ends
    // as the stop left its item.
    int downloadsStarted = 0;
    int stoppedUpTo = 0;
    FrameThrottle progressFrames;
};
