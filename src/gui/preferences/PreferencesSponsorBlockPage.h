#pragma once

#include <QList>
#include <QWidget>

class PreferencesViewModel;
class QCheckBox;
class QComboBox;

// The Preferences window's page of SponsorBlock: off, its segments marked as chapters, or the
// chosen categories removed from the videos. Binds to the window's controller.
class PreferencesSponsorBlockPage : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesSponsorBlockPage(PreferencesViewModel* model, QWidget* parent = nullptr);

private:
    void showOptions();

    PreferencesViewModel* model;
    QComboBox* mode;
    // One per category of DownloadOptions::sponsorBlockCategories, in its order.
    QList<QCheckBox*> categories;
};
