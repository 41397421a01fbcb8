#pragma once

#include <QCoroTask>
#include <QProcess>

// A child process of an external tool, started in a process group of its own so that
// a stop reaches the tool and every helper it started (the downloader's converter),
// and nothing else of the user's.
class ToolProcess : public QProcess {
    Q_OBJECT
public:
    explicit ToolProcess(QObject* parent = nullptr);
    ~ToolProcess() override;

    // Starts the program by absolute path; throws LaunchError when it cannot start.
    QCoro::Task<> launch(const QString& program, const QStringList& arguments);
    // Waits for the end of the child: its exit status, or the signal number that ended it.
    QCoro::Task<int> exitStatus();
    // Sends the termination request to the child's whole process group, if it runs.
    void terminateGroup();

signals:
    // The start has been decided: the child runs, or it failed to start.
    void startSettled();
};
