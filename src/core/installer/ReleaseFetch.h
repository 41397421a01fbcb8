#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

// The steps of fetching a release's file and checking it against the checksums published
// beside it. Failures throw DownloadError with the reason.
namespace ReleaseFetch {

// Fetches url into path. The body goes to a temporary file beside path, which replaces the
// file at path only when the whole body of a 2xx response has arrived: a refused, failed,
// stalled (nothing for transferTimeout) or cut-off transfer leaves the previous file untouched.
QCoro::Task<> fetchInto(QUrl url, QString path, std::chrono::milliseconds transferTimeout);

// Throws DownloadError when the checksum list fetched to its path must not be trusted.
using ListCheck = std::function<QCoro::Task<>(QString listPath)>;

// The sum that the checksum list at listUrl gives for assetName, once checkList has passed the
// list. The list is fetched to listPath, which goes afterwards.
QCoro::Task<QByteArray> publishedSum(QUrl listUrl, QString assetName, QString listPath,
                                     std::chrono::milliseconds transferTimeout,
                                     ListCheck checkList = {});

// The SHA-256 sum of the file at path, in hexadecimal, computed off the calling thread.
QCoro::Task<QByteArray> sumOf(QString path);

// Throws unless the file at path has the expected SHA-256 sum, so that only a release's own
// program is ever installed.
QCoro::Task<> ensureSum(QString path, QByteArray expected);

// The checksum list stored at path; a real one has a few dozen lines, so more is not read.
QByteArray listAt(const QString& path);

} // namespace ReleaseFetch
