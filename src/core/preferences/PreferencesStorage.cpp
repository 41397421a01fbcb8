#include "PreferencesStorage.h"

#include "BrowserProfiles.h"
#include "core/storage/SettingsStore.h"
#include "core/storage/StoreWriter.h"

namespace {

const QString sourceKey = "cookieSource";
const QString browserKey = "cookieBrowser";
const QString profileKey = "cookieProfile";
const QString fileKey = "cookieFile";

CookieSource readCookies(const KeyValueStore& store) {
    const QString kind = store.string(sourceKey).value_or("none");
    const QString browser = store.string(browserKey).value_or("");
    const QString file = store.string(fileKey).value_or("");
    if (kind == u"browser" && BrowserProfiles::isKnown(browser))
        return CookieSource::fromBrowser(browser, store.string(profileKey).value_or(""));
    if (kind == u"file" && !file.isEmpty())
        return CookieSource::fromFile(file);
    return {};
}

QString kindName(CookieSource::Kind kind) {
    switch (kind) {
    case CookieSource::Kind::browser:
        return "browser";
    case CookieSource::Kind::file:
        return "file";
    case CookieSource::Kind::none:
        break;
    }
    return "none";
}

} // namespace

namespace PreferencesStorage {

std::unique_ptr<KeyValueStore> open() {
    return std::make_unique<SettingsStore>("MorviPreferences");
}

Preferences read(const KeyValueStore& store) {
    return {readCookies(store)};
}

void write(StoreWriter& writer, const Preferences& preferences) {
    const CookieSource& cookies = preferences.cookies;
    writer.setString(sourceKey, kindName(cookies.kind));
    writer.setString(browserKey, cookies.browser);
    writer.setString(profileKey, cookies.profile);
    writer.setString(fileKey, cookies.file);
}

} // namespace PreferencesStorage
