#include "BulkDownloadView.h"

#include "BulkDownloadTableView.h"
#include "UrlsTextEdit.h"
#include "core/engine/DownloadChoices.h"
#include "core/engine/PercentText.h"
#include "core/queue/BulkDownloadViewModel.h"
#include "core/text/WebAddress.h"
#include "gui/widgets/Labels.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SegmentedControl.h"
#include "gui/widgets/SymbolButton.h"
#include "gui/widgets/WindowNotice.h"
#include "gui/widgets/WindowShortcuts.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

namespace {

constexpr int sectionSpacing = 20;
constexpr int lineSpacing = 8;

QPushButton* button(const QString& text) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    return button;
}

// The window's main actions stand out in the accent colour.
QPushButton* prominentButton(const QString& text) {
    auto* prominent = new SymbolButton(text, {}, SymbolButton::Style::prominent);
    prominent->setAutoDefault(false);
    return prominent;
}

// A heading over its control, which it names for assistive technology; its mnemonic
// focuses the field, the control itself unless given.
QVBoxLayout* group(const QString& heading, QWidget* control, QWidget* field = nullptr) {
    auto* layout = new QVBoxLayout;
    layout->setSpacing(lineSpacing);
    QLabel* label = Labels::heading(heading);
    label->setBuddy(field ? field : control);
    layout->addWidget(label);
    layout->addWidget(control);
    return layout;
}

QHBoxLayout* centredRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* each : buttons)
        row->addWidget(each);
    row->addStretch();
    return row;
}

// The text a drop offers the address box: web links, or plain text, of which the box takes
// its web addresses. Anything else (files of this computer, images) is refused as a whole.
std::optional<QString> droppedText(const QMimeData* data) {
    if (data->hasUrls()) {
        QStringList links;
        const QList<QUrl> urls = data->urls();
        for (const QUrl& url : urls) {
            if (!isWebAddress(url))
                return std::nullopt;
            links << url.toString();
        }
        return links.join('\n');
    }
    if (data->hasText() && !data->text().trimmed().isEmpty())
        return data->text();
    return std::nullopt;
}

} // namespace

BulkDownloadView::BulkDownloadView(Dialogs* dialogs, BulkDownloadViewModel* running,
                                   QWidget* parent)
    : QWidget(parent)
    , widgetDialogs(this)
    , model(running) {
    Dialogs& chosen = dialogs ? *dialogs : widgetDialogs;
    if (model)
        model->attachTo(chosen, this);
    else
        model = new BulkDownloadViewModel(chosen, this);
    scroller = ScreenFit::scrolling(this, content());
    setMinimumSize(contentMinimum);
    setAcceptDrops(true);
    addShortcuts();
    bindFields();
    urlsEditor->setFocus();
}

BulkDownloadView::~BulkDownloadView() {
    model->releaseWhenIdle();
}

void BulkDownloadView::fitToScreen(const QRect& available) {
    // The window frame takes its share of the screen too; it is known once shown.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    const QSize room = available.size() - frame;
    QSize needed = contentMinimum.expandedTo(scroller->widget()->minimumSizeHint());
    // Content that scrolls up and down needs its scroll bar beside it, not over it.
    if (needed.height() > room.height())
        needed.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMinimumSize(needed.boundedTo(room));
    // Where the width fits, a pixel lost to rounding at fractional scales is padding, not
    // something to scroll to.
    scroller->setHorizontalScrollBarPolicy(needed.width() <= room.width() ? Qt::ScrollBarAlwaysOff
                                                                          : Qt::ScrollBarAsNeeded);
    if (width() > room.width() || height() > room.height())
        resize(size().boundedTo(room));
}

void BulkDownloadView::showEvent(QShowEvent* event) {
    if (QScreen* shownOn = screen())
        fitToScreen(shownOn->availableGeometry());
    QWidget::showEvent(event);
}

// The window manager tells the frame's size once it has framed the window, and a move
// may take the window to another screen.
void BulkDownloadView::moveEvent(QMoveEvent* event) {
    if (QScreen* shownOn = screen(); shownOn && isVisible())
        fitToScreen(shownOn->availableGeometry());
    QWidget::moveEvent(event);
}

void BulkDownloadView::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedText(event->mimeData()))
        event->acceptProposedAction();
}

void BulkDownloadView::dropEvent(QDropEvent* event) {
    const std::optional<QString> text = droppedText(event->mimeData());
    if (!text)
        return;
    event->acceptProposedAction();
    model->dropURLs(*text);
}

QWidget* BulkDownloadView::content() {
    auto* sections = new QWidget;
    sections->setMinimumSize(contentMinimum);
    auto* content = new QVBoxLayout(sections);
    content->setSpacing(sectionSpacing);
    const QMargins padding = content->contentsMargins();
    content->setContentsMargins(0, padding.top(), 0, padding.bottom());
    // Every section but the two button rows keeps the standard side padding.
    const auto padded = [&](QLayout* section, int stretch = 0) {
        section->setContentsMargins(padding.left(), 0, padding.right(), 0);
        content->addLayout(section, stretch);
    };
    padded(headingRow());
    padded(inputSection());
    padded(optionsRow());
    content->addLayout(queueButtonRow());
    content->addLayout(selectionButtonRow());
    // The table takes the room a taller window gives, which keeps the sections at the top.
    padded(queueSection(), 1);
    return sections;
}

QLayout* BulkDownloadView::headingRow() {
    auto* row = new QHBoxLayout;
    //: The queue window's heading.
    row->addWidget(Labels::scaled(tr("Bulk Download"), 1.6, QFont::Bold));
    row->addStretch();
    //: A button: fills the address box from a text file.
    QPushButton* fromFile = button(tr("Add U&RLs from File"));
    connect(fromFile, &QPushButton::clicked, model, [this] { model->addURLsFromFile(); });
    row->addWidget(fromFile);
    return row;
}

QLayout* BulkDownloadView::inputSection() {
    auto* editor = new UrlsTextEdit(QueueIntake::largeText);
    urlsEditor = editor;
    connect(editor, &UrlsTextEdit::largeTextPasted, model,
            [this](const QString& text) { model->pasteURLs(text); });
    urlsEditor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    urlsEditor->setFixedHeight(120);
    //: The address box's label.
    QVBoxLayout* section = group(tr("Add &URLs (one per line):"), urlsEditor);
    //: A button: queues the addresses of the box.
    addButton = prominentButton(tr("&Add URLs to Queue"));
    connect(addButton, &QPushButton::clicked, model, &BulkDownloadViewModel::addURLsToQueue);
    notice = Labels::caption();
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(addButton);
    addRow->addWidget(playlistButton());
    addRow->addWidget(notice, 1);
    section->addLayout(addRow);
    return section;
}

// "Add Playlist Entries" beside "Add URLs to Queue"; what it added and left out shows in
// the same notice as an addition's.
QPushButton* BulkDownloadView::playlistButton() {
    //: A button: queues each entry of the playlists in the box.
    auto* expand = button(tr("Add Pla&ylist Entries"));
    expand->setObjectName("addPlaylistEntries");
    expand->setToolTip(tr("Queue each entry of the playlists whose addresses are in the box"));
    connect(expand, &QPushButton::clicked, model, [this] { model->addPlaylistEntries(); });
    connect(model, &BulkDownloadViewModel::playlistEntriesAdded, notice, &QLabel::setText);
    playlistExpander = expand;
    return expand;
}

// The choices stay usable while a batch runs, though they change nothing that runs: a
// change then says at once what it affects.
void BulkDownloadView::tellWhatChanges(QWidget* control) {
    if (model->isDownloading())
        WindowNotice::below(control, control->toolTip());
}

QLayout* BulkDownloadView::optionsRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(sectionSpacing);
    QWidget* formats = formatPicker();
    formats->setToolTip(tr("The format of the URLs added from now on; queued items keep theirs"));
    //: The label of the file kind for new items (MP3, MP4, M4A).
    row->addLayout(group(tr("&Format:"), formats));

    qualityPicker = new QComboBox;
    qualityPicker->setMinimumContentsLength(16);
    connect(qualityPicker, &QComboBox::activated, this, [this] {
        const QString choice = qualityPicker->currentData().toString();
        if (!DownloadChoices::isAudioFormat(model->selectedFormat()))
            model->setSelectedVideoQuality(choice);
        else
            model->setSelectedAudioQuality(choice);
    });
    qualityPicker->setToolTip(
        tr("The quality of the URLs added from now on; queued items keep theirs"));
    connect(qualityPicker, &QComboBox::activated, this, [this] { tellWhatChanges(qualityPicker); });
    //: The label of the video or audio quality for new items.
    row->addLayout(group(tr("&Quality:"), qualityPicker));

    auto* pathRow = new QHBoxLayout;
    outputField = new QLineEdit;
    //: Shown in the empty output folder field.
    outputField->setPlaceholderText(tr("Output folder"));
    //: The output folder field's name for assistive technology.
    outputField->setAccessibleName(tr("Output Path"));
    // Drops belong to the window, which appends links to the address box.
    outputField->setAcceptDrops(false);
    connect(outputField, &QLineEdit::textEdited, model, &BulkDownloadViewModel::setOutputPath);
    //: A button: chooses the output folder.
    QPushButton* browse = button(tr("&Browse"));
    connect(browse, &QPushButton::clicked, model, &BulkDownloadViewModel::chooseOutputFolder);
    pathRow->addWidget(outputField);
    pathRow->addWidget(browse);
    outputField->setToolTip(tr("The folder of every download that starts from now on"));
    connect(outputField, &QLineEdit::textEdited, this, [this] { tellWhatChanges(outputField); });
    auto* pathGroup = new QWidget;
    pathGroup->setLayout(pathRow);
    pathRow->setContentsMargins(0, 0, 0, 0);
    //: The output folder field's label.
    row->addLayout(group(tr("&Output Path:"), pathGroup, outputField), 1);
    return row;
}

QWidget* BulkDownloadView::formatPicker() {
    //: The format picker's name for assistive technology.
    auto* picker = new SegmentedControl(tr("Format"));
    for (const DownloadChoices::Choice& format : DownloadChoices::formats())
        picker->addSegment(DownloadChoices::shown(format.shortLabel), format.value,
                           "format" + format.value);
    connect(picker, &SegmentedControl::chosen, model, &BulkDownloadViewModel::setSelectedFormat);
    connect(picker, &SegmentedControl::chosen, this, [this, picker] { tellWhatChanges(picker); });
    formatSegments = picker;
    return picker;
}

QLayout* BulkDownloadView::queueButtonRow() {
    //: A button: downloads every item of the queue that is not completed.
    startAllButton = prominentButton(tr("&Start All Downloads"));
    //: A button: stops every download of the queue.
    stopAllButton = button(tr("Stop All Do&wnloads"));
    //: A button: removes every item from the queue.
    clearButton = button(tr("&Clear Queue"));
    // The batch runs on as a task of its own once its handle is dropped here.
    connect(startAllButton, &QPushButton::clicked, this, [this] { model->startAllDownloads(); });
    connect(stopAllButton, &QPushButton::clicked, model, &BulkDownloadViewModel::stopAllDownloads);
    connect(clearButton, &QPushButton::clicked, model, &BulkDownloadViewModel::clearQueue);
    return centredRow({startAllButton, stopAllButton, clearButton});
}

QLayout* BulkDownloadView::selectionButtonRow() {
    //: A button: downloads the selected items.
    startSelectedButton = prominentButton(tr("Start S&elected"));
    //: A button: stops the selected items' downloads.
    stopSelectedButton = button(tr("Sto&p Selected"));
    //: A button: removes the selected items from the queue.
    deleteSelectedButton = button(tr("&Delete Selected"));
    connect(startSelectedButton, &QPushButton::clicked, this,
            [this] { model->startSelectedDownloads(); });
    connect(stopSelectedButton, &QPushButton::clicked, model,
            &BulkDownloadViewModel::stopSelectedDownloads);
    connect(deleteSelectedButton, &QPushButton::clicked, model,
            &BulkDownloadViewModel::deleteSelectedItems);
    return centredRow({startSelectedButton, stopSelectedButton, deleteSelectedButton});
}

QLayout* BulkDownloadView::queueSection() {
    table = new BulkDownloadTableView(model);
    QVBoxLayout* section = group(QString(), table);
    queueHeading = qobject_cast<QLabel*>(section->itemAt(0)->widget());
    // Why the queue could not be stored, for as long as it cannot.
    saveFailure = new QLabel;
    saveFailure->setObjectName("saveFailure");
    saveFailure->setTextFormat(Qt::PlainText);
    saveFailure->setWordWrap(true);
    section->insertWidget(1, saveFailure);
    section->setStretch(2, 1);
    return section;
}

void BulkDownloadView::addShortcuts() {
    WindowShortcuts::addQuitAndClose(this);
    WindowShortcuts::addOpen(this, [this] { model->addURLsFromFile(); });
    WindowShortcuts::ignoreUnownedMnemonics(this);
}

void BulkDownloadView::bindFields() {
    BulkDownloadViewModel* vm = model;
    connect(urlsEditor, &UrlsTextEdit::edited, vm, &BulkDownloadViewModel::setUrlsText);
    connect(urlsEditor, &UrlsTextEdit::filling, this, &BulkDownloadView::showFilling);
    connect(vm, &BulkDownloadViewModel::urlsTextChanged, this,
            [this] { urlsEditor->showText(model->urlsText()); });
    connect(vm, &BulkDownloadViewModel::urlsAdded, this,
            [this](int, int notAddresses, int alreadyQueued) {
                showLeftOut(notAddresses, alreadyQueued);
            });
    connect(vm, &BulkDownloadViewModel::selectedFormatChanged, this, [this] {
        showFormat();
        showQualityPicker();
    });
    connect(vm, &BulkDownloadViewModel::selectedVideoQualityChanged, this,
            &BulkDownloadView::showQualityPicker);
    connect(vm, &BulkDownloadViewModel::selectedAudioQualityChanged, this,
            &BulkDownloadView::showQualityPicker);
    connect(vm, &BulkDownloadViewModel::outputPathChanged, this, [this] {
        if (outputField->text() != model->outputPath())
            outputField->setText(model->outputPath());
    });
    connect(vm, &BulkDownloadViewModel::downloadItemsChanged, this,
            &BulkDownloadView::showQueueHeading);
    connect(vm, &BulkDownloadViewModel::controlsChanged, this,
            &BulkDownloadView::updateEnabledStates);
    connect(vm, &BulkDownloadViewModel::saveFailureChanged, this,
            &BulkDownloadView::showSaveFailure);

    urlsEditor->showText(vm->urlsText());
    outputField->setText(vm->outputPath());
    showFormat();
    showQualityPicker();
    showQueueHeading();
    showSaveFailure();
    updateEnabledStates();
}

void BulkDownloadView::showFormat() {
    formatSegments->setValue(model->selectedFormat());
}

void BulkDownloadView::showQualityPicker() {
    const bool video = !DownloadChoices::isAudioFormat(model->selectedFormat());
    const QSignalBlocker quiet(qualityPicker);
    qualityPicker->clear();
    for (const DownloadChoices::Choice& quality :
         video ? DownloadChoices::videoQualities() : DownloadChoices::audioQualities())
        qualityPicker->addItem(DownloadChoices::shown(quality.value), quality.value);
    //: The quality picker's name for assistive technology: the video height.
    const QString videoQuality = tr("Video Quality");
    //: The quality picker's name for assistive technology: the audio bit rate.
    qualityPicker->setAccessibleName(video ? videoQuality : tr("Audio Quality"));
    qualityPicker->setCurrentIndex(qualityPicker->findData(video ? model->selectedVideoQuality()
                                                                 : model->selectedAudioQuality()));
}

void BulkDownloadView::showQueueHeading() {
    //: The queue table's heading, with its number of items.
    queueHeading->setText(tr("Dow&nload Queue (%Ln items):", nullptr,
                             static_cast<int>(model->downloadItems().size())));
}

void BulkDownloadView::showSaveFailure() {
    saveFailure->setText(model->saveFailure());
    saveFailure->setVisible(!model->saveFailure().isEmpty());
}

void BulkDownloadView::showFilling() {
    const double shown = urlsEditor->shownPercent();
    if (shown < 100) {
        //: While a long text fills the address box: how much of it shows, "42%".
        notice->setText(tr("Showing the text: %1").arg(percentText(shown)));
        noticeShowsFilling = true;
    } else if (std::exchange(noticeShowsFilling, false)) {
        notice->clear();
    }
}

void BulkDownloadView::showLeftOut(int notAddresses, int alreadyQueued) {
    noticeShowsFilling = false;
    const int leftOut = notAddresses + alreadyQueued;
    if (leftOut == 0)
        notice->clear();
    else if (alreadyQueued == 0)
        notice->setText(
            //: Lines of the box that the queue takes no address from: they are left in the box.
            tr("%Ln lines are not YouTube addresses: they stay in the box", nullptr, leftOut));
    else if (notAddresses == 0)
        //: Lines of the box that were queued already.
        notice->setText(tr("%Ln lines were left out: already in the queue", nullptr, leftOut));
    else
        //: %1: the lines that stay in the box; %2: the lines already in the queue.
        notice->setText(
            tr("%Ln lines were not added: %1, %2", nullptr, leftOut)
                .arg(
                    //: Lines of the box that are no queue addresses: they stay.
                    tr("%Ln not YouTube addresses, still in the box", nullptr, notAddresses),
                    //: Lines of the box that were queued already.
                    tr("%Ln already in the queue", nullptr, alreadyQueued)));
}

void BulkDownloadView::updateEnabledStates() {
    addButton->setEnabled(model->canAddUrls());
    playlistExpander->setEnabled(model->canAddPlaylistEntries());
    startAllButton->setEnabled(model->canStartAll());
    stopAllButton->setEnabled(model->canStopAll());
    clearButton->setEnabled(model->canClearQueue());
    startSelectedButton->setEnabled(model->canStartSelected());
    stopSelectedButton->setEnabled(model->canStopSelected());
    deleteSelectedButton->setEnabled(model->canDeleteSelected());
    table->setSelectionActionsEnabled(model->canStartSelected(), model->canDeleteSelected());
}
