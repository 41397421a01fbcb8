#include "DownloaderOptions.h"

#include "core/preferences/CookieCheck.h"
#include "core/preferences/PreferencesStorage.h"
#include "core/storage/KeyValueStore.h"

#include <QCoreApplication>

namespace {

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
    addCookies(options);
    return options;
}
