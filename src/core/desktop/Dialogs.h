#pragma once

#include <QString>
#include <QUrl>

// The modal choosers, the alert and the browser hand-off, behind one interface so
// that tests can record what would have been shown instead of blocking on a dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A warning alert with the title as main text, the message as informative text
    // and an "OK" button, and beside it a button labelled action when one is given;
    // details, when given, can be shown and copied. Returns when the user dismissed it:
    // whether they chose the action.
    virtual bool showAlert(const QString& title, const QString& message,
                           const QString& details = {}, const QString& action = {}) = 0;
    // A folder chooser opening at startFolder; the chosen folder, or "" when cancelled.
    virtual QString chooseFolder(const QString& startFolder) = 0;
    // A file chooser offering the files that match nameFilter (QFileDialog syntax);
    // the chosen file, or "" when cancelled.
    virtual QString chooseFile(const QString& startFolder, const QString& nameFilter) = 0;
    // Opens the address in the user's browser.
    virtual void openUrl(const QUrl& url) = 0;
};
