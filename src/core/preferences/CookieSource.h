#pragma once

#include <QString>

// Where the downloader takes the cookies that sign the user in to the sites: nowhere, a
// browser's cookie store, or a cookies.txt file. It names them only: Morvi never reads a
// cookie itself, the downloader does when it runs.
struct CookieSource {
    enum class Kind { none, browser, file };

    Kind kind = Kind::none;
    // The downloader's name of the browser ("firefox", "chrome", …), with kind browser.
    QString browser;
    // The profile's folder, an absolute path; "" leaves the choice to the downloader.
    QString profile;
    // The cookies.txt file, an absolute path, with kind file.
    QString file;

    static CookieSource fromBrowser(const QString& browser, const QString& profile) {
        return {Kind::browser, browser, profile, {}};
    }
    static CookieSource fromFile(const QString& file) { return {Kind::file, {}, {}, file}; }

    bool operator==(const CookieSource&) const = default;
};
