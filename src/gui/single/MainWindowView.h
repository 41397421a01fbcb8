#pragma once

#include "core/engine/DownloadEngine.h"
#include "gui/widgets/WidgetDialogs.h"

#include <QWidget>
#include <memory>

class MainWindowViewModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QProgressBar;
class QPushButton;
class SegmentedControl;
class ToolInstaller;

// The main window's content: address, format, quality and part, output folder, the
// download and stop buttons, progress while downloading, and the log. It binds its
// controls to its own controller, which lives exactly as long as the view.
class MainWindowView : public QWidget {
    Q_OBJECT
public:
    // Without dialogs the view shows the real ones, over its own window; without an
    // engine its controller runs the downloader.
    explicit MainWindowView(std::shared_ptr<ToolInstaller> installer, Dialogs* dialogs = nullptr,
                            QWidget* parent = nullptr, std::unique_ptr<DownloadEngine> engine = {});

    MainWindowViewModel* viewModel() const { return model; }

signals:
    // One of the header buttons or the Preferences key asks for the window "bulk-download",
    // "media-cutter", "preferences" or "about".
    void openWindowRequested(const QString& identifier);
    // The window's first frame since it appeared has been drawn: what would slow that frame,
    // such as the tool check, starts now.
    void frameShown();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Links dropped on the window fill the address field; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QLayout* buildHeader();
    QWidget* buildAddressBlock();
    QWidget* buildChoicesBlock();
    QLayout* buildFormatRow();
    QWidget* buildOutputBlock();
    QLayout* buildActionRow();
    QWidget* buildProgressBlock();
    QWidget* buildLogBlock();
    QWidget* buildQualityPicker(const QString& heading, QComboBox* picker);
    QWidget* buildSectionBlock();
    void bind();
    void updateEnabledStates();
    void updateQualityPicker();
    void updateSection();
    void updateProgress();
    void updateCompleted();
    void markOfferedHeights();
    QString droppedAddress(const QMimeData* data) const;

    WidgetDialogs widgetDialogs;
    MainWindowViewModel* model;
    QLineEdit* urlField;
    SegmentedControl* formatPicker;
    QWidget* videoQualityBlock;
    QWidget* audioQualityBlock;
    QComboBox* videoQualityPicker;
    QComboBox* audioQualityPicker;
    QLineEdit* sectionStartField;
    QLineEdit* sectionEndField;
    QLabel* sectionProblemLabel;
    QLineEdit* outputField;
    QPushButton* browseButton;
    QCheckBox* playlistSwitch;
    QPushButton* downloadButton;
    QPushButton* stopButton;
    QPushButton* openFolderButton;
    QPushButton* openFileButton;
    QWidget* progressBlock;
    QProgressBar* progressBar;
    QLabel* progressLabel;
    QLabel* detailsLabel;
    bool shownBefore = false;
    bool checkAfterFrame = false;
};
