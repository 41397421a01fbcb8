#include "RememberedChoices.h"

#include "DownloadChoices.h"
#include "core/storage/KeyValueStore.h"

#include <algorithm>

namespace RememberedChoices {

namespace {

struct Entry {
    const char* keySuffix;
    const QList<DownloadChoices::Choice>& (*vocabulary)();
    const QString& fallback;
};

const Entry& entry(Kind kind) {
    static const Entry entries[] = {
        {"Format", DownloadChoices::formats, DownloadChoices::defaultFormat},
        {"VideoQuality", DownloadChoices::videoQualities, DownloadChoices::defaultVideoQuality},
        {"AudioQuality", DownloadChoices::audioQualities, DownloadChoices::defaultAudioQuality}};
    return entries[static_cast<int>(kind)];
}

QString readOne(const Lookup& lookup, const QString& prefix, Kind kind) {
    const std::optional<QString> stored = lookup(key(prefix, kind));
    const QList<DownloadChoices::Choice>& choices = entry(kind).vocabulary();
    const bool known = stored && std::any_of(choices.begin(), choices.end(),
                                             [&](const DownloadChoices::Choice& choice) {
                                                 return choice.value == *stored;
                                             });
    return known ? *stored : entry(kind).fallback;
}

} // namespace

QString key(const QString& prefix, Kind kind) {
    return prefix + QLatin1String(entry(kind).keySuffix);
}

FormatChoice read(const KeyValueStore& store, const QString& prefix) {
    return read([&store](const QString& key) { return store.string(key); }, prefix);
}

FormatChoice read(const Lookup& lookup, const QString& prefix) {
    return {readOne(lookup, prefix, Kind::format), readOne(lookup, prefix, Kind::videoQuality),
            readOne(lookup, prefix, Kind::audioQuality)};
}

} // namespace RememberedChoices
