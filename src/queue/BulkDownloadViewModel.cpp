#include "BulkDownloadViewModel.h"

#include "DownloadItemsDocument.h"
#include "engine/YtdlpManager.h"
#include "platform/Diagnostics.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/StandardFolders.h"
#include "platform/StrictUtf8.h"
#include "platform/UserFacingError.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextStream>
#include <algorithm>

namespace {

bool isLineBreak(char16_t c) {
    return (c >= u'\n' && c <= u'\r') || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// The text's lines, each trimmed of white space at both ends.
QStringList trimmedLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineBreak(text[end].unicode()))
            ++end;
        lines << text.sliced(start, end - start).trimmed().toString();
        start = end + 1;
    }
    return lines;
}

bool isAcceptedAddress(const QString& line) {
    return !line.isEmpty() && line.contains(u"http") &&
           (line.contains(u"youtube.com") || line.contains(u"youtu.be"));
}

void printLine(const QString& text) {
    QTextStream(stdout) << text << Qt::endl;
}

bool isUnfinished(const BulkDownloadItem& item) {
    return item.status == DownloadStatus::pending || item.status == DownloadStatus::downloading;
}

} // namespace

BulkDownloadViewModel::BulkDownloadViewModel(Dialogs& dialogs, QObject* parent)
    : BulkDownloadViewModel(dialogs, std::make_unique<SettingsStore>(), parent) {}

BulkDownloadViewModel::BulkDownloadViewModel(Dialogs& dialogs, std::unique_ptr<KeyValueStore> store,
                                             QObject* parent,
                                             std::unique_ptr<DownloadEngine> engine)
    : QObject(parent)
    , dialogs(dialogs)
    , userDefaults(std::move(store))
    , engine(engine ? std::move(engine) : std::make_unique<YtdlpManager>()) {
    setDefaultOutputPath();
    loadDownloadItems();
    if (const auto storedPath = userDefaults->string(outputPathKey))
        setOutputPath(*storedPath);
}

BulkDownloadViewModel::~BulkDownloadViewModel() = default;

void BulkDownloadViewModel::setUrlsText(const QString& text) {
    if (urls == text)
        return;
    urls = text;
    emit urlsTextChanged();
}

void BulkDownloadViewModel::setSelectedFormat(const QString& value) {
    if (format == value)
        return;
    format = value;
    emit selectedFormatChanged();
}

void BulkDownloadViewModel::setSelectedVideoQuality(const QString& value) {
    if (videoQuality == value)
        return;
    videoQuality = value;
    emit selectedVideoQualityChanged();
}

void BulkDownloadViewModel::setSelectedAudioQuality(const QString& value) {
    if (audioQuality == value)
        return;
    audioQuality = value;
    emit selectedAudioQualityChanged();
}

void BulkDownloadViewModel::setOutputPath(const QString& path) {
    if (output == path)
        return;
    output = path;
    emit outputPathChanged();
}

void BulkDownloadViewModel::setSelection(const QSet<QUuid>& ids) {
    if (selected == ids)
        return;
    selected = ids;
    emit selectionChanged();
}

void BulkDownloadViewModel::addURLsToQueue() {
    QSet<QString> known;
    known.reserve(downloadItems().size());
    for (const BulkDownloadItem& item : downloadItems())
        known.insert(item.url);
    QList<BulkDownloadItem> added;
    for (const QString& line : trimmedLines(urls)) {
        if (!isAcceptedAddress(line) || known.contains(line))
            continue;
        known.insert(line);
        added << BulkDownloadItem::create(line, format, videoQuality, audioQuality);
    }
    // One write for the whole text: the stored queue ends the same as with one per item.
    if (items.append(added)) {
        emit downloadItemsChanged();
        saveDownloadItems();
    }
    setUrlsText(QString());
}

void BulkDownloadViewModel::addURLsFromFile() {
    const QString path = dialogs.chooseFile(QString(), "Text files (*.txt *.text)");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printLine("Failed to read file: " + file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        printLine("Failed to read file: " + file.errorString());
        return;
    }
    const std::optional<QString> text = decodeStrictUtf8(bytes);
    if (!text) {
        printLine("Failed to read file: the file is not UTF-8 text");
        return;
    }
    setUrlsText(*text);
}

void BulkDownloadViewModel::chooseOutputFolder() {
    const QString folder = dialogs.chooseFolder(output);
    if (folder.isEmpty())
        return;
    setOutputPath(folder);
    saveOutputPath();
}

QCoro::Task<> BulkDownloadViewModel::startAllDownloads() {
    const std::shared_ptr<Batch> batch = beginBatch();
    changeItems(
        [](const BulkDownloadItem& item) { return item.status != DownloadStatus::completed; },
        DownloadStatus::pending, 0);
    const QPointer<BulkDownloadViewModel> self(this);
    const int count = items.rowCount();
    for (int index = 0; index < count; ++index) {
        if (!items.contains(index))
            break;
        if (downloadItems().at(index).status == DownloadStatus::completed)
            continue;
        if (batch->stopRequested) {
            changeItem(index, DownloadStatus::cancelled);
            break;
        }
        changeItem(index, DownloadStatus::downloading);
        co_await downloadItem(index);
        if (!self)
            co_return;
    }
    endBatch(batch);
}

QCoro::Task<> BulkDownloadViewModel::startSelectedDownloads() {
    const std::shared_ptr<Batch> batch = beginBatch();
    QList<QUuid> chosen;
    for (const BulkDownloadItem& item : downloadItems()) {
        if (selected.contains(item.id) && item.status != DownloadStatus::completed)
            chosen << item.id;
    }
    const QPointer<BulkDownloadViewModel> self(this);
    for (const QUuid& id : chosen) {
        const int index = rowOf(id, 0);
        if (index < 0)
            continue; // deleted meanwhile
        if (batch->stopRequested) {
            changeItem(index, DownloadStatus::cancelled);
            break;
        }
        changeItem(index, DownloadStatus::downloading);
        co_await downloadItem(index);
        if (!self)
            co_return;
    }
    setSelection({});
    endBatch(batch);
}

void BulkDownloadViewModel::stopAllDownloads() {
    requestBatchStop();
    engine->stopDownload();
    setDownloading(false);
    changeItems(isUnfinished, DownloadStatus::cancelled, 0);
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
            return selected.contains(item.id) && isUnfinished(item);
        },
        DownloadStatus::cancelled, 0);
    saveDownloadItems();
    setSelection({});
}

void BulkDownloadViewModel::deleteSelectedItems() {
    if (items.remove(selected))
        emit downloadItemsChanged();
    setSelection({});
    saveDownloadItems();
}

void BulkDownloadViewModel::clearQueue() {
    if (items.setItems({}))
        emit downloadItemsChanged();
    saveDownloadItems();
}

void BulkDownloadViewModel::setDefaultOutputPath() {
    setOutputPath(StandardFolders::downloads());
}

void BulkDownloadViewModel::loadDownloadItems() {
    const std::optional<QByteArray> stored = userDefaults->data(downloadItemsKey);
    if (!stored)
        return;
    QString error;
    if (auto decoded = DownloadItemsDocument::decode(*stored, error)) {
        if (items.setItems(std::move(*decoded)))
            emit downloadItemsChanged();
        return;
    }
    // Kept until the first write would replace it (see saveDownloadItems).
    unreadableItems = *stored;
    printLine("Error decoding download items: " + error);
}

void BulkDownloadViewModel::saveDownloadItems() {
    QString error;
    const std::optional<QByteArray> document =
        DownloadItemsDocument::encode(downloadItems(), error);
    if (!document) {
        printLine("Error encoding download items: " + error);
        return;
    }
    // A queue written by another version must not vanish just because this one cannot
    // read it: it moves aside before it is replaced.
    if (unreadableItems) {
        userDefaults->setData(unreadableItemsKey, *unreadableItems);
        unreadableItems.reset();
        qCWarning(lcQueue) << "Kept the unreadable download queue under" << unreadableItemsKey;
    }
    userDefaults->setData(downloadItemsKey, *document);
}

void BulkDownloadViewModel::saveOutputPath() {
    userDefaults->setString(outputPathKey, output);
}

void BulkDownloadViewModel::releaseWhenIdle() {
    released = true;
    // Still ended, with its download, when the application quits.
    setParent(QCoreApplication::instance());
    if (batchesRunning == 0)
        deleteLater();
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

QCoro::Task<> BulkDownloadViewModel::downloadItem(int index) {
    if (!items.contains(index))
        co_return;
    const BulkDownloadItem item = downloadItems().at(index);
    const QPointer<BulkDownloadViewModel> self(this);
    // Results are addressed by the item's id: rows may have moved by the time they come.
    DownloadEngine::ProgressHandler onProgress = [self, id = item.id,
                                                  index](const DownloadProgress& update) {
        if (self)
            self->setItemProgress(id, index, update.percent);
    };
    DownloadEngine::LogHandler onLog = [](const QString&) {
    }; // the queue keeps no log
    bool succeeded = false;
    try {
        co_await engine->downloadVideo(item.url, item.format, item.videoQuality, item.audioQuality,
                                       output, false, onProgress, onLog);
        succeeded = true;
    } catch (const UserFacingError&) {
        // Any failure, a stopped download included, shows as Failed.
    }
    if (!self)
        co_return;
    const int row = rowOf(item.id, index);
    if (succeeded)
        changeItem(row, DownloadStatus::completed, 100);
    else
        changeItem(row, DownloadStatus::failed, 0);
    saveDownloadItems();
}

void BulkDownloadViewModel::setDownloading(bool value) {
    if (downloading == value)
        return;
    downloading = value;
    emit isDownloadingChanged();
}

int BulkDownloadViewModel::rowOf(const QUuid& id, int rowHint) const {
    const QList<BulkDownloadItem>& list = downloadItems();
    if (items.contains(rowHint) && list.at(rowHint).id == id)
        return rowHint;
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const BulkDownloadItem& item) { return item.id == id; });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
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

void BulkDownloadViewModel::setItemProgress(const QUuid& id, int rowHint, double progress) {
    if (items.setProgress(rowOf(id, rowHint), progress))
        emit downloadItemsChanged();
}
