#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Values of a settings file's general section as Qt's QSettings writes and reads them (its ini
// format, Qt 6.4), byte for byte. Morvi reads and writes its settings files itself: QSettings
// keeps every file it has read parsed in a cache for the life of the process, which for the
// queue's file is the whole stored queue held a second time.
namespace IniText {

// The text after "key=" on the key's last line in the general section, as typed; none when no
// line sets the key. Keys are plain names: letters, digits and "_".
std::optional<QByteArray> typed(QByteArrayView fileText, const QString& key);
// The file's text with the key's line in the general section set to typed text (added when
// there is none), every other line as it was.
QByteArray withLine(QByteArrayView fileText, const QString& key, const QByteArrayView typed);

// What typed text reads as: the bytes of a byte array, the text of one string. Anything else
// (a list, another type, text QSettings would not read as such) reads as the typed text itself.
QByteArray bytes(QByteArrayView typed);
QString string(QByteArrayView typed);

// How QSettings types a byte array and a string.
QByteArray typedBytes(const QByteArray& value);
QByteArray typedString(const QString& value);

} // namespace IniText
