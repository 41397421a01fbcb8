#include "AboutView.h"

#include "FeatureRow.h"
#include "ToolCreditsGroup.h"
#include "gui/widgets/Labels.h"
#include "gui/widgets/LogoImage.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SymbolButton.h"
#include "gui/widgets/WindowShortcuts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Feature {
    const char* icon;
    const char* text;
};

constexpr Feature features[] = {
    {"arrow.down.circle", QT_TRANSLATE_NOOP("AboutView", "Download YouTube videos in MP4 format")},
    {"music.note", QT_TRANSLATE_NOOP("AboutView", "Extract audio in MP3 and M4A formats")},
    {"list.bullet", QT_TRANSLATE_NOOP("AboutView", "Bulk download multiple videos")},
    {"scissors", QT_TRANSLATE_NOOP("AboutView", "Cut and trim media files")},
    {"gear", QT_TRANSLATE_NOOP("AboutView", "Customizable quality settings")},
    {"folder", QT_TRANSLATE_NOOP("AboutView", "Choose output directory")},
};

QVBoxLayout* centredStack(int spacing) {
    auto* layout = new QVBoxLayout;
    layout->setSpacing(spacing);
    layout->setAlignment(Qt::AlignHCenter);
    return layout;
}

QLabel* label(const QString& text, qreal scale, QFont::Weight weight) {
    QLabel* result = Labels::scaled(text, scale, weight);
    result->setAlignment(Qt::AlignHCenter);
    return result;
}

} // namespace

AboutView::AboutView(Dialogs* dialogs, QWidget* parent, const QString& site)
    : QWidget(parent)
    , widgetDialogs(this)
    , dialogs(dialogs ? *dialogs : widgetDialogs)
    , site(site) {
    auto* page = new QWidget;
    auto* content = new QVBoxLayout(page);
    content->setContentsMargins(40, 40, 40, 40);
    content->setSpacing(20);
    content->addWidget(new LogoImage, 0, Qt::AlignHCenter);
    content->addLayout(buildVersionGroup());
    content->addLayout(buildFeaturesGroup());
    content->addWidget(new ToolCreditsGroup(this->dialogs));
    content->addLayout(buildButtonsGroup());
    content->addStretch();
    ScreenFit::scrolling(this, page);
    fitToScreen(ScreenFit::availableArea(this));
    WindowShortcuts::addQuitAndClose(this);
}

void AboutView::fitToScreen(QSize available) {
    setFixedSize(ScreenFit::limited(QSize(500, 700), available));
}

QUrl AboutView::pageUrl(const QString& site, const QString& path) {
    QString base = site.trimmed();
    while (base.endsWith('/'))
        base.chop(1);
    const QUrl url(base + path, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && !url.host().isEmpty() ? url : QUrl();
}

QLayout* AboutView::buildVersionGroup() {
    QVBoxLayout* group = centredStack(10);
    //: %1: Morvi's version number.
    group->addWidget(label(tr("Version %1").arg(BuildInfo::version()), 1.25, QFont::DemiBold));
    //: %1: the build's number.
    QLabel* build = label(tr("Build %1").arg(BuildInfo::buildNumber()), 1.0, QFont::Normal);
    build->setForegroundRole(QPalette::PlaceholderText);
    group->addWidget(build);
    return group;
}

QLayout* AboutView::buildFeaturesGroup() {
    QVBoxLayout* group = centredStack(15);
    //: A heading in the about window: what Morvi does.
    group->addWidget(label(tr("Features"), 1.0, QFont::Bold));
    auto* rows = new QVBoxLayout;
    rows->setSpacing(8);
    for (const Feature& feature : features)
        rows->addWidget(new FeatureRow(feature.icon, tr(feature.text)));
    auto* list = new QWidget;
    list->setLayout(rows);
    rows->setContentsMargins(0, 0, 0, 0);
    group->addWidget(list, 0, Qt::AlignHCenter);
    return group;
}

QLayout* AboutView::buildButtonsGroup() {
    QVBoxLayout* group = centredStack(15);
    const bool siteGiven = pageUrl(site, "").isValid();
    //: A button: opens the maker's web site.
    auto* website = new SymbolButton(tr("&Visit Website"), {}, SymbolButton::Style::prominent);
    website->setEnabled(siteGiven);
    connect(website, &QPushButton::clicked, this, [this] { openPage(""); });
    group->addWidget(website, 0, Qt::AlignHCenter);
    auto* row = new QHBoxLayout;
    row->setSpacing(20);
    const std::pair<const char*, const char*> pages[] = {
        //: A button: opens the maker's contact page.
        {QT_TR_NOOP("&Support"), "/contact/"},
        //: A button: opens the maker's privacy policy.
        {QT_TR_NOOP("&Privacy Policy"), "/privacy-policy/"}};
    for (const auto& [text, path] : pages) {
        auto* button = new SymbolButton(tr(text));
        button->setEnabled(siteGiven);
        const QString page = path;
        connect(button, &QPushButton::clicked, this, [this, page] { openPage(page); });
        row->addWidget(button);
    }
    group->addLayout(row);
    return group;
}

void AboutView::openPage(const QString& path) {
    // The window stays open; a page the desktop cannot open is not reported.
    if (const QUrl url = pageUrl(site, path); url.isValid())
        dialogs.openUrl(url);
}
