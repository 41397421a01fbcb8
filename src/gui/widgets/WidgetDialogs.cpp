#include "WidgetDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

void WidgetDialogs::showAlert(const QString& title, const QString& message,
                              const QString& details) {
    QMessageBox box(QMessageBox::Warning, title, title, QMessageBox::Ok, parent);
    box.setInformativeText(message);
    box.setDetailedText(details);
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
