#pragma once

#include "BulkDownloadItem.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPalette>
#include <QSet>
#include <array>
#include <functional>

// The queue as a table: one row per item in queue order, columns URL, Format, Quality,
// Status and Progress. The queue controller is the only one that changes it.
class BulkDownloadItemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { urlColumn, formatColumn, qualityColumn, statusColumn, progressColumn };
    // statusRole gives the DownloadStatus as an int, progressRole the percentage, idRole the id.
    enum Role { statusRole = Qt::UserRole, progressRole, idRole };

    using Filter = std::function<bool(const BulkDownloadItem&)>;

    using QAbstractTableModel::QAbstractTableModel;

    const QList<BulkDownloadItem>& items() const { return queue; }
    bool contains(int row) const { return row >= 0 && row < queue.size(); }
    // The row of the item with this id, or -1.
    int rowOf(const QUuid& id) const;
    bool containsUrl(const QString& url) const { return urlCounts.contains(url); }

    // Makes room for that many more items, so that appending them in parts never moves
    // the whole queue.
    void reserve(qsizetype more);
    // Each returns whether anything changed.
    bool setItems(QList<BulkDownloadItem> items);
    bool append(const QList<BulkDownloadItem>& items);
    // Downloading clears the progress details of an earlier run.
    bool setStatus(int row, DownloadStatus status);
    bool setStatus(int row, DownloadStatus status, double progress);
    bool setProgress(int row, double progress, const QString& details = {});
    // The options the item runs with, as phrases (none for the defaults).
    bool setDownloadedWith(int row, const QStringList& options);
    // Failed with progress 0, keeping why.
    bool setFailed(int row, const QString& reason);
    // Gives every chosen item the status and progress, as one change of the table.
    bool setStatusWhere(const Filter& chosen, DownloadStatus status, double progress);
    bool remove(const QSet<QUuid>& ids);

    // The status colours are the shades of blue, green, red and orange (and the secondary
    // text colour) that read on this palette's table background.
    void setPalette(const QPalette& palette);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rowChanged(int row, Column first, Column last);
    QVariant cellText(const BulkDownloadItem& item, int column) const;
    void countUrls(const QList<BulkDownloadItem>& items, int change);

    QList<BulkDownloadItem> queue;
    QHash<QString, int> urlCounts;
    std::array<QColor, allDownloadStatuses.size()> statusColours;
};
