#include "BulkDownloadViewModel.h"

#include "core/desktop/Dialogs.h"
#include "core/desktop/StandardFolders.h"
#include "core/engine/YtdlpManager.h"
#include "core/model/AssignProperty.h"
#include "core/storage/SettingsStore.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

BulkDownloadViewModel::BulkDownloadViewModel(Dialogs& dialogs, QObject* parent)
    : BulkDownloadViewModel(dialogs, std::make_unique<SettingsStore>(), parent) {}

BulkDownloadViewModel::BulkDownloadViewModel(Dialogs& dialogs, std::unique_ptr<KeyValueStore> store,
                                             QObject* parent, BatchRunner::EngineFactory makeEngine)
    : QObject(parent)
    , dialogs(&dialogs)
    , store(std::move(store), items)
    , intake(items, this->store, choice)
    , batches(
          items, this->store, output, makeEngine ? std::move(makeEngine) : [] {
              return std::unique_ptr<DownloadEngine>(new YtdlpManager);
          }) {
    forwardSignals();
    setDefaultOutputPath();
    intake.appendStored(readStored());
}

BulkDownloadViewModel::~BulkDownloadViewModel() = default;

void BulkDownloadViewModel::forwardSignals() {
    connect(&intake, &QueueIntake::textChanged, this, &BulkDownloadViewModel::urlsTextChanged);
    connect(&intake, &QueueIntake::itemsAppended, this,
            &BulkDownloadViewModel::downloadItemsChanged);
    connect(&intake, &QueueIntake::pasteRead, this, &BulkDownloadViewModel::pasteRead);
    connect(&intake, &QueueIntake::added, this, &BulkDownloadViewModel::urlsAdded);
    connect(&intake, &QueueIntake::playlistEntriesAdded, this,
            &BulkDownloadViewModel::playlistEntriesAdded);
    connect(&intake, &QueueIntake::isListingPlaylistsChanged, this,
            &BulkDownloadViewModel::isListingPlaylistsChanged);
    connect(&store, &QueueStore::saveFailureChanged, this,
            &BulkDownloadViewModel::saveFailureChanged);
    connect(&batches, &BatchRunner::itemsChanged, this,
            &BulkDownloadViewModel::downloadItemsChanged);
    connect(&batches, &BatchRunner::isDownloadingChanged, this,
            &BulkDownloadViewModel::isDownloadingChanged);
    connect(&batches, &BatchRunner::batchEnded, this, &BulkDownloadViewModel::batchEnded);
    connect(&batches, &BatchRunner::allBatchesEnded, this, [this] {
        if (released)
            deleteLater();
    });
    for (const auto changed :
         {&BulkDownloadViewModel::downloadItemsChanged, &BulkDownloadViewModel::urlsTextChanged,
          &BulkDownloadViewModel::isDownloadingChanged, &BulkDownloadViewModel::selectionChanged,
          &BulkDownloadViewModel::isListingPlaylistsChanged})
        connect(this, changed, this, &BulkDownloadViewModel::controlsChanged);
}

void BulkDownloadViewModel::setUrlsText(const QString& text) {
    intake.setText(text);
}

void BulkDownloadViewModel::setSelectedFormat(const QString& value) {
    if (assignProperty(this, choice.format, value, &BulkDownloadViewModel::selectedFormatChanged))
        store.remember(RememberedChoices::Kind::format, value);
}

void BulkDownloadViewModel::setSelectedVideoQuality(const QString& value) {
    if (assignProperty(this, choice.videoQuality, value,
                       &BulkDownloadViewModel::selectedVideoQualityChanged))
        store.remember(RememberedChoices::Kind::videoQuality, value);
}

void BulkDownloadViewModel::setSelectedAudioQuality(const QString& value) {
    if (assignProperty(this, choice.audioQuality, value,
                       &BulkDownloadViewModel::selectedAudioQualityChanged))
        store.remember(RememberedChoices::Kind::audioQuality, value);
}

void BulkDownloadViewModel::setOutputPath(const QString& path) {
    assignProperty(this, output, path, &BulkDownloadViewModel::outputPathChanged);
}

void BulkDownloadViewModel::setSelection(const QSet<QUuid>& ids) {
    assignProperty(this, selected, ids, &BulkDownloadViewModel::selectionChanged);
}

// Without trimming a copy: the box may hold a whole pasted list.
bool BulkDownloadViewModel::boxHoldsText() const {
    const QString text = intake.text();
    return std::any_of(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
}

bool BulkDownloadViewModel::anyUnfinished(bool onlySelected) const {
    return std::any_of(items.items().begin(), items.items().end(), [&](const auto& item) {
        return isUnfinished(item.status) && (!onlySelected || selected.contains(item.id));
    });
}

void BulkDownloadViewModel::addURLsToQueue() {
    intake.addText();
}

QCoro::Task<> BulkDownloadViewModel::addPlaylistEntries() {
    return intake.addPlaylistEntries();
}

QCoro::Task<> BulkDownloadViewModel::pasteURLs(QString text) {
    return intake.paste(std::move(text));
}

QCoro::Task<> BulkDownloadViewModel::dropURLs(QString text) {
    return intake.paste(std::move(text), true);
}

QCoro::Task<> BulkDownloadViewModel::addURLsFromFile() {
    //: A file chooser's filter: %1 are the file name patterns.
    const QString path = dialogs->chooseFile(QString(), tr("Text files (%1)").arg("*.txt *.text"));
    if (path.isEmpty())
        co_return;
    co_await intake.loadFile(path);
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
    return batches.startAll();
}

QCoro::Task<> BulkDownloadViewModel::startSelectedDownloads() {
    const QPointer<BulkDownloadViewModel> self(this);
    co_await batches.startChosen(selected);
    if (self)
        setSelection({});
}

void BulkDownloadViewModel::stopAllDownloads() {
    batches.stopAll();
}

void BulkDownloadViewModel::stopSelectedDownloads() {
    batches.stopChosen(selected);
    setSelection({});
}

void BulkDownloadViewModel::deleteSelectedItems() {
    batches.stopDownloadsOf(selected);
    if (items.remove(selected))
        emit downloadItemsChanged();
    setSelection({});
    saveDownloadItems();
}

void BulkDownloadViewModel::clearQueue() {
    intake.queueCleared();
    if (items.setItems({}))
        emit downloadItemsChanged();
    // The selected rows are gone with the rest.
    setSelection({});
    saveDownloadItems();
}

void BulkDownloadViewModel::setDefaultOutputPath() {
    setOutputPath(StandardFolders::downloads());
}

// The stored output folder and choices, unless the user chose others while they were read;
// the stored queue's items.
QCoro::Task<QList<BulkDownloadItem>> BulkDownloadViewModel::readStored() {
    const QPointer<BulkDownloadViewModel> self(this);
    const QString defaultPath = output;
    std::optional<QueueStore::Stored> stored = co_await store.load();
    if (!self || !stored)
        co_return {};
    if (stored->outputPath && output == defaultPath)
        setOutputPath(*stored->outputPath);
    takeStoredChoice(stored->choice);
    co_return std::move(stored->items).value_or(QList<BulkDownloadItem>());
}

// A choice made while the store was read stands.
void BulkDownloadViewModel::takeStoredChoice(const FormatChoice& stored) {
    const FormatChoice defaults;
    if (choice.format == defaults.format)
        assignProperty(this, choice.format, stored.format,
                       &BulkDownloadViewModel::selectedFormatChanged);
    if (choice.videoQuality == defaults.videoQuality)
        assignProperty(this, choice.videoQuality, stored.videoQuality,
                       &BulkDownloadViewModel::selectedVideoQualityChanged);
    if (choice.audioQuality == defaults.audioQuality)
        assignProperty(this, choice.audioQuality, stored.audioQuality,
                       &BulkDownloadViewModel::selectedAudioQualityChanged);
}

void BulkDownloadViewModel::saveDownloadItems() {
    store.save();
}

void BulkDownloadViewModel::saveOutputPath() {
    store.saveOutputPath(output);
}

void BulkDownloadViewModel::waitUntilSaved() {
    store.waitUntilSaved();
}

void BulkDownloadViewModel::releaseWhenIdle() {
    released = true;
    // Its entries would land in a queue no window shows.
    intake.stopListing();
    // Still ended, with its download, when the application quits.
    setParent(QCoreApplication::instance());
    if (!batches.hasRunningBatch())
        deleteLater();
}

void BulkDownloadViewModel::attachTo(Dialogs& windowDialogs, QObject* window) {
    dialogs = &windowDialogs;
    released = false;
    setParent(window);
}
