#include "ToolCredits.h"

#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolFinding.h"

#include <QPointer>

ToolCredits::ToolCredits(QObject* parent)
    : QObject(parent) {
    //: A licence's name, as its authors call it.
    list = {{"yt-dlp", tr("The Unlicense"), QUrl("https://github.com/yt-dlp/yt-dlp"), {}, {}},
            {"ffmpeg", converterLicence({}), QUrl("https://ffmpeg.org"), {}, {}},
            {"deno", tr("MIT"), runtimeProject("deno"), {}, {}}};
}

// The runtimes that the tool check may choose; all three are published under the MIT licence.
QUrl ToolCredits::runtimeProject(const QString& name) {
    if (name == "node")
        return QUrl("https://nodejs.org");
    if (name == "quickjs")
        return QUrl("https://bellard.org/quickjs");
    return QUrl("https://deno.com");
}

void ToolCredits::showRuntime() {
    const FileManagerHelper tools;
    const ToolFinding::Tool runtime = ToolFinding::read(tools.toolsFolderPath).jsRuntime;
    if (runtime.path.isEmpty())
        return;
    const auto origin = runtime.path == tools.jsRuntimePath ? LocatedTool::Origin::toolsFolder
                                                            : LocatedTool::Origin::system;
    list[2] = {runtime.name, tr("MIT"), runtimeProject(runtime.name),
               LocatedTool{runtime.path, origin}, runtime.version};
    emit changed();
}

QString ToolCredits::downloaderVerifiedBy(const Credit& downloader) {
    const ToolFinding::Tool found =
        ToolFinding::read(FileManagerHelper().toolsFolderPath).downloader;
    const bool same =
        downloader.tool && found.sameProgram({{}, downloader.tool->path, downloader.version});
    return same ? found.verifiedBy : QString();
}

QCoro::Task<> ToolCredits::refresh() {
    const FileManagerHelper tools;
    showRuntime();
    const QPointer<ToolCredits> self(this);
    const QString places[] = {tools.ytDlpPath, tools.ffmpegPath};
    const QString versionOptions[] = {"--version", "-version"};
    for (int i = 0; i < 2; ++i) {
        const std::optional<LocatedTool> tool = ToolLocation::find(places[i]);
        std::optional<VersionAnswer> answer;
        if (tool)
            answer = co_await ToolLocation::version(tool->path, versionOptions[i]);
        if (!self)
            co_return;
        Credit& credit = list[i];
        credit.tool = tool;
        credit.version = answer ? answer->version : QString();
        if (i == 0)
            credit.verifiedBy = downloaderVerifiedBy(credit);
        if (i == 1)
            credit.licence = converterLicence(answer ? answer->text : QString());
        emit changed();
    }
}

QString ToolCredits::converterLicence(const QString& versionAnswer) {
    const QString configuration = versionAnswer.section("configuration:", 1).section('\n', 0, 0);
    // What the converter's builds are published under, when its answer does not say.
    if (configuration.isEmpty())
        //: A licence's name, as its authors call it.
        return tr("LGPL/GPL");
    const bool gpl = configuration.contains("--enable-gpl");
    const bool version3 = configuration.contains("--enable-version3");
    if (gpl)
        //: A licence's name, as its authors call it.
        return version3 ? tr("GPL 3 or later")
                        //: A licence's name, as its authors call it.
                        : tr("GPL 2 or later");
    //: A licence's name, as its authors call it.
    return version3 ? tr("LGPL 3 or later")
                    //: A licence's name, as its authors call it.
                    : tr("LGPL 2.1 or later");
}
