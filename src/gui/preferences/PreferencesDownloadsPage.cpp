#include "PreferencesDownloadsPage.h"

#include "PreferencesSection.h"
#include "core/engine/OutputTemplate.h"
#include "core/preferences/PreferencesViewModel.h"
#include "gui/widgets/Labels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The limit shown while none is set.
constexpr double suggestedLimit = 2.0;

// Assistive technology reads a spin box's text field, which its label does not name.
void nameField(QAbstractSpinBox* box, const QString& name) {
    box->setAccessibleName(name);
    box->findChild<QLineEdit*>()->setAccessibleName(name);
}

} // namespace

PreferencesDownloadsPage::PreferencesDownloadsPage(PreferencesViewModel* model, QWidget* parent)
    : QWidget(parent)
    , model(model) {
    QVBoxLayout* page = PreferencesSection::page(this);
    page->addWidget(buildQueueSection());
    page->addWidget(buildFileNameSection());
    page->addStretch();
    bind();
}

QWidget* PreferencesDownloadsPage::buildQueueSection() {
    const PreferencesSection::Section section = PreferencesSection::make(
        tr("Queue and speed"), tr("Items of the queue start in their order, each as soon as one "
                                  "of the downloads at once is free. The main window's download "
                                  "is not counted."));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    atOnce = new QSpinBox;
    atOnce->setObjectName("downloadsAtOnce");
    atOnce->setRange(1, Preferences::mostDownloadsAtOnce);
    nameField(atOnce, tr("Downloads at once"));
    form->addRow(tr("Downloads &at once:"), atOnce);
    section.controls->addLayout(form);
    auto* speed = new QHBoxLayout;
    limited = new QCheckBox(tr("&Limit each download to"));
    limited->setObjectName("rateLimited");
    limit = new QDoubleSpinBox;
    limit->setObjectName("rateLimit");
    nameField(limit, tr("Speed limit"));
    limit->setRange(0.1, 1000);
    limit->setDecimals(1);
    limit->setSingleStep(0.5);
    limit->setSuffix(tr(" MiB/s"));
    speed->addWidget(limited);
    speed->addWidget(limit);
    speed->addStretch();
    section.controls->addLayout(speed);
    return section.widget;
}

QWidget* PreferencesDownloadsPage::buildFileNameSection() {
    // A word joiner keeps a field's name whole: lines may break between "%" and "(".
    const PreferencesSection::Section section = PreferencesSection::make(
        tr("File names"), tr("The downloader names each file by a template of its fields, such "
                             "as %(title)s, %(uploader)s, %(upload_date)s or %(id)s.")
                              .replace("%(", QString::fromUtf16(u"%\u2060(")));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    presets = new QComboBox;
    presets->setObjectName("fileNamePresets");
    for (const OutputTemplate::Preset& preset : OutputTemplate::presets())
        presets->addItem(OutputTemplate::tr(preset.label));
    presets->addItem(tr("Your own"));
    form->addRow(tr("File na&mes:"), presets);
    fileNames = new QLineEdit;
    fileNames->setObjectName("fileNameTemplate");
    form->addRow(tr("&Template:"), fileNames);
    section.controls->addLayout(form);
    preview = PreferencesSection::wrapping(Labels::caption());
    preview->setObjectName("fileNamePreview");
    preview->setTextFormat(Qt::PlainText);
    problem = PreferencesSection::wrapping(new QLabel);
    problem->setObjectName("fileNameProblem");
    safeCharacters = new QCheckBox(tr("&Safe characters only: ASCII letters, digits, \"-\", "
                                      "\"_\" and \".\""));
    safeCharacters->setObjectName("restrictFileNames");
    section.controls->addWidget(preview);
    section.controls->addWidget(problem);
    section.controls->addWidget(safeCharacters);
    return section.widget;
}

void PreferencesDownloadsPage::bind() {
    PreferencesViewModel* m = model;
    connect(atOnce, &QSpinBox::valueChanged, m, &PreferencesViewModel::setDownloadsAtOnce);
    const auto setLimit = [this] {
        model->setRateLimit(limited->isChecked(), limit->value());
    };
    connect(limited, &QCheckBox::clicked, this, setLimit);
    connect(limit, &QDoubleSpinBox::valueChanged, this, setLimit);
    connect(presets, &QComboBox::activated, m, &PreferencesViewModel::chooseFileNamePreset);
    connect(fileNames, &QLineEdit::textEdited, m, &PreferencesViewModel::setFileNameTemplate);
    connect(safeCharacters, &QCheckBox::clicked, m, &PreferencesViewModel::setRestrictFileNames);
    connect(m, &PreferencesViewModel::optionsChanged, this, &PreferencesDownloadsPage::showOptions);
    showOptions();
}

void PreferencesDownloadsPage::showOptions() {
    atOnce->setValue(model->downloadsAtOnce());
    limited->setChecked(model->isRateLimited());
    limit->setEnabled(model->isRateLimited());
    if (model->isRateLimited())
        limit->setValue(model->rateLimitMiB());
    else if (limit->value() == limit->minimum())
        limit->setValue(suggestedLimit);
    presets->setCurrentIndex(model->fileNamePreset());
    if (fileNames->text() != model->fileNameTemplate())
        fileNames->setText(model->fileNameTemplate());
    const QString shown = model->fileNamePreview();
    preview->setText(shown.isEmpty() ? QString() : tr("Preview: %1").arg(shown));
    preview->setVisible(!shown.isEmpty());
    problem->setText(model->fileNameProblem());
    problem->setVisible(!model->fileNameProblem().isEmpty());
    safeCharacters->setChecked(model->options().restrictFileNames);
}
