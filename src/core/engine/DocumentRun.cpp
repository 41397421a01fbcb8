#include "DocumentRun.h"

#include "DownloaderCommandLine.h"
#include "core/diagnostics/Failure.h"
#include "core/text/DisplayText.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolLocation.h"

namespace {

// Even a long playlist's document stays well below this; more is not read.
constexpr qsizetype outputLimit = 64 * 1024 * 1024;

// Warnings may stand before the document's line.
QByteArray documentIn(const QString& output) {
    if (output.startsWith('{'))
        return output.toUtf8();
    const qsizetype line = output.lastIndexOf(u"\n{");
    return line < 0 ? QByteArray() : output.sliced(line + 1).toUtf8();
}

// The downloader's own reason: its last "ERROR:" line.
QString errorIn(const QString& errors, int status) {
    const QStringList lines = errors.split('\n');
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->startsWith("ERROR:"))
            return DisplayText::capped(line->sliced(6).trimmed());
    }
    //: Why an address could not be described: the downloader's exit status.
    return DocumentRun::tr("the downloader ended with status %1").arg(status);
}

} // namespace

DocumentRun::DocumentRun(const QStringList& options, const QString& address,
                         std::chrono::seconds timeLimit)
    : arguments(DownloaderCommandLine::forDocument(options, DownloaderOptions::current(), address))
    , timeLimit(timeLimit) {}

QCoro::Task<DocumentRun::Answer> DocumentRun::run() {
    const std::optional<LocatedTool> downloader = ToolLocation::find(FileManagerHelper().ytDlpPath);
    if (!downloader)
        co_return Answer{{}, tr("the downloader is not installed")};
    tool.emplace(ToolRun::Command{.program = downloader->path,
                                  .arguments = arguments,
                                  .read = ToolRun::Read::BothStreams,
                                  .timeLimit = timeLimit},
                 [this](ToolRun::Stream stream, const QString& text) {
                     QString& into = stream == ToolRun::Stream::output ? output : errors;
                     if (into.size() < outputLimit)
                         into += text;
                 });
    ToolRun::Exit exit;
    try {
        exit = co_await tool->run();
    } catch (...) { // a tool that cannot start, or a fault of Morvi's own
        co_return Answer{{}, Failure::caught().description};
    }
    if (exit.timedOut)
        //: Why an address could not be described: %1 is a number of seconds.
        co_return Answer{{}, tr("no answer within %1 s").arg(timeLimit.count())};
    if (!exit.succeeded())
        co_return Answer{{}, errorIn(errors, exit.status)};
    co_return Answer{documentIn(output), {}};
}

void DocumentRun::stop() {
    if (tool)
        tool->stop();
}
