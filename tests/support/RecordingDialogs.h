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
        QString action = {};
        bool operator==(const Alert&) const = default;
    };

    bool showAlert(const QString& title, const QString& message, const QString& details = {},
                   const QString& action = {}) override {
        alerts.append({title, message, details, action});
        onAlert();
        return chooseAction && !action.isEmpty();
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
    bool chooseAction = false; // whether an alert's action is chosen
    std::function<void()> onAlert = [] {
    };
    QStringList folderAnswers, folderStarts;
    QStringList fileAnswers, fileStarts;
    QList<QUrl> openedUrls;
};
