#pragma once

#include "KeyValueStore.h"

// The key-value store as one of Morvi's settings files in the user's configuration folder,
// <config home>/Velnor/<application>.conf (Morvi.conf by default), in QSettings' format. Usable
// from any one thread at a time: each call reads the file anew, so the queue may write it from
// its writer thread. A write that cannot reach the disk leaves the file as it was.
class SettingsStore : public KeyValueStore {
public:
    explicit SettingsStore(QString application = "Morvi")
        : application(std::move(application)) {}

    QString fileName() const;
    std::optional<QByteArray> data(const QString& key) const override;
    std::optional<QString> string(const QString& key) const override;
    WriteFailure setData(const QString& key, const QByteArray& value) override;
    WriteFailure setString(const QString& key, const QString& value) override;

private:
    std::optional<QByteArray> typed(const QString& key) const;
    WriteFailure write(const QString& key, const QByteArray& typed) const;

    const QString application;
};
