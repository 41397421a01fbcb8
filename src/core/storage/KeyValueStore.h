#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The user's own key-value store: values survive restarts, a missing key reads as none.
class KeyValueStore {
public:
    // Where and why a write did not reach the disk (a full disk, a read-only file), in the
    // system's words; none once it has.
    using WriteFailure = std::optional<QString>;

    virtual ~KeyValueStore() = default;

    virtual std::optional<QByteArray> data(const QString& key) const = 0;
    virtual std::optional<QString> string(const QString& key) const = 0;
    // Each write reaches the disk before it returns, so a crash loses nothing written; one that
    // cannot leaves every value stored before as it was.
    virtual WriteFailure setData(const QString& key, const QByteArray& value) = 0;
    virtual WriteFailure setString(const QString& key, const QString& value) = 0;
};
