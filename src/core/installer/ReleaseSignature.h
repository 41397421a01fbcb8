#pragma once

#include "SigningKey.h"

#include <QCoroTask>
#include <QString>
#include <QUrl>
#include <chrono>

// The proof that a release's checksum list comes from the release's makers: the detached
// OpenPGP signature published beside it, checked by Debian's gpgv against a keyring that holds
// the makers' key alone, never the user's own keys.
namespace ReleaseSignature {

// Fetches the signature at signatureUrl beside the list at listPath and throws DownloadError
// with the reason unless it is a good signature of that list by key, a key that has not
// expired. The signature is kept beside the list, the keyring in tempFolder; both go afterwards.
QCoro::Task<> ensureSigned(QString listPath, QUrl signatureUrl, SigningKey key, QString tempFolder,
                           std::chrono::milliseconds transferTimeout);

} // namespace ReleaseSignature
