#pragma once

#include "BulkDownloadItem.h"
#include "PlaylistEntries.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>
#include <optional>

class DocumentRun;

class BulkDownloadItemsModel;
class QueueStore;

// Turns text into queue items: the lines of the address box, pasted or dropped text, a text
// file, and the entries of playlists. Each addition is read first (a large text off the main
// thread), then waits for the additions before it, the stored queue's loading first of all;
// its items are appended a slice per event-loop turn, each address that is queued already
// left out, and stored with one write. Clearing the queue ends the additions under way.
class QueueIntake : public QObject {
    Q_OBJECT
public:
    // Ends the playlist listing under way.
    ~QueueIntake() override;

    // A pasted or loaded text this long is read off the main thread and only its
    // addresses reach the text box: a text box holding a whole log would stall the window.
    // A text added this long is also read off the main thread. Long lists of items reach
    // the table a slice per event-loop turn.
    static constexpr qsizetype largeText = 256 * 1024;
    static constexpr qsizetype itemsPerSlice = 5000;

    // New items take choice as it is when they are made.
    QueueIntake(BulkDownloadItemsModel& items, QueueStore& store, const FormatChoice& choice,
                QObject* parent = nullptr);

    // The address box.
    QString text() const { return box; }
    void setText(const QString& text);
    bool isListingPlaylists() const { return listingPlaylists; }

    // The stored queue's items, once read, come before every addition: called first.
    void appendStored(QCoro::Task<QList<BulkDownloadItem>> reading);
    // Appends every new accepted address of the box; the lines the queue refuses stay in the
    // box for the user to mend or delete, the rest leave it. added follows.
    void addText();
    // Takes each line of the box as a playlist and queues its entries by the rules of
    // addText, then empties the box; playlistEntriesAdded tells what came of each.
    QCoro::Task<> addPlaylistEntries();
    // Appends text to the box on a line of its own: of a dropped text its web addresses, each
    // on a line of its own (several may stand on one line of it); of a large text only its
    // accepted addresses.
    QCoro::Task<> paste(QString text, bool dropped = false);
    // Fills the box from a UTF-8 text file; of a large file only its addresses.
    QCoro::Task<> loadFile(QString path);
    // The queue has been cleared: additions under way, and the stored items, are dropped, and
    // the playlists still to be listed are not.
    void queueCleared();
    // Ends the playlist listing under way with its process group; no entry of it, nor of the
    // playlists after it, is added.
    void stopListing();

signals:
    void textChanged();
    void itemsAppended();
    void pasteRead();
    // How many items an addition added, and how many non-blank lines it left out as not
    // accepted addresses or as queued already (or earlier in the text).
    void added(int added, int notAddresses, int alreadyQueued);
    void playlistEntriesAdded(const QString& summary);
    void isListingPlaylistsChanged();

private:
    // New items made from a text, and the lines left out of them.
    struct Addition {
        QList<BulkDownloadItem> items;
        QStringList refused;
        int alreadyQueued = 0;
    };

    QCoro::Task<> appendStoredItems(QCoro::Task<QList<BulkDownloadItem>> reading);
    QCoro::Task<> addAfter(QCoro::Task<> previous, QString text);
    QCoro::Task<> queueListingAfter(QCoro::Task<> previous, QString address,
                                    PlaylistEntries::Listing listing);
    QCoro::Task<std::optional<int>> appendAndStore(QList<BulkDownloadItem> list, quint64 cleared,
                                                   int* alreadyQueued);
    // Appends the list a slice at a time; with alreadyQueued, leaves out (and counts there)
    // the items whose address is queued by then. False once the intake is gone or the
    // queue has been cleared since clearings stood at cleared.
    QCoro::Task<bool> appendInSlices(QList<BulkDownloadItem> list, quint64 cleared,
                                     int* alreadyQueued);
    void setListingPlaylists(bool value);

    BulkDownloadItemsModel& items;
    QueueStore& store;
    const FormatChoice& choice;
    QString box;
    bool listingPlaylists = false;
    // The stored queue's loading, then each addition in turn: each appends after the last.
    QCoro::Task<> additions;
    quint64 clearings = 0;
    QPointer<DocumentRun> listing;
    quint64 listingStops = 0;
};
