#include "PlaylistEntries.h"

#include "core/engine/DocumentRun.h"
#include "core/text/DisplayText.h"
#include <QCoroFuture>
#include <QtConcurrentRun>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

PlaylistEntries::Listing PlaylistEntries::listingOf(const QByteArray& document) {
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(document, &parseError).object();
    PlaylistEntries::Listing listing;
    if (parseError.error != QJsonParseError::NoError || root.isEmpty()) {
        listing.error = parseError.errorString();
        return listing;
    }
    listing.title = DisplayText::capped(root.value("title").toString());
    for (const QJsonValue& entry : root.value("entries").toArray()) {
        const QJsonObject object = entry.toObject();
        const QString address =
            object.value("url").toString(object.value("webpage_url").toString());
        if (address.isEmpty())
            ++listing.withoutAddress;
        else
            listing.addresses << address;
    }
    return listing;
}

QCoro::Task<PlaylistEntries::Listing> PlaylistEntries::list(QString address,
                                                            QPointer<DocumentRun>& running) {
    DocumentRun run({"--flat-playlist", "-J"}, address, std::chrono::minutes(2));
    // Only before the run: the caller may be gone when it ends.
    running = &run;
    const DocumentRun::Answer answer = co_await run.run();
    if (!answer.error.isEmpty())
        co_return Listing{{}, {}, 0, answer.error};
    QFuture<Listing> parsing =
        QtConcurrent::run([document = answer.document] { return listingOf(document); });
    co_return co_await parsing;
}
