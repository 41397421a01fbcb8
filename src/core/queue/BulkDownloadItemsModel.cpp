#include "BulkDownloadItemsModel.h"

#include "core/colour/Contrast.h"
#include "core/engine/DownloadChoices.h"
#include "core/engine/PercentText.h"

namespace {

// What the row's tooltip says instead of the cell's own text, if anything: how the download
// goes or why it failed, and the options of the item's last run.
QString rowTooltip(const BulkDownloadItem& item) {
    QStringList lines;
    if (item.status == DownloadStatus::downloading)
        lines << item.progressDetails;
    if (item.status == DownloadStatus::failed)
        lines << item.failureReason;
    if (item.status != DownloadStatus::pending && !item.downloadedWith.isEmpty())
        lines << BulkDownloadItemsModel::tr("Downloaded with %1").arg(item.downloadedWith);
    lines.removeAll(QString());
    return lines.join(u'\n');
}

} // namespace

int BulkDownloadItemsModel::rowOf(const QUuid& id) const {
    for (int row = 0; row < queue.size(); ++row) {
        if (queue.at(row).id == id)
            return row;
    }
    return -1;
}

bool BulkDownloadItemsModel::setItems(QList<BulkDownloadItem> items) {
    if (items.isEmpty() && queue.isEmpty())
        return false;
    beginResetModel();
    queue = std::move(items);
    urlCounts.clear();
    countUrls(queue, 1);
    endResetModel();
    return true;
}

void BulkDownloadItemsModel::reserve(qsizetype more) {
    queue.reserve(queue.size() + more);
    urlCounts.reserve(urlCounts.size() + more);
}

bool BulkDownloadItemsModel::append(const QList<BulkDownloadItem>& items) {
    if (items.isEmpty())
        return false;
    const int first = static_cast<int>(queue.size());
    beginInsertRows({}, first, first + static_cast<int>(items.size()) - 1);
    queue.append(items);
    countUrls(items, 1);
    endInsertRows();
    return true;
}

bool BulkDownloadItemsModel::setStatus(int row, DownloadStatus status) {
    if (!contains(row) || queue[row].status == status)
        return false;
    queue[row].status = status;
    if (status == DownloadStatus::downloading)
        queue[row].progressDetails.clear();
    rowChanged(row, urlColumn, progressColumn);
    return true;
}

bool BulkDownloadItemsModel::setStatus(int row, DownloadStatus status, double progress) {
    const bool statusChanged = setStatus(row, status);
    return setProgress(row, progress) || statusChanged;
}

bool BulkDownloadItemsModel::setProgress(int row, double progress, const QString& details) {
    if (!contains(row))
        return false;
    BulkDownloadItem& item = queue[row];
    if (item.progress == progress && item.progressDetails == details)
        return false;
    item.progress = progress;
    item.progressDetails = details;
    rowChanged(row, urlColumn, progressColumn);
    return true;
}

bool BulkDownloadItemsModel::setDownloadedWith(int row, const QStringList& options) {
    const QString text = options.join("; ");
    if (!contains(row) || queue[row].downloadedWith == text)
        return false;
    queue[row].downloadedWith = text;
    rowChanged(row, urlColumn, progressColumn);
    return true;
}

bool BulkDownloadItemsModel::setFailed(int row, const QString& reason) {
    if (!contains(row))
        return false;
    BulkDownloadItem& item = queue[row];
    item.status = DownloadStatus::failed;
    item.progress = 0;
    item.failureReason = reason;
    rowChanged(row, urlColumn, progressColumn);
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
    emit dataChanged(index(first, urlColumn), index(last, progressColumn));
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
        countUrls(queue.mid(first, last - first + 1), -1);
        queue.remove(first, last - first + 1);
        endRemoveRows();
        removed = true;
        last = first;
    }
    return removed;
}

void BulkDownloadItemsModel::setPalette(const QPalette& palette) {
    const QList<QColor> backgrounds{palette.color(QPalette::Base),
                                    palette.color(QPalette::AlternateBase)};
    const QColor wanted[] = {palette.color(QPalette::PlaceholderText), QColor("blue"),
                             QColor("green"), QColor("red"), QColor("orange")};
    for (const DownloadStatus status : allDownloadStatuses) {
        const auto at = static_cast<std::size_t>(status);
        statusColours[at] = Contrast::readableOn(wanted[at], backgrounds);
    }
    if (!queue.isEmpty())
        emit dataChanged(index(0, statusColumn), index(rowCount() - 1, statusColumn),
                         {Qt::ForegroundRole});
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
        if (index.column() != statusColumn || !statusColours[0].isValid())
            return {};
        return statusColours[static_cast<std::size_t>(item.status)];
    case Qt::ToolTipRole:
        if (const QString tooltip = rowTooltip(item); !tooltip.isEmpty())
            return tooltip;
        return cellText(item, index.column());
    case Qt::DisplayRole:
        return cellText(item, index.column());
    }
    return {};
}

QVariant BulkDownloadItemsModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
    static const char* const titles[] = {
        //: A queue table's column: each item's address.
        QT_TR_NOOP("URL"),
        //: A queue table's column: each item's file kind (MP3, MP4, M4A).
        QT_TR_NOOP("Format"),
        //: A queue table's column: each item's video height or audio bit rate.
        QT_TR_NOOP("Quality"),
        //: A queue table's column: each item's status (Pending, Completed…).
        QT_TR_NOOP("Status"),
        //: A queue table's column: each item's percentage.
        QT_TR_NOOP("Progress")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section > progressColumn)
        return {};
    return tr(titles[section]);
}

void BulkDownloadItemsModel::rowChanged(int row, Column first, Column last) {
    emit dataChanged(index(row, first), index(row, last));
}

QVariant BulkDownloadItemsModel::cellText(const BulkDownloadItem& item, int column) const {
    switch (column) {
    case urlColumn:
        return item.url;
    case formatColumn:
        return DownloadChoices::shown(item.choice.format);
    case qualityColumn:
        return DownloadChoices::shown(item.choice.quality());
    case statusColumn:
        return shownStatus(item.status);
    case progressColumn:
        return percentText(item.progress);
    }
    return {};
}

void BulkDownloadItemsModel::countUrls(const QList<BulkDownloadItem>& items, int change) {
    for (const BulkDownloadItem& item : items) {
        int& count = urlCounts[item.url];
        count += change;
        if (count <= 0)
            urlCounts.remove(item.url);
    }
}
