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

QCoro::Task<std::optional<VersionAnswer>> ToolLocation::version(QString path,
                                                                QString versionOption) {
    QString answer;
    const QStringList arguments{versionOption};
    ToolRun run({.program = path,
                 .arguments = arguments,
                 .read = ToolRun::Read::Merged,
                 .timeLimit = std::chrono::seconds(20)},
                [&answer](ToolRun::Stream, const QString& text) {
                    if (answer.size() < longestAnswer)
                        answer += text.first(std::min(text.size(), longestAnswer - answer.size()));
                });
    ToolRun::Exit exit;
    try {
        exit = co_await run.run();
    } catch (const LaunchError&) {
        co_return std::nullopt;
    }
    if (!exit.succeeded() || exit.timedOut)
        co_return std::nullopt;
    co_return VersionAnswer{versionWord(answer), answer};
}

QString ToolLocation::versionWord(const QString& answer) {
    const QString firstLine = answer.section('\n', 0, 0).trimmed();
    const QStringList words = firstLine.split(' ', Qt::SkipEmptyParts);
    const qsizetype marker = words.indexOf("version");
    return marker >= 0 && marker + 1 < words.size() ? words.at(marker + 1) : firstLine;
}
