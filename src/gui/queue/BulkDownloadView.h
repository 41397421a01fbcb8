#pragma once

#include "gui/widgets/WidgetDialogs.h"

#include <QWidget>

class BulkDownloadTableView;
class BulkDownloadViewModel;
class Dialogs;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class SegmentedControl;
class UrlsTextEdit;

// The content of the queue window ("bulk-download"): the address box, the choices for
// new items, the batch buttons and the queue table. It shows and edits the fields of its
// controller and calls its operations. Links dropped on it go into the address box.
class BulkDownloadView : public QWidget {
    Q_OBJECT
public:
    // The least room the content needs; on a smaller screen the window keeps to the
    // screen and the content scrolls.
    static constexpr QSize contentMinimum{800, 800};

    // Without dialogs of its own choosing (tests pass a stand-in), the window shows real
    // ones. It creates its controller, or shows running, the controller of a closed
    // window whose batch still runs.
    explicit BulkDownloadView(Dialogs* dialogs = nullptr, BulkDownloadViewModel* running = nullptr,
                              QWidget* parent = nullptr);
    // A batch that still runs keeps the controller alive until it ends.
    ~BulkDownloadView() override;

    BulkDownloadViewModel* viewModel() const { return model; }
    // Keeps the window, and its minimum size, within this area of the screen.
    void fitToScreen(const QRect& available);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* content();
    QLayout* headingRow();
    QLayout* inputSection();
    QLayout* optionsRow();
    QLayout* queueButtonRow();
    QLayout* selectionButtonRow();
    QLayout* queueSection();
    QWidget* formatPicker();
    QPushButton* playlistButton();

    void tellWhatChanges(QWidget* control);
    void addShortcuts();
    void bindFields();
    void showFormat();
    void showQualityPicker();
    void showQueueHeading();
    void showSaveFailure();
    // The notice beside "Add URLs to Queue" tells how much of a long text the box shows
    // while it fills, and which lines an addition left out.
    void showFilling();
    void showLeftOut(int notAddresses, int alreadyQueued);
    void updateEnabledStates();

    WidgetDialogs widgetDialogs;
    BulkDownloadViewModel* model;
    QScrollArea* scroller = nullptr;
    QLabel* queueHeading = nullptr;
    QLabel* saveFailure = nullptr;
    UrlsTextEdit* urlsEditor = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* playlistExpander = nullptr;
    QLabel* notice = nullptr;
    bool noticeShowsFilling = false;
    SegmentedControl* formatSegments = nullptr;
    QComboBox* qualityPicker = nullptr;
    QLineEdit* outputField = nullptr;
    QPushButton* startAllButton = nullptr;
    QPushButton* stopAllButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* startSelectedButton = nullptr;
    QPushButton* stopSelectedButton = nullptr;
    QPushButton* deleteSelectedButton = nullptr;
    BulkDownloadTableView* table = nullptr;
};
