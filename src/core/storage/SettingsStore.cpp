#include "SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

// The whole settings file, or none when it cannot be read.
std::optional<QByteArray> fileText(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::optional<QByteArray> SettingsStore::typedText(const QByteArray& fileText, const QString& key) {
    if (key.contains(u'/'))
        return std::nullopt;
    const QByteArray name = key.toUtf8();
    std::optional<QByteArray> text;
    bool general = true;
    for (QByteArrayView line : fileText.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().startsWith('[')) {
            general = line.trimmed() == "[General]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (general && equals > 0 && line.first(equals).trimmed() == name) {
            qsizetype start = equals + 1;
            while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
                ++start;
            text = line.sliced(start).toByteArray();
        }
    }
    return text;
}

// A QSettings belongs to the thread that made it (its deferred writes are events of that
// thread); one made per call never outlives the call, and reads what another instance wrote.
QSettings SettingsStore::open() const {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velnor", application);
}

// Where QSettings keeps a user's native settings on Linux; making a QSettings would read the file.
QString SettingsStore::fileName() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velnor/" +
           application + ".conf";
}

std::optional<QByteArray> SettingsStore::data(const QString& key) const {
    const auto value = read(key);
    if (!value)
        return std::nullopt;
    if (value->typeId() == QMetaType::QByteArray)
        return value->toByteArray();
    // Typed by hand: QSettings has already split the text at its commas and dropped its
    // quotes, so the value is the file's own text.
    const std::optional<QByteArray> text = fileText(open().fileName());
    return (text ? typedText(*text, key) : std::nullopt).value_or(value->toByteArray());
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

std::optional<QVariant> SettingsStore::read(const QString& key) const {
    const QSettings settings = open();
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key);
}

void SettingsStore::write(const QString& key, const QVariant& value) const {
    QSettings settings = open();
    settings.setValue(key, value);
    settings.sync();
}
