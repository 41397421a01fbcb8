#include "BulkDownloadView.h"

#include "BulkDownloadItemsModel.h"
#include "BulkDownloadProgressDelegate.h"
#include "BulkDownloadViewModel.h"
#include "engine/DownloadChoices.h"
#include "widgets/Labels.h"
#include "widgets/SymbolButton.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

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

QVBoxLayout* group(QWidget* heading, QWidget* control) {
    auto* layout = new QVBoxLayout;
    layout->setSpacing(lineSpacing);
    layout->addWidget(heading);
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

} // namespace

BulkDownloadView::BulkDownloadView(Dialogs* dialogs, QWidget* parent)
    : QWidget(parent)
    , widgetDialogs(this)
    , model(new BulkDownloadViewModel(dialogs ? *dialogs : widgetDialogs, this)) {
    setMinimumSize(800, 600);
    auto* content = new QVBoxLayout(this);
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
    bindFields();
    bindSelection();
}

BulkDownloadView::~BulkDownloadView() {
    model->releaseWhenIdle();
}

QLayout* BulkDownloadView::headingRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(Labels::scaled("Bulk Download", 1.6, QFont::Bold));
    row->addStretch();
    QPushButton* fromFile = button("Add URLs from File");
    connect(fromFile, &QPushButton::clicked, model, &BulkDownloadViewModel::addURLsFromFile);
    row->addWidget(fromFile);
    return row;
}

QLayout* BulkDownloadView::inputSection() {
    auto* section = new QVBoxLayout;
    section->setSpacing(lineSpacing);
    section->addWidget(Labels::heading("Add URLs (one per line):"));
    urlsEditor = new QPlainTextEdit;
    urlsEditor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    urlsEditor->setFixedHeight(120);
    QColor outline = palette().color(QPalette::PlaceholderText);
    outline.setAlphaF(0.3f);
    urlsEditor->setStyleSheet(
        QString("QPlainTextEdit { border: 1px solid %1; border-radius: 8px; }")
            .arg(outline.name(QColor::HexArgb)));
    section->addWidget(urlsEditor);
    addButton = prominentButton("Add URLs to Queue");
    connect(addButton, &QPushButton::clicked, model, &BulkDownloadViewModel::addURLsToQueue);
    section->addWidget(addButton, 0, Qt::AlignLeft);
    return section;
}

QLayout* BulkDownloadView::optionsRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(sectionSpacing);
    row->addLayout(group(Labels::heading("Format:"), formatPicker()));

    qualityPicker = new QComboBox;
    qualityPicker->setMinimumContentsLength(16);
    connect(qualityPicker, &QComboBox::activated, this, [this] {
        const QString choice = qualityPicker->currentText();
        if (!DownloadChoices::isAudioFormat(model->selectedFormat()))
            model->setSelectedVideoQuality(choice);
        else
            model->setSelectedAudioQuality(choice);
    });
    row->addLayout(group(Labels::heading("Quality:"), qualityPicker));

    auto* pathRow = new QHBoxLayout;
    outputField = new QLineEdit;
    outputField->setPlaceholderText("Output folder");
    connect(outputField, &QLineEdit::textEdited, model, &BulkDownloadViewModel::setOutputPath);
    QPushButton* browse = button("Browse");
    connect(browse, &QPushButton::clicked, model, &BulkDownloadViewModel::chooseOutputFolder);
    pathRow->addWidget(outputField);
    pathRow->addWidget(browse);
    auto* pathGroup = new QWidget;
    pathGroup->setLayout(pathRow);
    pathRow->setContentsMargins(0, 0, 0, 0);
    row->addLayout(group(Labels::heading("Output Path:"), pathGroup), 1);
    return row;
}

QWidget* BulkDownloadView::formatPicker() {
    auto* picker = new QWidget;
    picker->setAccessibleName("Format");
    auto* segments = new QHBoxLayout(picker);
    segments->setContentsMargins(0, 0, 0, 0);
    segments->setSpacing(0);
    formatButtons = new QButtonGroup(picker);
    for (const DownloadChoices::Choice& format : DownloadChoices::formats()) {
        auto* segment = new QToolButton;
        segment->setText(format.value);
        segment->setCheckable(true);
        segment->setMinimumWidth(48);
        formatButtons->addButton(segment);
        segments->addWidget(segment);
    }
    connect(formatButtons, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* segment) { model->setSelectedFormat(segment->text()); });
    return picker;
}

QLayout* BulkDownloadView::queueButtonRow() {
    startAllButton = prominentButton("Start All Downloads");
    stopAllButton = button("Stop All Downloads");
    clearButton = button("Clear Queue");
    // The batch runs on as a task of its own once its handle is dropped here.
    connect(startAllButton, &QPushButton::clicked, this, [this] { model->startAllDownloads(); });
    connect(stopAllButton, &QPushButton::clicked, model, &BulkDownloadViewModel::stopAllDownloads);
    connect(clearButton, &QPushButton::clicked, model, &BulkDownloadViewModel::clearQueue);
    return centredRow({startAllButton, stopAllButton, clearButton});
}

QLayout* BulkDownloadView::selectionButtonRow() {
    startSelectedButton = prominentButton("Start Selected");
    stopSelectedButton = button("Stop Selected");
    deleteSelectedButton = button("Delete Selected");
    connect(startSelectedButton, &QPushButton::clicked, this,
            [this] { model->startSelectedDownloads(); });
    connect(stopSelectedButton, &QPushButton::clicked, model,
            &BulkDownloadViewModel::stopSelectedDownloads);
    connect(deleteSelectedButton, &QPushButton::clicked, model,
            &BulkDownloadViewModel::deleteSelectedItems);
    return centredRow({startSelectedButton, stopSelectedButton, deleteSelectedButton});
}

QLayout* BulkDownloadView::queueSection() {
    auto* section = new QVBoxLayout;
    section->setSpacing(lineSpacing);
    queueHeading = Labels::heading(QString());
    section->addWidget(queueHeading);

    table = new QTableView;
    table->setModel(model->itemsModel());
    table->setItemDelegateForColumn(BulkDownloadItemsModel::progressColumn,
                                    new BulkDownloadProgressDelegate(table));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    QHeaderView* columns = table->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionResizeMode(BulkDownloadItemsModel::urlColumn, QHeaderView::Stretch);
    const std::pair<int, int> widths[] = {{BulkDownloadItemsModel::formatColumn, 70},
                                          {BulkDownloadItemsModel::qualityColumn, 70},
                                          {BulkDownloadItemsModel::statusColumn, 100},
                                          {BulkDownloadItemsModel::progressColumn, 100}};
    int fixedWidth = 0;
    for (const auto& [column, width] : widths) {
        columns->resizeSection(column, width);
        fixedWidth += width;
    }
    // The URL column keeps at least 200 pixels.
    table->setMinimumSize(200 + fixedWidth + 2 * table->frameWidth() + 20, 200);
    section->addWidget(table, 1);
    return section;
}

void BulkDownloadView::bindFields() {
    BulkDownloadViewModel* vm = model;
    connect(urlsEditor, &QPlainTextEdit::textChanged, this,
            [this] { model->setUrlsText(urlsEditor->toPlainText()); });
    connect(vm, &BulkDownloadViewModel::urlsTextChanged, this, [this] {
        if (urlsEditor->toPlainText() != model->urlsText())
            urlsEditor->setPlainText(model->urlsText());
        updateEnabledStates();
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
    connect(vm, &BulkDownloadViewModel::downloadItemsChanged, this, [this] {
        showQueueHeading();
        updateEnabledStates();
    });
    connect(vm, &BulkDownloadViewModel::isDownloadingChanged, this,
            &BulkDownloadView::updateEnabledStates);

    urlsEditor->setPlainText(vm->urlsText());
    outputField->setText(vm->outputPath());
    showFormat();
    showQualityPicker();
    showQueueHeading();
    updateEnabledStates();
}

void BulkDownloadView::bindSelection() {
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showingSelection)
            model->setSelection(tableSelection());
    });
    connect(model, &BulkDownloadViewModel::selectionChanged, this, [this] {
        showSelection();
        updateEnabledStates();
    });
}

void BulkDownloadView::showFormat() {
    const QList<QAbstractButton*> segments = formatButtons->buttons();
    // With no matching segment none is checked, which an exclusive group would refuse.
    formatButtons->setExclusive(false);
    for (QAbstractButton* segment : segments)
        segment->setChecked(segment->text() == model->selectedFormat());
    formatButtons->setExclusive(true);
}

void BulkDownloadView::showQualityPicker() {
    const bool video = !DownloadChoices::isAudioFormat(model->selectedFormat());
    const QSignalBlocker quiet(qualityPicker);
    qualityPicker->clear();
    for (const DownloadChoices::Choice& quality :
         video ? DownloadChoices::videoQualities() : DownloadChoices::audioQualities())
        qualityPicker->addItem(quality.value);
    qualityPicker->setAccessibleName(video ? "Video Quality" : "Audio Quality");
    qualityPicker->setCurrentIndex(qualityPicker->findText(video ? model->selectedVideoQuality()
                                                                 : model->selectedAudioQuality()));
}

void BulkDownloadView::showQueueHeading() {
    queueHeading->setText("Download Queue (" + QString::number(model->downloadItems().size()) +
                          " items):");
}

void BulkDownloadView::showSelection() {
    const QSet<QUuid> wanted = model->selection();
    if (tableSelection() == wanted)
        return;
    const QScopedValueRollback guard(showingSelection, true);
    const QList<BulkDownloadItem>& list = model->downloadItems();
    const QAbstractItemModel* rows = table->model();
    const int lastColumn = rows->columnCount() - 1;
    QItemSelection shown;
    // One range per run of neighbouring selected rows.
    for (int row = 0; row < list.size(); ++row) {
        if (!wanted.contains(list.at(row).id))
            continue;
        int last = row;
        while (last + 1 < list.size() && wanted.contains(list.at(last + 1).id))
            ++last;
        shown.select(rows->index(row, 0), rows->index(last, lastColumn));
        row = last;
    }
    table->selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
}

QSet<QUuid> BulkDownloadView::tableSelection() const {
    QSet<QUuid> ids;
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    for (const QModelIndex& row : rows)
        ids.insert(row.data(BulkDownloadItemsModel::idRole).toUuid());
    return ids;
}

void BulkDownloadView::updateEnabledStates() {
    const QList<BulkDownloadItem>& list = model->downloadItems();
    const QSet<QUuid> chosen = model->selection();
    const bool busy = model->isDownloading();
    const auto unfinished = [](const BulkDownloadItem& item) {
        return item.status == DownloadStatus::pending || item.status == DownloadStatus::downloading;
    };
    const bool anyUnfinished = std::any_of(list.begin(), list.end(), unfinished);
    const bool chosenUnfinished =
        !chosen.isEmpty() && std::any_of(list.begin(), list.end(), [&](const auto& item) {
            return chosen.contains(item.id) && unfinished(item);
        });

    addButton->setEnabled(!model->urlsText().trimmed().isEmpty());
    startAllButton->setEnabled(!list.isEmpty() && !busy);
    stopAllButton->setEnabled(busy || anyUnfinished);
    clearButton->setEnabled(!busy);
    startSelectedButton->setEnabled(!chosen.isEmpty() && !busy);
    stopSelectedButton->setEnabled(!chosen.isEmpty() && (busy || chosenUnfinished));
    deleteSelectedButton->setEnabled(!chosen.isEmpty() && !busy);
}
