#include "WidgetDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

namespace {

// A message box sizes itself to its text, which leaves a short title cut in the window's
// title bar and the details in a narrow box: it is made wide enough for a readable line of
// about sixty characters beside its icon, and its details wrap at that width.
void widen(QMessageBox& box) {
    const QFontMetrics metrics = box.fontMetrics();
    const int icon = qRound(box.iconPixmap().deviceIndependentSize().width());
    const int width = std::max(metrics.averageCharWidth() * 60 + icon,
                               metrics.horizontalAdvance(box.windowTitle()) * 2);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (auto* details = box.findChild<QTextEdit*>()) {
        details->setLineWrapMode(QTextEdit::WidgetWidth);
        details->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        details->setFixedHeight(metrics.lineSpacing() * 8);
    }
}

} // namespace

bool WidgetDialogs::showAlert(const QString& title, const QString& message, const QString& details,
                              const QString& action) {
    QMessageBox box(QMessageBox::Warning, title, title, QMessageBox::Ok, parent);
    box.setInformativeText(message);
    box.setDetailedText(details);
    // A message may hold a command to type, which is easier copied than typed.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The step that may mend the failure is what the user came for: it is the default, and
    // Escape still only closes the alert.
    QPushButton* chosen =
        action.isEmpty() ? nullptr : box.addButton(action, QMessageBox::AcceptRole);
    if (chosen) {
        box.setDefaultButton(chosen);
        box.setEscapeButton(QMessageBox::Ok);
    }
    widen(box);
    box.exec();
    return chosen && box.clickedButton() == chosen;
}

QString WidgetDialogs::chooseFolder(const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, QString(), startFolder);
}

QString WidgetDialogs::chooseFile(const QString& startFolder, const QString& nameFilter) {
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, nameFilter);
}

void WidgetDialogs::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
