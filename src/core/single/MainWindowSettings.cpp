#include "MainWindowSettings.h"

#include "core/engine/RememberedChoices.h"
#include "core/storage/IniText.h"
#include "core/storage/SettingsStore.h"

#include <QFile>

namespace MainWindowSettings {

std::unique_ptr<KeyValueStore> open() {
    return std::make_unique<SettingsStore>("MorviMainWindow");
}

Choices read(const KeyValueStore& store) {
    return {RememberedChoices::read(store, choicesPrefix),
            store.string(downloadPlaylistsKey) == u"true"};
}

std::optional<Choices> readShared() {
    QFile file(SettingsStore().fileName());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    bool found = false;
    const RememberedChoices::Lookup lookup = [&](const QString& key) {
        const std::optional<QByteArray> typed = IniText::typed(text, key);
        found = found || typed;
        return typed ? std::optional(IniText::string(*typed)) : std::nullopt;
    };
    const Choices shared{RememberedChoices::read(lookup, choicesPrefix),
                         lookup(downloadPlaylistsKey) == u"true"};
    return found ? std::optional(shared) : std::nullopt;
}

} // namespace MainWindowSettings
