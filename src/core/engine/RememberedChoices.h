#pragma once

#include "FormatChoice.h"

#include <QString>
#include <functional>
#include <optional>

class KeyValueStore;

// The format and qualities a window last used, kept across starts in the user's key-value
// store under keys of their own: the window's prefix followed by "Format", "VideoQuality" or
// "AudioQuality" ("mainFormat", "bulkDownloadVideoQuality").
namespace RememberedChoices {

enum class Kind { format, videoQuality, audioQuality };

QString key(const QString& prefix, Kind kind);
// The stored choices; for each, the default when none is stored or the stored one is not in
// the vocabulary (written by another version, or by hand).
FormatChoice read(const KeyValueStore& store, const QString& prefix);
// The same from values looked up by key elsewhere than in a store.
using Lookup = std::function<std::optional<QString>(const QString& key)>;
FormatChoice read(const Lookup& lookup, const QString& prefix);

} // namespace RememberedChoices
