#include "BulkDownloadProgressDelegate.h"

#include "core/queue/BulkDownloadItemsModel.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The bar counts in tenths of a percent so that slow downloads still move it.
int barSteps(double progress) {
    if (!std::isfinite(progress))
        return 0;
    return static_cast<int>(std::clamp(progress, 0.0, 100.0) * 10);
}

} // namespace

void BulkDownloadProgressDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    const auto status =
        static_cast<DownloadStatus>(index.data(BulkDownloadItemsModel::statusRole).toInt());
    if (status != DownloadStatus::downloading) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    QStyleOptionProgressBar bar;
    if (cell.widget)
        bar.initFrom(cell.widget);
    bar.state = option.state | QStyle::State_Horizontal;
    // The groove takes the button's colour: in a dark look the base colour is the row's own, and
    // the bar's empty part vanished on every other row.
    bar.palette.setBrush(QPalette::Base, bar.palette.button());
    const int height = std::min(option.rect.height() - 6, 14);
    bar.rect =
        QRect(option.rect.left() + 4, option.rect.center().y() - height / 2, barWidth, height);
    bar.minimum = 0;
    bar.maximum = 1000;
    bar.progress = barSteps(index.data(BulkDownloadItemsModel::progressRole).toDouble());
    bar.textVisible = false;
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, cell.widget);
}
