#pragma once

#include "gui/widgets/WidgetDialogs.h"

#include "core/app/BuildInfo.h"

#include <QUrl>
#include <QWidget>

// The about window's content: logo, version and build, the feature list, and buttons
// that open the maker's web site, its contact page and its privacy policy.
class AboutView : public QWidget {
    Q_OBJECT
public:
    // Without dialogs the pages open through the real desktop hand-off. site is the maker's
    // web site; without one the buttons to its pages are disabled.
    explicit AboutView(Dialogs* dialogs = nullptr, QWidget* parent = nullptr,
                       const QString& site = BuildInfo::website());

    // Keeps the window's fixed size within a screen of this available area; the content
    // scrolls when it does not fit.
    void fitToScreen(QSize available);

    // The page of the maker's site at path ("" is the home page).
    static QUrl pageUrl(const QString& site, const QString& path);

private:
    QLayout* buildVersionGroup();
    QLayout* buildFeaturesGroup();
    QLayout* buildButtonsGroup();
    void openPage(const QString& path);

    WidgetDialogs widgetDialogs;
    Dialogs& dialogs;
    const QString site;
};
