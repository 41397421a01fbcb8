#pragma once

#include "BatchRunner.h"
#include "BulkDownloadItem.h"
#include "BulkDownloadItemsModel.h"
#include "QueueIntake.h"
#include "QueueStore.h"
#include "core/engine/DownloadEngine.h"
#include "core/engine/FormatChoice.h"

#include <QCoroTask>
#include <QObject>
#include <QSet>
#include <QUuid>
#include <memory>

class Dialogs;
class KeyValueStore;

// The controller behind the queue window: its fields (the address box, the choices for new
// items, the output folder, the selected rows), which of its actions can be used, and the
// actions themselves, handed to the queue's intake (text into items), its batches (the
// downloads) and its store. It shows no dialogs but the choosers: an outcome is an item's
// status and progress, or a summary the window shows beside the box (urlsAdded,
// playlistEntriesAdded). Only one controller at a time writes the stored queue: a window
// opened while a closed window's batch still runs shows that window's controller (see
// attachTo).
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
    Q_PROPERTY(QString saveFailure READ saveFailure NOTIFY saveFailureChanged)

public:
    // Reads the stored queue and output folder from the user's settings, off the main
    // thread: they, and the queue's rows, come a moment later.
    explicit BulkDownloadViewModel(Dialogs& dialogs, QObject* parent = nullptr);
    // Without an engine factory the controller runs the downloader.
    BulkDownloadViewModel(Dialogs& dialogs, std::unique_ptr<KeyValueStore> store,
                          QObject* parent = nullptr, BatchRunner::EngineFactory makeEngine = {});
    // Waits for the queue's writes still under way.
    ~BulkDownloadViewModel() override;

    const QList<BulkDownloadItem>& downloadItems() const { return items.items(); }
    // The queue as a table for the window; changed only by this controller.
    BulkDownloadItemsModel* itemsModel() { return &items; }
    QString urlsText() const { return intake.text(); }
    void setUrlsText(const QString& text);
    QString selectedFormat() const { return choice.format; }
    void setSelectedFormat(const QString& value);
    QString selectedVideoQuality() const { return choice.videoQuality; }
    void setSelectedVideoQuality(const QString& value);
    QString selectedAudioQuality() const { return choice.audioQuality; }
    void setSelectedAudioQuality(const QString& value);
    QString outputPath() const { return output; }
    void setOutputPath(const QString& path);
    bool isDownloading() const { return batches.isDownloading(); }
    QSet<QUuid> selection() const { return selected; }
    void setSelection(const QSet<QUuid>& ids);
    // Why the queue could not be stored (a full disk, a read-only settings file), for the
    // window to show until a write succeeds; the stored queue stays as it was meanwhile.
    QString saveFailure() const { return store.saveFailure(); }

    // Which actions can be used now; controlsChanged follows any change of them. Adding
    // wants more than blanks in the box; a running batch lets only stops be used; a stop
    // wants a running batch or an unfinished (Pending or Downloading) item to stop.
    bool canAddUrls() const { return boxHoldsText(); }
    bool canAddPlaylistEntries() const { return !isListingPlaylists() && boxHoldsText(); }
    bool canStartAll() const { return !downloadItems().isEmpty() && !isDownloading(); }
    bool canStopAll() const { return isDownloading() || anyUnfinished(false); }
    bool canClearQueue() const { return !isDownloading(); }
    bool canStartSelected() const { return !selected.isEmpty() && !isDownloading(); }
    bool canStopSelected() const {
        return !selected.isEmpty() && (isDownloading() || anyUnfinished(true));
    }
    bool canDeleteSelected() const { return !selected.isEmpty() && !isDownloading(); }

    // Appends every new YouTube address of the text box as a Pending item with the current
    // choices; the lines it refuses stay in the box, the rest leave it; urlsAdded follows. A
    // large text is read off the main thread. Each addition waits for the ones before it
    // and for the stored queue.
    void addURLsToQueue();
    // Takes each address of the text box as a playlist and queues its entries by the rules
    // of addURLsToQueue, then empties the box; playlistEntriesAdded tells what came of it.
    QCoro::Task<> addPlaylistEntries();
    bool isListingPlaylists() const { return intake.isListingPlaylists(); }
    // Appends a pasted text to the text box, on a line of its own; of a large one (see
    // QueueIntake::largeText), read off the main thread, only its addresses. pasteRead
    // follows.
    QCoro::Task<> pasteURLs(QString text);
    // The same for a dropped text, of which only its web addresses, each on a line of its own.
    QCoro::Task<> dropURLs(QString text);
    // Fills the text box from a chosen plain-text file, read off the main thread; of a
    // large file only its addresses.
    QCoro::Task<> addURLsFromFile();
    void chooseOutputFolder();
    // Shows the output folder in the file manager.
    void openOutputFolder();
    // The two batches download their items, as many at once as Preferences asks for, until
    // done or asked to stop.
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
    bool isLoading() const { return store.isLoading(); }
    // Whether a batch still runs, a stopped one that is still ending included.
    bool hasRunningBatch() const { return batches.hasRunningBatch(); }

signals:
    void downloadItemsChanged();
    void urlsTextChanged();
    void selectedFormatChanged();
    void selectedVideoQualityChanged();
    void selectedAudioQualityChanged();
    void outputPathChanged();
    void isDownloadingChanged();
    void selectionChanged();
    void saveFailureChanged();
    void controlsChanged();
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
    void forwardSignals();
    QCoro::Task<QList<BulkDownloadItem>> readStored();
    void takeStoredChoice(const FormatChoice& stored);
    bool boxHoldsText() const;
    // Whether any item, or any selected one, is Pending or Downloading.
    bool anyUnfinished(bool onlySelected) const;

    Dialogs* dialogs;
    BulkDownloadItemsModel items;
    // The choices new items are added with.
    FormatChoice choice;
    QString output;
    QSet<QUuid> selected;
    bool released = false;
    QueueStore store;
    QueueIntake intake;
    BatchRunner batches;
};
