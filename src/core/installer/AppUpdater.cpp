#include "AppUpdater.h"

#include "DownloadError.h"
#include "ExitStatusError.h"
#include "core/process/LaunchError.h"
#include "core/process/ToolRun.h"

#include <QCoroFuture>
#include <QCoroNetworkReply>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtConcurrentRun>
#include <filesystem>
#include <memory>

namespace {

using LogHandler = AppUpdater::LogHandler;
using std::chrono::milliseconds;

// A real tool answers its version option within a second or two, even on a slow machine.
constexpr milliseconds versionAnswerLimit = std::chrono::seconds(20);

QString secondsText(milliseconds duration) {
    return QString::number(duration.count() / 1000.0);
}

bool isSuccessStatus(int status) {
    return status >= 200 && status <= 299;
}

// Throws unless the finished reply carried a whole 2xx body; received counts its bytes.
void ensureComplete(const QNetworkReply& reply, qint64 received, milliseconds transferTimeout) {
    // Nothing else cancels a transfer than its timeout.
    if (reply.error() == QNetworkReply::OperationCanceledError) {
        throw DownloadError(AppUpdater::tr("The transfer stalled: nothing arrived for %1 s.")
                                .arg(secondsText(transferTimeout)));
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

// Fetches url into path. The body goes to a temporary file beside path, which replaces the
// file at path only when the whole body of a 2xx response has arrived: a refused, failed,
// stalled or cut-off transfer leaves the previous file untouched.
QCoro::Task<> fetchInto(QUrl url, QString path, milliseconds transferTimeout) {
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

// Runs a system program to its end; a status other than 0 fails in errorDomain.
QCoro::Task<> runSystemProgram(QString program, QStringList arguments, QString errorDomain) {
    ToolRun run({.program = program, .arguments = arguments});
    if (const ToolRun::Exit exit = co_await run.run(); !exit.succeeded())
        throw ExitStatusError(errorDomain, exit.status);
}

// Makes the fetched program at path executable and proves that it runs here: started with its
// version option, it must end with status 0 in time. Throws DownloadError with the reason.
QCoro::Task<> proveProgram(QString path, QString versionOption) {
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser |
                             QFile::ExeGroup | QFile::ExeOther))
        throw DownloadError(
            AppUpdater::tr("The program could not be made executable: %1").arg(file.errorString()));
    const QStringList arguments{versionOption};
    ToolRun run({.program = path, .arguments = arguments, .timeLimit = versionAnswerLimit});
    ToolRun::Exit exit;
    try {
        exit = co_await run.run();
    } catch (const LaunchError& error) {
        throw DownloadError(
            AppUpdater::tr("The downloaded file is not a program that runs here: %1")
                .arg(error.description()));
    }
    if (exit.timedOut) {
        throw DownloadError(
            AppUpdater::tr("The downloaded program did not answer \"%1\" within %2 s.")
                .arg(versionOption, secondsText(versionAnswerLimit)));
    }
    if (!exit.succeeded()) {
        const QString ending = exit.signalled ? AppUpdater::tr("signal %1").arg(exit.status)
                                              : AppUpdater::tr("exit status %1").arg(exit.status);
        throw DownloadError(AppUpdater::tr("The downloaded program failed \"%1\" (%2).")
                                .arg(versionOption, ending));
    }
}

// Replaces target with candidate in one step, so that the tool is at every moment either the
// old or the new program. Both must be on one file system.
void moveIntoPlace(const QString& candidate, const QString& target) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(candidate).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    if (error) {
        throw DownloadError(AppUpdater::tr("The program could not be put in place: %1")
                                .arg(QString::fromStdString(error.message())));
    }
}

std::filesystem::file_status statusOf(const QString& path) {
    return std::filesystem::symlink_status(QFile::encodeName(path).toStdString());
}

// The program named name among what an archive unpacked into folder: a regular file at the
// top level, or in the archive's only entry when that is a folder. A link is refused, since
// it may point anywhere. Throws DownloadError when there is no such program.
QString programIn(const QString& folder, const QString& name) {
    QString candidate = folder + "/" + name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                       QDir::Hidden | QDir::System);
    if (!entries.contains(name) && entries.size() == 1 &&
        std::filesystem::is_directory(statusOf(folder + "/" + entries.first())))
        candidate = folder + "/" + entries.first() + "/" + name;
    const std::filesystem::file_status status = statusOf(candidate);
    if (!std::filesystem::exists(status))
        throw DownloadError(AppUpdater::tr("The archive holds no \"%1\".").arg(name));
    if (!std::filesystem::is_regular_file(status))
        throw DownloadError(
            AppUpdater::tr("The archive's \"%1\" is not a regular file.").arg(name));
    return candidate;
}

// Unpacks the archive into a fresh staging folder under tempFolder, which goes in every
// outcome, and moves its proven program to target.
QCoro::Task<> installFromArchive(QString zipPath, QString target, QString versionOption,
                                 QString tempFolder) {
    QTemporaryDir staging(tempFolder + "/staging-XXXXXX");
    if (!staging.isValid())
        throw DownloadError(
            AppUpdater::tr("The archive could not be unpacked: %1").arg(staging.errorString()));
    const QStringList arguments{"-o", zipPath, "-d", staging.path()};
    co_await runSystemProgram("/usr/bin/unzip", arguments, "UnzipError");
    const QString program = programIn(staging.path(), QFileInfo(target).fileName());
    co_await proveProgram(program, versionOption);
    moveIntoPlace(program, target);
}

QByteArray sha256Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    return hash.result().toHex();
}

// The sum a "<hex>  <file name>" list gives for assetName (a "*" before the name marks a
// binary-mode sum); throws when the list has no such entry.
QByteArray publishedSum(const QByteArray& list, const QString& assetName) {
    for (const QByteArray& line : list.split('\n')) {
        const QByteArray entry = line.trimmed();
        const qsizetype gap = entry.indexOf(' ');
        QByteArray name = gap > 0 ? entry.sliced(gap).trimmed() : QByteArray();
        if (name.startsWith('*'))
            name.remove(0, 1);
        if (!name.isEmpty() && name == assetName.toUtf8())
            return entry.first(gap).toLower();
    }
    throw DownloadError(
        AppUpdater::tr("The release's checksum list has no entry for \"%1\".").arg(assetName));
}

// Checks the fetched candidate against the SHA2-256SUMS list published beside the release
// asset at assetUrl, so that only the release's own program is ever installed.
QCoro::Task<> checkPublishedSum(QUrl assetUrl, QString candidate, milliseconds transferTimeout) {
    const QString listPath = candidate + ".sums";
    const auto removeList = qScopeGuard([listPath] { QFile::remove(listPath); });
    try {
        co_await fetchInto(assetUrl.resolved(QUrl("SHA2-256SUMS")), listPath, transferTimeout);
    } catch (const DownloadError& error) {
        throw DownloadError(
            AppUpdater::tr("The checksum list could not be fetched: %1").arg(error.description()));
    }
    QFile list(listPath);
    // A real list has a few dozen lines.
    const QByteArray lines = list.open(QIODevice::ReadOnly) ? list.read(1 << 20) : QByteArray();
    const QByteArray expected = publishedSum(lines, assetUrl.fileName());
    // Named first: gcc 12 destroys a lambda that copies a value, made inside a co_await
    // expression, twice.
    QFuture<QByteArray> hashing = QtConcurrent::run([candidate] { return sha256Of(candidate); });
    if (co_await hashing != expected)
        throw DownloadError(
            AppUpdater::tr("The download does not match its release's SHA-256 checksum."));
}

QCoro::Task<> installYtDlp(QUrl url, QString ytDlpPath, milliseconds transferTimeout,
                           LogHandler log) {
    // Fetched beside the tool, so that the proven program replaces it in one step.
    const QString candidate = ytDlpPath + ".download";
    const auto removeCandidate = qScopeGuard([candidate] { QFile::remove(candidate); });
    try {
        co_await fetchInto(url, candidate, transferTimeout);
        co_await checkPublishedSum(url, candidate, transferTimeout);
        co_await proveProgram(candidate, "--version");
        moveIntoPlace(candidate, ytDlpPath);
        log(AppUpdater::tr("Plugin 1 downloaded successfully."));
    } catch (const UserFacingError& error) {
        log(AppUpdater::tr("Failed to download yt-dlp: %1").arg(error.description()));
    }
}

QCoro::Task<> runSelfUpdate(QString ytDlpPath, LogHandler log) {
    log(AppUpdater::tr("Updating plugin 1..."));
    QString output;
    const QStringList arguments{"--update"};
    ToolRun process({.program = ytDlpPath, .arguments = arguments, .read = ToolRun::Read::Merged},
                    [&output](ToolRun::Stream, const QString& text) { output += text; });
    ToolRun::Exit exit;
    try {
        exit = co_await process.run();
    } catch (const LaunchError& error) {
        log(AppUpdater::tr("Failed to update plugin 1: %1").arg(error.description()));
        co_return;
    }
    if (exit.succeeded())
        log(AppUpdater::tr("Plugin 1 update completed."));
    else
        log(AppUpdater::tr("Plugin 1 update failed: %1").arg(output));
}

QCoro::Task<> installConverter(ToolEndpoints endpoints, FileManagerHelper files,
                               milliseconds transferTimeout, LogHandler log) {
    const QString ffprobePath = files.toolsFolderPath + "/ffprobe";
    const QString ffmpegZip = files.tempFolderPath + "/ffmpeg.zip";
    const QString ffprobeZip = files.tempFolderPath + "/ffprobe.zip";
    try {
        co_await fetchInto(endpoints.ffmpeg, ffmpegZip, transferTimeout);
        log(AppUpdater::tr("Extracting plugin 2..."));
        co_await installFromArchive(ffmpegZip, files.ffmpegPath, "-version", files.tempFolderPath);
        log(AppUpdater::tr("Plugin 2 downloaded successfully."));
        log(AppUpdater::tr("Downloading plugin 3..."));
        co_await fetchInto(endpoints.ffprobe, ffprobeZip, transferTimeout);
        co_await installFromArchive(ffprobeZip, ffprobePath, "-version", files.tempFolderPath);
        log(AppUpdater::tr("Plugin 3 downloaded successfully."));
    } catch (const UserFacingError& error) {
        log(AppUpdater::tr("Failed to download Plugin 2: %1").arg(error.description()));
    }
}

} // namespace

AppUpdater::AppUpdater(ToolEndpoints endpoints, milliseconds transferTimeout)
    : endpoints(std::move(endpoints))
    , transferTimeout(transferTimeout) {}

QCoro::Task<> AppUpdater::downloadYtDlp(LogHandler logHandler) {
    return installYtDlp(endpoints.ytDlp, fileManager.ytDlpPath, transferTimeout,
                        std::move(logHandler));
}

QCoro::Task<> AppUpdater::updateYtDlp(LogHandler logHandler) {
    return runSelfUpdate(fileManager.ytDlpPath, std::move(logHandler));
}

QCoro::Task<> AppUpdater::downloadFFmpeg(LogHandler logHandler) {
    return installConverter(endpoints, fileManager, transferTimeout, std::move(logHandler));
}
