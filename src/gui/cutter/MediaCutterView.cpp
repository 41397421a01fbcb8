#include "MediaCutterView.h"

#include "core/cutter/MediaCutterViewModel.h"
#include "core/engine/PercentText.h"
#include "core/model/LogModel.h"
#include "core/text/TimeText.h"
#include "gui/widgets/Labels.h"
#include "gui/widgets/LogView.h"
#include "gui/widgets/RoundedBox.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SymbolButton.h"
#include "gui/widgets/SymbolIcons.h"
#include "gui/widgets/WindowNotice.h"
#include "gui/widgets/WindowShortcuts.h"

#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct FormatChoice {
    const char* shown;
    const char* stored;
};
constexpr std::array<FormatChoice, 4> formatChoices{
    //: The cut file's kinds: file formats, usually left as they are.
    {{QT_TRANSLATE_NOOP("MediaCutterView", "MP4"), "mp4"},
     //: A file format, usually left as it is.
     {QT_TRANSLATE_NOOP("MediaCutterView", "MP3"), "mp3"},
     //: A file format, usually left as it is.
     {QT_TRANSLATE_NOOP("MediaCutterView", "M4A"), "m4a"},
     //: A file format, usually left as it is.
     {QT_TRANSLATE_NOOP("MediaCutterView", "MOV"), "mov"}}};

constexpr int spinnerSpokes = 8;

// A block of stacked items aligned to the leading edge, with nothing around it.
QVBoxLayout* stack(QWidget* owner, int spacing) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->setAlignment(Qt::AlignLeft);
    return layout;
}

// One frame of the small activity indicator: spokes fading behind the leading one.
QIcon spinnerFrame(int step, const QColor& colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(16, 16);
    for (int spoke = 0; spoke < spinnerSpokes; ++spoke) {
        QColor faded = colour;
        faded.setAlphaF(1.0 - ((step - spoke + spinnerSpokes) % spinnerSpokes) * 0.11);
        painter.setPen(QPen(faded, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -7), QPointF(0, -13));
        painter.rotate(360.0 / spinnerSpokes);
    }
    return QIcon(pixmap);
}

// The one local file a drag carries, or "" when it carries anything else.
QString draggedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace

MediaCutterView::MediaCutterView(Dialogs* dialogs, Notifier* notifier, QWidget* parent)
    : QWidget(parent)
    , widgetDialogs(this)
    , model(new MediaCutterViewModel(dialogs ? *dialogs : widgetDialogs, this))
    , notifier(notifier) {
    auto* form = new QWidget;
    auto* layout = new QVBoxLayout(form);
    layout->setSpacing(20);
    //: The cutter window's heading.
    QLabel* title = Labels::scaled(tr("Media Cutter"), 1.7, QFont::Bold);
    title->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(title);
    for (QWidget* block :
         {makeFileBlock(), makeInformationBlock(), makeTrimBlock(), makeOutputBlock(),
          makeCutButton(), makeShowInFolderButton(), makeProgressBlock(), makeLogBlock()})
        layout->addWidget(block);
    layout->addStretch();
    layout->setAlignment(showInFolder, Qt::AlignHCenter);
    ScreenFit::scrolling(this, form);
    fitToScreen(ScreenFit::availableArea(this));
    addShortcutsAndDrops();

    connect(model, &MediaCutterViewModel::selectedFilePathChanged, this,
            &MediaCutterView::showInformation);
    connect(model, &MediaCutterViewModel::mediaDurationChanged, this,
            &MediaCutterView::showInformation);
    connect(model, &MediaCutterViewModel::mediaFormatChanged, this,
            &MediaCutterView::showInformation);
    connect(model, &MediaCutterViewModel::isCuttingChanged, this, &MediaCutterView::showCutState);
    connect(model, &MediaCutterViewModel::canStartCuttingChanged, this,
            &MediaCutterView::showCutState);
    connect(model, &MediaCutterViewModel::cuttingProgressChanged, this,
            &MediaCutterView::showProgress);
    connect(model, &MediaCutterViewModel::lastOutputFileChanged, this,
            [this] { showInFolder->setVisible(!model->lastOutputFile().isEmpty()); });
    connect(model, &MediaCutterViewModel::cutEnded, this, &MediaCutterView::announceEnd);
    connect(&spinnerTimer, &QTimer::timeout, this, &MediaCutterView::turnSpinner);
    spinnerTimer.setInterval(80);
    showInformation();
    showCutState();
    showProgress();
}

void MediaCutterView::fitToScreen(QSize available) {
    setMinimumSize(ScreenFit::limited(QSize(600, 700), available));
}

void MediaCutterView::addShortcutsAndDrops() {
    WindowShortcuts::addQuitAndClose(this);
    WindowShortcuts::addOpen(this, [this] { model->chooseMediaFile(); });
    WindowShortcuts::ignoreUnownedMnemonics(this);
    setAcceptDrops(true);
    // A file dragged over a text field is meant for the window, not for the field's text.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->installEventFilter(this);
}

bool MediaCutterView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
        static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
        takeDrop(static_cast<QDropEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MediaCutterView::dragEnterEvent(QDragEnterEvent* event) {
    takeDrop(event);
}

void MediaCutterView::dragMoveEvent(QDragMoveEvent* event) {
    takeDrop(event);
}

void MediaCutterView::dropEvent(QDropEvent* event) {
    takeDrop(event);
}

void MediaCutterView::takeDrop(QDropEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        model->chooseMediaFile(path);
}

void MediaCutterView::announceEnd(bool succeeded) {
    if (!notifier)
        return;
    const QString file = succeeded ? model->lastOutputFile() : model->selectedFilePath();
    //: A notification's title: a cut has ended well.
    const QString finished = tr("Cut finished");
    //: A notification's title: a cut has failed.
    const QString failed = tr("Cut failed");
    WindowNotice::unlessActive(this, *notifier, succeeded ? finished : failed,
                               QFileInfo(file).fileName());
}

QLineEdit* MediaCutterView::boundField(const QString& placeholder,
                                       QString (MediaCutterViewModel::*get)() const,
                                       void (MediaCutterViewModel::*set)(const QString&),
                                       void (MediaCutterViewModel::*changed)()) {
    auto* field = new QLineEdit((model->*get)());
    field->setPlaceholderText(placeholder);
    connect(field, &QLineEdit::textEdited, model, set);
    connect(model, changed, field, [this, field, get] {
        // Only a change made elsewhere is written back, so typing keeps its cursor.
        if (field->text() != (model->*get)())
            field->setText((model->*get)());
    });
    return field;
}

QWidget* MediaCutterView::makeFileBlock() {
    auto* block = new QWidget;
    QVBoxLayout* layout = stack(block, 8);
    //: The label of the file to cut.
    QLabel* heading = Labels::heading(tr("Select &Media File:"));
    layout->addWidget(heading);
    auto* row = new QHBoxLayout;
    //: Shown in the empty media file field.
    QLineEdit* file = boundField(tr("No file selected"), &MediaCutterViewModel::selectedFilePath,
                                 &MediaCutterViewModel::setSelectedFilePath,
                                 &MediaCutterViewModel::selectedFilePathChanged);
    file->setObjectName("fileField");
    //: The media file field's name for assistive technology.
    file->setAccessibleName(tr("Media File"));
    heading->setBuddy(file);
    // Shows the chosen path, legible and selectable; only the chooser may change it.
    file->setReadOnly(true);
    //: A button: chooses the media file to cut.
    auto* browse = new QPushButton(tr("&Browse"));
    browse->setObjectName("fileBrowse");
    browse->setToolTip(tr("Choose the media file to cut (Ctrl+O), or drop it onto the window"));
    connect(browse, &QPushButton::clicked, model,
            qOverload<>(&MediaCutterViewModel::chooseMediaFile));
    row->addWidget(file);
    row->addWidget(browse);
    layout->addLayout(row);
    return block;
}

QWidget* MediaCutterView::makeInformationBlock() {
    informationBlock = new QWidget;
    informationBlock->setObjectName("informationBlock");
    QVBoxLayout* layout = stack(informationBlock, 8);
    //: A heading: the chosen file's length and kind.
    layout->addWidget(Labels::heading(tr("Media Information:")));
    auto* box = new RoundedBox;
    auto* lines = new QVBoxLayout(box);
    lines->setSpacing(4);
    durationLine = new QLabel;
    durationLine->setObjectName("durationLine");
    formatLine = new QLabel;
    formatLine->setObjectName("formatLine");
    lines->addWidget(durationLine);
    lines->addWidget(formatLine);
    layout->addWidget(box);
    return informationBlock;
}

QWidget* MediaCutterView::makeTrimBlock() {
    auto* block = new QWidget;
    QVBoxLayout* layout = stack(block, 8);
    //: A heading: where the cut starts and ends.
    layout->addWidget(Labels::heading(tr("Trim Settings:")));
    auto* row = new QHBoxLayout;
    row->setSpacing(20);
    const QFont monospaced = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto column = [&](const QString& title, const QString& name, QLineEdit* field) {
        field->setFont(monospaced);
        field->setAccessibleName(name);
        auto* column = new QVBoxLayout;
        column->setSpacing(8);
        QLabel* label = Labels::scaled(title, 0.92);
        label->setBuddy(field);
        column->addWidget(label);
        column->addWidget(field);
        row->addLayout(column);
    };
    QLineEdit* startField =
        boundField("00:00:00", &MediaCutterViewModel::startTime,
                   &MediaCutterViewModel::setStartTime, &MediaCutterViewModel::startTimeChanged);
    startField->setObjectName("startField");
    column(
        //: The label of the field where the cut starts.
        tr("&Start Time:"),
        //: The field where the cut starts, named for assistive technology.
        tr("Start Time"), startField);
    QLineEdit* endField =
        boundField("00:00:00", &MediaCutterViewModel::endTime, &MediaCutterViewModel::setEndTime,
                   &MediaCutterViewModel::endTimeChanged);
    endField->setObjectName("endField");
    column(
        //: The label of the field where the cut ends.
        tr("&End Time:"),
        //: The field where the cut ends, named for assistive technology.
        tr("End Time"), endField);
    layout->addLayout(row);
    layout->addWidget(Labels::caption(tr("Format: HH:MM:SS (e.g., 01:30:45)")));
    return block;
}

QWidget* MediaCutterView::makeOutputBlock() {
    auto* block = new QWidget;
    QVBoxLayout* layout = stack(block, 8);
    //: A heading: the cut file's name, kind and folder.
    layout->addWidget(Labels::heading(tr("Output Settings:")));

    auto* nameRow = new QHBoxLayout;
    //: Shown in the empty output file name field.
    QLineEdit* name = boundField(tr("Output file name"), &MediaCutterViewModel::outputFileName,
                                 &MediaCutterViewModel::setOutputFileName,
                                 &MediaCutterViewModel::outputFileNameChanged);
    name->setObjectName("nameField");
    //: The output file name field's name for assistive technology.
    name->setAccessibleName(tr("Output File Name"));
    auto* picker = new QComboBox;
    picker->setObjectName("formatPicker");
    picker->setFixedWidth(100);
    for (const FormatChoice& choice : formatChoices)
        picker->addItem(tr(choice.shown), QString(choice.stored));
    const auto showFormat = [this, picker] {
        picker->setCurrentIndex(picker->findData(model->outputFormat()));
    };
    showFormat();
    connect(picker, &QComboBox::activated, model,
            [this, picker] { model->setOutputFormat(picker->currentData().toString()); });
    connect(model, &MediaCutterViewModel::outputFormatChanged, picker, showFormat);
    nameRow->addWidget(name);
    //: The label of the cut file's kind (MP4, MP3, M4A, MOV).
    auto* pickerLabel = new QLabel(tr("&Format"));
    pickerLabel->setBuddy(picker); // a picker's accessible name is its label's
    nameRow->addWidget(pickerLabel);
    nameRow->addWidget(picker);
    layout->addLayout(nameRow);

    auto* folderRow = new QHBoxLayout;
    QLineEdit* folder =
        //: Shown in the empty output folder field.
        boundField(tr("Output folder"), &MediaCutterViewModel::outputPath,
                   &MediaCutterViewModel::setOutputPath, &MediaCutterViewModel::outputPathChanged);
    folder->setObjectName("folderField");
    //: The output folder field's name for assistive technology.
    folder->setAccessibleName(tr("Output Path"));
    //: A button: chooses the output folder.
    auto* browse = new QPushButton(tr("Bro&wse"));
    browse->setObjectName("folderBrowse");
    browse->setToolTip(tr("Choose the folder for the cut file"));
    connect(browse, &QPushButton::clicked, model, &MediaCutterViewModel::chooseOutputFolder);
    folderRow->addWidget(folder);
    folderRow->addWidget(browse);
    layout->addLayout(folderRow);
    return block;
}

QWidget* MediaCutterView::makeCutButton() {
    //: A button: starts the cut.
    cutButton = new SymbolButton(tr("&Cut Media"), "scissors", SymbolButton::Style::prominent);
    cutButton->setObjectName("cutButton");
    cutButton->setDefault(true);
    cutButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cutButton->setMinimumHeight(32);
    // The task ends by itself with the cut; nothing waits for it here.
    connect(cutButton, &QPushButton::clicked, model, [this] { model->startCutting(); });
    return cutButton;
}

QWidget* MediaCutterView::makeShowInFolderButton() {
    //: A button: shows the cut file in the file manager.
    showInFolder = new SymbolButton(tr("Sh&ow in Folder"), "folder");
    showInFolder->setObjectName("showInFolder");
    showInFolder->setVisible(false);
    connect(showInFolder, &QPushButton::clicked, model, &MediaCutterViewModel::showOutputInFolder);
    return showInFolder;
}

QWidget* MediaCutterView::makeProgressBlock() {
    progressBlock = new QWidget;
    progressBlock->setObjectName("progressBlock");
    QVBoxLayout* layout = stack(progressBlock, 8);
    //: A heading over the cut's progress bar.
    layout->addWidget(Labels::heading(tr("Progress:")));
    progressBar = new QProgressBar;
    progressBar->setRange(0, 100);
    progressBar->setTextVisible(false);
    percentLabel = Labels::caption();
    percentLabel->setObjectName("percentLabel");
    layout->addWidget(progressBar);
    layout->addWidget(percentLabel);
    return progressBlock;
}

QWidget* MediaCutterView::makeLogBlock() {
    auto* block = new QWidget;
    QVBoxLayout* layout = stack(block, 8);
    auto* log = new LogView(model->logMessages(), 120);
    //: A heading over the cut's log.
    QLabel* heading = Labels::heading(tr("&Log:"));
    heading->setBuddy(log);
    layout->addWidget(heading);
    layout->addWidget(log);
    return block;
}

void MediaCutterView::showInformation() {
    informationBlock->setVisible(!model->selectedFilePath().isEmpty());
    const std::optional<double> duration = model->mediaDuration();
    durationLine->setVisible(duration.has_value());
    //: The chosen file's length: %1 is HH:MM:SS.
    durationLine->setText(duration ? tr("Duration: %1").arg(formatTime(*duration)) : QString());
    formatLine->setVisible(!model->mediaFormat().isEmpty());
    //: The chosen file's kind: %1 is Video or Audio.
    formatLine->setText(tr("Format: %1").arg(model->mediaFormat()));
}

void MediaCutterView::showCutState() {
    const bool cutting = model->isCutting();
    cutButton->setEnabled(!cutting && model->canStartCutting());
    //: The cut button while a cut runs.
    const QString running = tr("&Cutting...");
    //: A button: starts the cut.
    cutButton->setText(cutting ? running : tr("&Cut Media"));
    progressBlock->setVisible(cutting);
    if (cutting && !spinnerTimer.isActive()) {
        cutButton->setIconSize(QSize(13, 13)); // the indicator is drawn smaller than a symbol
        spinnerStep = 0;
        turnSpinner();
        spinnerTimer.start();
    } else if (!cutting) {
        spinnerTimer.stop();
        cutButton->setIconSize(QSize(16, 16));
        cutButton->setIcon(
            SymbolIcons::icon("scissors", cutButton->palette().color(QPalette::ButtonText)));
    }
}

void MediaCutterView::turnSpinner() {
    cutButton->setIcon(spinnerFrame(spinnerStep, cutButton->palette().color(QPalette::ButtonText)));
    spinnerStep = (spinnerStep + 1) % spinnerSpokes;
}

void MediaCutterView::showProgress() {
    // The bar and the figure stay within 0 to 100 whatever the converter printed.
    const double percent = std::clamp(model->cuttingProgress(), 0.0, 100.0);
    progressBar->setValue(static_cast<int>(percent));
    percentLabel->setText(percentText(percent));
}
