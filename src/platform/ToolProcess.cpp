#include "ToolProcess.h"

#include "LaunchError.h"

#include <QCoroSignal>
#include <csignal>
#include <unistd.h>

ToolProcess::ToolProcess(QObject* parent)
    : QProcess(parent) {
    setChildProcessModifier([] { ::setsid(); });
    // stateChanged carries Qt's private-signal tag, which a coroutine awaiting the
    // signal itself would bind as a null reference; this plain signal carries nothing.
    connect(this, &QProcess::stateChanged, this, [this](ProcessState state) {
        if (state != Starting)
            emit startSettled();
    });
}

ToolProcess::~ToolProcess() {
    terminateGroup();
}

QCoro::Task<> ToolProcess::launch(const QString& program, const QStringList& arguments) {
    start(program, arguments);
    if (state() == Starting)
        co_await qCoro(this, &ToolProcess::startSettled);
    if (state() == NotRunning && error() == FailedToStart)
        throw LaunchError(errorString());
}

QCoro::Task<int> ToolProcess::exitStatus() {
    if (state() != NotRunning)
        co_await qCoro(this, &QProcess::finished);
    // On a crash Qt reports the number of the signal that ended the child.
    co_return exitCode();
}

void ToolProcess::terminateGroup() {
    if (state() == NotRunning)
        return;
    if (const qint64 pid = processId(); pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGTERM);
}
