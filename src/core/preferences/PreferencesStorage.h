#pragma once

#include "Preferences.h"

#include <memory>

class KeyValueStore;
class StoreWriter;

// The preferences in a settings file of their own, <config home>/Velnor/MorviPreferences.conf:
// every run of the downloader reads them when it starts, and Morvi.conf, which holds the
// whole queue, would cost far more to read. The cookie source is kept under "cookieSource"
// ("none", "browser" or "file"), "cookieBrowser" (the downloader's name of the browser),
// "cookieProfile" (the profile's folder) and "cookieFile"; names and paths, never a cookie.
// The downloads' options under "downloadsAtOnce" (1 to 4), "subtitles" ("off", "embedded",
// "beside"), "subtitleLanguages" ("en,de"), "automaticCaptions", "embedMetadata",
// "embedChapters", "audioCover", "videoThumbnail", "restrictFileNames" ("true" or "false"),
// "rateLimitKiB" (0 for none), "sponsorBlock" ("off", "mark", "remove"),
// "sponsorBlockCategories" ("sponsor,intro") and "fileNameTemplate".
namespace PreferencesStorage {

// The preferences' own store.
std::unique_ptr<KeyValueStore> open();
// The stored preferences; a source that is unknown or incomplete (written by hand or by
// another version) reads as none, any other value that is missing, unknown or out of range
// (a template the downloader would refuse) as its default.
Preferences read(const KeyValueStore& store);
void write(StoreWriter& writer, const Preferences& preferences);

} // namespace PreferencesStorage
