#pragma once

#include "widgets/WidgetDialogs.h"

#include <QTimer>
#include <QWidget>

class Dialogs;
class MediaCutterViewModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The media cutter window's content: one vertical form that binds every control to
// its own MediaCutterViewModel, which lives as long as the window.
class MediaCutterView : public QWidget {
    Q_OBJECT
public:
    // Without dialogs of its own choosing (tests pass a stand-in), the window shows real ones.
    explicit MediaCutterView(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);

    MediaCutterViewModel& viewModel() const { return *model; }

private:
    QWidget* makeFileBlock();
    QWidget* makeInformationBlock();
    QWidget* makeTrimBlock();
    QWidget* makeOutputBlock();
    QWidget* makeCutButton();
    QWidget* makeProgressBlock();
    QWidget* makeLogBlock();
    QLineEdit* boundField(const QString& placeholder, QString (MediaCutterViewModel::*get)() const,
                          void (MediaCutterViewModel::*set)(const QString&),
                          void (MediaCutterViewModel::*changed)());

    void showInformation();
    void showCutState();
    void showProgress();
    void turnSpinner();

    WidgetDialogs widgetDialogs;
    MediaCutterViewModel* model;
    QWidget* informationBlock = nullptr;
    QLabel* durationLine = nullptr;
    QLabel* formatLine = nullptr;
    QPushButton* cutButton = nullptr;
    QWidget* progressBlock = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* percentLabel = nullptr;
    QTimer spinnerTimer;
    int spinnerStep = 0;
};
