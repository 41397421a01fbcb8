#include "ToolCreditsGroup.h"

#include "core/app/ToolCredits.h"
#include "core/desktop/Dialogs.h"
#include "gui/widgets/Labels.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QString origin(const ToolCredits::Credit& credit) {
    if (!credit.tool)
        //: Where a tool comes from: it is missing.
        return ToolCreditsGroup::tr("Not installed");
    if (credit.tool->origin == LocatedTool::Origin::system)
        //: Where a tool comes from: the system's program; %1 is its path.
        return ToolCreditsGroup::tr("The system's own, at %1").arg(credit.tool->path);
    //: Where a tool comes from: installed by Morvi; %1 is its path.
    return ToolCreditsGroup::tr("Morvi's own, at %1").arg(credit.tool->path);
}

QString creditText(const ToolCredits::Credit& credit) {
    const QString link =
        QString("<a href=\"%1\">%2</a>")
            .arg(credit.project.toString(), credit.project.host() + credit.project.path());
    const QString version = credit.version.isEmpty() ? QString() : " " + credit.version;
    //: tool name and version, licence, project link; then where the program comes from
    return ToolCreditsGroup::tr("<b>%1%2</b> · %3 · %4<br>%5")
        .arg(credit.name.toHtmlEscaped(), version.toHtmlEscaped(), credit.licence.toHtmlEscaped(),
             link, origin(credit).toHtmlEscaped());
}

} // namespace

ToolCreditsGroup::ToolCreditsGroup(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , credits(new ToolCredits(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    //: A heading in the about window: the programs Morvi runs.
    QLabel* heading = Labels::heading(tr("Tools"));
    heading->setAlignment(Qt::AlignHCenter);
    layout->addWidget(heading);
    for (qsizetype i = 0; i < credits->credits().size(); ++i) {
        auto* line = new QLabel;
        line->setObjectName("toolCredit" + credits->credits().at(i).name);
        line->setTextFormat(Qt::RichText);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignHCenter);
        line->setTextInteractionFlags(Qt::TextBrowserInteraction);
        connect(line, &QLabel::linkActivated, this,
                [&dialogs](const QString& link) { dialogs.openUrl(QUrl(link)); });
        layout->addWidget(line);
        lines << line;
    }
    connect(credits, &ToolCredits::changed, this, &ToolCreditsGroup::showCredits);
    showCredits();
    credits->refresh();
}

void ToolCreditsGroup::showCredits() {
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines.at(i)->setText(creditText(credits->credits().at(i)));
}
