#include "MainWindowView.h"

#include "AddressDescriptionView.h"
#include "core/engine/DownloadChoices.h"
#include "core/engine/PercentText.h"
#include "core/installer/ToolInstaller.h"
#include "core/single/AddressDescription.h"
#include "core/single/MainWindowViewModel.h"
#include "core/text/WebAddress.h"
#include "gui/widgets/Labels.h"
#include "gui/widgets/LogView.h"
#include "gui/widgets/LogoImage.h"
#include "gui/widgets/SegmentedControl.h"
#include "gui/widgets/SymbolButton.h"
#include "gui/widgets/WindowNotice.h"
#include "gui/widgets/WindowShortcuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int sidePadding = 16;
constexpr int fieldWidth = 600;

// A heading that names its field for assistive technology too.
QLabel* headingFor(const QString& text, QWidget* field) {
    QLabel* label = Labels::heading(text);
    label->setBuddy(field);
    return label;
}

QComboBox* picker(const QString& name, const QString& accessibleName,
                  const QList<DownloadChoices::Choice>& choices) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    for (const DownloadChoices::Choice& choice : choices)
        box->addItem(DownloadChoices::shown(choice.shortLabel), choice.value);
    return box;
}

QVBoxLayout* stack(int spacing) {
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

QWidget* wrap(QLayout* layout) {
    auto* widget = new QWidget;
    widget->setLayout(layout);
    return widget;
}

QWidget* padded(QLayout* layout) {
    layout->setContentsMargins(sidePadding, 0, sidePadding, 0);
    return wrap(layout);
}

// The line edits follow their field without moving the cursor under the user's hands.
void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

// A time as the cutter's fields take it, "HH:MM:SS".
QLineEdit* timeField(const QString& name, const QString& accessibleName) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setPlaceholderText("00:00:00");
    field->setFixedWidth(field->fontMetrics().horizontalAdvance("00:00:00") + 24);
    return field;
}

void select(QComboBox* box, const QString& value) {
    box->setCurrentIndex(box->findData(value));
}

} // namespace

MainWindowView::MainWindowView(std::shared_ptr<ToolInstaller> installer, Dialogs* dialogs,
                               QWidget* parent, std::unique_ptr<DownloadEngine> engine)
    : QWidget(parent)
    , widgetDialogs(this)
    , model(new MainWindowViewModel(dialogs ? *dialogs : widgetDialogs, std::move(installer), this,
                                    std::move(engine))) {
    auto* content = new QVBoxLayout(this);
    content->setContentsMargins(0, sidePadding, 0, sidePadding);
    content->setSpacing(20);
    content->addStretch();
    content->addWidget(padded(buildHeader()));
    content->addWidget(buildAddressBlock(), 0, Qt::AlignHCenter);
    content->addWidget(buildChoicesBlock(), 0, Qt::AlignHCenter);
    content->addWidget(buildOutputBlock(), 0, Qt::AlignHCenter);
    content->addWidget(wrap(buildActionRow()), 0, Qt::AlignHCenter);
    content->addWidget(buildProgressBlock());
    content->addWidget(buildLogBlock());
    content->addStretch();
    setAcceptDrops(true);
    WindowShortcuts::addQuit(this);
    // The window opens one kind of thing: the output folder's chooser.
    WindowShortcuts::addOpen(this, [this] {
        if (browseButton->isEnabled())
            model->chooseOutputFolder();
    });
    WindowShortcuts::addPreferences(this, [this] { emit openWindowRequested("preferences"); });
    WindowShortcuts::ignoreUnownedMnemonics(this);
    bind();
    // The tool check waits for the window's frame: its tool runs would slow that frame.
    connect(this, &MainWindowView::frameShown, model, &MainWindowViewModel::checkForUpdates);
    // Never smaller than the content as it is laid out now, whatever is shown later (the
    // fixed-width fields with their buttons are wider than 600).
    content->setSizeConstraint(QLayout::SetMinimumSize);
    updateEnabledStates();
}

QLayout* MainWindowView::buildHeader() {
    auto* row = new QHBoxLayout;
    row->addWidget(new LogoImage);
    row->addStretch();
    const std::pair<const char*, const char*> windows[] = {
        //: A button: opens the download queue's window.
        {QT_TR_NOOP("&Bulk Download"), "bulk-download"},
        //: A button: opens the media cutter's window.
        {QT_TR_NOOP("Media &Cutter"), "media-cutter"},
        //: A button: opens the Preferences window.
        {QT_TR_NOOP("Pr&eferences"), "preferences"},
        //: A button: opens the about window.
        {QT_TR_NOOP("&About"), "about"}};
    for (const auto& [label, identifier] : windows) {
        auto* button = new QPushButton(tr(label));
        const QString target = identifier;
        connect(button, &QPushButton::clicked, this,
                [this, target] { emit openWindowRequested(target); });
        row->addWidget(button);
    }
    return row;
}

QWidget* MainWindowView::buildAddressBlock() {
    QVBoxLayout* block = stack(8);
    urlField = new QLineEdit;
    //: The address field's label.
    block->addWidget(headingFor(tr("YouTube &URL:"), urlField));
    urlField->setObjectName("urlField");
    //: The address field's name for assistive technology.
    urlField->setAccessibleName(tr("YouTube URL"));
    // Links dropped here go to the window, which takes the first web address only.
    urlField->setAcceptDrops(false);
    urlField->setPlaceholderText(tr("Enter YouTube URL here..."));
    urlField->setFixedWidth(fieldWidth);
    block->addWidget(urlField);
    block->addWidget(new AddressDescriptionView(model, fieldWidth));
    return padded(block);
}

// The format row, and under it the line that tells why the part cannot be downloaded: its room
// stays while it is hidden, so that nothing moves while a time is typed.
QWidget* MainWindowView::buildChoicesBlock() {
    QVBoxLayout* block = stack(4);
    block->addLayout(buildFormatRow());
    sectionProblemLabel = Labels::caption("0");
    sectionProblemLabel->setObjectName("sectionProblem");
    // A line's height from the start, with or without a problem to tell.
    sectionProblemLabel->setMinimumHeight(sectionProblemLabel->sizeHint().height());
    QSizePolicy keepRoom = sectionProblemLabel->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    sectionProblemLabel->setSizePolicy(keepRoom);
    block->addWidget(sectionProblemLabel, 0, Qt::AlignRight);
    return padded(block);
}

QLayout* MainWindowView::buildFormatRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(40);

    QVBoxLayout* formatBlock = stack(8);
    //: The format picker's name for assistive technology.
    formatPicker = new SegmentedControl(tr("Format"));
    formatPicker->setObjectName("formatPicker");
    formatPicker->setToolTip(tr("The kind of file to download"));
    //: The label of the file kind to download (MP3, MP4, M4A).
    formatBlock->addWidget(headingFor(tr("&Format:"), formatPicker));
    for (const DownloadChoices::Choice& choice : DownloadChoices::formats())
        formatPicker->addSegment(DownloadChoices::shown(choice.shortLabel), choice.value,
                                 "format" + choice.value);
    formatBlock->addWidget(formatPicker);
    row->addLayout(formatBlock);

    videoQualityPicker =
        //: The video height picker's name for assistive technology.
        picker("Video Quality", tr("Video Quality"), DownloadChoices::videoQualities());
    //: The audio bit rate picker's name for assistive technology.
    audioQualityPicker =
        picker("Audio Quality", tr("Audio Quality"), DownloadChoices::audioQualities());
    //: The label of the video height picker.
    videoQualityBlock = buildQualityPicker(tr("&Video Quality:"), videoQualityPicker);
    //: The label of the audio bit rate picker.
    audioQualityBlock = buildQualityPicker(tr("Audio &Quality:"), audioQualityPicker);
    row->addWidget(videoQualityBlock, 0, Qt::AlignTop);
    row->addWidget(audioQualityBlock, 0, Qt::AlignTop);
    row->addWidget(buildSectionBlock(), 0, Qt::AlignTop);
    return row;
}

QWidget* MainWindowView::buildSectionBlock() {
    QVBoxLayout* block = stack(8);
    sectionStartField = timeField("sectionStart", tr("Part from"));
    sectionEndField = timeField("sectionEnd", tr("Part to"));
    block->addWidget(headingFor(tr("Part to &keep (optional):"), sectionStartField));
    auto* row = new QHBoxLayout;
    row->addWidget(sectionStartField);
    row->addWidget(new QLabel(tr("to")));
    row->addWidget(sectionEndField);
    row->addStretch();
    block->addLayout(row);
    QWidget* section = wrap(block);
    section->setToolTip(tr("Download only this part of the video, from and to HH:MM:SS; leave "
                           "both empty for the whole video"));
    return section;
}

QWidget* MainWindowView::buildQualityPicker(const QString& title, QComboBox* box) {
    QVBoxLayout* block = stack(8);
    block->addWidget(headingFor(title, box));
    block->addWidget(box);
    return wrap(block);
}

QWidget* MainWindowView::buildOutputBlock() {
    QVBoxLayout* block = stack(6);
    auto* row = new QHBoxLayout;
    outputField = new QLineEdit;
    //: The output folder field's label.
    block->addWidget(headingFor(tr("&Output Path:"), outputField));
    outputField->setObjectName("outputField");
    //: The output folder field's name for assistive technology.
    outputField->setAccessibleName(tr("Output Path"));
    //: Shown in the empty output folder field.
    outputField->setPlaceholderText(tr("Output folder path"));
    outputField->setFixedWidth(fieldWidth);
    //: A button: chooses the output folder.
    browseButton = new QPushButton(tr("Bro&wse"));
    browseButton->setToolTip(tr("Choose the output folder"));
    row->addWidget(outputField);
    row->addWidget(browseButton);
    block->addLayout(row);
    return padded(block);
}

QLayout* MainWindowView::buildActionRow() {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(20);
    //: A switch: download the whole playlist an address belongs to.
    playlistSwitch = new QCheckBox(tr("Download Pla&ylists"));
    QFont font = playlistSwitch->font();
    font.setBold(true);
    playlistSwitch->setFont(font);
    playlistSwitch->setContentsMargins(sidePadding, 0, sidePadding, 0);
    playlistSwitch->setToolTip(tr("Download the whole playlist an address belongs to; a change "
                                  "applies to the next download"));
    downloadButton =
        //: A button: starts the download.
        new SymbolButton(tr("&Download"), "arrow.down.circle.fill", SymbolButton::Style::prominent);
    downloadButton->setToolTip(tr("Download the address into the output folder"));
    //: A button: stops the running download.
    stopButton = new SymbolButton(tr("&Stop"), "stop.circle.fill");
    stopButton->setToolTip(tr("Stop the running download"));
    //: A button: shows the downloaded file's folder.
    openFolderButton = new SymbolButton(tr("Ope&n Folder"), "folder");
    openFolderButton->setToolTip(tr("Show the folder of the finished download"));
    //: A button: opens the downloaded file.
    openFileButton = new QPushButton(tr("O&pen File"));
    openFileButton->setToolTip(tr("Open the downloaded file"));
    row->addWidget(playlistSwitch);
    row->addWidget(downloadButton);
    row->addWidget(stopButton);
    row->addWidget(openFolderButton);
    row->addWidget(openFileButton);
    return row;
}

QWidget* MainWindowView::buildProgressBlock() {
    QVBoxLayout* block = stack(8);
    //: A heading over the download's progress bar.
    block->addWidget(Labels::heading(tr("Progress:")));
    progressBar = new QProgressBar;
    // Hundredths of a percent, so that the bar moves smoothly.
    progressBar->setRange(0, 10000);
    progressBar->setTextVisible(false);
    block->addWidget(progressBar);
    auto* captions = new QHBoxLayout;
    progressLabel = Labels::caption();
    progressLabel->setObjectName("progressLabel");
    detailsLabel = Labels::caption();
    detailsLabel->setObjectName("progressDetails");
    captions->addWidget(progressLabel);
    captions->addStretch();
    captions->addWidget(detailsLabel);
    block->addLayout(captions);
    progressBlock = padded(block);
    progressBlock->setObjectName("progressBlock");
    // Its room stays while it is hidden, so the controls keep their place when a download
    // starts and ends.
    QSizePolicy keepRoom = progressBlock->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    progressBlock->setSizePolicy(keepRoom);
    return progressBlock;
}

QWidget* MainWindowView::buildLogBlock() {
    QVBoxLayout* block = stack(6);
    auto* log = new LogView(model->logMessages(), 150);
    log->setObjectName("logView");
    //: A heading over the download's log.
    block->addWidget(headingFor(tr("Lo&g:"), log));
    block->addWidget(log);
    return padded(block);
}

void MainWindowView::bind() {
    MainWindowViewModel* m = model;
    connect(urlField, &QLineEdit::textEdited, m, &MainWindowViewModel::setUrlText);
    connect(m, &MainWindowViewModel::urlTextChanged, this,
            [this] { showText(urlField, model->urlText()); });
    connect(outputField, &QLineEdit::textEdited, m, &MainWindowViewModel::setOutputPath);
    connect(m, &MainWindowViewModel::outputPathChanged, this,
            [this] { showText(outputField, model->outputPath()); });
    connect(formatPicker, &SegmentedControl::chosen, m, &MainWindowViewModel::setSelectedFormat);
    connect(m, &MainWindowViewModel::selectedFormatChanged, this,
            &MainWindowView::updateQualityPicker);
    connect(videoQualityPicker, &QComboBox::activated, this, [this] {
        model->setSelectedVideoQuality(videoQualityPicker->currentData().toString());
    });
    connect(m, &MainWindowViewModel::selectedVideoQualityChanged, this,
            [this] { select(videoQualityPicker, model->selectedVideoQuality()); });
    connect(audioQualityPicker, &QComboBox::activated, this,
            [this] { model->setSelectedMp3Quality(audioQualityPicker->currentData().toString()); });
    connect(m, &MainWindowViewModel::selectedMp3QualityChanged, this,
            [this] { select(audioQualityPicker, model->selectedMp3Quality()); });
    connect(playlistSwitch, &QCheckBox::toggled, m, &MainWindowViewModel::setDownloadPlaylists);
    // The switch stays usable while downloading; the running download goes on as it began.
    connect(playlistSwitch, &QCheckBox::clicked, this, [this] {
        if (model->isDownloading())
            //: Shown when the playlist switch changes during a download.
            WindowNotice::below(playlistSwitch, tr("Applies to the next download"));
    });
    connect(m, &MainWindowViewModel::downloadPlaylistsChanged, this,
            [this] { playlistSwitch->setChecked(model->downloadPlaylists()); });
    connect(sectionStartField, &QLineEdit::textEdited, m, &MainWindowViewModel::setSectionStart);
    connect(sectionEndField, &QLineEdit::textEdited, m, &MainWindowViewModel::setSectionEnd);
    connect(m, &MainWindowViewModel::sectionChanged, this, &MainWindowView::updateSection);
    connect(m, &MainWindowViewModel::isDownloadingChanged, this,
            &MainWindowView::updateEnabledStates);
    connect(m, &MainWindowViewModel::canStartDownloadChanged, this,
            &MainWindowView::updateEnabledStates);
    connect(m, &MainWindowViewModel::downloadProgressChanged, this,
            &MainWindowView::updateProgress);

    connect(m, &MainWindowViewModel::completedChanged, this, &MainWindowView::updateCompleted);
    connect(m->addressDescription(), &AddressDescription::changed, this,
            &MainWindowView::markOfferedHeights);
    // Return in the address field is the "Download" button, when that can be pressed.
    connect(urlField, &QLineEdit::returnPressed, downloadButton, [this] {
        if (downloadButton->isEnabled())
            downloadButton->click();
    });
    connect(openFolderButton, &QPushButton::clicked, m, &MainWindowViewModel::openCompletedFolder);
    connect(openFileButton, &QPushButton::clicked, m, &MainWindowViewModel::openCompletedFile);
    connect(browseButton, &QPushButton::clicked, m, &MainWindowViewModel::chooseOutputFolder);
    connect(downloadButton, &QPushButton::clicked, m, &MainWindowViewModel::startDownload);
    connect(stopButton, &QPushButton::clicked, m, &MainWindowViewModel::stopDownload);

    showText(urlField, m->urlText());
    showText(outputField, m->outputPath());
    select(videoQualityPicker, m->selectedVideoQuality());
    select(audioQualityPicker, m->selectedMp3Quality());
    playlistSwitch->setChecked(m->downloadPlaylists());
    updateSection();
    updateQualityPicker();
    updateEnabledStates();
    updateProgress();
    updateCompleted();
}

void MainWindowView::updateEnabledStates() {
    const bool idle = !model->isDownloading();
    for (QWidget* control :
         {static_cast<QWidget*>(urlField), static_cast<QWidget*>(outputField),
          static_cast<QWidget*>(browseButton), static_cast<QWidget*>(videoQualityPicker),
          static_cast<QWidget*>(audioQualityPicker), static_cast<QWidget*>(sectionStartField),
          static_cast<QWidget*>(sectionEndField)})
        control->setEnabled(idle);
    formatPicker->setEnabled(idle);
    downloadButton->setEnabled(model->canStartDownload());
    stopButton->setEnabled(!idle);
    progressBlock->setVisible(!idle);
}

void MainWindowView::updateQualityPicker() {
    const QString format = model->selectedFormat();
    formatPicker->setValue(format);
    const bool video = !DownloadChoices::isAudioFormat(format);
    videoQualityBlock->setVisible(video);
    audioQualityBlock->setVisible(!video);
}

void MainWindowView::updateSection() {
    showText(sectionStartField, model->sectionStart());
    showText(sectionEndField, model->sectionEnd());
    sectionProblemLabel->setText(model->sectionProblem());
    sectionProblemLabel->setVisible(!model->sectionProblem().isEmpty());
}

void MainWindowView::updateProgress() {
    const double progress = model->downloadProgress();
    const double shown = std::isfinite(progress) ? std::clamp(progress, 0.0, 100.0) : 0.0;
    progressBar->setValue(static_cast<int>(shown * 100));
    progressLabel->setText(percentText(progress));
    detailsLabel->setText(model->downloadDetails());
}

// "720p ✓": the heights the described address really offers.
void MainWindowView::markOfferedHeights() {
    const QSet<int> offered = model->addressDescription()->description().heights();
    const QList<DownloadChoices::Choice>& choices = DownloadChoices::videoQualities();
    for (int i = 0; i < videoQualityPicker->count(); ++i) {
        const std::optional<int> height = DownloadChoices::videoHeight(choices.at(i).value);
        const QString label = DownloadChoices::shown(choices.at(i).shortLabel);
        videoQualityPicker->setItemText(
            //: A video quality the address offers: %1 is the quality, then a check mark.
            i, height && offered.contains(*height) ? tr("%1 \u2713").arg(label) : label);
    }
}

void MainWindowView::updateCompleted() {
    openFolderButton->setVisible(!model->completedFolder().isEmpty());
    openFileButton->setVisible(!model->completedFile().isEmpty());
}

QString MainWindowView::droppedAddress(const QMimeData* data) const {
    if (!urlField->isEnabled())
        return {};
    const QList<QUrl> links = data->urls();
    if (links.isEmpty())
        return data->hasText() ? webAddressesIn(data->text()).value(0) : QString();
    const auto link =
        std::find_if(links.begin(), links.end(), [](const QUrl& url) { return isWebAddress(url); });
    return link == links.end() ? QString() : link->toString();
}

void MainWindowView::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedAddress(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindowView::dropEvent(QDropEvent* event) {
    const QString address = droppedAddress(event->mimeData());
    if (address.isEmpty())
        return;
    model->setUrlText(address);
    event->acceptProposedAction();
}

void MainWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore) {
        shownBefore = true;
        urlField->setFocus();
    }
    // Every time the window appears, not when it is merely restored from the dock.
    if (!event->spontaneous())
        checkAfterFrame = true;
}

void MainWindowView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Once the frame, children included, has been drawn.
    if (std::exchange(checkAfterFrame, false))
        QTimer::singleShot(0, this, &MainWindowView::frameShown);
}
