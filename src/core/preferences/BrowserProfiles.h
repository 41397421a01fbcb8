#pragma once

#include <QList>
#include <QString>

// One profile of a browser: the name the browser shows for it and its folder.
struct BrowserProfile {
    QString name;
    QString path;

    bool operator==(const BrowserProfile&) const = default;
};

// A browser installed for this user, as its folder of profiles shows it: the downloader's
// name of the browser, how it was installed, and its profiles, the one it uses by default
// first. A browser installed twice (a package and a snap) is two of these.
struct InstalledBrowser {
    enum class Packaging { native, snap, flatpak };

    QString browser;
    Packaging packaging = Packaging::native;
    QList<BrowserProfile> profiles;

    bool operator==(const InstalledBrowser&) const = default;
};

// Finds the browsers whose cookies the downloader can read (Firefox and the Chromium family)
// in their usual folders under the user's home, snap and Flatpak installs included, from the
// files that list their profiles: Firefox's "profiles.ini", the Chromium family's "Local
// State". Only profiles whose folder exists count; a browser without any is not installed.
// Reads a few small files: run it off the main thread.
namespace BrowserProfiles {

struct Folders {
    QString home;
    // The user's configuration folder (XDG_CONFIG_HOME), where the Chromium family lives.
    QString config;

    // This user's.
    static Folders ofUser();
};

QList<InstalledBrowser> find(const Folders& folders);

// Whether the downloader knows a browser by this name.
bool isKnown(const QString& browser);
// The browser's own name, "Google Chrome" for "chrome"; a product name, not translated.
QString productName(const QString& browser);
// "Firefox", "Firefox (Snap)", "Chromium (Flatpak)": in the user's language.
QString label(const InstalledBrowser& installed);

} // namespace BrowserProfiles
