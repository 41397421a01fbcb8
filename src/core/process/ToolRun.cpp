#include "ToolRun.h"

#include "LaunchError.h"
#include "core/diagnostics/Diagnostics.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <csignal>
#include <unistd.h>

namespace {

void routeOutput(QProcess& process, ToolRun::Read read) {
    using Read = ToolRun::Read;
    if (read == Read::Merged)
        process.setProcessChannelMode(QProcess::MergedChannels);
    if (read == Read::StandardError || read == Read::Nothing)
        process.setStandardOutputFile(QProcess::nullDevice());
    if (read == Read::Nothing)
        process.setStandardErrorFile(QProcess::nullDevice());
}

} // namespace

ToolRun::ToolRun(Command command, OutputHandler outputHandler)
    : command(std::move(command))
    , outputHandler(std::move(outputHandler)) {
    process.setChildProcessModifier([] { ::setsid(); });
    process.setWorkingDirectory(this->command.workingDirectory);
    routeOutput(process, this->command.read);
    if (this->command.input == Input::Forwarded)
        process.setInputChannelMode(QProcess::ForwardedInputChannel);
    else
        process.setStandardInputFile(QProcess::nullDevice());

    connect(&process, &QProcess::readyReadStandardOutput, this,
            [this] { deliver(Stream::output, process.readAllStandardOutput()); });
    connect(&process, &QProcess::readyReadStandardError, this,
            [this] { deliver(Stream::errors, process.readAllStandardError()); });
    // QProcess's own start signals are private and cannot be awaited directly.
    connect(&process, &QProcess::started, this, &ToolRun::launchSettled);
    connect(&process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit launchSettled();
    });
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, this, [this] {
        qCInfo(lcTools) << this->command.program << "ran past its time limit; killing it";
        limitReached = true;
        signalGroup(SIGKILL);
    });
}

ToolRun::~ToolRun() {
    // QProcess's destructor reaps a running child and may signal meanwhile: nothing of this
    // run, half destroyed by then, may be reached.
    process.disconnect(this);
    limit.disconnect(this);
    stop();
}

QCoro::Task<> ToolRun::start() {
    process.start(command.program, command.arguments);
    while (process.state() == QProcess::Starting)
        co_await qCoro(this, &ToolRun::launchSettled);
    if (process.state() == QProcess::NotRunning && process.error() == QProcess::FailedToStart)
        throw LaunchError(process.errorString());
    if (command.timeLimit.count() > 0)
        limit.start(command.timeLimit);
}

QCoro::Task<ToolRun::Exit> ToolRun::result() {
    if (process.state() != QProcess::NotRunning)
        co_await qCoro(&process, &QProcess::finished);
    limit.stop();
    // What the tool wrote last often explains its end: drain both streams first.
    if (readsOutput())
        deliver(Stream::output, process.readAllStandardOutput());
    if (readsErrors())
        deliver(Stream::errors, process.readAllStandardError());
    for (const Stream stream : {Stream::output, Stream::errors}) {
        if (const auto rest = decoders[static_cast<int>(stream)].finish(); rest && outputHandler)
            outputHandler(stream, *rest);
    }
    // On a crash Qt reports the number of the signal that ended the tool.
    co_return Exit{process.exitCode(), process.exitStatus() == QProcess::CrashExit, limitReached};
}

QCoro::Task<ToolRun::Exit> ToolRun::run() {
    co_await start();
    co_return co_await result();
}

void ToolRun::stop() {
    if (process.state() == QProcess::NotRunning)
        return;
    signalGroup(SIGTERM);
    killGroupAfterGrace();
}

// A tool, or a helper it started, may ignore the request and would then run on until its time
// limit, or for ever. The timer belongs to the application, as a stopped run often ends, and
// goes, before the grace period is over; the group's number stays taken while any of it lives.
void ToolRun::killGroupAfterGrace() {
    const auto group = static_cast<pid_t>(process.processId());
    if (group <= 0)
        return;
    QTimer::singleShot(stopGrace, QCoreApplication::instance(),
                       [group] { ::kill(-group, SIGKILL); });
}

bool ToolRun::readsOutput() const {
    return command.read == Read::BothStreams || command.read == Read::Merged;
}

bool ToolRun::readsErrors() const {
    return command.read == Read::BothStreams || command.read == Read::StandardError;
}

void ToolRun::deliver(Stream stream, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    if (const auto text = decoders[static_cast<int>(stream)].decode(bytes); text && outputHandler)
        outputHandler(stream, *text);
}

void ToolRun::signalGroup(int signal) {
    if (process.state() == QProcess::NotRunning)
        return;
    if (const qint64 pid = process.processId(); pid > 0)
        ::kill(-static_cast<pid_t>(pid), signal);
}
