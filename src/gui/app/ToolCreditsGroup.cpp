#include "ToolCreditsGroup.h"

#include "core/app/ToolCredits.h"
#include "core/colour/Contrast.h"
#include "core/desktop/Dialogs.h"
#include "core/installer/SigningKey.h"
#include "gui/widgets/Labels.h"

#include <QEvent>
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

// A link takes the application's link colour when its text is set, whatever the window's
// look, and that colour is often a plain dark blue, nearly invisible in a dark look: the link
// gets the nearest shade of the window's own link colour that is legible on the window.
QString linkColour(const QPalette& palette) {
    return Contrast::readableOn(palette.color(QPalette::Link), {palette.color(QPalette::Window)})
        .name();
}

QString creditText(const ToolCredits::Credit& credit, const QPalette& palette) {
    const QString link =
        QString("<a href=\"%1\" style=\"color: %3\">%2</a>")
            .arg(credit.project.toString(), credit.project.host() + credit.project.path(),
                 linkColour(palette));
    const QString version = credit.version.isEmpty() ? QString() : " " + credit.version;
    //: tool name and version, licence, project link; then where the program comes from
    QString text = ToolCreditsGroup::tr("<b>%1%2</b> · %3 · %4<br>%5")
                       .arg(credit.name.toHtmlEscaped(), version.toHtmlEscaped(),
                            credit.licence.toHtmlEscaped(), link, origin(credit).toHtmlEscaped());
    if (!credit.verifiedBy.isEmpty()) {
        // The fingerprint is read as one piece: a narrow window breaks the line before it.
        const QString fingerprint =
            SigningKey::readable(credit.verifiedBy).replace(' ', QChar::Nbsp);
        text += "<br>" + ToolCreditsGroup::tr("Verified with its makers' signing key %1")
                             .arg(fingerprint)
                             .toHtmlEscaped();
    }
    return text;
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
        lines.at(i)->setText(creditText(credits->credits().at(i), palette()));
}

void ToolCreditsGroup::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        showCredits();
}
