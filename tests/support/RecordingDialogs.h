#pragma once

#include "core/platform/Dialogs.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Records what would have been shown; choosers take the queued answers ("" = cancelled).
class RecordingDialogs : public Dialogs {
public:
    struct Alert {
        QString title;
        QString message;
        QString details = {};
        bool operator==(const Alert&) const = default;
    };

    void showAlert(const QString& title, const QString& message,
                   const QString& details = {}) override {
        alerts.append({title, message, details});
    }
    QString chooseFolder(const QString& startFolder) override {
        folderStarts << startFolder;
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }
    QString chooseFile(const QString& startFolder, const QString& nameFilter) override {
        fileStarts << startFolder;
        fileFilters << nameFilter;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    void openUrl(const QUrl& url) override { openedUrls << url; }

    QList<Alert> alerts;
    QStringList folderAnswers, folderStarts;
    QStringList fileAnswers, fileStarts, fileFilters;
    QList<QUrl> openedUrls;
};
