#pragma once

#include "core/process/ToolRun.h"

#include <QCoroTask>
#include <QString>
#include <chrono>
#include <optional>

// Where a tool that Morvi runs comes from: the file in its own tools folder when there is one,
// as always; otherwise the system's own installation of the same name found on the search path
// (Debian's packages), so that Morvi still works when its own copy could not be fetched.
struct LocatedTool {
    enum class Origin { toolsFolder, system };
    QString path;
    Origin origin = Origin::toolsFolder;
};

// What a tool printed to its version option, and how it ended.
struct ToolAnswer {
    QString text;
    ToolRun::Exit exit;
};

// What a tool said to its version option.
struct VersionAnswer {
    QString version; // the first line's version word ("2023.03.04", "5.1.6-0+deb12u1")
    QString text;    // the whole answer
};

namespace ToolLocation {

// A version answer is a line or two; a tool that prints more (a broken or foreign program
// printing without end) has only this much of it kept, so that reading the answer, and
// storing the version word taken from it, stays cheap.
constexpr qsizetype longestAnswer = 64 * 1024;
// A real tool answers its version option within a second or two, even on a slow machine.
constexpr std::chrono::seconds answerTimeLimit{20};

// The tool whose place in the tools folder is toolsFolderPath ("…/tools/yt-dlp"): that file if
// it exists, else the program of that name on PATH; none when neither is there. Cheap: it
// runs nothing.
std::optional<LocatedTool> find(const QString& toolsFolderPath);

// Runs the tool at path with versionOption ("--version", "-version") for at most
// answerTimeLimit; keeps at most longestAnswer characters of what it prints. Throws LaunchError
// when it cannot start.
QCoro::Task<ToolAnswer> ask(QString path, QString versionOption);

// What the tool at path answers to versionOption; none when it cannot start, fails or does not
// answer in time. This is how a tool is proved to run here.
QCoro::Task<std::optional<VersionAnswer>> version(QString path, QString versionOption);

// The version word of a version answer: "ffmpeg version 5.1.6-0+deb12u1 Copyright …" gives
// "5.1.6-0+deb12u1", "2023.03.04" itself.
QString versionWord(const QString& answer);

} // namespace ToolLocation
