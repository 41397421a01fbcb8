#include "ReleaseSignature.h"

#include "AppUpdater.h"
#include "DownloadError.h"
#include "ReleaseFetch.h"
#include "core/process/LaunchError.h"
#include "core/process/ToolRun.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <memory>

namespace {

// gpgv answers at once; a limit keeps a stuck one from holding up the tool check.
constexpr std::chrono::seconds checkLimit{20};
// A verdict is a few status lines; more is not kept.
constexpr qsizetype statusLimit = 64 * 1024;

// What gpgv's status lines ("[GNUPG:] KEYWORD ARGUMENTS") say about the one signature.
struct Verdict {
    bool good = false;    // GOODSIG: a valid signature by a key that is neither expired nor revoked
    bool bad = false;     // BADSIG: the file is not the one that was signed
    bool expired = false; // EXPKEYSIG: made by a key that has expired since
    QString signer;       // VALIDSIG's last argument: the fingerprint of the signer's primary key
};

Verdict verdictIn(const QString& status) {
    Verdict verdict;
    for (const QString& line : status.split('\n')) {
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.size() < 2 || words.first() != "[GNUPG:]")
            continue;
        const QString& keyword = words.at(1);
        verdict.good = verdict.good || keyword == "GOODSIG";
        verdict.bad = verdict.bad || keyword == "BADSIG";
        verdict.expired = verdict.expired || keyword == "EXPKEYSIG";
        if (keyword == "VALIDSIG")
            verdict.signer = words.last();
    }
    return verdict;
}

// The keyring holding key alone, in a temporary file in folder.
std::unique_ptr<QTemporaryFile> keyringIn(const QString& folder, const SigningKey& key) {
    auto file = std::make_unique<QTemporaryFile>(folder + "/keyring-XXXXXX.gpg");
    const QByteArray keyring = key.keyring();
    if (!file->open() || file->write(keyring) != keyring.size() || !file->flush())
        throw DownloadError(
            AppUpdater::tr("The signing key could not be written: %1").arg(file->errorString()));
    return file;
}

// Runs gpgv on the signature of the list. A signature counts as good only when gpgv also
// ends with status 0.
QCoro::Task<Verdict> verdictOn(QString keyringPath, QString signaturePath, QString listPath) {
    const QStringList arguments{"--status-fd", "1",           "--keyring",
                                keyringPath,   signaturePath, listPath};
    QString status;
    ToolRun run({.program = "/usr/bin/gpgv",
                 .arguments = arguments,
                 .read = ToolRun::Read::BothStreams,
                 .timeLimit = checkLimit},
                [&status](ToolRun::Stream stream, const QString& text) {
                    if (stream == ToolRun::Stream::output && status.size() < statusLimit)
                        status += text;
                });
    ToolRun::Exit exit;
    try {
        exit = co_await run.run();
    } catch (const LaunchError& error) {
        throw DownloadError(AppUpdater::tr("The checksum list's signature could not be checked: %1")
                                .arg(error.description()));
    }
    Verdict verdict = verdictIn(status);
    verdict.good = verdict.good && exit.succeeded();
    co_return verdict;
}

void ensureByKey(const Verdict& verdict, const SigningKey& key) {
    const QString fingerprint = SigningKey::readable(key.fingerprint);
    if (verdict.bad)
        throw DownloadError(AppUpdater::tr("The checksum list does not match its signature."));
    if (verdict.expired)
        throw DownloadError(AppUpdater::tr("The key %1 that signed the checksum list has expired.")
                                .arg(fingerprint));
    if (!verdict.good || verdict.signer != key.fingerprint)
        throw DownloadError(
            AppUpdater::tr("The checksum list carries no valid signature by the release key %1.")
                .arg(fingerprint));
}

} // namespace

QCoro::Task<> ReleaseSignature::ensureSigned(QString listPath, QUrl signatureUrl, SigningKey key,
                                             QString tempFolder,
                                             std::chrono::milliseconds transferTimeout) {
    const QString signaturePath = listPath + ".sig";
    const auto removeSignature = qScopeGuard([signaturePath] { QFile::remove(signaturePath); });
    try {
        co_await ReleaseFetch::fetchInto(signatureUrl, signaturePath, transferTimeout);
    } catch (const DownloadError& error) {
        throw DownloadError(AppUpdater::tr("The checksum list's signature could not be fetched: %1")
                                .arg(error.description()));
    }
    const std::unique_ptr<QTemporaryFile> keyring = keyringIn(tempFolder, key);
    const QString keyringPath = keyring->fileName();
    const Verdict verdict = co_await verdictOn(keyringPath, signaturePath, listPath);
    ensureByKey(verdict, key);
}
