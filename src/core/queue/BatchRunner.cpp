#include "BatchRunner.h"

#include "QueueStore.h"
#include "core/diagnostics/Failure.h"
#include "core/engine/YtdlpError.h"
#include "core/model/AssignProperty.h"
#include "core/preferences/PreferencesStorage.h"
#include "core/storage/KeyValueStore.h"

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
                         const QString& outputFolder, EngineFactory makeEngine, QObject* parent)
    : QObject(parent)
    , items(items)
    , store(store)
    , outputFolder(outputFolder)
    , makeEngine(std::move(makeEngine))
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

// The lanes take the items in queue order; the batch ends when the last lane has.
QCoro::Task<> BatchRunner::runBatch(QList<QUuid> ids, std::shared_ptr<Batch> batch) {
    const QPointer<BatchRunner> self(this);
    batch->waiting = std::move(ids);
    const int lanes = PreferencesStorage::read(*PreferencesStorage::open()).downloadsAtOnce;
    std::vector<QCoro::Task<>> started;
    for (int lane = 0; lane < lanes; ++lane)
        started.push_back(runLane(batch));
    for (QCoro::Task<>& lane : started)
        co_await lane;
    if (self)
        endBatch(batch);
}

// Items are followed by their ids, so rows added or deleted meanwhile neither skip one
// nor run one twice; an item deleted meanwhile is passed over. After a stop of the batch the
// next item shows as Cancelled and no lane takes another.
QCoro::Task<> BatchRunner::runLane(std::shared_ptr<Batch> batch) {
    const QPointer<BatchRunner> self(this);
    while (!batch->waiting.isEmpty()) {
        const QUuid id = batch->waiting.takeFirst();
        const int row = items.rowOf(id);
        if (row < 0 || items.items().at(row).status == DownloadStatus::completed)
            continue;
        if (batch->stopRequested) {
            changeItem(row, DownloadStatus::cancelled);
            batch->waiting.clear();
            break;
        }
        changeItem(row, DownloadStatus::downloading);
        co_await downloadItem(id);
        if (!self)
            co_return;
    }
}

void BatchRunner::stopAll() {
    requestBatchStop();
    stopRuns([](const QUuid&) { return true; });
    setDownloading(false);
    changeItems(isUnfinishedItem, DownloadStatus::cancelled, 0);
    store.save();
}

void BatchRunner::stopChosen(const QSet<QUuid>& chosen) {
    QSet<QUuid> stopped;
    stopRuns([&](const QUuid& download) {
        if (chosen.contains(download))
            stopped << download;
        return chosen.contains(download);
    });
    if (!stopped.isEmpty())
        requestBatchStop();
    for (const QUuid& download : std::as_const(stopped))
        changeItem(items.rowOf(download), DownloadStatus::cancelled, 0);
    changeItems(
        [&chosen](const BulkDownloadItem& item) {
            return chosen.contains(item.id) && isUnfinishedItem(item);
        },
        DownloadStatus::cancelled, 0);
    store.save();
}

void BatchRunner::stopDownloadsOf(const QSet<QUuid>& ids) {
    stopRuns([&ids](const QUuid& download) { return ids.contains(download); });
}

// Over the numbers first: a stop may end its download, and so its entry, before it returns.
void BatchRunner::stopRuns(const std::function<bool(const QUuid&)>& chosen) {
    QList<int> numbers;
    for (const auto& [number, download] : running) {
        if (chosen(download.id))
            numbers << number;
    }
    for (const int number : std::as_const(numbers)) {
        if (const auto download = running.find(number); download != running.end()) {
            download->second.stopped = true;
            download->second.engine->stopDownload();
        }
    }
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
    // Results are addressed by the run's number, not the row: rows may have moved by the time
    // they come.
    const int run = startRun(id);
    DownloadEngine::ProgressHandler onProgress = [self, run](const DownloadProgress& update) {
        if (self)
            self->keepProgress(run, update);
    };
    // The queue keeps no log, only why the last run failed.
    const DownloadEngine::LogHandler onLog = [](const QString&) {
    };
    // Named first: gcc 12 destroys a braced aggregate built inside a co_await expression twice.
    const DownloadRequest request{item.url,
                                  item.choice,
                                  outputFolder,
                                  false,
                                  DownloaderOptions::current(),
                                  DownloadOptions::current(),
                                  std::nullopt};
    if (items.setDownloadedWith(row, request.download.summary(item.choice.isAudio())))
        emit itemsChanged();
    DownloadEngine& engine = *running.at(run).engine;
    std::optional<QString> failure;
    try {
        co_await engine.downloadVideo(request, onProgress, onLog);
    } catch (...) { // a stopped download included
        failure = shown(Failure::caught(), YtdlpError::caughtMeaning().sentence);
    }
    if (!self)
        co_return;
    const bool stopped = running.at(run).stopped;
    running.erase(run);
    // The stop left the item as the user asked (Cancelled, deleted or started again).
    if (failure && stopped)
        co_return;
    const int endRow = items.rowOf(id);
    if (!failure)
        changeItem(endRow, DownloadStatus::completed, 100);
    else if (items.setFailed(endRow, *failure))
        emit itemsChanged();
    store.save();
}

int BatchRunner::startRun(const QUuid& id) {
    running.emplace(++runs, Download{id, makeEngine(), std::nullopt, false});
    return runs;
}

void BatchRunner::setDownloading(bool value) {
    assignProperty(this, downloading, value, &BatchRunner::isDownloadingChanged);
}

void BatchRunner::keepProgress(int run, const DownloadProgress& update) {
    const auto download = running.find(run);
    if (download == running.end())
        return;
    // The newest real percentage may still be waiting for its frame.
    std::optional<DownloadProgress>& waiting = download->second.progress;
    DownloadProgress shown = update;
    if (waiting)
        shown.percent = shownPercent(waiting->percent, update);
    waiting = shown;
    progressFrames.request();
}

void BatchRunner::showProgress() {
    bool changed = false;
    for (auto& [number, download] : running) {
        const std::optional<DownloadProgress> update = std::exchange(download.progress, {});
        const int row = items.rowOf(download.id);
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
