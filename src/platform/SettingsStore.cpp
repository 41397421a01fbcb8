#include "SettingsStore.h"

SettingsStore::SettingsStore()
    : settings(QSettings::NativeFormat, QSettings::UserScope, "Velnor", "Morvi") {}

std::optional<QByteArray> SettingsStore::data(const QString& key) const {
    // Another instance may have written since this one last looked.
    settings.sync();
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toByteArray();
}

std::optional<QString> SettingsStore::string(const QString& key) const {
    settings.sync();
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toString();
}

void SettingsStore::setData(const QString& key, const QByteArray& value) {
    write(key, value);
}

void SettingsStore::setString(const QString& key, const QString& value) {
    write(key, value);
}

void SettingsStore::write(const QString& key, const QVariant& value) {
    settings.setValue(key, value);
    settings.sync();
}
