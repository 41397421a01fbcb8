#include "PreferencesStorage.h"

#include "BrowserProfiles.h"
#include "core/engine/OutputTemplate.h"
#include "core/storage/SettingsStore.h"
#include "core/storage/StoreWriter.h"

#include <array>

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

const std::array<QString, 3> subtitleNames{"off", "embedded", "beside"};
const std::array<QString, 3> sponsorBlockNames{"off", "mark", "remove"};

template <typename Enum>
Enum readChoice(const KeyValueStore& store, const QString& key, const std::array<QString, 3>& names,
                Enum fallback) {
    const auto found = std::find(names.begin(), names.end(), store.string(key).value_or(""));
    return found == names.end() ? fallback : static_cast<Enum>(found - names.begin());
}

template <typename Enum> QString choiceName(Enum value, const std::array<QString, 3>& names) {
    return names.at(static_cast<std::size_t>(value));
}

bool readFlag(const KeyValueStore& store, const QString& key, bool fallback) {
    const QString value = store.string(key).value_or("");
    return value == u"true" || (fallback && value != u"false");
}

QString flag(bool value) {
    return value ? "true" : "false";
}

int readNumber(const KeyValueStore& store, const QString& key, int least, int most, int fallback) {
    bool isNumber = false;
    const int value = store.string(key).value_or("").toInt(&isNumber);
    return isNumber && value >= least && value <= most ? value : fallback;
}

QStringList readCategories(const KeyValueStore& store) {
    const std::optional<QString> stored = store.string("sponsorBlockCategories");
    if (!stored)
        return DownloadOptions().sponsorCategories;
    QStringList known;
    for (const DownloadOptions::Category& category : DownloadOptions::sponsorBlockCategories()) {
        if (stored->split(u',').contains(category.value))
            known << category.value;
    }
    return known;
}

DownloadOptions readDownloads(const KeyValueStore& store) {
    const DownloadOptions defaults;
    DownloadOptions options;
    options.subtitles = readChoice(store, "subtitles", subtitleNames, defaults.subtitles);
    options.subtitleLanguages = store.string("subtitleLanguages").value_or("");
    options.automaticCaptions = readFlag(store, "automaticCaptions", defaults.automaticCaptions);
    options.embedMetadata = readFlag(store, "embedMetadata", defaults.embedMetadata);
    options.embedChapters = readFlag(store, "embedChapters", defaults.embedChapters);
    options.audioCover = readFlag(store, "audioCover", defaults.audioCover);
    options.videoThumbnail = readFlag(store, "videoThumbnail", defaults.videoThumbnail);
    options.rateLimitKiB = readNumber(store, "rateLimitKiB", 1, 1 << 30, 0);
    options.sponsorBlock =
        readChoice(store, "sponsorBlock", sponsorBlockNames, defaults.sponsorBlock);
    options.sponsorCategories = readCategories(store);
    const QString fileNames = store.string("fileNameTemplate").value_or("");
    if (!OutputTemplate::problem(fileNames))
        options.fileNameTemplate = fileNames;
    options.restrictFileNames = readFlag(store, "restrictFileNames", defaults.restrictFileNames);
    return options;
}

void writeDownloads(StoreWriter& writer, const DownloadOptions& options) {
    writer.setString("subtitles", choiceName(options.subtitles, subtitleNames));
    writer.setString("subtitleLanguages", options.subtitleLanguages);
    writer.setString("automaticCaptions", flag(options.automaticCaptions));
    writer.setString("embedMetadata", flag(options.embedMetadata));
    writer.setString("embedChapters", flag(options.embedChapters));
    writer.setString("audioCover", flag(options.audioCover));
    writer.setString("videoThumbnail", flag(options.videoThumbnail));
    writer.setString("rateLimitKiB", QString::number(options.rateLimitKiB));
    writer.setString("sponsorBlock", choiceName(options.sponsorBlock, sponsorBlockNames));
    writer.setString("sponsorBlockCategories", options.sponsorCategories.join(u','));
    writer.setString("fileNameTemplate", options.fileNameTemplate);
    writer.setString("restrictFileNames", flag(options.restrictFileNames));
}

} // namespace

namespace PreferencesStorage {

std::unique_ptr<KeyValueStore> open() {
    return std::make_unique<SettingsStore>("MorviPreferences");
}

Preferences read(const KeyValueStore& store) {
    return {readCookies(store), readDownloads(store),
            readNumber(store, "downloadsAtOnce", 1, Preferences::mostDownloadsAtOnce, 1)};
}

void write(StoreWriter& writer, const Preferences& preferences) {
    const CookieSource& cookies = preferences.cookies;
    writer.setString(sourceKey, kindName(cookies.kind));
    writer.setString(browserKey, cookies.browser);
    writer.setString(profileKey, cookies.profile);
    writer.setString(fileKey, cookies.file);
    writeDownloads(writer, preferences.downloads);
    writer.setString("downloadsAtOnce", QString::number(preferences.downloadsAtOnce));
}

} // namespace PreferencesStorage
