#include "BrowserProfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>

namespace {

using Packaging = InstalledBrowser::Packaging;

struct Browser {
    const char* name; // the downloader's
    const char* product;
    // Opera keeps one profile in its folder; the downloader takes no profile name for it.
    bool hasProfiles;
};

constexpr Browser browsers[] = {
    {"firefox", "Firefox", true},      {"chromium", "Chromium", true},
    {"chrome", "Google Chrome", true}, {"brave", "Brave", true},
    {"edge", "Microsoft Edge", true},  {"vivaldi", "Vivaldi", true},
    {"opera", "Opera", false},
};

enum class Base { home, config };

struct Location {
    const char* browser;
    Packaging packaging;
    Base base;
    const char* path;
};

// A snap keeps its configuration in ~/snap/<name>/current/.config (Chromium and Firefox in the
// snap's "common" folder), a Flatpak in ~/.var/app/<id>/config (Firefox in .mozilla there).
// Firefox 147 and later put new profiles in the configuration folder.
constexpr Location locations[] = {
    {"firefox", Packaging::native, Base::home, ".mozilla/firefox"},
    {"firefox", Packaging::native, Base::config, "mozilla/firefox"},
    {"firefox", Packaging::snap, Base::home, "snap/firefox/common/.mozilla/firefox"},
    {"firefox", Packaging::flatpak, Base::home, ".var/app/org.mozilla.firefox/.mozilla/firefox"},
    {"chromium", Packaging::native, Base::config, "chromium"},
    {"chromium", Packaging::snap, Base::home, "snap/chromium/common/chromium"},
    {"chromium", Packaging::flatpak, Base::home, ".var/app/org.chromium.Chromium/config/chromium"},
    {"chrome", Packaging::native, Base::config, "google-chrome"},
    {"chrome", Packaging::flatpak, Base::home, ".var/app/com.google.Chrome/config/google-chrome"},
    {"brave", Packaging::native, Base::config, "BraveSoftware/Brave-Browser"},
    {"brave", Packaging::snap, Base::home,
     "snap/brave/current/.config/BraveSoftware/Brave-Browser"},
    {"brave", Packaging::flatpak, Base::home,
     ".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser"},
    {"edge", Packaging::native, Base::config, "microsoft-edge"},
    {"edge", Packaging::flatpak, Base::home, ".var/app/com.microsoft.Edge/config/microsoft-edge"},
    {"vivaldi", Packaging::native, Base::config, "vivaldi"},
    {"vivaldi", Packaging::snap, Base::home, "snap/vivaldi/current/.config/vivaldi"},
    {"vivaldi", Packaging::flatpak, Base::home, ".var/app/com.vivaldi.Vivaldi/config/vivaldi"},
    {"opera", Packaging::native, Base::config, "opera"},
    {"opera", Packaging::snap, Base::home, "snap/opera/current/.config/opera"},
    {"opera", Packaging::flatpak, Base::home, ".var/app/com.opera.Opera/config/opera"},
};

const Browser* browserNamed(const QString& name) {
    const auto found = std::find_if(std::begin(browsers), std::end(browsers),
                                    [&](const Browser& each) { return name == each.name; });
    return found == std::end(browsers) ? nullptr : found;
}

using IniSection = std::pair<QString, QHash<QString, QString>>;

// The sections of an INI file in their order, each with its "key=value" lines.
QList<IniSection> iniSections(const QString& path) {
    QFile file(path);
    QList<IniSection> sections;
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            sections.append({line.sliced(1, line.size() - 2), {}});
        else if (const qsizetype equals = line.indexOf('='); equals > 0 && !sections.isEmpty())
            sections.last().second.insert(line.first(equals).trimmed(),
                                          line.sliced(equals + 1).trimmed());
    }
    return sections;
}

// The one the browser starts with goes first; the others keep their order.
void add(QList<BrowserProfile>& profiles, const BrowserProfile& profile, bool preferred) {
    if (!QFileInfo(profile.path).isDir())
        return;
    profiles.insert(preferred ? 0 : profiles.size(), profile);
}

// Firefox names its default per installation in "[Install…]" sections, older ones by
// "Default=1" on the profile.
QList<BrowserProfile> firefoxProfiles(const QString& folder) {
    const QList<IniSection> sections = iniSections(folder + "/profiles.ini");
    QString installDefault;
    for (const auto& [name, keys] : sections) {
        if (name.startsWith("Install") && installDefault.isEmpty())
            installDefault = keys.value("Default");
    }
    QList<BrowserProfile> profiles;
    for (const auto& [name, keys] : sections) {
        const QString path = keys.value("Path");
        if (!name.startsWith("Profile") || path.isEmpty())
            continue;
        const QString absolute =
            keys.value("IsRelative", "1") == "0" ? path : QDir(folder).filePath(path);
        const bool preferred =
            installDefault.isEmpty() ? keys.value("Default") == "1" : path == installDefault;
        add(profiles, {keys.value("Name", path), QDir::cleanPath(absolute)}, preferred);
    }
    return profiles;
}

// The Chromium family lists its profiles in "Local State": the folder names with the names
// the browser shows, and the one used last.
QList<BrowserProfile> chromiumProfiles(const QString& folder, bool hasProfiles) {
    QFile localState(folder + "/Local State");
    if (!localState.open(QIODevice::ReadOnly))
        return {};
    if (!hasProfiles)
        return {{QString(), folder}};
    const QJsonObject state =
        QJsonDocument::fromJson(localState.readAll()).object().value("profile").toObject();
    const QJsonObject known = state.value("info_cache").toObject();
    QList<BrowserProfile> profiles;
    for (auto entry = known.begin(); entry != known.end(); ++entry) {
        const QString name = entry.value().toObject().value("name").toString();
        add(profiles, {name.isEmpty() ? entry.key() : name, folder + "/" + entry.key()},
            entry.key() == state.value("last_used").toString());
    }
    if (profiles.isEmpty())
        add(profiles, {"Default", folder + "/Default"}, true);
    return profiles;
}

} // namespace

namespace BrowserProfiles {

Folders Folders::ofUser() {
    return {QDir::homePath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

QList<InstalledBrowser> find(const Folders& folders) {
    QList<InstalledBrowser> found;
    for (const Location& location : locations) {
        const QString base = location.base == Base::home ? folders.home : folders.config;
        const QString folder = QDir(base).filePath(location.path);
        const Browser& browser = *browserNamed(location.browser);
        InstalledBrowser installed{location.browser, location.packaging,
                                   QLatin1String(location.browser) == "firefox"
                                       ? firefoxProfiles(folder)
                                       : chromiumProfiles(folder, browser.hasProfiles)};
        if (!installed.profiles.isEmpty())
            found << installed;
    }
    return found;
}

bool isKnown(const QString& browser) {
    return browserNamed(browser) != nullptr;
}

QString productName(const QString& browser) {
    const Browser* known = browserNamed(browser);
    return known ? QString(known->product) : browser;
}

QString label(const InstalledBrowser& installed) {
    const QString product = productName(installed.browser);
    switch (installed.packaging) {
    case Packaging::snap:
        return QCoreApplication::translate("BrowserProfiles", "%1 (Snap)").arg(product);
    case Packaging::flatpak:
        return QCoreApplication::translate("BrowserProfiles", "%1 (Flatpak)").arg(product);
    case Packaging::native:
        break;
    }
    return product;
}

} // namespace BrowserProfiles
