#pragma once

#include "gui/widgets/WidgetDialogs.h"

#include <QTimer>
#include <QWidget>

class Dialogs;
class MediaCutterViewModel;
class Notifier;
class QDropEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The media cutter window's content: one vertical form that binds every control to
// its own MediaCutterViewModel, which lives as long as the window. A local file dropped
// onto the window is chosen as the input.
class MediaCutterView : public QWidget {
    Q_OBJECT
public:
    // Without dialogs of its own choosing (tests pass a stand-in), the window shows real
    // ones; with a notifier, a cut that ends while the window is not active is announced.
    explicit MediaCutterView(Dialogs* dialogs = nullptr, Notifier* notifier = nullptr,
                             QWidget* parent = nullptr);

    MediaCutterViewModel& viewModel() const { return *model; }
    // Keeps the window's minimum size within a screen of this available area.
    void fitToScreen(QSize available);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* makeFileBlock();
    QWidget* makeInformationBlock();
    QWidget* makeTrimBlock();
    QWidget* makeOutputBlock();
    QWidget* makeCutButton();
    QWidget* makeShowInFolderButton();
    QWidget* makeProgressBlock();
    QWidget* makeLogBlock();
    QLineEdit* boundField(const QString& placeholder, QString (MediaCutterViewModel::*get)() const,
                          void (MediaCutterViewModel::*set)(const QString&),
                          void (MediaCutterViewModel::*changed)());

    void showInformation();
    void showCutState();
    void showProgress();
    void turnSpinner();
    void addShortcutsAndDrops();
    // Accepts a drag of one local file, and chooses that file when it is dropped.
    void takeDrop(QDropEvent* event);
    void announceEnd(bool succeeded);

    WidgetDialogs widgetDialogs;
    MediaCutterViewModel* model;
    Notifier* notifier;
    QWidget* informationBlock = nullptr;
    QLabel* durationLine = nullptr;
    QLabel* formatLine = nullptr;
    QPushButton* cutButton = nullptr;
    QPushButton* showInFolder = nullptr;
    QWidget* progressBlock = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* percentLabel = nullptr;
    QTimer spinnerTimer;
    int spinnerStep = 0;
};
