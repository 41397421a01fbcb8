#pragma once

#include "CookieSource.h"

// What the user chose in the Preferences window; every run of the downloader follows it.
struct Preferences {
    CookieSource cookies;

    bool operator==(const Preferences&) const = default;
};
