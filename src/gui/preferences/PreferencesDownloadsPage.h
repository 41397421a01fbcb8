#pragma once

#include <QWidget>

class PreferencesViewModel;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The Preferences window's page of how downloads run: how many queue items at once, a speed
// limit, and how the files are named, with a preview of the name. Binds to the window's
// controller.
class PreferencesDownloadsPage : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesDownloadsPage(PreferencesViewModel* model, QWidget* parent = nullptr);

private:
    QWidget* buildQueueSection();
    QWidget* buildFileNameSection();
    void bind();
    void showOptions();

    PreferencesViewModel* model;
    QSpinBox* atOnce;
    QCheckBox* limited;
    QDoubleSpinBox* limit;
    QComboBox* presets;
    QLineEdit* fileNames;
    QLabel* preview;
    QLabel* problem;
    QCheckBox* safeCharacters;
};
