#include "BulkDownloadTableView.h"

#include "BulkDownloadProgressDelegate.h"
#include "core/colour/Contrast.h"
#include "core/queue/BulkDownloadItemsModel.h"
#include "core/queue/BulkDownloadViewModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QToolTip>

namespace {

// The text broken into lines of at most about seventy characters, at spaces where it can,
// since a tooltip shows plain text one line per line however wide that makes it.
QString wrapped(const QString& text) {
    constexpr qsizetype longest = 72;
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        for (QString word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > longest) {
                lines << line;
                line.clear();
            }
            for (; word.size() > longest; word.remove(0, longest))
                lines << word.left(longest);
            line += (line.isEmpty() ? "" : " ") + word;
        }
        lines << line;
    }
    return lines.join(u'\n');
}

} // namespace

BulkDownloadTableView::BulkDownloadTableView(BulkDownloadViewModel* controller, QWidget* parent)
    : QTableView(parent)
    , model(controller) {
    setModel(model->itemsModel());
    //: The queue table's name for assistive technology.
    setAccessibleName(tr("Download Queue"));
    setItemDelegateForColumn(BulkDownloadItemsModel::progressColumn,
                             new BulkDownloadProgressDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setTabKeyNavigation(false);
    setUpColumns();
    buildMenu();
    model->itemsModel()->setPalette(palette());
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showingSelection)
            model->setSelection(selectedIds());
    });
    connect(model, &BulkDownloadViewModel::selectionChanged, this,
            &BulkDownloadTableView::showSelection);
    showSelection();
}

void BulkDownloadTableView::setSelectionActionsEnabled(bool start, bool remove) {
    startSelected->setEnabled(start);
    deleteSelected->setEnabled(remove);
}

void BulkDownloadTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        model->itemsModel()->setPalette(palette());
    QTableView::changeEvent(event);
}

bool BulkDownloadTableView::event(QEvent* event) {
    const bool handled = QTableView::event(event);
    // The scroll area's own paint event draws the frame around the header and the rows.
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(Contrast::focusAccent(palette()), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    return handled;
}

void BulkDownloadTableView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    update();
}

void BulkDownloadTableView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    update();
}

bool BulkDownloadTableView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex cell = indexAt(help->pos());
    const QString text = cell.data(Qt::ToolTipRole).toString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), wrapped(text), viewport(), visualRect(cell));
    return true;
}

void BulkDownloadTableView::setUpColumns() {
    verticalHeader()->hide();
    QHeaderView* columns = horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionResizeMode(BulkDownloadItemsModel::urlColumn, QHeaderView::Stretch);
    const std::pair<int, int> widths[] = {{BulkDownloadItemsModel::formatColumn, 70},
                                          {BulkDownloadItemsModel::qualityColumn, 70},
                                          {BulkDownloadItemsModel::statusColumn, 100},
                                          {BulkDownloadItemsModel::progressColumn, 100}};
    int fixedWidth = 0;
    for (const auto& [column, width] : widths) {
        columns->resizeSection(column, width);
        fixedWidth += width;
    }
    // The URL column keeps at least 200 pixels.
    setMinimumSize(200 + fixedWidth + 2 * frameWidth() + 20, 200);
}

void BulkDownloadTableView::buildMenu() {
    menu = new QMenu(this);
    openFolder =
        //: A queue row's menu: shows the output folder.
        menu->addAction(tr("Open &Folder"), model, &BulkDownloadViewModel::openOutputFolder);
    //: A queue row's menu: copies the selected items' addresses.
    menu->addAction(tr("&Copy Address"), this, &BulkDownloadTableView::copyAddresses);
    deleteSelected =
        //: A queue row's menu: removes the selected items.
        menu->addAction(tr("&Delete Selected"), model, &BulkDownloadViewModel::deleteSelectedItems);
    startSelected =
        //: A queue row's menu: downloads the selected items.
        menu->addAction(tr("&Start Selected"), this, [this] { model->startSelectedDownloads(); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &BulkDownloadTableView::showMenu);
    auto* remove = new QShortcut(QKeySequence::Delete, this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, deleteSelected, &QAction::trigger);
}

void BulkDownloadTableView::showMenu(const QPoint& position) {
    const QModelIndex row = indexAt(position);
    if (!row.isValid())
        return;
    const auto status =
        static_cast<DownloadStatus>(row.data(BulkDownloadItemsModel::statusRole).toInt());
    openFolder->setVisible(status == DownloadStatus::completed);
    menu->popup(viewport()->mapToGlobal(position));
}

void BulkDownloadTableView::copyAddresses() const {
    QStringList addresses;
    for (const BulkDownloadItem& item : model->downloadItems()) {
        if (model->selection().contains(item.id))
            addresses << item.url;
    }
    QGuiApplication::clipboard()->setText(addresses.join('\n'));
}

void BulkDownloadTableView::showSelection() {
    const QSet<QUuid> wanted = model->selection();
    if (selectedIds() == wanted)
        return;
    const QScopedValueRollback guard(showingSelection, true);
    const QList<BulkDownloadItem>& list = model->downloadItems();
    const int lastColumn = BulkDownloadItemsModel::progressColumn;
    QItemSelection shown;
    // One range per run of neighbouring selected rows.
    for (int row = 0; row < list.size(); ++row) {
        if (!wanted.contains(list.at(row).id))
            continue;
        int last = row;
        while (last + 1 < list.size() && wanted.contains(list.at(last + 1).id))
            ++last;
        shown.select(model->itemsModel()->index(row, 0),
                     model->itemsModel()->index(last, lastColumn));
        row = last;
    }
    selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
}

QSet<QUuid> BulkDownloadTableView::selectedIds() const {
    QSet<QUuid> ids;
    const QModelIndexList rows = selectionModel()->selectedRows();
    for (const QModelIndex& row : rows)
        ids.insert(row.data(BulkDownloadItemsModel::idRole).toUuid());
    return ids;
}
