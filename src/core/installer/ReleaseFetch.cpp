#include "ReleaseFetch.h"

#include "AppUpdater.h"
#include "ChecksumList.h"
#include "DownloadError.h"

#include <QCoroFuture>
#include <QCoroNetworkReply>
#include <QCryptographicHash>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QScopeGuard>
#include <QtConcurrentRun>

using std::chrono::milliseconds;

namespace {

bool isSuccessStatus(int status) {
    return status >= 200 && status <= 299;
}

// Throws unless the finished reply carried a whole 2xx body; received counts its bytes.
void ensureComplete(const QNetworkReply& reply, qint64 received, milliseconds transferTimeout) {
    // Nothing else cancels a transfer than its timeout.
    if (reply.error() == QNetworkReply::OperationCanceledError) {
        throw DownloadError(AppUpdater::tr("The transfer stalled: nothing arrived for %1 s.")
                                .arg(transferTimeout.count() / 1000.0));
    }
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && !isSuccessStatus(status))
        throw DownloadError(AppUpdater::tr("HTTP status %1").arg(status));
    // Qt reports a connection that closes before the announced end of the body sometimes as
    // "Connection closed", sometimes as success: the count of bytes tells in both cases.
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != received) {
        throw DownloadError(AppUpdater::tr("The download broke off after %1 of %2 bytes.")
                                .arg(received)
                                .arg(announced.toLongLong()));
    }
    if (reply.error() != QNetworkReply::NoError)
        throw DownloadError(reply.errorString());
}

QByteArray sha256Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    return hash.result().toHex();
}

// The sum the checksum list gives for assetName; throws when the list has no such entry.
QByteArray sumIn(const QByteArray& list, const QString& assetName) {
    if (const std::optional<QByteArray> sum = ChecksumList::sumFor(list, assetName))
        return *sum;
    throw DownloadError(
        AppUpdater::tr("The release's checksum list has no entry for \"%1\".").arg(assetName));
}

} // namespace

QCoro::Task<> ReleaseFetch::fetchInto(QUrl url, QString path, milliseconds transferTimeout) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw DownloadError(file.errorString());
    // The awaited reply resumes this frame from inside its own signal (on a timeout, from
    // inside abort()): both objects may only go once control is back in the event loop.
    const QScopedPointer<QNetworkAccessManager, QScopedPointerDeleteLater> network(
        new QNetworkAccessManager);
    // Release downloads redirect to another host.
    network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkRequest request(url);
    // Uncompressed, so that the body can be checked against its announced length.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setTransferTimeout(static_cast<int>(transferTimeout.count()));
    const QScopedPointer<QNetworkReply, QScopedPointerDeleteLater> reply(network->get(request));
    qint64 received = 0;
    const auto keepBody = [&] {
        if (!reply->isOpen())
            return; // given up
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (isSuccessStatus(status))
            file.write(chunk);
    };
    QObject::connect(reply.data(), &QNetworkReply::readyRead, keepBody);
    co_await reply.data();
    keepBody();
    ensureComplete(*reply, received, transferTimeout);
    // Committing flushes the file to disk, which takes a moment for a converter archive.
    if (!co_await QtConcurrent::run([&file] { return file.commit(); }))
        throw DownloadError(file.errorString());
}

QByteArray ReleaseFetch::listAt(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1 << 20) : QByteArray();
}

QCoro::Task<QByteArray> ReleaseFetch::publishedSum(QUrl listUrl, QString assetName,
                                                   QString listPath, milliseconds transferTimeout,
                                                   ListCheck checkList) {
    const auto removeList = qScopeGuard([listPath] { QFile::remove(listPath); });
    try {
        co_await fetchInto(listUrl, listPath, transferTimeout);
    } catch (const DownloadError& error) {
        throw DownloadError(
            AppUpdater::tr("The checksum list could not be fetched: %1").arg(error.description()));
    }
    if (checkList)
        co_await checkList(listPath);
    co_return sumIn(listAt(listPath), assetName);
}

QCoro::Task<QByteArray> ReleaseFetch::sumOf(QString path) {
    QFuture<QByteArray> hashing = QtConcurrent::run([path] { return sha256Of(path); });
    co_return co_await hashing;
}

QCoro::Task<> ReleaseFetch::ensureSum(QString path, QByteArray expected) {
    const QByteArray sum = co_await sumOf(path);
    if (sum != expected)
        throw DownloadError(
            AppUpdater::tr("The download does not match its release's SHA-256 checksum."));
}
