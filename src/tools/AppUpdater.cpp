#include "AppUpdater.h"

#include "DownloadError.h"
#include "ExitStatusError.h"
#include "platform/LaunchError.h"
#include "platform/StrictUtf8.h"
#include "platform/ToolProcess.h"

#include <QCoroFuture>
#include <QCoroNetworkReply>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPromise>
#include <QSaveFile>
#include <QThreadPool>
#include <memory>

namespace {

using LogHandler = AppUpdater::LogHandler;

// Committing flushes the file to disk, which takes a moment for a converter archive:
// it is done on the thread pool, and the caller resumes on its own thread.
QCoro::Task<bool> commitOffThread(QSaveFile& file) {
    auto promise = std::make_shared<QPromise<bool>>();
    QFuture<bool> committed = promise->future();
    QThreadPool::globalInstance()->start([promise, &file] {
        promise->start();
        promise->addResult(file.commit());
        promise->finish();
    });
    co_return co_await committed;
}

bool isSuccessStatus(int status) {
    return status >= 200 && status <= 299;
}

// Throws unless the finished reply carried a whole 2xx body; received counts its bytes.
void ensureComplete(const QNetworkReply& reply, qint64 received) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && !isSuccessStatus(status))
        throw DownloadError("HTTP status " + QString::number(status));
    // Qt reports a connection that closes before the announced end of the body sometimes as
    // "Connection closed", sometimes as success: the count of bytes tells in both cases.
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() != received) {
        throw DownloadError(QString("The download broke off after %1 of %2 bytes.")
                                .arg(received)
                                .arg(announced.toLongLong()));
    }
    if (reply.error() != QNetworkReply::NoError)
        throw DownloadError(reply.errorString());
}

// Fetches url into path. The body goes to a temporary file beside path, which replaces the
// file at path only when the whole body of a 2xx response has arrived: a refused, failed or
// cut-off transfer leaves the previous file untouched.
QCoro::Task<> fetchInto(QUrl url, QString path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw DownloadError(file.errorString());
    QNetworkAccessManager network;
    // Release downloads redirect to another host.
    network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkRequest request(url);
    // Uncompressed, so that the body can be checked against its announced length.
    request.setRawHeader("Accept-Encoding", "identity");
    std::unique_ptr<QNetworkReply> reply(network.get(request));
    qint64 received = 0;
    const auto keepBody = [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (isSuccessStatus(status))
            file.write(chunk);
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, keepBody);
    co_await reply.get();
    keepBody();
    ensureComplete(*reply, received);
    if (!co_await commitOffThread(file))
        throw DownloadError(file.errorString());
}

// Runs a system program to its end; a status other than 0 fails in errorDomain.
QCoro::Task<> runSystemProgram(QString program, QStringList arguments, QString errorDomain) {
    ToolProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    co_await process.launch(program, arguments);
    if (const int status = co_await process.exitStatus(); status != 0)
        throw ExitStatusError(errorDomain, status);
}

QCoro::Task<> installYtDlp(QUrl url, QString ytDlpPath, LogHandler log) {
    try {
        co_await fetchInto(url, ytDlpPath);
        co_await AppUpdater::makeExecutable(ytDlpPath);
        log("Plugin 1 downloaded successfully.");
    } catch (const UserFacingError& error) {
        log("Failed to download yt-dlp: " + error.description());
    }
}

QCoro::Task<> runSelfUpdate(QString ytDlpPath, LogHandler log) {
    log("Updating plugin 1...");
    ToolProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList arguments{"--update"};
    try {
        co_await process.launch(ytDlpPath, arguments);
    } catch (const LaunchError& error) {
        log("Failed to update plugin 1: " + error.description());
        co_return;
    }
    // QProcess keeps reading the pipe while the child runs, so a long output never blocks it.
    if (co_await process.exitStatus() == 0)
        log("Plugin 1 update completed.");
    else
        // Output that is not valid UTF-8 is reported as empty text rather than guessed at.
        log("Plugin 1 update failed: " + decodeStrictUtf8(process.readAll()).value_or(QString()));
}

QCoro::Task<> installConverter(ToolEndpoints endpoints, FileManagerHelper files, LogHandler log) {
    const QString toolsFolder = QFileInfo(files.ffmpegPath).path();
    const QString ffprobePath = toolsFolder + "/ffprobe";
    const QString ffmpegZip = files.tempFolderPath + "/ffmpeg.zip";
    const QString ffprobeZip = files.tempFolderPath + "/ffprobe.zip";
    try {
        co_await fetchInto(endpoints.ffmpeg, ffmpegZip);
        log("Extracting plugin 2...");
        co_await AppUpdater::unzipFile(ffmpegZip, toolsFolder);
        co_await AppUpdater::makeExecutable(files.ffmpegPath);
        log("Plugin 2 downloaded successfully.");
        log("Downloading plugin 3...");
        co_await fetchInto(endpoints.ffprobe, ffprobeZip);
        co_await AppUpdater::unzipFile(ffprobeZip, toolsFolder);
        co_await AppUpdater::makeExecutable(ffprobePath);
        log("Plugin 3 downloaded successfully.");
    } catch (const UserFacingError& error) {
        log("Failed to download Plugin 2: " + error.description());
    }
}

} // namespace

AppUpdater::AppUpdater(ToolEndpoints endpoints)
    : endpoints(std::move(endpoints)) {}

QCoro::Task<> AppUpdater::downloadYtDlp(LogHandler logHandler) {
    return installYtDlp(endpoints.ytDlp, fileManager.ytDlpPath, std::move(logHandler));
}

QCoro::Task<> AppUpdater::updateYtDlp(LogHandler logHandler) {
    return runSelfUpdate(fileManager.ytDlpPath, std::move(logHandler));
}

QCoro::Task<> AppUpdater::downloadFFmpeg(LogHandler logHandler) {
    return installConverter(endpoints, fileManager, std::move(logHandler));
}

QCoro::Task<> AppUpdater::unzipFile(QString zipPath, QString destination) {
    const QStringList arguments{"-o", zipPath, "-d", destination};
    co_await runSystemProgram("/usr/bin/unzip", arguments, "UnzipError");
}

QCoro::Task<> AppUpdater::makeExecutable(QString path) {
    const QStringList arguments{"+x", path};
    co_await runSystemProgram("/bin/chmod", arguments, "ChmodError");
}
