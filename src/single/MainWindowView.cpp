#include "MainWindowView.h"

#include "MainWindowViewModel.h"
#include "engine/DownloadChoices.h"
#include "engine/PercentText.h"
#include "tools/ToolInstaller.h"
#include "widgets/Labels.h"
#include "widgets/LogView.h"
#include "widgets/LogoImage.h"
#include "widgets/SymbolButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int sidePadding = 16;
constexpr int fieldWidth = 600;

QComboBox* picker(const QString& name, const QList<DownloadChoices::Choice>& choices) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setAccessibleName(name);
    for (const DownloadChoices::Choice& choice : choices)
        box->addItem(choice.shortLabel, choice.value);
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

void select(QComboBox* box, const QString& value) {
    box->setCurrentIndex(box->findData(value));
}

} // namespace

MainWindowView::MainWindowView(std::shared_ptr<ToolInstaller> installer, Dialogs* dialogs,
                               QWidget* parent)
    : QWidget(parent)
    , widgetDialogs(this)
    , model(
          new MainWindowViewModel(dialogs ? *dialogs : widgetDialogs, std::move(installer), this)) {
    auto* content = new QVBoxLayout(this);
    content->setContentsMargins(0, sidePadding, 0, sidePadding);
    content->setSpacing(20);
    content->addStretch();
    content->addWidget(padded(buildHeader()));
    content->addWidget(buildAddressBlock(), 0, Qt::AlignHCenter);
    content->addWidget(padded(buildFormatRow()), 0, Qt::AlignHCenter);
    content->addWidget(buildOutputBlock(), 0, Qt::AlignHCenter);
    content->addWidget(wrap(buildActionRow()), 0, Qt::AlignHCenter);
    content->addWidget(buildProgressBlock());
    content->addWidget(buildLogBlock());
    content->addStretch();
    // At least 600 × 700, and never narrower than the fixed-width fields with their buttons.
    setMinimumSize(minimumSizeHint().expandedTo(QSize(600, 700)));
    bind();
}

QLayout* MainWindowView::buildHeader() {
    auto* row = new QHBoxLayout;
    row->addWidget(new LogoImage);
    row->addStretch();
    const std::pair<const char*, const char*> windows[] = {
        {"Bulk Download", "bulk-download"}, {"Media Cutter", "media-cutter"}, {"About", "about"}};
    for (const auto& [label, identifier] : windows) {
        auto* button = new QPushButton(label);
        const QString target = identifier;
        connect(button, &QPushButton::clicked, this,
                [this, target] { emit openWindowRequested(target); });
        row->addWidget(button);
    }
    return row;
}

QWidget* MainWindowView::buildAddressBlock() {
    QVBoxLayout* block = stack(8);
    block->addWidget(Labels::heading("YouTube URL:"));
    urlField = new QLineEdit;
    urlField->setObjectName("urlField");
    urlField->setPlaceholderText("Enter YouTube URL here...");
    urlField->setFixedWidth(fieldWidth);
    block->addWidget(urlField);
    return padded(block);
}

QLayout* MainWindowView::buildFormatRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(40);

    QVBoxLayout* formatBlock = stack(8);
    formatBlock->addWidget(Labels::heading("Format:"));
    // A segmented picker: one row of exclusive buttons.
    auto* segments = new QHBoxLayout;
    segments->setSpacing(0);
    formatButtons = new QButtonGroup(this);
    for (const DownloadChoices::Choice& choice : DownloadChoices::formats()) {
        auto* button = new QPushButton(choice.shortLabel);
        button->setObjectName("format" + choice.value);
        button->setCheckable(true);
        button->setProperty("value", choice.value);
        formatButtons->addButton(button);
        segments->addWidget(button);
    }
    formatBlock->addLayout(segments);
    row->addLayout(formatBlock);

    videoQualityPicker = picker("Video Quality", DownloadChoices::videoQualities());
    audioQualityPicker = picker("Audio Quality", DownloadChoices::audioQualities());
    videoQualityBlock = buildQualityPicker("Video Quality:", videoQualityPicker);
    audioQualityBlock = buildQualityPicker("Audio Quality:", audioQualityPicker);
    row->addWidget(videoQualityBlock, 0, Qt::AlignTop);
    row->addWidget(audioQualityBlock, 0, Qt::AlignTop);
    return row;
}

QWidget* MainWindowView::buildQualityPicker(const QString& title, QComboBox* box) {
    QVBoxLayout* block = stack(8);
    block->addWidget(Labels::heading(title));
    block->addWidget(box);
    return wrap(block);
}

QWidget* MainWindowView::buildOutputBlock() {
    QVBoxLayout* block = stack(6);
    block->addWidget(Labels::heading("Output Path:"));
    auto* row = new QHBoxLayout;
    outputField = new QLineEdit;
    outputField->setObjectName("outputField");
    outputField->setPlaceholderText("Output folder path");
    outputField->setFixedWidth(fieldWidth);
    browseButton = new QPushButton("Browse");
    row->addWidget(outputField);
    row->addWidget(browseButton);
    block->addLayout(row);
    return padded(block);
}

QLayout* MainWindowView::buildActionRow() {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(20);
    playlistSwitch = new QCheckBox("Download Playlists");
    QFont font = playlistSwitch->font();
    font.setBold(true);
    playlistSwitch->setFont(font);
    playlistSwitch->setContentsMargins(sidePadding, 0, sidePadding, 0);
    downloadButton =
        new SymbolButton("Download", "arrow.down.circle.fill", SymbolButton::Style::prominent);
    stopButton = new SymbolButton("Stop", "stop.circle.fill");
    row->addWidget(playlistSwitch);
    row->addWidget(downloadButton);
    row->addWidget(stopButton);
    return row;
}

QWidget* MainWindowView::buildProgressBlock() {
    QVBoxLayout* block = stack(8);
    block->addWidget(Labels::heading("Progress:"));
    progressBar = new QProgressBar;
    // Hundredths of a percent, so that the bar moves smoothly.
    progressBar->setRange(0, 10000);
    progressBar->setTextVisible(false);
    block->addWidget(progressBar);
    progressLabel = Labels::caption();
    progressLabel->setObjectName("progressLabel");
    block->addWidget(progressLabel);
    progressBlock = padded(block);
    progressBlock->setObjectName("progressBlock");
    return progressBlock;
}

QWidget* MainWindowView::buildLogBlock() {
    QVBoxLayout* block = stack(6);
    block->addWidget(Labels::heading("Log:"));
    auto* log = new LogView(model->logMessages(), 150);
    log->setObjectName("logView");
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
    connect(formatButtons, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        model->setSelectedFormat(button->property("value").toString());
    });
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
    connect(m, &MainWindowViewModel::downloadPlaylistsChanged, this,
            [this] { playlistSwitch->setChecked(model->downloadPlaylists()); });
    connect(m, &MainWindowViewModel::urlTextChanged, this, &MainWindowView::updateEnabledStates);
    connect(m, &MainWindowViewModel::isDownloadingChanged, this,
            &MainWindowView::updateEnabledStates);
    connect(m, &MainWindowViewModel::downloadProgressChanged, this,
            &MainWindowView::updateProgress);

    connect(browseButton, &QPushButton::clicked, m, &MainWindowViewModel::chooseOutputFolder);
    connect(downloadButton, &QPushButton::clicked, m, &MainWindowViewModel::startDownload);
    connect(stopButton, &QPushButton::clicked, m, &MainWindowViewModel::stopDownload);

    showText(urlField, m->urlText());
    showText(outputField, m->outputPath());
    select(videoQualityPicker, m->selectedVideoQuality());
    select(audioQualityPicker, m->selectedMp3Quality());
    playlistSwitch->setChecked(m->downloadPlaylists());
    updateQualityPicker();
    updateEnabledStates();
    updateProgress();
}

void MainWindowView::updateEnabledStates() {
    const bool idle = !model->isDownloading();
    for (QWidget* control :
         {static_cast<QWidget*>(urlField), static_cast<QWidget*>(outputField),
          static_cast<QWidget*>(browseButton), static_cast<QWidget*>(videoQualityPicker),
          static_cast<QWidget*>(audioQualityPicker)})
        control->setEnabled(idle);
    for (QAbstractButton* button : formatButtons->buttons())
        button->setEnabled(idle);
    // Only an empty address keeps the button off; blanks are refused when pressed.
    downloadButton->setEnabled(idle && !model->urlText().isEmpty());
    stopButton->setEnabled(!idle);
    progressBlock->setVisible(!idle);
}

void MainWindowView::updateQualityPicker() {
    const QString format = model->selectedFormat();
    for (QAbstractButton* button : formatButtons->buttons())
        button->setChecked(button->property("value").toString() == format);
    const bool video = !DownloadChoices::isAudioFormat(format);
    videoQualityBlock->setVisible(video);
    audioQualityBlock->setVisible(!video);
}

void MainWindowView::updateProgress() {
    const double progress = model->downloadProgress();
    const double shown = std::isfinite(progress) ? std::clamp(progress, 0.0, 100.0) : 0.0;
    progressBar->setValue(static_cast<int>(shown * 100));
    progressLabel->setText(percentText(progress));
}

void MainWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every time the window appears, not when it is merely restored from the dock.
    if (!event->spontaneous())
        model->checkForUpdates();
}
