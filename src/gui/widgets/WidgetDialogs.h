#pragma once

#include "core/desktop/Dialogs.h"

class QWidget;

// The real dialogs, parented to the window that asks for them.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr)
        : parent(parent) {}

    bool showAlert(const QString& title, const QString& message, const QString& details = {},
                   const QString& action = {}) override;
    QString chooseFolder(const QString& startFolder) override;
    QString chooseFile(const QString& startFolder, const QString& nameFilter) override;
    void openUrl(const QUrl& url) override;

private:
    QWidget* parent;
};
