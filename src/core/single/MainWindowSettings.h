#pragma once

#include "core/engine/FormatChoice.h"

#include <QString>
#include <memory>
#include <optional>

class KeyValueStore;

// The main window's remembered choices (format, qualities, playlists) in a settings file of
// their own, so that the window's start never reads the queue's large file. Earlier versions
// kept them in the file shared with the queue; they are taken over from there once.
namespace MainWindowSettings {

inline const QString choicesPrefix = "main";
inline const QString downloadPlaylistsKey = "mainDownloadPlaylists";
// Set once the choices of the shared file have been taken over (or there were none).
inline const QString takenOverKey = "sharedChoicesTakenOver";

struct Choices {
    FormatChoice choice;
    bool playlists = false;
};

// MorviMainWindow.conf in the user's configuration folder.
std::unique_ptr<KeyValueStore> open();
Choices read(const KeyValueStore& store);
// The choices the shared file holds, from one reading of its text (it holds the whole queue).
// None when it holds none of them. Reads a large file: call it off the main thread.
std::optional<Choices> readShared();

} // namespace MainWindowSettings
