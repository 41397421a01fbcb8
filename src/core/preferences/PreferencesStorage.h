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
namespace PreferencesStorage {

// The preferences' own store.
std::unique_ptr<KeyValueStore> open();
// The stored preferences; a source that is unknown or incomplete (written by hand or by
// another version) reads as none.
Preferences read(const KeyValueStore& store);
void write(StoreWriter& writer, const Preferences& preferences);

} // namespace PreferencesStorage
