#pragma once

#include "gui/widgets/WidgetDialogs.h"

#include <QWidget>

class PreferencesViewModel;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

// The Preferences window's content, on tabs: how downloads run and name their files, what the
// files hold, SponsorBlock, and the sign-in section, where the downloader's cookies come from.
// It binds its controls to its own controller, which lives exactly as long as the view.
class PreferencesView : public QWidget {
    Q_OBJECT
public:
    // Without dialogs the view shows the real file chooser, over its own window.
    explicit PreferencesView(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);

    PreferencesViewModel* viewModel() const { return model; }

private:
    QWidget* buildSignInSection();
    QWidget* buildFileRow();
    void bind();
    void showCookies();

    WidgetDialogs widgetDialogs;
    PreferencesViewModel* model;
    QFormLayout* form;
    QComboBox* sourcePicker;
    QComboBox* profilePicker;
    QWidget* fileRow;
    QLineEdit* fileField;
    QLabel* problemLabel;
    QLabel* lookingLabel;
};
