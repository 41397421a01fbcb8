#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A release's published checksums: lines of "<hex sum>  <file name>", as sha256sum writes them
// (a "*" before the name marks a binary-mode sum), one file or many per list.
namespace ChecksumList {

// The sum the list gives for assetName, in lower case; none when no line names it.
std::optional<QByteArray> sumFor(const QByteArray& list, const QString& assetName);

} // namespace ChecksumList
