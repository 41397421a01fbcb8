#include "PreferencesContentsPage.h"

#include "PreferencesSection.h"
#include "core/preferences/PreferencesViewModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(const QString& text, const QString& name) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

} // namespace

PreferencesContentsPage::PreferencesContentsPage(PreferencesViewModel* model, QWidget* parent)
    : QWidget(parent)
    , model(model) {
    QVBoxLayout* page = PreferencesSection::page(this);
    page->addWidget(buildSubtitleSection());
    page->addWidget(buildEmbeddingSection());
    page->addStretch();
    bind();
}

QWidget* PreferencesContentsPage::buildSubtitleSection() {
    const PreferencesSection::Section section = PreferencesSection::make(
        tr("Subtitles"), tr("For videos: the subtitles in the languages named by their codes "
                            "(\"en, de\"), where the site offers them."));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    subtitles = new QComboBox;
    subtitles->setObjectName("subtitles");
    subtitles->addItems({tr("None"), tr("Embedded in the MP4"), tr("Saved beside it as .srt")});
    form->addRow(tr("S&ubtitles:"), subtitles);
    auto* row = new QHBoxLayout;
    languages = new QLineEdit;
    languages->setObjectName("subtitleLanguages");
    languages->setPlaceholderText(tr("en, de"));
    offered = new QPushButton(tr("&Add"));
    offered->setObjectName("offeredLanguages");
    offered->setToolTip(tr("Add a language that the address in the main window offers"));
    offered->setMenu(new QMenu(offered));
    row->addWidget(languages, 1);
    row->addWidget(offered);
    form->addRow(tr("&Languages:"), row);
    // The label names the field, not the row, for assistive technology.
    static_cast<QLabel*>(form->labelForField(row))->setBuddy(languages);
    section.controls->addLayout(form);
    captions =
        checkBox(tr("Count the site's automatic ca&ptions as subtitles"), "automaticCaptions");
    section.controls->addWidget(captions);
    return section.widget;
}

QWidget* PreferencesContentsPage::buildEmbeddingSection() {
    const PreferencesSection::Section section = PreferencesSection::make(
        tr("In the file"), tr("Kept inside the downloaded file, where its format can hold it."));
    metadata = checkBox(tr("&Metadata: title, uploader, date and description"), "embedMetadata");
    chapters = checkBox(tr("C&hapters"), "embedChapters");
    cover = checkBox(tr("Co&ver picture in audio files"), "audioCover");
    thumbnail = checkBox(tr("&Thumbnail in videos"), "videoThumbnail");
    for (QCheckBox* box : {metadata, chapters, cover, thumbnail})
        section.controls->addWidget(box);
    return section.widget;
}

void PreferencesContentsPage::bind() {
    PreferencesViewModel* m = model;
    connect(subtitles, &QComboBox::activated, this, [this](int index) {
        model->setSubtitles(static_cast<DownloadOptions::Subtitles>(index));
    });
    connect(languages, &QLineEdit::textEdited, m, &PreferencesViewModel::setSubtitleLanguages);
    connect(offered->menu(), &QMenu::triggered, this,
            [this](QAction* language) { model->addSubtitleLanguage(language->text()); });
    connect(captions, &QCheckBox::clicked, m, &PreferencesViewModel::setAutomaticCaptions);
    connect(metadata, &QCheckBox::clicked, m, &PreferencesViewModel::setEmbedMetadata);
    connect(chapters, &QCheckBox::clicked, m, &PreferencesViewModel::setEmbedChapters);
    connect(cover, &QCheckBox::clicked, m, &PreferencesViewModel::setAudioCover);
    connect(thumbnail, &QCheckBox::clicked, m, &PreferencesViewModel::setVideoThumbnail);
    connect(m, &PreferencesViewModel::optionsChanged, this, &PreferencesContentsPage::showOptions);
    showOptions();
}

void PreferencesContentsPage::showOptions() {
    const DownloadOptions& options = model->options();
    subtitles->setCurrentIndex(static_cast<int>(options.subtitles));
    const bool on = options.subtitles != DownloadOptions::Subtitles::off;
    for (QWidget* control : {static_cast<QWidget*>(languages), static_cast<QWidget*>(offered),
                             static_cast<QWidget*>(captions)})
        control->setEnabled(on);
    if (languages->text() != model->subtitleLanguages())
        languages->setText(model->subtitleLanguages());
    const QStringList codes = model->offeredLanguages();
    QStringList listed;
    for (const QAction* language : offered->menu()->actions())
        listed << language->text();
    if (listed != codes) {
        offered->menu()->clear();
        for (const QString& code : codes)
            offered->menu()->addAction(code);
    }
    offered->setVisible(!codes.isEmpty());
    captions->setChecked(options.automaticCaptions);
    metadata->setChecked(options.embedMetadata);
    chapters->setChecked(options.wantsChapters());
    // Marking SponsorBlock's segments makes chapters of them.
    chapters->setEnabled(options.sponsorBlock != DownloadOptions::SponsorBlock::mark);
    cover->setChecked(options.audioCover);
    thumbnail->setChecked(options.videoThumbnail);
}
