#pragma once

#include "CookieSource.h"
#include "core/engine/DownloadOptions.h"

// What the user chose in the Preferences window; every run of the downloader follows it.
struct Preferences {
    inline static constexpr int mostDownloadsAtOnce = 4;

    CookieSource cookies;
    DownloadOptions downloads;
    // How many items of the queue download at the same time, 1 to mostDownloadsAtOnce.
    int downloadsAtOnce = 1;

    bool operator==(const Preferences&) const = default;
};
