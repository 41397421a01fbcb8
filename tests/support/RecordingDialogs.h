#pragma once

#include "core/desktop/Dialogs.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>

// Records what would have been shown; choosers take the queued answers ("" = cancelled).
class RecordingDialogs : public Dialogs {
public:
    struct Alert {
        QString title, message;
        QString details = {};
        bool operator==(const Alert&) const = default;
    };

    void showAlert(const QString& title, const QString& message,
                   const QString& details = {}) override {
        alerts.append({title, message, details});
        onAlert();
    }
    QString chooseFolder(const QString& startFolder) override {
        folderStarts << startFolder;
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }
    QString chooseFile(const QString& startFolder, const QString&) override {
        fileStarts << startFolder;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    void openUrl(const QUrl& url) override { openedUrls << url; }

    QList<Alert> alerts;
    std::function<void()> onAlert = [] {
    };
    QStringList folderAnswers, folderStarts;
    QStringList fileAnswers, fileStarts;
    QList<QUrl> openedUrls;
};
