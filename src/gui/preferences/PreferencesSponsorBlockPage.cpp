#include "PreferencesSponsorBlockPage.h"

#include "PreferencesSection.h"
#include "core/preferences/PreferencesViewModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QVBoxLayout>

PreferencesSponsorBlockPage::PreferencesSponsorBlockPage(PreferencesViewModel* model,
                                                         QWidget* parent)
    : QWidget(parent)
    , model(model) {
    QVBoxLayout* page = PreferencesSection::page(this);
    const PreferencesSection::Section section = PreferencesSection::make(
        tr("SponsorBlock"),
        tr("SponsorBlock is a shared list of the segments that viewers marked in YouTube videos: "
           "sponsors, intros, reminders to subscribe. While it is on, every download asks the "
           "SponsorBlock service (sponsor.ajay.app) about its video."));
    auto* form = new QFormLayout;
    mode = new QComboBox;
    mode->setObjectName("sponsorBlock");
    mode->addItems(
        {tr("Off"), tr("Mark the chosen segments as chapters"), tr("Remove the chosen segments")});
    form->addRow(tr("&With SponsorBlock:"), mode);
    section.controls->addLayout(form);
    auto* grid = new QGridLayout;
    const QList<DownloadOptions::Category>& all = DownloadOptions::sponsorBlockCategories();
    for (qsizetype i = 0; i < all.size(); ++i) {
        auto* box = new QCheckBox(DownloadOptions::tr(all[i].label));
        box->setObjectName("sponsorBlock-" + all[i].value);
        connect(box, &QCheckBox::clicked, this, [this, value = all[i].value](bool on) {
            this->model->setSponsorCategory(value, on);
        });
        grid->addWidget(box, static_cast<int>(i / 2), static_cast<int>(i % 2));
        categories << box;
    }
    section.controls->addLayout(grid);
    page->addWidget(section.widget);
    page->addStretch();
    connect(mode, &QComboBox::activated, this, [this](int index) {
        this->model->setSponsorBlock(static_cast<DownloadOptions::SponsorBlock>(index));
    });
    connect(model, &PreferencesViewModel::optionsChanged, this,
            &PreferencesSponsorBlockPage::showOptions);
    showOptions();
}

void PreferencesSponsorBlockPage::showOptions() {
    const DownloadOptions& options = model->options();
    mode->setCurrentIndex(static_cast<int>(options.sponsorBlock));
    const QList<DownloadOptions::Category>& all = DownloadOptions::sponsorBlockCategories();
    for (qsizetype i = 0; i < all.size(); ++i) {
        categories[i]->setChecked(options.sponsorCategories.contains(all[i].value));
        categories[i]->setEnabled(options.sponsorBlock != DownloadOptions::SponsorBlock::off);
    }
}
