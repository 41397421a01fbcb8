#include "SettingsStore.h"

#include "IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace {

// The whole settings file, or none when it cannot be read.
std::optional<QByteArray> fileText(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString systemMessage(int error) {
    return QString::fromStdString(std::system_category().message(error));
}

// Why the text could not be put into the new file; none once all of it is on the disk. Qt 6.4
// does not always tell a write cut short by a full disk and commits the cut file, so blocks are
// reserved first, the file's own writes are counted and its sync is asked.
KeyValueStore::WriteFailure writeWhole(QSaveFile& file, const QByteArray& text) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!text.isEmpty() && fallocate(file.handle(), 0, 0, text.size()) != 0 && errno != EOPNOTSUPP)
        return systemMessage(errno);
    if (file.write(text) != text.size())
        return file.errorString();
    if (fsync(file.handle()) != 0)
        return systemMessage(errno);
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

// Where QSettings keeps a user's native settings on Linux, so that files written before stay.
QString SettingsStore::fileName() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velnor/" +
           application + ".conf";
}

std::optional<QByteArray> SettingsStore::data(const QString& key) const {
    const std::optional<QByteArray> text = typed(key);
    return text ? std::optional(IniText::bytes(*text)) : std::nullopt;
}

std::optional<QString> SettingsStore::string(const QString& key) const {
    const std::optional<QByteArray> text = typed(key);
    return text ? std::optional(IniText::string(*text)) : std::nullopt;
}

KeyValueStore::WriteFailure SettingsStore::setData(const QString& key, const QByteArray& value) {
    return write(key, IniText::typedBytes(value));
}

KeyValueStore::WriteFailure SettingsStore::setString(const QString& key, const QString& value) {
    return write(key, IniText::typedString(value));
}

std::optional<QByteArray> SettingsStore::typed(const QString& key) const {
    const std::optional<QByteArray> text = fileText(fileName());
    return text ? IniText::typed(*text, key) : std::nullopt;
}

// The new text goes to a file beside the old one and replaces it whole only once all of it is on
// the disk: a full disk or a file the user made read-only leaves the old one as it was, and one
// that cannot be read is not replaced by one holding only the new value.
KeyValueStore::WriteFailure SettingsStore::write(const QString& key,
                                                 const QByteArray& typed) const {
    const QString name = fileName();
    QDir().mkpath(QFileInfo(name).path());
    // One writer at a time, of any thread or process, so that no write undoes another's key; the
    // lock QSettings takes, which an earlier version of Morvi still running honours too. Where
    // it cannot be taken, the folder cannot be written either, and the save file tells why.
    QLockFile lock(name + ".lock");
    lock.lock();
    QFile old(name);
    QSaveFile file(name);
    WriteFailure failure;
    if (old.exists() && !old.open(QIODevice::ReadWrite)) {
        failure = old.errorString();
    } else {
        failure =
            writeWhole(file, IniText::withLine(old.isOpen() ? old.readAll() : "", key, typed));
    }
    if (failure)
        //: A settings file, and why a value could not be stored in it.
        failure = QCoreApplication::translate("SettingsStore", "%1: %2")
                      .arg(QDir::toNativeSeparators(name), *failure);
    return failure;
}
