#pragma once

#include "KeyValueStore.h"

class QSettings;

// The key-value store as one of Morvi's settings files in the user's configuration folder,
// <config home>/Velnor/<application>.conf (Morvi.conf by default). Usable from any one thread
// at a time: each call opens the file on the calling thread, so the queue may write it from
// its writer thread. A write that cannot reach the disk leaves the file as it was.
class SettingsStore : public KeyValueStore {
public:
    explicit SettingsStore(QString application = "Morvi")
        : application(std::move(application)) {}

    // The file's path, found without reading the file.
    QString fileName() const;
    std::optional<QByteArray> data(const QString& key) const override;
    std::optional<QString> string(const QString& key) const override;
    WriteFailure setData(const QString& key, const QByteArray& value) override;
    WriteFailure setString(const QString& key, const QString& value) override;

    // The text after "key=" on the key's last line in the general section of a settings
    // file's text, as typed; none when no line sets the key.
    static std::optional<QByteArray> typedText(const QByteArray& fileText, const QString& key);

private:
    QSettings open() const;
    std::optional<QVariant> read(const QString& key) const;
    WriteFailure write(const QString& key, const QVariant& value, qint64 bytes) const;

    const QString application;
};
