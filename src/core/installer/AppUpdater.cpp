#include "AppUpdater.h"

#include "ChecksumList.h"
#include "DownloadError.h"
#include "ExitStatusError.h"
#include "ReleaseFetch.h"
#include "ReleaseSignature.h"
#include "core/diagnostics/Diagnostics.h"
#include "core/process/LaunchError.h"
#include "core/process/ToolRun.h"
#include "core/toolstore/ToolFinding.h"
#include "core/toolstore/ToolLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QVersionNumber>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

using LogHandler = AppUpdater::LogHandler;
using std::chrono::milliseconds;

// What today's yt-dlp asks of Deno. The yt-dlp in use judges the runtime again when the tool
// check chooses one, so a rising demand never makes Morvi pass it an unsupported runtime.
const QVersionNumber minimumDeno(2, 3);

QString secondsText(milliseconds duration) {
    return QString::number(duration.count() / 1000.0);
}

// Runs a system program to its end; a status other than 0 fails in errorDomain.
QCoro::Task<> runSystemProgram(QString program, QStringList arguments, QString errorDomain) {
    ToolRun run({.program = program, .arguments = arguments});
    if (const ToolRun::Exit exit = co_await run.run(); !exit.succeeded())
        throw ExitStatusError(errorDomain, exit.status);
}

// Makes the fetched program at path executable and proves that it runs here: started with its
// version option, it must end with status 0 in time. Returns its answer; throws DownloadError
// with the reason.
QCoro::Task<QString> proveProgram(QString path, QString versionOption) {
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser |
                             QFile::ExeGroup | QFile::ExeOther))
        throw DownloadError(
            AppUpdater::tr("The program could not be made executable: %1").arg(file.errorString()));
    ToolAnswer answer;
    try {
        answer = co_await ToolLocation::ask(path, versionOption);
    } catch (const LaunchError& error) {
        throw DownloadError(
            AppUpdater::tr("The downloaded file is not a program that runs here: %1")
                .arg(error.description()));
    }
    const ToolRun::Exit& exit = answer.exit;
    if (exit.timedOut) {
        throw DownloadError(
            AppUpdater::tr("The downloaded program did not answer \"%1\" within %2 s.")
                .arg(versionOption, secondsText(ToolLocation::answerTimeLimit)));
    }
    if (!exit.succeeded()) {
        const QString ending = exit.signalled ? AppUpdater::tr("signal %1").arg(exit.status)
                                              : AppUpdater::tr("exit status %1").arg(exit.status);
        throw DownloadError(AppUpdater::tr("The downloaded program failed \"%1\" (%2).")
                                .arg(versionOption, ending));
    }
    co_return answer.text;
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

// Throws DownloadError when a proven program's version answer does not do.
using AnswerCheck = std::function<void(const QString& answer)>;

// Unpacks the archive into a fresh staging folder under tempFolder, which goes in every
// outcome, and moves its proven program, whose answer passes checkAnswer, to target.
QCoro::Task<> installFromArchive(QString zipPath, QString target, QString versionOption,
                                 QString tempFolder, AnswerCheck checkAnswer = {}) {
    QTemporaryDir staging(tempFolder + "/staging-XXXXXX");
    if (!staging.isValid())
        throw DownloadError(
            AppUpdater::tr("The archive could not be unpacked: %1").arg(staging.errorString()));
    const QStringList arguments{"-o", zipPath, "-d", staging.path()};
    co_await runSystemProgram("/usr/bin/unzip", arguments, "UnzipError");
    const QString program = programIn(staging.path(), QFileInfo(target).fileName());
    const QString answer = co_await proveProgram(program, versionOption);
    if (checkAnswer)
        checkAnswer(answer);
    moveIntoPlace(program, target);
}

// Deno answers "deno 2.5.6 (stable, release, x86_64-unknown-linux-gnu)" first.
void ensureRecentDeno(const QString& answer) {
    const QString firstLine = answer.section('\n', 0, 0).trimmed();
    const QStringList words = firstLine.split(' ', Qt::SkipEmptyParts);
    if (words.value(0) != "deno" || QVersionNumber::fromString(words.value(1)) < minimumDeno) {
        throw DownloadError(
            AppUpdater::tr("The downloaded program is not deno %1 or later: it answered \"%2\".")
                .arg(minimumDeno.toString(), firstLine));
    }
}

// The sum that the SHA2-256SUMS list published beside the release asset at assetUrl gives for
// it, once the list's signature, SHA2-256SUMS.sig beside it, has proved it signed with key.
QCoro::Task<QByteArray> signedSum(QUrl assetUrl, QString listPath, SigningKey key,
                                  QString tempFolder, milliseconds transferTimeout) {
    const QUrl listUrl = assetUrl.resolved(QUrl("SHA2-256SUMS"));
    const QUrl signatureUrl = assetUrl.resolved(QUrl("SHA2-256SUMS.sig"));
    const ReleaseFetch::ListCheck signedWithKey = [=](QString path) {
        return ReleaseSignature::ensureSigned(path, signatureUrl, key, tempFolder, transferTimeout);
    };
    co_return co_await ReleaseFetch::publishedSum(listUrl, assetUrl.fileName(), listPath,
                                                  transferTimeout, signedWithKey);
}

// Notes in the tool check's finding that the downloader now in place, which answered answer,
// was proved by the signature of the key with that fingerprint. The check keeps the note for as
// long as it finds the same program there.
void noteVerified(const FileManagerHelper& files, const QString& answer,
                  const QString& fingerprint) {
    ToolFinding finding = ToolFinding::read(files.toolsFolderPath);
    finding.downloader = {{}, files.ytDlpPath, ToolLocation::versionWord(answer), fingerprint};
    if (!finding.write(files.toolsFolderPath))
        qCWarning(lcTools) << "The downloader's verification could not be noted in"
                           << files.toolsFolderPath;
}

// Puts the release's build of the downloader at files.ytDlpPath, once it matches the sum its
// signed list gives and answers "--version". An update keeps the build in place when it is the
// one the list names: yt-dlp's own "--update" checks the sums, but not their signature.
QCoro::Task<> installYtDlp(QUrl url, FileManagerHelper files, SigningKey key,
                           milliseconds transferTimeout, bool update, LogHandler log) {
    if (update)
        log(AppUpdater::tr("Updating plugin 1..."));
    // Fetched beside the tool, so that the proven program replaces it in one step.
    const QString candidate = files.ytDlpPath + ".download";
    const auto removeCandidate = qScopeGuard([candidate] { QFile::remove(candidate); });
    try {
        const QByteArray sum = co_await signedSum(url, candidate + ".sums", key,
                                                  files.tempFolderPath, transferTimeout);
        const QString versionOption = "--version";
        const QString installed = files.ytDlpPath;
        // Not awaited inside a conditional expression: gcc 12 then frees the frame's values twice.
        QByteArray installedSum;
        if (update)
            installedSum = co_await ReleaseFetch::sumOf(installed);
        if (installedSum != sum) {
            co_await ReleaseFetch::fetchInto(url, candidate, transferTimeout);
            co_await ReleaseFetch::ensureSum(candidate, sum);
            const QString answer = co_await proveProgram(candidate, versionOption);
            moveIntoPlace(candidate, installed);
            noteVerified(files, answer, key.fingerprint);
        } else if (ToolFinding::read(files.toolsFolderPath).downloader.verifiedBy !=
                   key.fingerprint) {
            // The build in place is the signed one: noted once, with the version it answers.
            const QString answer = co_await proveProgram(installed, versionOption);
            noteVerified(files, answer, key.fingerprint);
        }
        log(update ? AppUpdater::tr("Plugin 1 update completed.")
                   : AppUpdater::tr("Plugin 1 downloaded successfully."));
    } catch (const UserFacingError& error) {
        log((update ? AppUpdater::tr("Plugin 1 update failed: %1")
                    : AppUpdater::tr("Failed to download yt-dlp: %1"))
                .arg(error.description()));
    }
}

QCoro::Task<> installConverter(ToolEndpoints endpoints, FileManagerHelper files,
                               milliseconds transferTimeout, LogHandler log) {
    const QString ffprobePath = files.toolsFolderPath + "/ffprobe";
    const QString ffmpegZip = files.tempFolderPath + "/ffmpeg.zip";
    const QString ffprobeZip = files.tempFolderPath + "/ffprobe.zip";
    try {
        co_await ReleaseFetch::fetchInto(endpoints.ffmpeg, ffmpegZip, transferTimeout);
        log(AppUpdater::tr("Extracting plugin 2..."));
        co_await installFromArchive(ffmpegZip, files.ffmpegPath, "-version", files.tempFolderPath);
        log(AppUpdater::tr("Plugin 2 downloaded successfully."));
        log(AppUpdater::tr("Downloading plugin 3..."));
        co_await ReleaseFetch::fetchInto(endpoints.ffprobe, ffprobeZip, transferTimeout);
        co_await installFromArchive(ffprobeZip, ffprobePath, "-version", files.tempFolderPath);
        log(AppUpdater::tr("Plugin 3 downloaded successfully."));
    } catch (const UserFacingError& error) {
        log(AppUpdater::tr("Failed to download Plugin 2: %1").arg(error.description()));
    }
}

// Keeps the installed archive's published line beside the runtime, where the next check compares
// it with the release's. When it cannot be written, the next check fetches the archive again.
void keepSumLine(const QString& path, const QByteArray& line) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(line) == line.size())
        file.commit();
}

// Installs the runtime from the release's archive at assetUrl, checked against the ".sha256sum"
// file published beside it. An update keeps the installed runtime without fetching the archive
// while the release's sum is the one kept at its installation: the sum file is a hundred bytes,
// the archive forty megabytes.
QCoro::Task<> installRuntime(QUrl assetUrl, FileManagerHelper files, milliseconds transferTimeout,
                             bool update, LogHandler log) {
    const QString assetName = assetUrl.fileName();
    const QString zipPath = files.tempFolderPath + "/" + assetName;
    const QString keptSumPath = files.jsRuntimePath + ".sha256sum";
    const auto removeArchive = qScopeGuard([zipPath] { QFile::remove(zipPath); });
    if (update)
        log(AppUpdater::tr("Updating plugin 4..."));
    try {
        const QUrl listUrl = assetUrl.resolved(QUrl(assetName + ".sha256sum"));
        const QString listPath = zipPath + ".sha256sum";
        const QByteArray sum =
            co_await ReleaseFetch::publishedSum(listUrl, assetName, listPath, transferTimeout);
        if (update && ChecksumList::sumFor(ReleaseFetch::listAt(keptSumPath), assetName) == sum) {
            log(AppUpdater::tr("Plugin 4 is up to date."));
            co_return;
        }
        co_await ReleaseFetch::fetchInto(assetUrl, zipPath, transferTimeout);
        co_await ReleaseFetch::ensureSum(zipPath, sum);
        log(AppUpdater::tr("Extracting plugin 4..."));
        co_await installFromArchive(zipPath, files.jsRuntimePath, "--version", files.tempFolderPath,
                                    ensureRecentDeno);
        keepSumLine(keptSumPath, sum + "  " + assetName.toUtf8() + "\n");
        log(update ? AppUpdater::tr("Plugin 4 update completed.")
                   : AppUpdater::tr("Plugin 4 downloaded successfully."));
    } catch (const UserFacingError& error) {
        log((update ? AppUpdater::tr("Plugin 4 update failed: %1")
                    : AppUpdater::tr("Failed to download plugin 4: %1"))
                .arg(error.description()));
    }
}

} // namespace

AppUpdater::AppUpdater(ToolEndpoints endpoints, milliseconds transferTimeout,
                       SigningKey downloaderKey)
    : endpoints(std::move(endpoints))
    , transferTimeout(transferTimeout)
    , downloaderKey(std::move(downloaderKey)) {}

QCoro::Task<> AppUpdater::downloadYtDlp(LogHandler logHandler) {
    return installYtDlp(endpoints.ytDlp, fileManager, downloaderKey, transferTimeout, false,
                        std::move(logHandler));
}

QCoro::Task<> AppUpdater::updateYtDlp(LogHandler logHandler) {
    return installYtDlp(endpoints.ytDlp, fileManager, downloaderKey, transferTimeout, true,
                        std::move(logHandler));
}

QCoro::Task<> AppUpdater::downloadFFmpeg(LogHandler logHandler) {
    return installConverter(endpoints, fileManager, transferTimeout, std::move(logHandler));
}

QCoro::Task<> AppUpdater::downloadJsRuntime(LogHandler logHandler) {
    return installRuntime(endpoints.jsRuntime, fileManager, transferTimeout, false,
                          std::move(logHandler));
}

QCoro::Task<> AppUpdater::updateJsRuntime(LogHandler logHandler) {
    return installRuntime(endpoints.jsRuntime, fileManager, transferTimeout, true,
                          std::move(logHandler));
}
