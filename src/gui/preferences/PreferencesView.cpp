#include "PreferencesView.h"

#include "PreferencesContentsPage.h"
#include "PreferencesDownloadsPage.h"
#include "PreferencesSection.h"
#include "PreferencesSponsorBlockPage.h"
#include "core/preferences/PreferencesViewModel.h"
#include "gui/widgets/Labels.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/WindowShortcuts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using PreferencesSection::showChoices;
using PreferencesSection::wrapping;

// Long profile names and labels do not widen the window; the picker's list shows them whole.
QComboBox* picker(const QString& name) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(24);
    return box;
}

} // namespace

PreferencesView::PreferencesView(Dialogs* dialogs, QWidget* parent)
    : QWidget(parent)
    , widgetDialogs(this)
    , model(new PreferencesViewModel(dialogs ? *dialogs : widgetDialogs, this)) {
    auto* page = new QWidget;
    auto* content = new QVBoxLayout(page);
    content->setContentsMargins(16, 16, 16, 16);
    if (model->converterMissing())
        content->addWidget(wrapping(new QLabel(
            tr("The converter (ffmpeg) is not installed yet: the file's contents, subtitles, a "
               "part of a video and SponsorBlock need it. Morvi installs it when the main window "
               "next checks its tools."))));
    auto* tabs = new QTabWidget;
    tabs->addTab(new PreferencesDownloadsPage(model), tr("&Downloads"));
    tabs->addTab(new PreferencesContentsPage(model), tr("File &contents"));
    tabs->addTab(new PreferencesSponsorBlockPage(model), tr("Sponsor&Block"));
    auto* signIn = new QWidget;
    QVBoxLayout* signInPage = PreferencesSection::page(signIn);
    signInPage->addWidget(buildSignInSection());
    signInPage->addStretch();
    tabs->addTab(signIn, tr("Sign-i&n"));
    content->addWidget(tabs);
    ScreenFit::scrolling(this, page);
    // Only the height scrolls: the window keeps the width its content needs, and the height
    // of its content with every row shown, before the controller hides those it does not need.
    setMinimumWidth(page->minimumSizeHint().width() +
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    resize(
        ScreenFit::limited(QSize(600, page->heightForWidth(600)), ScreenFit::availableArea(this)));
    WindowShortcuts::addQuitAndClose(this);
    bind();
}

QWidget* PreferencesView::buildSignInSection() {
    auto* section = new QWidget;
    auto* stack = new QVBoxLayout(section);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(12);
    stack->addWidget(Labels::heading(tr("Sign-in")));
    stack->addWidget(wrapping(Labels::caption(
        tr("Some sites, YouTube among them, serve a video only to a signed-in user. The "
           "downloader can then use the cookies of a browser in which you are signed in, or "
           "those of a cookies.txt file. Morvi hands over only the browser's name and profile "
           "or the file's name: it never reads, keeps or shows a cookie."))));
    form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    sourcePicker = picker("cookieSource");
    form->addRow(tr("&Use cookies from:"), sourcePicker);
    profilePicker = picker("cookieProfile");
    form->addRow(tr("&Profile:"), profilePicker);
    auto* fileLabel = new QLabel(tr("Coo&kies file:"));
    form->addRow(fileLabel, buildFileRow());
    // The label names the field, not the row, for assistive technology.
    fileLabel->setBuddy(fileField);
    stack->addLayout(form);
    lookingLabel = Labels::caption(tr("Looking for installed browsers..."));
    stack->addWidget(lookingLabel);
    problemLabel = wrapping(new QLabel);
    problemLabel->setObjectName("cookieProblem");
    stack->addWidget(problemLabel);
    return section;
}

QWidget* PreferencesView::buildFileRow() {
    fileRow = new QWidget;
    auto* layout = new QHBoxLayout(fileRow);
    layout->setContentsMargins(0, 0, 0, 0);
    fileField = new QLineEdit;
    fileField->setObjectName("cookiesFile");
    fileField->setAccessibleName(tr("Cookies file"));
    // Chosen in the file chooser, which checks the file before it is taken.
    fileField->setReadOnly(true);
    auto* choose = new QPushButton(tr("C&hoose..."));
    choose->setToolTip(tr("Choose another cookies.txt file"));
    connect(choose, &QPushButton::clicked, model, &PreferencesViewModel::chooseCookiesFile);
    layout->addWidget(fileField);
    layout->addWidget(choose);
    return fileRow;
}

void PreferencesView::bind() {
    connect(sourcePicker, &QComboBox::activated, model, &PreferencesViewModel::chooseCookieSource);
    connect(profilePicker, &QComboBox::activated, model, &PreferencesViewModel::chooseProfile);
    connect(model, &PreferencesViewModel::cookiesChanged, this, &PreferencesView::showCookies);
    showCookies();
}

void PreferencesView::showCookies() {
    showChoices(sourcePicker, model->cookieSources(), model->cookieSourceIndex());
    sourcePicker->setEnabled(!model->lookingForBrowsers());
    showChoices(profilePicker, model->profiles(), model->profileIndex());
    form->setRowVisible(profilePicker, profilePicker->count() > 1);
    fileField->setText(model->cookiesFile());
    form->setRowVisible(fileRow, !model->cookiesFile().isEmpty());
    lookingLabel->setVisible(model->lookingForBrowsers());
    problemLabel->setText(model->cookieProblem());
    problemLabel->setVisible(!model->cookieProblem().isEmpty());
}
