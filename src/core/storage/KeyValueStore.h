#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The user's own key-value store: values survive restarts, a missing key reads as none.
class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;

    virtual std::optional<QByteArray> data(const QString& key) const = 0;
    virtual std::optional<QString> string(const QString& key) const = 0;
    // Each write reaches the disk before it returns, so a crash loses nothing written.
    virtual void setData(const QString& key, const QByteArray& value) = 0;
    virtual void setString(const QString& key, const QString& value) = 0;
};
