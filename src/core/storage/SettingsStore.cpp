#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <fcntl.h>
#include <system_error>

namespace {

// The whole settings file, or none when it cannot be read.
std::optional<QByteArray> fileText(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Why the settings file cannot be replaced by a new one of that many bytes now; none when it
// can. QSettings writes a new file and renames it over the old one, but does not notice a write
// cut short by a full disk, and the cut file replaces the whole one (Qt 6.4): room for the new
// file is asked for first, and a file that cannot be written is not touched at all.
KeyValueStore::WriteFailure refusal(const QString& fileName, qint64 bytes) {
    QFile existing(fileName);
    if (existing.exists() && !existing.open(QIODevice::ReadWrite))
        return existing.errorString();
    const QString folder = QFileInfo(fileName).path();
    QDir().mkpath(folder);
    QTemporaryFile room(folder + "/.room-XXXXXX");
    if (!room.open())
        return room.errorString();
    // Blocks are reserved, nothing is written; a file system that reserves none is not asked,
    // nor for no room at all (an empty text into an empty file), which it refuses.
    const qint64 length = existing.size() + bytes;
    if (length > 0 && fallocate(room.handle(), 0, 0, length) != 0 && errno != EOPNOTSUPP)
        return QString::fromStdString(std::system_category().message(errno));
    return std::nullopt;
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

// Room for the value as the file holds it: escaped, each byte at most four characters.
KeyValueStore::WriteFailure SettingsStore::setData(const QString& key, const QByteArray& value) {
    return write(key, value, 4 * value.size());
}

KeyValueStore::WriteFailure SettingsStore::setString(const QString& key, const QString& value) {
    return write(key, value, 4 * value.size());
}

std::optional<QVariant> SettingsStore::read(const QString& key) const {
    const QSettings settings = open();
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key);
}

KeyValueStore::WriteFailure SettingsStore::write(const QString& key, const QVariant& value,
                                                 qint64 bytes) const {
    QSettings settings = open();
    WriteFailure failure = refusal(settings.fileName(), bytes);
    if (!failure) {
        settings.setValue(key, value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            //: Why a settings file was not written, when the system gave no reason.
            failure = QCoreApplication::translate("SettingsStore", "it could not be written");
    }
    if (failure)
        //: A settings file, and why a value could not be stored in it.
        failure = QCoreApplication::translate("SettingsStore", "%1: %2")
                      .arg(QDir::toNativeSeparators(settings.fileName()), *failure);
    return failure;
}
