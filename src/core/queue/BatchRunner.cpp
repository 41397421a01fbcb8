#include "BatchRunner.h"

#include "QueueStore.h"
#include "core/diagnostics/Failure.h"
#include "core/engine/YtdlpError.h"
#include "core/model/AssignProperty.h"

#include <QPointer>
#include <algorithm>

namespace {

bool isUnfinishedItem(const BulkDownloadItem& item) {
    return isUnfinished(item.status);
}

// A failed item shows the sentence first, when the downloader's lines tell one, then the tool's
// own words where it said why.
QString shown(const Failure& failure, const QString& sentence) {
    const QString said = failure.toolErrors.join('\n');
    return (sentence.isEmpty() ? QString() : sentence + '\n') +
           (said.isEmpty() ? failure.description : said);
}

} // namespace

BatchRunner::BatchRunner(BulkDownloadItemsModel& items, QueueStore& store,
                         const QString& outputFolder, std::unique_ptr<DownloadEngine> engine,
                         QObject* parent)
    : QObject(parent)
    , items(items)
    , store(store)
    , outputFolder(outputFolder)
    , engine(std::move(engine))
    , progressFrames([this] { showProgress(); }) {}

BatchRunner::~BatchRunner() = default;

QCoro::Task<> BatchRunner::startAll() {
    std::shared_ptr<Batch> batch = beginBatch();
    changeItems(
        [](const BulkDownloadItem& item) { return item.status != DownloadStatus::completed; },
        DownloadStatus::pending, 0);
    QList<QUuid> ids;
    ids.reserve(items.items().size());
    for (const BulkDownloadItem& item : items.items())
        ids << item.id;
    return runBatch(std::move(ids), std::move(batch));
}

QCoro::Task<> BatchRunner::startChosen(QSet<QUuid> chosen) {
    std::shared_ptr<Batch> batch = beginBatch();
    QList<QUuid> ids;
    for (const BulkDownloadItem& item : items.items()) {
        if (chosen.contains(item.id) && item.status != DownloadStatus::completed)
            ids << item.id;
    }
    return runBatch(std::move(ids), std::move(batch));
}

// Items are followed by their ids, so rows added or deleted meanwhile neither skip one
// nor run one twice; an item deleted meanwhile is passed over.
QCoro::Task<> BatchRunner::runBatch(QList<QUuid> ids, std::shared_ptr<Batch> batch) {
    const QPointer<BatchRunner> self(this);
    for (const QUuid& id : ids) {
        const int row = items.rowOf(id);
        if (row < 0 || items.items().at(row).status == DownloadStatus::completed)
            continue;
        if (batch->stopRequested) {
            changeItem(row, DownloadStatus::cancelled);
            break;
        }
        changeItem(row, DownloadStatus::downloading);
        co_await downloadItem(id);
        if (!self)
            co_return;
    }
    endBatch(batch);
}

void BatchRunner::stopAll() {
    requestBatchStop();
    if (!running.isEmpty())
        stopDownloads();
    setDownloading(false);
    changeItems(isUnfinishedItem, DownloadStatus::cancelled, 0);
    store.save();
}

void BatchRunner::stopChosen(const QSet<QUuid>& chosen) {
    // Over a copy: a stop may end its download before it returns.
    for (const QUuid& download : running.keys()) {
        if (chosen.contains(download)) {
            requestBatchStop();
            stopDownloads();
            changeItem(items.rowOf(download), DownloadStatus::cancelled, 0);
        }
    }
    changeItems(
        [&chosen](const BulkDownloadItem& item) {
            return chosen.contains(item.id) && isUnfinishedItem(item);
        },
        DownloadStatus::cancelled, 0);
    store.save();
}

void BatchRunner::stopDownloadsOf(const QSet<QUuid>& ids) {
    const QList<QUuid> downloads = running.keys();
    if (std::any_of(downloads.begin(), downloads.end(),
                    [&ids](const QUuid& download) { return ids.contains(download); }))
        stopDownloads();
}

std::shared_ptr<BatchRunner::Batch> BatchRunner::beginBatch() {
    runningBatch = std::make_shared<Batch>();
    ++batchesRunning;
    setDownloading(true);
    return runningBatch;
}

void BatchRunner::endBatch(const std::shared_ptr<Batch>& batch) {
    // A stopped batch that ends after a newer one started leaves the newer one's flag
    // alone, so the window cannot start a third batch beside the running one.
    if (runningBatch == batch) {
        runningBatch.reset();
        setDownloading(false);
        const auto count = [this](DownloadStatus status) {
            return static_cast<int>(std::count_if(
                items.items().begin(), items.items().end(),
                [status](const BulkDownloadItem& item) { return item.status == status; }));
        };
        emit batchEnded(count(DownloadStatus::completed), count(DownloadStatus::failed));
    }
    if (--batchesRunning == 0)
        emit allBatchesEnded();
}

// A stop reaches every download the engine runs; the failures that follow are the stop's.
void BatchRunner::stopDownloads() {
    stoppedUpTo = downloadsStarted;
    engine->stopDownload();
}

void BatchRunner::requestBatchStop() {
    if (runningBatch)
        runningBatch->stopRequested = true;
}

QCoro::Task<> BatchRunner::downloadItem(QUuid id) {
    const int row = items.rowOf(id);
    if (row < 0)
        co_return;
    const BulkDownloadItem item = items.items().at(row);
    const QPointer<BatchRunner> self(this);
    // Results are addressed by the item's id: rows may have moved by the time they come.
    DownloadEngine::ProgressHandler onProgress = [self, id](const DownloadProgress& update) {
        if (self)
            self->keepProgress(id, update);
    };
    // The queue keeps no log, only why the last run failed.
    const DownloadEngine::LogHandler onLog = [](const QString&) {
    };
    running.insert(id, std::nullopt);
    const int number = ++downloadsStarted;
    // Named first: gcc 12 destroys a braced aggregate built inside a co_await expression twice.
    const DownloadRequest request{item.url, item.choice, outputFolder, false,
                                  DownloaderOptions::current()};
    std::optional<QString> failure;
    try {
        co_await engine->downloadVideo(request, onProgress, onLog);
    } catch (...) { // a stopped download included
        failure = shown(Failure::caught(), YtdlpError::caughtMeaning().sentence);
    }
    if (!self)
        co_return;
    running.remove(id);
    // The stop left the item as the user asked (Cancelled, deleted or started again).
    if (failure && number <= stoppedUpTo)
        co_return;
    const int endRow = items.rowOf(id);
    if (!failure)
        changeItem(endRow, DownloadStatus::completed, 100);
    else if (items.setFailed(endRow, *failure))
        emit itemsChanged();
    store.save();
}

void BatchRunner::setDownloading(bool value) {
    assignProperty(this, downloading, value, &BatchRunner::isDownloadingChanged);
}

void BatchRunner::keepProgress(const QUuid& id, const DownloadProgress& update) {
    const auto download = running.find(id);
    if (download == running.end())
        return;
    // The newest real percentage may still be waiting for its frame.
    DownloadProgress shown = update;
    if (download->has_value())
        shown.percent = shownPercent((*download)->percent, update);
    *download = shown;
    progressFrames.request();
}

void BatchRunner::showProgress() {
    bool changed = false;
    for (auto download = running.begin(); download != running.end(); ++download) {
        const std::optional<DownloadProgress> update = std::exchange(download.value(), {});
        const int row = items.rowOf(download.key());
        // A stopped item keeps what its stop gave it.
        if (update && row >= 0 && items.items().at(row).status == DownloadStatus::downloading)
            changed |= items.setProgress(row, shownPercent(items.items().at(row).progress, *update),
                                         progressDetailsText(*update));
    }
    if (changed)
        emit itemsChanged();
}

void BatchRunner::changeItem(int row, DownloadStatus status) {
    if (items.setStatus(row, status))
        emit itemsChanged();
}

void BatchRunner::changeItem(int row, DownloadStatus status, double progress) {
    if (items.setStatus(row, status, progress))
        emit itemsChanged();
}

void BatchRunner::changeItems(const BulkDownloadItemsModel::Filter& chosen, DownloadStatus status,
                              double progress) {
    if (items.setStatusWhere(chosen, status, progress))
        emit itemsChanged();
}
