#pragma once

#include <QStyledItemDelegate>

// The Progress cell of the queue table: an 80-pixel progress bar while the item
// downloads, its whole percentage as text in every other status.
class BulkDownloadProgressDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int barWidth = 80;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
