#pragma once

#include <QWidget>

class PreferencesViewModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The Preferences window's page of what a downloaded file holds: subtitles in chosen languages,
// embedded or saved beside it, and the metadata, chapters and pictures embedded in it. Binds to
// the window's controller.
class PreferencesContentsPage : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesContentsPage(PreferencesViewModel* model, QWidget* parent = nullptr);

private:
    QWidget* buildSubtitleSection();
    QWidget* buildEmbeddingSection();
    void bind();
    void showOptions();

    PreferencesViewModel* model;
    QComboBox* subtitles;
    QLineEdit* languages;
    QPushButton* offered;
    QCheckBox* captions;
    QCheckBox* metadata;
    QCheckBox* chapters;
    QCheckBox* cover;
    QCheckBox* thumbnail;
};
