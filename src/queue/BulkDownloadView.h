#pragma once

#include "widgets/WidgetDialogs.h"

#include <QSet>
#include <QUuid>
#include <QWidget>

class BulkDownloadViewModel;
class Dialogs;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The content of the queue window ("bulk-download"): the address box, the choices for
// new items, the batch buttons and the queue table. It creates its controller and only
// shows and edits the controller's fields and calls its operations.
class BulkDownloadView : public QWidget {
    Q_OBJECT
public:
    // Without dialogs of its own choosing (tests pass a stand-in), the window shows real ones.
    explicit BulkDownloadView(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
    // A batch that still runs keeps the controller alive until it ends.
    ~BulkDownloadView() override;

    BulkDownloadViewModel* viewModel() const { return model; }

private:
    QLayout* headingRow();
    QLayout* inputSection();
    QLayout* optionsRow();
    QLayout* queueButtonRow();
    QLayout* selectionButtonRow();
    QLayout* queueSection();
    QWidget* formatPicker();

    void bindFields();
    void bindSelection();
    void showFormat();
    void showQualityPicker();
    void showQueueHeading();
    void showSelection();
    void updateEnabledStates();
    QSet<QUuid> tableSelection() const;

    WidgetDialogs widgetDialogs;
    BulkDownloadViewModel* model;
    QLabel* queueHeading = nullptr;
    QPlainTextEdit* urlsEditor = nullptr;
    QPushButton* addButton = nullptr;
    QButtonGroup* formatButtons = nullptr;
    QComboBox* qualityPicker = nullptr;
    QLineEdit* outputField = nullptr;
    QPushButton* startAllButton = nullptr;
    QPushButton* stopAllButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* startSelectedButton = nullptr;
    QPushButton* stopSelectedButton = nullptr;
    QPushButton* deleteSelectedButton = nullptr;
    QTableView* table = nullptr;
    bool showingSelection = false;
};
