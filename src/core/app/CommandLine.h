#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What Morvi's command line asks for. It is read before any window system is
// reached, so --help and --version answer on a machine without a display.
// Morvi has no options of its own beyond those two; Qt's standard options
// (-platform, -style, ...) are let through for QApplication to take. The other
// arguments are web addresses to open. Its texts come in the user's language once an
// application object holds the translations.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { OpenWindows, ShowHelp, ShowVersion, Refuse };

    // arguments as the program received them, the program name first.
    static CommandLine parse(const QStringList& arguments);

    Action action() const { return chosen; }
    // Why the command line was refused, "" otherwise.
    QString error() const { return problem; }
    // The web addresses given, in their order, for OpenWindows.
    QStringList addresses() const { return urls; }

    // Prints what the action asks for and returns the exit status: 0 for help and
    // version, 2 for a refused command line.
    int answer() const;

    static QString usage();
    static QString versionLine();

private:
    CommandLine(Action action, const QString& error, const QStringList& addresses = {});

    Action chosen;
    QString problem;
    QStringList urls;
};
