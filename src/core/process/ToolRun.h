#pragma once

#include "ToolTextDecoder.h"

#include <QCoroTask>
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <functional>

// One run of an external tool, started in a process group of its own so that a stop reaches
// the tool and every helper it started (the downloader's converter), and nothing else of the
// user's. Its output arrives as decoded text, one handler call per chunk as read, named by
// the stream it came from.
class ToolRun : public QObject {
    Q_OBJECT
public:
    // Which output the handler receives; the rest is discarded, so that it can never fill a
    // pipe and stall the tool.
    enum class Read { BothStreams, StandardError, Merged, Nothing };
    enum class Input { Null, Forwarded };
    // Where a chunk came from; merged output counts as standard output.
    enum class Stream { output, errors };

    // Every member has a default, so that a designated initializer may leave it out.
    struct Command {
        QString program = {}; // an absolute path
        QStringList arguments = {};
        QString workingDirectory = {};
        Read read = Read::Nothing;
        Input input = Input::Null;
        // When the run lasts longer, its whole group is killed; zero for no limit.
        std::chrono::milliseconds timeLimit{0};
    };

    struct Exit {
        // The exit status, or the number of the signal that ended the tool.
        int status = 0;
        bool signalled = false;
        bool timedOut = false;
        bool succeeded() const { return status == 0 && !signalled; }
    };

    using OutputHandler = std::function<void(Stream, const QString&)>;

    explicit ToolRun(Command command, OutputHandler outputHandler = {});
    // Stops a tool that still runs.
    ~ToolRun() override;

    // Starts the tool; throws LaunchError when it cannot start.
    QCoro::Task<> start();
    // Waits for the end of the started tool. Every chunk of its output has reached the
    // handler before this returns.
    QCoro::Task<Exit> result();
    // start(), then result().
    QCoro::Task<Exit> run();

    // How long a stopped tool's process group has to end by itself before it is killed.
    static constexpr std::chrono::seconds stopGrace{3};

    // Sends the termination request to the tool's whole process group, if it runs, and kills
    // whatever of the group is left after stopGrace, even once this run is gone.
    void stop();

signals:
    // The tool started, or failed to.
    void launchSettled();

private:
    bool readsOutput() const;
    bool readsErrors() const;
    void deliver(Stream stream, const QByteArray& bytes);
    void signalGroup(int signal);
    void killGroupAfterGrace();

    Command command;
    OutputHandler outputHandler;
    QProcess process;
    QTimer limit;
    bool limitReached = false;
    // One decoder per stream: a character cut in one must not meet bytes of the other.
    ToolTextDecoder decoders[2];
};
