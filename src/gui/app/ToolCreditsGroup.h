#pragma once

#include <QWidget>

class Dialogs;
class QLabel;
class ToolCredits;

// The about window's credits for the external tools: each tool's name, the version in use,
// its licence and a link to its project, and where the program in use comes from, and for a
// program proved by its makers' signature, the key that signed it. The links stay legible on
// the window's background in any look, and follow its changes.
class ToolCreditsGroup : public QWidget {
    Q_OBJECT
public:
    // Looks the tools up at once; their versions follow when they have answered.
    explicit ToolCreditsGroup(Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showCredits();

    ToolCredits* credits;
    QList<QLabel*> lines;
};
