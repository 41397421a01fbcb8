#include "SettingsStore.h"

#include <QSettings>

namespace {

// A QSettings belongs to the thread that made it (its deferred writes are events of that
// thread); one made per call never outlives the call, and reads what another instance wrote.
QSettings openSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velnor", "Morvi");
}

} // namespace

std::optional<QByteArray> SettingsStore::data(const QString& key) const {
    if (const auto value = read(key))
        return value->toByteArray();
    return std::nullopt;
}

std::optional<QString> SettingsStore::string(const QString& key) const {
    if (const auto value = read(key))
        return value->toString();
    return std::nullopt;
}

void SettingsStore::setData(const QString& key, const QByteArray& value) {
    write(key, value);
}

void SettingsStore::setString(const QString& key, const QString& value) {
    write(key, value);
}

std::optional<QVariant> SettingsStore::read(const QString& key) {
    const QSettings settings = openSettings();
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key);
}

void SettingsStore::write(const QString& key, const QVariant& value) {
    QSettings settings = openSettings();
    settings.setValue(key, value);
    settings.sync();
}
