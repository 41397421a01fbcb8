#pragma once

#include <QSet>
#include <QTableView>
#include <QUuid>

class BulkDownloadViewModel;
class QAction;
class QMenu;

// The queue table of the queue window: one row per item, its selection kept two ways
// with the controller's, and on rows a context menu with "Open Folder" (completed rows),
// "Copy Address", "Delete Selected" and "Start Selected"; Delete deletes the selection.
// A failed row's tooltip says why, wrapped: a downloader's error can be one very long line.
class BulkDownloadTableView : public QTableView {
    Q_OBJECT
public:
    explicit BulkDownloadTableView(BulkDownloadViewModel* controller, QWidget* parent = nullptr);

    // The window's rules for its two selection buttons, which the menu follows.
    void setSelectionActionsEnabled(bool start, bool remove);

protected:
    void changeEvent(QEvent* event) override;
    // Keyboard focus shows as an accent outline around the table, also while it is empty.
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Shows a cell's tooltip as text that wraps at a readable width.
    bool viewportEvent(QEvent* event) override;

private:
    void setUpColumns();
    void buildMenu();
    void showMenu(const QPoint& position);
    void copyAddresses() const;
    void showSelection();
    QSet<QUuid> selectedIds() const;

    BulkDownloadViewModel* model;
    QMenu* menu = nullptr;
    QAction* openFolder = nullptr;
    QAction* startSelected = nullptr;
    QAction* deleteSelected = nullptr;
    bool showingSelection = false;
};
