#pragma once

#include "KeyValueStore.h"

#include <QSettings>

// The key-value store as Morvi's settings file in the user's configuration folder
// (<config home>/Velnor/Morvi.conf).
class SettingsStore : public KeyValueStore {
public:
    SettingsStore();

    std::optional<QByteArray> data(const QString& key) const override;
    std::optional<QString> string(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;
    void setString(const QString& key, const QString& value) override;

private:
    void write(const QString& key, const QVariant& value);

    mutable QSettings settings;
};
