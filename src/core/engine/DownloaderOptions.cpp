#include "DownloaderOptions.h"

#include "core/preferences/CookieCheck.h"
#include "core/preferences/PreferencesStorage.h"
#include "core/storage/KeyValueStore.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolFinding.h"
#include "core/toolstore/ToolLocation.h"

#include <QCoreApplication>

namespace {

// "NAME:PATH" of the runtime that the last tool check chose, as long as the downloader in use is
// still the one it asked: another one (the system's, once Morvi's own is gone) may not know the
// option at all.
QString jsRuntimeOption() {
    const FileManagerHelper tools;
    const ToolFinding finding = ToolFinding::read(tools.toolsFolderPath);
    const std::optional<LocatedTool> downloader = ToolLocation::find(tools.ytDlpPath);
    if (finding.jsRuntime.path.isEmpty() || !downloader ||
        downloader->path != finding.downloader.path)
        return {};
    return finding.jsRuntime.name + ":" + finding.jsRuntime.path;
}

// A chosen source that cannot be used any more (a profile removed, a file deleted or spoilt)
// is left out rather than failing the run over it, and the log says so.
void addCookies(DownloaderOptions& options) {
    const CookieSource chosen = PreferencesStorage::read(*PreferencesStorage::open()).cookies;
    if (const std::optional<QString> problem = CookieCheck::problem(chosen))
        options.notices << QCoreApplication::translate("DownloaderOptions",
                                                       "Downloading without the cookies chosen in "
                                                       "Preferences: %1")
                               .arg(*problem);
    else
        options.cookies = chosen;
}

} // namespace

DownloaderOptions DownloaderOptions::current() {
    DownloaderOptions options;
    options.jsRuntime = jsRuntimeOption();
    addCookies(options);
    return options;
}
