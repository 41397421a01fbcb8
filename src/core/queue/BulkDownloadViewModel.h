#pragma once

#include "BulkDownloadItem.h"
#include "BulkDownloadItemsModel.h"
#include "PlaylistEntries.h"
#include "QueueStoreWriter.h"
#include "core/engine/DownloadEngine.h"
#include "core/engine/FormatChoice.h"
#include "core/engine/RememberedChoices.h"
#include "core/model/FrameThrottle.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QUuid>
#include <memory>
#include <optional>

class Dialogs;
class KeyValueStore;

// The controller behind the queue window: turns pasted or file-loaded text into queue
// items, downloads items one after another through its own engine, stops them on
// request and keeps the queue and its output folder in the user's key-value store.
// It shows no dialogs: an outcome is an item's status and progress, or a summary the
// window shows beside the box (urlsAdded, playlistEntriesAdded). Only one
// controller at a time writes the stored queue: a window opened while a closed window's
// batch still runs shows that window's controller (see attachTo).
class BulkDownloadViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<BulkDownloadItem> downloadItems READ downloadItems NOTIFY downloadItemsChanged)
    Q_PROPERTY(QString urlsText READ urlsText WRITE setUrlsText NOTIFY urlsTextChanged)
    Q_PROPERTY(QString selectedFormat READ selectedFormat WRITE setSelectedFormat NOTIFY
                   selectedFormatChanged)
    Q_PROPERTY(QString selectedVideoQuality READ selectedVideoQuality WRITE setSelectedVideoQuality
                   NOTIFY selectedVideoQualityChanged)
    Q_PROPERTY(QString selectedAudioQuality READ selectedAudioQuality WRITE setSelectedAudioQuality
                   NOTIFY selectedAudioQualityChanged)
    Q_PROPERTY(QString outputPath READ outputPath WRITE setOutputPath NOTIFY outputPathChanged)
    Q_PROPERTY(bool isDownloading READ isDownloading NOTIFY isDownloadingChanged)
    Q_PROPERTY(QSet<QUuid> selection READ selection WRITE setSelection NOTIFY selectionChanged)

public:
    inline static const QString downloadItemsKey = "bulkDownloadItems";
    inline static const QString outputPathKey = "bulkDownloadOutputPath";
    // The choices for new items are remembered under keys that start with this.
    inline static const QString choicesPrefix = "bulkDownload";
    // Where a stored queue that could not be read is kept before it is first replaced.
    inline static const QString unreadableItemsKey = "bulkDownloadItems.unreadable";
    // A pasted or loaded text this long is read off the main thread and only its
    // addresses reach the text box: a text box holding a whole log would stall the window.
    // A text added this long is also read off the main thread. Long lists of items reach
    // the table a slice per event-loop turn.
    static constexpr qsizetype largeText = 256 * 1024;
    static constexpr qsizetype itemsPerSlice = 5000;

    // Reads the stored queue and output folder from the user's settings, off the main
    // thread: they, and the queue's rows, come a moment later.
    explicit BulkDownloadViewModel(Dialogs& dialogs, QObject* parent = nullptr);
    // Without an engine the controller runs the downloader.
    BulkDownloadViewModel(Dialogs& dialogs, std::unique_ptr<KeyValueStore> store,
                          QObject* parent = nullptr, std::unique_ptr<DownloadEngine> engine = {});
    // Waits for the queue's writes still under way.
    ~BulkDownloadViewModel() override;

    const QList<BulkDownloadItem>& downloadItems() const { return items.items(); }
    // The queue as a table for the window; changed only by this controller.
    BulkDownloadItemsModel* itemsModel() { return &items; }
    QString urlsText() const { return urls; }
    void setUrlsText(const QString& text);
    QString selectedFormat() const { return choice.format; }
    void setSelectedFormat(const QString& value);
    QString selectedVideoQuality() const { return choice.videoQuality; }
    void setSelectedVideoQuality(const QString& value);
    QString selectedAudioQuality() const { return choice.audioQuality; }
    void setSelectedAudioQuality(const QString& value);
    QString outputPath() const { return output; }
    void setOutputPath(const QString& path);
    bool isDownloading() const { return downloading; }
    QSet<QUuid> selection() const { return selected; }
    void setSelection(const QSet<QUuid>& ids);

    // Empties the text box and appends every new YouTube address it held as a Pending
    // item with the current choices; urlsAdded follows. A large text is read off the main
    // thread. Each addition waits for the ones before it and for the stored queue.
    void addURLsToQueue();
    // Takes each address of the text box as a playlist and queues its entries by the rules
    // of addURLsToQueue, then empties the box; playlistEntriesAdded tells what came of it.
    QCoro::Task<> addPlaylistEntries();
    bool isListingPlaylists() const { return listingPlaylists; }
    // Appends a pasted or dropped text to the text box, on a line of its own; of a large
    // one (see largeText), read off the main thread, only its addresses. pasteRead follows.
    QCoro::Task<> pasteURLs(QString text);
    // Fills the text box from a chosen plain-text file, read off the main thread; of a
    // large file only its addresses.
    QCoro::Task<> addURLsFromFile();
    void chooseOutputFolder();
    // Shows the output folder in the file manager.
    void openOutputFolder();
    // The two batches download one item at a time until done or asked to stop.
    QCoro::Task<> startAllDownloads();
    QCoro::Task<> startSelectedDownloads();
    void stopAllDownloads();
    void stopSelectedDownloads();
    // Stops a running download among the selected items first; a batch goes on with its
    // next item.
    void deleteSelectedItems();
    void clearQueue();

    void setDefaultOutputPath();
    void saveDownloadItems();
    void saveOutputPath();
    // Returns once every write asked for so far has reached the store.
    void waitUntilSaved();

    // For a closing window: the controller lives on while a batch still runs and deletes
    // itself when the last one ends (at once when none runs).
    void releaseWhenIdle();
    // For a window that shows this controller: it owns it from now on and answers its
    // choosers.
    void attachTo(Dialogs& windowDialogs, QObject* window);
    // Whether the stored queue is still being read.
    bool isLoading() const { return loading; }
    // Whether a batch still runs, a stopped one that is still ending included.
    bool hasRunningBatch() const { return batchesRunning > 0; }

signals:
    void downloadItemsChanged();
    void urlsTextChanged();
    void selectedFormatChanged();
    void selectedVideoQualityChanged();
    void selectedAudioQualityChanged();
    void outputPathChanged();
    void isDownloadingChanged();
    void selectionChanged();
    void pasteRead();
    // An addition has ended: how many items it added, and how many non-blank lines it
    // left out as not accepted addresses or as queued already (or earlier in the text).
    void urlsAdded(int added, int notAddresses, int alreadyQueued);
    // What "Add Playlist Entries" added and left out, and why, as one line for the user.
    void playlistEntriesAdded(const QString& summary);
    void isListingPlaylistsChanged();
    // The running batch has ended; the counts are of the whole queue at that moment.
    void batchEnded(int completed, int failed);

private:
    // A stop request belongs to the batch that was running when it was made.
    struct Batch {
        bool stopRequested = false;
    };

    // New items made from a text, and the lines left out of them.
    struct Addition {
        QList<BulkDownloadItem> items;
        int notAddresses = 0;
        int alreadyQueued = 0;
    };

    // What the store holds: the queue's document and its items (none when unreadable, with
    // why), and the output folder.
    struct Stored {
        std::optional<QByteArray> document;
        std::optional<QList<BulkDownloadItem>> items;
        QString error;
        std::optional<QString> outputPath;
        // The remembered format and qualities.
        FormatChoice choice;
    };

    QCoro::Task<> loadDownloadItems();
    QCoro::Task<> addAfter(QCoro::Task<> previous, QString text);
    QCoro::Task<std::optional<int>> appendAndStore(QList<BulkDownloadItem> list, quint64 cleared,
                                                   int* alreadyQueued);
    // Appends the list a slice at a time; with alreadyQueued, leaves out (and counts there)
    // the items whose address is queued by then. False once the controller is gone or the
    // queue has been cleared since clearings stood at cleared.
    QCoro::Task<bool> appendInSlices(QList<BulkDownloadItem> list, quint64 cleared,
                                     int* alreadyQueued);
    void endLoading();
    std::shared_ptr<Batch> beginBatch();
    void endBatch(const std::shared_ptr<Batch>& batch);
    void requestBatchStop();
    QCoro::Task<> runBatch(QList<QUuid> ids, std::shared_ptr<Batch> batch);
    QCoro::Task<> downloadItem(QUuid id);
    void appendUrlsText(const QString& text);
    void remember(RememberedChoices::Kind kind, const QString& value);
    QCoro::Task<> queueListingAfter(QCoro::Task<> previous, QString address,
                                    PlaylistEntries::Listing listing);
    void setDownloading(bool value);
    void showProgress();
    void changeItem(int row, DownloadStatus status);
    void changeItem(int row, DownloadStatus status, double progress);
    void changeItems(const BulkDownloadItemsModel::Filter& chosen, DownloadStatus status,
                     double progress);

    Dialogs* dialogs;
    std::unique_ptr<KeyValueStore> userDefaults;
    QueueStoreWriter writer;
    std::unique_ptr<DownloadEngine> engine;
    BulkDownloadItemsModel items;
    QString urls;
    // The choices new items are added with.
    FormatChoice choice;
    QString output;
    bool downloading = false;
    QSet<QUuid> selected;
    std::shared_ptr<Batch> runningBatch;
    QUuid downloadingId; // the item whose download runs, if any
    // The latest progress of each downloading item, shown at most once per frame.
    QHash<QUuid, DownloadProgress> latestProgress;
    FrameThrottle progressFrames;
    int batchesRunning = 0;
    bool released = false;
    bool listingPlaylists = false;
    std::optional<QByteArray> unreadableItems;
    // The stored queue's loading, then each addition in turn: each appends after the last.
    QCoro::Task<> additions;
    bool loading = false;
    bool saveWhenLoaded = false;
    quint64 clearings = 0; // an addition or loading under way ends when the queue is cleared
};
