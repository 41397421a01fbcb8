#pragma once

#include "core/preferences/CookieSource.h"

#include <QString>
#include <QStringList>

// How the downloader reaches the sites, the same for every run of it that can reach one (a
// download, a queue item, an address description, a playlist listing): which JavaScript runtime
// solves the sites' challenges and which cookies sign the user in. Read when a run starts, from
// what the tool check found and what the user chose in Preferences.
struct DownloaderOptions {
    // "NAME:PATH" for "--js-runtimes"; "" when the downloader in use does not know the option or
    // no runtime that it supports is at hand.
    QString jsRuntime;
    // The cookie source chosen in Preferences while it can be used; none otherwise.
    CookieSource cookies;
    // Sentences for the run's log, in the user's language: what of the user's choices these
    // options leave out, and why.
    QStringList notices;

    // What the tool check and Preferences have stored for this user.
    static DownloaderOptions current();

    bool operator==(const DownloaderOptions&) const = default;
};
