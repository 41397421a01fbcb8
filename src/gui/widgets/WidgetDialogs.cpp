#include "WidgetDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QTextEdit>

namespace {

// A message box sizes itself to its text, which leaves a short title cut in the window's
// title bar and the details in a narrow box: it is made wide enough for a readable line of
// about sixty characters, and its details wrap at that width.
void widen(QMessageBox& box) {
    const QFontMetrics metrics = box.fontMetrics();
    const int width =
        std::max(metrics.averageCharWidth() * 60, metrics.horizontalAdvance(box.windowTitle()) * 2);
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

void WidgetDialogs::showAlert(const QString& title, const QString& message,
                              const QString& details) {
    QMessageBox box(QMessageBox::Warning, title, title, QMessageBox::Ok, parent);
    box.setInformativeText(message);
    box.setDetailedText(details);
    widen(box);
    box.exec();
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
