#pragma once

#include "BulkDownloadItem.h"
#include "QueueStoreWriter.h"
#include "core/engine/FormatChoice.h"
#include "core/engine/RememberedChoices.h"

#include <QCoroTask>
#include <QObject>
#include <memory>
#include <optional>

class BulkDownloadItemsModel;
class KeyValueStore;

// Keeps the queue in the user's key-value store: reads it, with the output folder and the
// choices for new items, off the main thread; writes the queue after a change, but not
// before it has been read whole, so that a queue still loading is never stored in part; and
// keeps a stored queue it cannot read aside before the first write replaces it. A write that
// cannot reach the disk leaves the stored queue as it was and says why (saveFailure).
class QueueStore : public QObject {
    Q_OBJECT
public:
    inline static const QString downloadItemsKey = "bulkDownloadItems";
    inline static const QString outputPathKey = "bulkDownloadOutputPath";
    // The choices for new items are remembered under keys that start with this.
    inline static const QString choicesPrefix = "bulkDownload";
    // Where a stored queue that could not be read is kept before it is first replaced.
    inline static const QString unreadableItemsKey = "bulkDownloadItems.unreadable";

    // What the store holds; none where it holds nothing, or no queue it can read.
    struct Stored {
        std::optional<QList<BulkDownloadItem>> items;
        std::optional<QString> outputPath;
        // The remembered format and qualities.
        FormatChoice choice;
    };

    // Writes the items of that table.
    QueueStore(std::unique_ptr<KeyValueStore> store, const BulkDownloadItemsModel& items,
               QObject* parent = nullptr);
    // Waits for the writes still under way.
    ~QueueStore() override;

    // Reads what the store holds, off the main thread; none once this store is gone. Prints
    // why a stored queue cannot be read. The queue is written no sooner than endLoading.
    QCoro::Task<std::optional<Stored>> load();
    // The stored items are in the table, or will never be: a write asked for meanwhile
    // happens now.
    void endLoading();
    bool isLoading() const { return loading; }

    // Writes the table's items as they are now, once loaded.
    void save();
    void saveOutputPath(const QString& path);
    void remember(RememberedChoices::Kind kind, const QString& value);
    // Returns once every write asked for so far has reached the store.
    void waitUntilSaved();
    // Why the newest write of the queue did not reach the disk, for the user; "" once one has.
    QString saveFailure() const { return failure; }

signals:
    void saveFailureChanged();

private:
    void written(const KeyValueStore::WriteFailure& writeFailure);

    std::unique_ptr<KeyValueStore> userDefaults;
    QueueStoreWriter writer;
    const BulkDownloadItemsModel& items;
    std::optional<QByteArray> unreadableItems;
    bool loading = false;
    bool saveWhenLoaded = false;
    QString failure;
};
