#include "RuntimeChoice.h"

#include "core/diagnostics/Diagnostics.h"
#include "core/process/LaunchError.h"
#include "core/process/ToolRun.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolFinding.h"
#include "core/toolstore/ToolLocation.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QVersionNumber>

namespace {

using LogHandler = ToolInstaller::LogHandler;
using Tool = ToolFinding::Tool;

// A real header is a few dozen lines; more is not kept.
constexpr qsizetype headerLimit = 64 * 1024;

struct Candidate {
    Tool runtime;
    bool own = false;
};

// In yt-dlp's own order of preference: Deno (Morvi's own when it starts, else the system's),
// Node, QuickJS. The system's programs are the ones on PATH.
QList<Candidate> candidates(const QString& ownRuntimePath, bool ownRuntime) {
    QList<Candidate> found;
    const std::pair<QString, QString> programs[] = {
        {"deno", "deno"}, {"node", "node"}, {"quickjs", "qjs"}};
    for (const auto& [name, program] : programs) {
        if (name == "deno" && ownRuntime) {
            found.append({{name, ownRuntimePath, {}}, true});
        } else if (const QString path = QStandardPaths::findExecutable(program); !path.isEmpty()) {
            found.append({{name, path, {}}, false});
        }
    }
    return found;
}

// The downloader's verbose header with exactly the candidates enabled. Given no address, it
// prints its header and ends with a usage error, having reached nothing.
QCoro::Task<QString> headerOf(QString downloaderPath, QList<Candidate> candidates) {
    QStringList arguments{"--ignore-config", "--verbose", "--no-js-runtimes"};
    for (const Candidate& candidate : candidates)
        arguments << "--js-runtimes" << candidate.runtime.name + ":" + candidate.runtime.path;
    QString header;
    ToolRun run({.program = downloaderPath,
                 .arguments = arguments,
                 .read = ToolRun::Read::Merged,
                 .timeLimit = std::chrono::seconds(60)},
                [&header](ToolRun::Stream, const QString& text) {
                    if (header.size() < headerLimit)
                        header += text;
                });
    try {
        co_await run.run();
    } catch (const LaunchError& error) {
        qCInfo(lcTools) << downloaderPath << "cannot be started:" << error.description();
    }
    co_return header;
}

// A runtime of that name in the downloader's verdicts; QuickJS may call itself "quickjs-ng".
std::optional<RuntimeChoice::Verdict> verdictOn(const QList<RuntimeChoice::Verdict>& verdicts,
                                                const QString& name) {
    for (const RuntimeChoice::Verdict& verdict : verdicts) {
        if (verdict.name == name || verdict.name.startsWith(name + "-"))
            return verdict;
    }
    return std::nullopt;
}

void logRefusal(const Candidate& candidate, const RuntimeChoice::Verdict& verdict,
                const Tool& downloader, const LogHandler& log) {
    if (candidate.own) {
        log(QCoreApplication::translate("ToolCheck",
                                        "Plugin 4 (deno %1) is too old for yt-dlp %2 and is not "
                                        "used.")
                .arg(verdict.version, downloader.version));
        return;
    }
    log(QCoreApplication::translate(
            "ToolCheck", "The system's %1 %2 at %3 is too old for yt-dlp %4 and is not used.")
            .arg(candidate.runtime.name, verdict.version, candidate.runtime.path,
                 downloader.version));
}

// The first candidate that the downloader supports; none when it supports none of them.
QCoro::Task<Tool> chosen(QList<Candidate> candidates, Tool downloader, LogHandler log) {
    QList<RuntimeChoice::Verdict> verdicts;
    if (!candidates.isEmpty()) {
        const QString header = co_await headerOf(downloader.path, candidates);
        verdicts = RuntimeChoice::verdictsIn(header);
    }
    for (const Candidate& candidate : candidates) {
        const Tool& runtime = candidate.runtime;
        const std::optional<RuntimeChoice::Verdict> verdict = verdictOn(verdicts, runtime.name);
        if (!verdict) {
            // Left out of the header: it did not answer its version option.
            if (!candidate.own)
                log(QCoreApplication::translate("ToolCheck", "The system's %1 at %2 does not run.")
                        .arg(runtime.name, runtime.path));
        } else if (verdict->supported) {
            if (!candidate.own)
                log(QCoreApplication::translate("ToolCheck",
                                                "Using the system's %1 %2 at %3 for now.")
                        .arg(runtime.name, verdict->version, runtime.path));
            co_return Tool{runtime.name, runtime.path, verdict->version};
        } else {
            logRefusal(candidate, *verdict, downloader, log);
        }
    }
    log(QCoreApplication::translate("ToolCheck", "No JavaScript runtime that yt-dlp %1 supports "
                                                 "was found: YouTube may offer fewer formats.")
            .arg(downloader.version));
    co_return Tool{};
}

} // namespace

QList<RuntimeChoice::Verdict> RuntimeChoice::verdictsIn(const QString& header) {
    const QString marker = "[debug] JS runtimes: ";
    const QString unsupported = " (unsupported)";
    QList<Verdict> verdicts;
    for (const QString& line : header.split('\n')) {
        if (!line.startsWith(marker))
            continue;
        for (QString entry : line.sliced(marker.size()).split(',', Qt::SkipEmptyParts)) {
            entry = entry.trimmed();
            const bool refused = entry.endsWith(unsupported);
            if (refused)
                entry.chop(unsupported.size());
            // "quickjs-ng-0.10.1": the version starts after the first dash before a digit.
            qsizetype dash = entry.indexOf('-');
            while (dash >= 0 && !(dash + 1 < entry.size() && entry.at(dash + 1).isDigit()))
                dash = entry.indexOf('-', dash + 1);
            if (dash > 0)
                verdicts.append({entry.first(dash), entry.sliced(dash + 1), !refused});
        }
        break;
    }
    return verdicts;
}

bool RuntimeChoice::takesJsRuntimes(const QString& downloaderVersion) {
    return QVersionNumber::fromString(downloaderVersion) >= QVersionNumber(2025, 11, 12);
}

QCoro::Task<> RuntimeChoice::choose(bool ownRuntime, LogHandler log) {
    const FileManagerHelper tools;
    const ToolFinding before = ToolFinding::read(tools.toolsFolderPath);
    ToolFinding finding;
    const std::optional<LocatedTool> downloader = ToolLocation::find(tools.ytDlpPath);
    std::optional<VersionAnswer> answer;
    if (downloader) {
        const QString versionOption = "--version";
        answer = co_await ToolLocation::version(downloader->path, versionOption);
    }
    if (answer) {
        finding.downloader = {{}, downloader->path, answer->version};
        if (before.downloader.sameProgram(finding.downloader))
            finding.downloader.verifiedBy = before.downloader.verifiedBy;
        if (takesJsRuntimes(answer->version)) {
            const QList<Candidate> found = candidates(tools.jsRuntimePath, ownRuntime);
            finding.jsRuntime = co_await chosen(found, finding.downloader, log);
        } else {
            log(QCoreApplication::translate("ToolCheck", "yt-dlp %1 is too old to use a "
                                                         "JavaScript runtime: YouTube may offer "
                                                         "fewer formats.")
                    .arg(answer->version));
        }
    }
    if (!finding.write(tools.toolsFolderPath))
        qCWarning(lcTools) << "The tool check's finding could not be stored in"
                           << tools.toolsFolderPath;
}
