#pragma once

#include <QByteArray>
#include <QString>

// A key whose signature the installer trusts: an OpenPGP public key as its maker publishes it
// (ASCII-armored) and the fingerprint of its primary key, 40 hexadecimal digits in upper case,
// as gpgv names it in its VALIDSIG status.
struct SigningKey {
    QByteArray armored;
    QString fingerprint;

    // yt-dlp's release key, which signs each release's checksum list; shipped with Morvi.
    static SigningKey ytDlpRelease();

    // The key as a binary OpenPGP keyring, which is what gpgv reads: the armor's base64 body
    // decoded. Empty when the armor holds none.
    QByteArray keyring() const;

    // The fingerprint in groups of four, as people compare it: "AC0C BBE6 848D …".
    static QString readable(const QString& fingerprint);
};
