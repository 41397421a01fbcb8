#include "ToolLocation.h"

#include "core/process/LaunchError.h"
#include "core/process/ToolRun.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

std::optional<LocatedTool> ToolLocation::find(const QString& toolsFolderPath) {
    if (QFileInfo::exists(toolsFolderPath))
        return LocatedTool{toolsFolderPath, LocatedTool::Origin::toolsFolder};
    const QString onPath = QStandardPaths::findExecutable(QFileInfo(toolsFolderPath).fileName());
    if (onPath.isEmpty())
        return std::nullopt;
    return LocatedTool{onPath, LocatedTool::Origin::system};
}

QCoro::Task<ToolAnswer> ToolLocation::ask(QString path, QString versionOption) {
    ToolAnswer answer;
    const QStringList arguments{versionOption};
    ToolRun run({.program = path,
                 .arguments = arguments,
                 .read = ToolRun::Read::Merged,
                 .timeLimit = answerTimeLimit},
                [&answer](ToolRun::Stream, const QString& text) {
                    answer.text +=
                        text.first(std::min(text.size(), longestAnswer - answer.text.size()));
                });
    answer.exit = co_await run.run();
    co_return answer;
}

QCoro::Task<std::optional<VersionAnswer>> ToolLocation::version(QString path,
                                                                QString versionOption) {
    ToolAnswer answer;
    try {
        answer = co_await ask(path, versionOption);
    } catch (const LaunchError&) {
        co_return std::nullopt;
    }
    if (!answer.exit.succeeded() || answer.exit.timedOut)
        co_return std::nullopt;
    co_return VersionAnswer{versionWord(answer.text), answer.text};
}

QString ToolLocation::versionWord(const QString& answer) {
    const QString firstLine = answer.section('\n', 0, 0).trimmed();
    const QStringList words = firstLine.split(' ', Qt::SkipEmptyParts);
    const qsizetype marker = words.indexOf("version");
    return marker >= 0 && marker + 1 < words.size() ? words.at(marker + 1) : firstLine;
}
