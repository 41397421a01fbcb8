#pragma once

#include <QCoroTask>
#include <QStringList>

// The entries of a playlist as the downloader lists them without downloading anything
// ("--flat-playlist -J"), so that each can be queued on its own.
namespace PlaylistEntries {

struct Listing {
    QString title;
    QStringList addresses;
    // Why nothing could be listed; "" when the listing worked.
    QString error;
};

QCoro::Task<Listing> list(QString address);

// The listing a "--flat-playlist -J" document gives: its title and each entry's address.
Listing listingOf(const QByteArray& document);

} // namespace PlaylistEntries
