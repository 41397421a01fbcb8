#include "BulkDownloadViewModel.h"

#include "AddressLines.h"
#include "DownloadItemsDocument.h"
#include "core/desktop/Dialogs.h"
#include "core/desktop/StandardFolders.h"
#include "core/diagnostics/Diagnostics.h"
#include "core/diagnostics/UserFacingError.h"
#include "core/engine/RememberedChoices.h"
#include "core/engine/YtdlpError.h"
#include "core/engine/YtdlpManager.h"
#include "core/model/AssignProperty.h"
#include "core/storage/SettingsStore.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QPointer>
#include <QTextStream>
#include <QtConcurrentRun>
#include <chrono>
#include <qcoro/qcorotimer.h>

using namespace std::chrono_literals;

namespace {

// Queue items for the addresses, with the choices they are added with.
QList<BulkDownloadItem> itemsFor(QStringList urls, const FormatChoice& choice) {
    QList<BulkDownloadItem> items;
    items.reserve(urls.size());
    for (QString& url : urls)
        items << BulkDownloadItem::create(std::move(url), choice);
    return items;
}

// A diagnostic for whoever reads the terminal or the journal: in English, like the logging
// categories, so that it can be looked up.
void printLine(const QString& text) {
    QTextStream(stdout) << text << Qt::endl;
}

bool isUnfinishedItem(const BulkDownloadItem& item) {
    return isUnfinished(item.status);
}

} // namespace

BulkDownloadViewModel::BulkDownloadViewModel(Dialogs& dialogs, QObject* parent)
    : BulkDownloadViewModel(dialogs, std::make_unique<SettingsStore>(), parent) {}

BulkDownloadViewModel::BulkDownloadViewModel(Dialogs& dialogs, std::unique_ptr<KeyValueStore> store,
                                             QObject* parent,
                                             std::unique_ptr<DownloadEngine> engine)
    : QObject(parent)
    , dialogs(&dialogs)
    , userDefaults(std::move(store))
    , writer(*userDefaults)
    , engine(engine ? std::move(engine) : std::make_unique<YtdlpManager>())
    , progressFrames([this] { showProgress(); }) {
    setDefaultOutputPath();
    additions = loadDownloadItems();
}

BulkDownloadViewModel::~BulkDownloadViewModel() = default;

void BulkDownloadViewModel::setUrlsText(const QString& text) {
    assignProperty(this, urls, text, &BulkDownloadViewModel::urlsTextChanged);
}

void BulkDownloadViewModel::setSelectedFormat(const QString& value) {
    if (assignProperty(this, choice.format, value, &BulkDownloadViewModel::selectedFormatChanged))
        remember(RememberedChoices::Kind::format, value);
}

void BulkDownloadViewModel::setSelectedVideoQuality(const QString& value) {
    if (assignProperty(this, choice.videoQuality, value,
                       &BulkDownloadViewModel::selectedVideoQualityChanged))
        remember(RememberedChoices::Kind::videoQuality, value);
}

void BulkDownloadViewModel::setSelectedAudioQuality(const QString& value) {
    if (assignProperty(this, choice.audioQuality, value,
                       &BulkDownloadViewModel::selectedAudioQualityChanged))
        remember(RememberedChoices::Kind::audioQuality, value);
}

void BulkDownloadViewModel::remember(RememberedChoices::Kind kind, const QString& value) {
    writer.setString(RememberedChoices::key(choicesPrefix, kind), value);
}

void BulkDownloadViewModel::setOutputPath(const QString& path) {
    assignProperty(this, output, path, &BulkDownloadViewModel::outputPathChanged);
}

void BulkDownloadViewModel::setSelection(const QSet<QUuid>& ids) {
    assignProperty(this, selected, ids, &BulkDownloadViewModel::selectionChanged);
}

void BulkDownloadViewModel::addURLsToQueue() {
    const QString text = urls;
    setUrlsText(QString());
    additions = addAfter(std::move(additions), text);
}

// The text is read and its items made (with the choices of the moment) while earlier
// additions may still run; its items follow theirs.
QCoro::Task<> BulkDownloadViewModel::addAfter(QCoro::Task<> previous, QString text) {
    const QPointer<BulkDownloadViewModel> self(this);
    const quint64 cleared = clearings;
    const bool large = text.size() >= largeText;
    auto make = [text = std::move(text), choice = choice] {
        AddressLines::Sorted lines = AddressLines::sort(text);
        return Addition{itemsFor(std::move(lines.addresses), choice), lines.notAddresses,
                        lines.repeated};
    };
    Addition addition;
    if (large) {
        // Named first: gcc 12 destroys a temporary inside a co_await expression twice.
        QFuture<Addition> made = QtConcurrent::run(std::move(make));
        addition = co_await made;
    } else {
        addition = make();
    }
    co_await previous;
    if (!self)
        co_return;
    const std::optional<int> added =
        co_await appendAndStore(std::move(addition.items), cleared, &addition.alreadyQueued);
    if (added)
        emit urlsAdded(*added, addition.notAddresses, addition.alreadyQueued);
}

// Appends the items in slices and stores the queue with one write, the same as with one per
// item. How many were added; none when the controller went or the queue was cleared meanwhile.
QCoro::Task<std::optional<int>> BulkDownloadViewModel::appendAndStore(QList<BulkDownloadItem> list,
                                                                      quint64 cleared,
                                                                      int* alreadyQueued) {
    const auto before = downloadItems().size();
    if (!co_await appendInSlices(std::move(list), cleared, alreadyQueued))
        co_return std::nullopt;
    const auto added = static_cast<int>(downloadItems().size() - before);
    if (added > 0)
        saveDownloadItems();
    co_return added;
}

QCoro::Task<> BulkDownloadViewModel::addPlaylistEntries() {
    const QStringList playlists = urls.split('\n', Qt::SkipEmptyParts);
    setUrlsText(QString());
    const QPointer<BulkDownloadViewModel> self(this);
    listingPlaylists = true;
    emit isListingPlaylistsChanged();
    for (const QString& line : playlists) {
        const QString address = line.trimmed();
        if (address.isEmpty())
            continue;
        PlaylistEntries::Listing listing = co_await PlaylistEntries::list(address);
        if (!self)
            co_return;
        additions = queueListingAfter(std::move(additions), address, std::move(listing));
    }
    listingPlaylists = false;
    emit isListingPlaylistsChanged();
}

// The entries go through the rules of typed lines, behind the stored queue's loading and every
// addition asked for before them.
QCoro::Task<> BulkDownloadViewModel::queueListingAfter(QCoro::Task<> previous, QString address,
                                                       PlaylistEntries::Listing listing) {
    const QPointer<BulkDownloadViewModel> self(this);
    const quint64 cleared = clearings;
    const QStringList accepted = AddressLines::accepted(listing.addresses.join('\n'));
    QList<BulkDownloadItem> made = itemsFor(accepted, choice);
    co_await previous;
    if (!self)
        co_return;
    int queued = 0;
    const std::optional<int> added = co_await appendAndStore(std::move(made), cleared, &queued);
    if (!added)
        co_return;
    if (!listing.error.isEmpty()) {
        emit playlistEntriesAdded(
            tr("No playlist entries from %1: %2").arg(address, listing.error));
        co_return;
    }
    const int count = *added;
    const QString title = listing.title.isEmpty() ? address : listing.title;
    const qsizetype refused = listing.addresses.size() - accepted.size();
    if (refused + queued == 0) {
        emit playlistEntriesAdded(tr("Added %n entry(s) from \"%1\".", nullptr, count).arg(title));
        co_return;
    }
    emit playlistEntriesAdded(tr("Added %n entry(s) from \"%1\". Left out: %2 not YouTube "
                                 "addresses or repeated, %3 already in the queue.",
                                 nullptr, count)
                                  .arg(title, QString::number(refused), QString::number(queued)));
}

QCoro::Task<> BulkDownloadViewModel::pasteURLs(QString text) {
    const QPointer<BulkDownloadViewModel> self(this);
    if (text.size() >= largeText) {
        // Named first: gcc 12 destroys a temporary inside a co_await expression twice.
        QFuture<QString> addresses =
            QtConcurrent::run([text] { return AddressLines::accepted(text).join('\n'); });
        text = co_await addresses;
        if (!self)
            co_return;
    }
    appendUrlsText(text);
    emit pasteRead();
}

QCoro::Task<> BulkDownloadViewModel::addURLsFromFile() {
    const QString path = dialogs->chooseFile(QString(), tr("Text files (%1)").arg("*.txt *.text"));
    if (path.isEmpty())
        co_return;
    const QPointer<BulkDownloadViewModel> self(this);
    QFuture<AddressLines::FileText> reading =
        QtConcurrent::run([path] { return AddressLines::readFile(path, largeText); });
    const AddressLines::FileText read = co_await reading;
    if (!self)
        co_return;
    if (read.error.isEmpty())
        setUrlsText(read.text);
    else
        printLine("Failed to read file: " + read.error);
}

void BulkDownloadViewModel::chooseOutputFolder() {
    const QString folder = dialogs->chooseFolder(output);
    if (folder.isEmpty())
        return;
    setOutputPath(folder);
    saveOutputPath();
}

void BulkDownloadViewModel::openOutputFolder() {
    dialogs->openUrl(QUrl::fromLocalFile(output));
}

QCoro::Task<> BulkDownloadViewModel::startAllDownloads() {
    std::shared_ptr<Batch> batch = beginBatch();
    changeItems(
        [](const BulkDownloadItem& item) { return item.status != DownloadStatus::completed; },
        DownloadStatus::pending, 0);
    QList<QUuid> ids;
    ids.reserve(downloadItems().size());
    for (const BulkDownloadItem& item : downloadItems())
        ids << item.id;
    return runBatch(std::move(ids), std::move(batch));
}

QCoro::Task<> BulkDownloadViewModel::startSelectedDownloads() {
    std::shared_ptr<Batch> batch = beginBatch();
    QList<QUuid> chosen;
    for (const BulkDownloadItem& item : downloadItems()) {
        if (selected.contains(item.id) && item.status != DownloadStatus::completed)
            chosen << item.id;
    }
    const QPointer<BulkDownloadViewModel> self(this);
    co_await runBatch(std::move(chosen), batch);
    if (self)
        setSelection({});
}

// Items are followed by their ids, so rows added or deleted meanwhile neither skip one
// nor run one twice; an item deleted meanwhile is passed over.
QCoro::Task<> BulkDownloadViewModel::runBatch(QList<QUuid> ids, std::shared_ptr<Batch> batch) {
    const QPointer<BulkDownloadViewModel> self(this);
    for (const QUuid& id : ids) {
        const int row = items.rowOf(id);
        if (row < 0 || downloadItems().at(row).status == DownloadStatus::completed)
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

void BulkDownloadViewModel::stopAllDownloads() {
    requestBatchStop();
    engine->stopDownload();
    setDownloading(false);
    changeItems(isUnfinishedItem, DownloadStatus::cancelled, 0);
    saveDownloadItems();
}

void BulkDownloadViewModel::stopSelectedDownloads() {
    const QList<BulkDownloadItem>& list = downloadItems();
    const auto running = std::find_if(list.begin(), list.end(), [](const BulkDownloadItem& item) {
        return item.status == DownloadStatus::downloading;
    });
    if (running != list.end() && selected.contains(running->id)) {
        const int row = static_cast<int>(running - list.begin());
        requestBatchStop();
        engine->stopDownload();
        changeItem(row, DownloadStatus::cancelled, 0);
    }
    changeItems(
        [this](const BulkDownloadItem& item) {
            return selected.contains(item.id) && isUnfinishedItem(item);
        },
        DownloadStatus::cancelled, 0);
    saveDownloadItems();
    setSelection({});
}

void BulkDownloadViewModel::deleteSelectedItems() {
    // The download of an item that no longer exists must not go on writing its file.
    if (!downloadingId.isNull() && selected.contains(downloadingId))
        engine->stopDownload();
    if (items.remove(selected))
        emit downloadItemsChanged();
    setSelection({});
    saveDownloadItems();
}

void BulkDownloadViewModel::clearQueue() {
    ++clearings;
    if (items.setItems({}))
        emit downloadItemsChanged();
    // The selected rows are gone with the rest.
    setSelection({});
    saveDownloadItems();
}

void BulkDownloadViewModel::setDefaultOutputPath() {
    setOutputPath(StandardFolders::downloads());
}

// Off the main thread: the settings file holds the whole queue, and reading any of its
// values parses all of it. Writes asked for meanwhile wait for the end, so that a queue
// still loading is never stored in part.
QCoro::Task<> BulkDownloadViewModel::loadDownloadItems() {
    const QPointer<BulkDownloadViewModel> self(this);
    const quint64 cleared = clearings;
    const QString defaultPath = output;
    loading = true;
    QFuture<Stored> reading = writer.read([](KeyValueStore& store) {
        Stored stored{store.data(downloadItemsKey),
                      {},
                      {},
                      store.string(outputPathKey),
                      RememberedChoices::read(store, choicesPrefix)};
        if (stored.document)
            stored.items = DownloadItemsDocument::decode(*stored.document, stored.error);
        return stored;
    });
    Stored stored = co_await reading;
    if (!self)
        co_return;
    // A folder chosen meanwhile stands.
    if (stored.outputPath && output == defaultPath)
        setOutputPath(*stored.outputPath);
    // Read with the queue, off the window's thread: the settings file may be large.
    // A choice made meanwhile stands.
    const FormatChoice defaults;
    if (choice.format == defaults.format)
        assignProperty(this, choice.format, stored.choice.format,
                       &BulkDownloadViewModel::selectedFormatChanged);
    if (choice.videoQuality == defaults.videoQuality)
        assignProperty(this, choice.videoQuality, stored.choice.videoQuality,
                       &BulkDownloadViewModel::selectedVideoQualityChanged);
    if (choice.audioQuality == defaults.audioQuality)
        assignProperty(this, choice.audioQuality, stored.choice.audioQuality,
                       &BulkDownloadViewModel::selectedAudioQualityChanged);
    if (stored.items) {
        co_await appendInSlices(std::move(*stored.items), cleared, nullptr);
        if (!self)
            co_return;
    } else if (stored.document) {
        // Kept until the first write would replace it (see saveDownloadItems).
        unreadableItems = stored.document;
        printLine("Error decoding download items: " + stored.error);
    }
    endLoading();
}

void BulkDownloadViewModel::endLoading() {
    loading = false;
    if (std::exchange(saveWhenLoaded, false))
        saveDownloadItems();
}

// A slice per event-loop turn, so that a long list never holds up the window.
QCoro::Task<bool> BulkDownloadViewModel::appendInSlices(QList<BulkDownloadItem> list,
                                                        quint64 cleared, int* alreadyQueued) {
    const QPointer<BulkDownloadViewModel> self(this);
    items.reserve(list.size());
    for (qsizetype first = 0; first < list.size(); first += itemsPerSlice) {
        if (first > 0)
            co_await QCoro::sleepFor(0ms);
        if (!self || clearings != cleared)
            co_return false;
        QList<BulkDownloadItem> slice = list.mid(first, itemsPerSlice);
        if (alreadyQueued) {
            *alreadyQueued += static_cast<int>(slice.removeIf(
                [this](const BulkDownloadItem& item) { return items.containsUrl(item.url); }));
        }
        if (items.append(slice))
            emit downloadItemsChanged();
    }
    co_return true;
}

void BulkDownloadViewModel::saveDownloadItems() {
    if (loading) {
        saveWhenLoaded = true;
        return;
    }
    // A queue written by another version must not vanish just because this one cannot
    // read it: it moves aside before it is replaced.
    if (unreadableItems) {
        writer.setData(unreadableItemsKey, *unreadableItems);
        unreadableItems.reset();
        qCWarning(lcQueue) << "Kept the unreadable download queue under" << unreadableItemsKey;
    }
    writer.saveItems(downloadItemsKey, downloadItems());
}

void BulkDownloadViewModel::saveOutputPath() {
    writer.setString(outputPathKey, output);
}

void BulkDownloadViewModel::waitUntilSaved() {
    writer.waitForDone();
}

void BulkDownloadViewModel::releaseWhenIdle() {
    released = true;
    // Still ended, with its download, when the application quits.
    setParent(QCoreApplication::instance());
    if (batchesRunning == 0)
        deleteLater();
}

void BulkDownloadViewModel::attachTo(Dialogs& windowDialogs, QObject* window) {
    dialogs = &windowDialogs;
    released = false;
    setParent(window);
}

std::shared_ptr<BulkDownloadViewModel::Batch> BulkDownloadViewModel::beginBatch() {
    runningBatch = std::make_shared<Batch>();
    ++batchesRunning;
    setDownloading(true);
    return runningBatch;
}

void BulkDownloadViewModel::endBatch(const std::shared_ptr<Batch>& batch) {
    // A stopped batch that ends after a newer one started leaves the newer one's flag
    // alone, so the window cannot start a third batch beside the running one.
    if (runningBatch == batch) {
        runningBatch.reset();
        setDownloading(false);
        const auto count = [this](DownloadStatus status) {
            return static_cast<int>(std::count_if(
                downloadItems().begin(), downloadItems().end(),
                [status](const BulkDownloadItem& item) { return item.status == status; }));
        };
        emit batchEnded(count(DownloadStatus::completed), count(DownloadStatus::failed));
    }
    if (--batchesRunning == 0 && released)
        deleteLater();
}

void BulkDownloadViewModel::requestBatchStop() {
    if (runningBatch)
        runningBatch->stopRequested = true;
}

QCoro::Task<> BulkDownloadViewModel::downloadItem(QUuid id) {
    const int row = items.rowOf(id);
    if (row < 0)
        co_return;
    const BulkDownloadItem item = downloadItems().at(row);
    const QPointer<BulkDownloadViewModel> self(this);
    // Results are addressed by the item's id: rows may have moved by the time they come.
    DownloadEngine::ProgressHandler onProgress = [self, id](const DownloadProgress& update) {
        if (!self)
            return;
        // The newest real percentage may still be waiting for its frame.
        DownloadProgress shown = update;
        if (const auto pending = self->latestProgress.constFind(id);
            pending != self->latestProgress.cend())
            shown.percent = shownPercent(pending->percent, update);
        self->latestProgress.insert(id, shown);
        self->progressFrames.request();
    };
    // The queue keeps no log, only why the last run failed.
    const DownloadEngine::LogHandler onLog = [](const QString&) {
    };
    downloadingId = id;
    // Named first: gcc 12 destroys a temporary inside a co_await expression twice.
    const DownloadRequest request{item.url, item.choice, output, false,
                                  DownloaderOptions::current()};
    std::optional<QString> failure;
    try {
        co_await engine->downloadVideo(request, onProgress, onLog);
    } catch (const YtdlpError& error) {
        // Any failure, a stopped download included, shows as Failed.
        const QString said = error.toolErrors().join('\n');
        failure = said.isEmpty() ? error.description() : said;
    } catch (const UserFacingError& error) {
        failure = error.description();
    }
    if (!self)
        co_return;
    latestProgress.remove(id);
    downloadingId = QUuid();
    const int endRow = items.rowOf(id);
    if (!failure)
        changeItem(endRow, DownloadStatus::completed, 100);
    else if (items.setFailed(endRow, *failure))
        emit downloadItemsChanged();
    saveDownloadItems();
}

// On a line of its own, so that it never runs on from an address typed before it.
void BulkDownloadViewModel::appendUrlsText(const QString& text) {
    if (text.isEmpty())
        return;
    const bool needsBreak = !urls.isEmpty() && !urls.endsWith('\n');
    setUrlsText(urls + (needsBreak ? "\n" : "") + text);
}

void BulkDownloadViewModel::setDownloading(bool value) {
    assignProperty(this, downloading, value, &BulkDownloadViewModel::isDownloadingChanged);
}

void BulkDownloadViewModel::showProgress() {
    bool changed = false;
    for (auto update = latestProgress.cbegin(); update != latestProgress.cend(); ++update) {
        const int row = items.rowOf(update.key());
        // A stopped item keeps what its stop gave it.
        if (row >= 0 && downloadItems().at(row).status == DownloadStatus::downloading)
            changed |=
                items.setProgress(row, shownPercent(downloadItems().at(row).progress, *update),
                                  progressDetailsText(*update));
    }
    latestProgress.clear();
    if (changed)
        emit downloadItemsChanged();
}

void BulkDownloadViewModel::changeItem(int row, DownloadStatus status) {
    if (items.setStatus(row, status))
        emit downloadItemsChanged();
}

void BulkDownloadViewModel::changeItem(int row, DownloadStatus status, double progress) {
    if (items.setStatus(row, status, progress))
        emit downloadItemsChanged();
}

void BulkDownloadViewModel::changeItems(const BulkDownloadItemsModel::Filter& chosen,
                                        DownloadStatus status, double progress) {
    if (items.setStatusWhere(chosen, status, progress))
        emit downloadItemsChanged();
}
