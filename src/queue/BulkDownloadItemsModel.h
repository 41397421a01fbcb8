#pragma once

#include "BulkDownloadItem.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
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

    // Each returns whether anything changed.
    bool setItems(QList<BulkDownloadItem> items);
    bool append(const QList<BulkDownloadItem>& items);
    bool setStatus(int row, DownloadStatus status);
    bool setStatus(int row, DownloadStatus status, double progress);
    bool setProgress(int row, double progress);
    // Gives every chosen item the status and progress, as one change of the table.
    bool setStatusWhere(const Filter& chosen, DownloadStatus status, double progress);
    bool remove(const QSet<QUuid>& ids);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rowChanged(int row, Column first, Column last);

    QList<BulkDownloadItem> queue;
};
