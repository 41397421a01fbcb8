#include "BulkDownloadItemsModel.h"

#include "engine/DownloadChoices.h"
#include "engine/PercentText.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace {

QString shownQuality(const BulkDownloadItem& item) {
    return DownloadChoices::isAudioFormat(item.format) ? item.audioQuality : item.videoQuality;
}

QColor statusColour(DownloadStatus status) {
    switch (status) {
    case DownloadStatus::pending:
        return QGuiApplication::palette().color(QPalette::PlaceholderText);
    case DownloadStatus::downloading:
        return QColor("blue");
    case DownloadStatus::completed:
        return QColor("green");
    case DownloadStatus::failed:
        return QColor("red");
    case DownloadStatus::cancelled:
        return QColor("orange");
    }
    return {};
}

} // namespace

bool BulkDownloadItemsModel::setItems(QList<BulkDownloadItem> items) {
    if (items.isEmpty() && queue.isEmpty())
        return false;
    beginResetModel();
    queue = std::move(items);
    endResetModel();
    return true;
}

bool BulkDownloadItemsModel::append(const QList<BulkDownloadItem>& items) {
    if (items.isEmpty())
        return false;
    const int first = static_cast<int>(queue.size());
    beginInsertRows({}, first, first + static_cast<int>(items.size()) - 1);
    queue.append(items);
    endInsertRows();
    return true;
}

bool BulkDownloadItemsModel::setStatus(int row, DownloadStatus status) {
    if (!contains(row) || queue[row].status == status)
        return false;
    queue[row].status = status;
    rowChanged(row, statusColumn, progressColumn);
    return true;
}

bool BulkDownloadItemsModel::setStatus(int row, DownloadStatus status, double progress) {
    const bool statusChanged = setStatus(row, status);
    return setProgress(row, progress) || statusChanged;
}

bool BulkDownloadItemsModel::setProgress(int row, double progress) {
    if (!contains(row) || queue[row].progress == progress)
        return false;
    queue[row].progress = progress;
    rowChanged(row, progressColumn, progressColumn);
    return true;
}

bool BulkDownloadItemsModel::setStatusWhere(const Filter& chosen, DownloadStatus status,
                                            double progress) {
    int first = -1;
    int last = -1;
    for (int row = 0; row < queue.size(); ++row) {
        BulkDownloadItem& item = queue[row];
        if (!chosen(item) || (item.status == status && item.progress == progress))
            continue;
        item.status = status;
        item.progress = progress;
        first = first < 0 ? row : first;
        last = row;
    }
    if (first < 0)
        return false;
    emit dataChanged(index(first, statusColumn), index(last, progressColumn));
    return true;
}

bool BulkDownloadItemsModel::remove(const QSet<QUuid>& ids) {
    bool removed = false;
    // From the end, one run of neighbouring rows at a time, so the rows before a run
    // keep their numbers and the view keeps its scroll position.
    for (int last = static_cast<int>(queue.size()) - 1; last >= 0; --last) {
        if (!ids.contains(queue[last].id))
            continue;
        int first = last;
        while (first > 0 && ids.contains(queue[first - 1].id))
            --first;
        beginRemoveRows({}, first, last);
        queue.remove(first, last - first + 1);
        endRemoveRows();
        removed = true;
        last = first;
    }
    return removed;
}

int BulkDownloadItemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(queue.size());
}

int BulkDownloadItemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : progressColumn + 1;
}

QVariant BulkDownloadItemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row()))
        return {};
    const BulkDownloadItem& item = queue.at(index.row());
    switch (role) {
    case statusRole:
        return static_cast<int>(item.status);
    case progressRole:
        return item.progress;
    case idRole:
        return item.id;
    case Qt::ForegroundRole:
        return index.column() == statusColumn ? QVariant(statusColour(item.status)) : QVariant();
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        break;
    default:
        return {};
    }
    switch (index.column()) {
    case urlColumn:
        return item.url;
    case formatColumn:
        return item.format;
    case qualityColumn:
        return shownQuality(item);
    case statusColumn:
        return rawValue(item.status);
    case progressColumn:
        return percentText(item.progress);
    }
    return {};
}

QVariant BulkDownloadItemsModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
    static const char* const titles[] = {"URL", "Format", "Quality", "Status", "Progress"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section > progressColumn)
        return {};
    return QString(titles[section]);
}

void BulkDownloadItemsModel::rowChanged(int row, Column first, Column last) {
    emit dataChanged(index(row, first), index(row, last));
}
