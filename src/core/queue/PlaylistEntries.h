#pragma once

#include <QCoroTask>
#include <QPointer>
#include <QStringList>

class DocumentRun;

// The entries of a playlist as the downloader lists them without downloading anything
// ("--flat-playlist -J"), so that each can be queued on its own.
namespace PlaylistEntries {

struct Listing {
    QString title;
    QStringList addresses;
    // Entries that name no address at all.
    int withoutAddress = 0;
    // Why nothing could be listed; "" when the listing worked.
    QString error;
};

// running points at the listing's run while it lasts, so that the caller can end it; the
// listing then fails.
QCoro::Task<Listing> list(QString address, QPointer<DocumentRun>& running);

// The listing a "--flat-playlist -J" document gives: its title and each entry's address.
Listing listingOf(const QByteArray& document);

} // namespace PlaylistEntries
