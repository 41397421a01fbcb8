#include "QueueIntake.h"

#include "AddressLines.h"
#include "BulkDownloadItemsModel.h"
#include "QueueStore.h"
#include "core/diagnostics/Diagnostics.h"
#include "core/engine/DocumentRun.h"
#include "core/model/AssignProperty.h"
#include "core/text/LineSplitter.h"
#include "core/text/WebAddress.h"

#include <QCoroFuture>
#include <QPointer>
#include <QtConcurrentRun>
#include <chrono>
#include <qcoro/qcorotimer.h>

using namespace std::chrono_literals;

namespace {

// Queue items for the addresses, with the choices they are added with.
QList<BulkDownloadItem> itemsFor(QStringList urls, const FormatChoice& choice) {
    QList<BulkDownloadItem> items;
    items.reserve(urls.size());
    for (QString& url : urls)
        items << BulkDownloadItem::create(std::move(url), choice);
    return items;
}

} // namespace

QueueIntake::QueueIntake(BulkDownloadItemsModel& items, QueueStore& store,
                         const FormatChoice& choice, QObject* parent)
    : QObject(parent)
    , items(items)
    , store(store)
    , choice(choice) {}

void QueueIntake::setText(const QString& text) {
    assignProperty(this, box, text, &QueueIntake::textChanged);
}

void QueueIntake::setListingPlaylists(bool value) {
    assignProperty(this, listingPlaylists, value, &QueueIntake::isListingPlaylistsChanged);
}

void QueueIntake::appendStored(QCoro::Task<QList<BulkDownloadItem>> reading) {
    additions = appendStoredItems(std::move(reading));
}

// The store writes nothing of the queue until its items are in, or cleared away.
QCoro::Task<> QueueIntake::appendStoredItems(QCoro::Task<QList<BulkDownloadItem>> reading) {
    const QPointer<QueueIntake> self(this);
    const quint64 cleared = clearings;
    QList<BulkDownloadItem> stored = co_await reading;
    if (!self)
        co_return;
    co_await appendInSlices(std::move(stored), cleared, nullptr);
    if (self)
        store.endLoading();
}

void QueueIntake::addText() {
    const QString text = box;
    setText(QString());
    additions = addAfter(std::move(additions), text);
}

// The text is read and its items made (with the choices of the moment) while earlier
// additions may still run; its items follow theirs.
QCoro::Task<> QueueIntake::addAfter(QCoro::Task<> previous, QString text) {
    const QPointer<QueueIntake> self(this);
    const quint64 cleared = clearings;
    const bool large = text.size() >= largeText;
    auto make = [text = std::move(text), choice = choice] {
        AddressLines::Sorted lines = AddressLines::sort(text);
        return Addition{itemsFor(std::move(lines.addresses), choice), std::move(lines.refused),
                        lines.repeated};
    };
    Addition addition;
    if (large)
        addition = co_await QtConcurrent::run(std::move(make));
    else
        addition = make();
    if (!self)
        co_return;
    // Before whatever was typed meanwhile, as they stood before it.
    if (!addition.refused.isEmpty())
        setText(LineSplitter::appendedOnItsOwnLine(addition.refused.join('\n'), box));
    co_await previous;
    if (!self)
        co_return;
    const std::optional<int> appended =
        co_await appendAndStore(std::move(addition.items), cleared, &addition.alreadyQueued);
    if (appended)
        emit added(*appended, static_cast<int>(addition.refused.size()), addition.alreadyQueued);
}

// Appends the items in slices and stores the queue with one write, the same as with one per
// item. How many were added; none when the intake went or the queue was cleared meanwhile.
QCoro::Task<std::optional<int>> QueueIntake::appendAndStore(QList<BulkDownloadItem> list,
                                                            quint64 cleared, int* alreadyQueued) {
    const auto before = items.items().size();
    if (!co_await appendInSlices(std::move(list), cleared, alreadyQueued))
        co_return std::nullopt;
    const auto appended = static_cast<int>(items.items().size() - before);
    if (appended > 0)
        store.save();
    co_return appended;
}

QCoro::Task<> QueueIntake::addPlaylistEntries() {
    QStringList playlists;
    LineSplitter::forEachLine(box, LineSplitter::Breaks::person, [&playlists](QStringView line) {
        if (!line.trimmed().isEmpty())
            playlists << line.trimmed().toString();
    });
    setText(QString());
    const QPointer<QueueIntake> self(this);
    const quint64 stops = listingStops;
    setListingPlaylists(true);
    for (const QString& address : playlists) {
        PlaylistEntries::Listing entries = co_await PlaylistEntries::list(address, listing);
        if (!self)
            co_return;
        if (listingStops != stops)
            break;
        additions = queueListingAfter(std::move(additions), address, std::move(entries));
    }
    setListingPlaylists(false);
}

QueueIntake::~QueueIntake() {
    stopListing();
}

void QueueIntake::queueCleared() {
    ++clearings;
    stopListing();
}

void QueueIntake::stopListing() {
    ++listingStops;
    if (listing)
        listing->stop();
}

// The entries go through the rules of typed lines, behind the stored queue's loading and every
// addition asked for before them.
QCoro::Task<> QueueIntake::queueListingAfter(QCoro::Task<> previous, QString address,
                                             PlaylistEntries::Listing listing) {
    const QPointer<QueueIntake> self(this);
    const quint64 cleared = clearings;
    const QStringList accepted = AddressLines::accepted(listing.addresses.join('\n'));
    QList<BulkDownloadItem> made = itemsFor(accepted, choice);
    co_await previous;
    if (!self)
        co_return;
    int queued = 0;
    const std::optional<int> appended = co_await appendAndStore(std::move(made), cleared, &queued);
    if (!appended)
        co_return;
    if (!listing.error.isEmpty()) {
        //: %1: a playlist's address; %2: why its entries could not be listed.
        emit playlistEntriesAdded(
            tr("No playlist entries from %1: %2").arg(address, listing.error));
        co_return;
    }
    const QString title = listing.title.isEmpty() ? address : listing.title;
    //: %1: a playlist's title, or its address.
    const QString added = tr("Added %Ln entry(s) from \"%1\".", nullptr, *appended).arg(title);
    const auto refused = static_cast<int>(listing.addresses.size() - accepted.size());
    if (refused + queued + listing.withoutAddress == 0) {
        emit playlistEntriesAdded(added);
        co_return;
    }
    //: %1: what was added ("Added 3 entries from …"); %2, %3, %4: the entries left out, by why.
    emit playlistEntriesAdded(
        tr("%1 Left out: %2, %3, %4.")
            //: Playlist entries left out: not queue addresses, or listed twice.
            .arg(added, tr("%Ln not YouTube addresses or repeated", nullptr, refused),
                 tr("%Ln already in the queue", nullptr, queued),
                 //: Playlist entries left out: the listing gave them no address.
                 tr("%Ln without an address", nullptr, listing.withoutAddress)));
}

QCoro::Task<> QueueIntake::paste(QString text, bool dropped) {
    const QPointer<QueueIntake> self(this);
    if (text.size() >= largeText) {
        // Named first: gcc 12 destroys a lambda that copies a value, made inside a co_await
        // expression, twice.
        QFuture<QString> offered = QtConcurrent::run([text, dropped] {
            return AddressLines::accepted(dropped ? webAddressesIn(text).join('\n') : text)
                .join('\n');
        });
        text = co_await offered;
        if (!self)
            co_return;
    } else if (dropped) {
        text = webAddressesIn(text).join('\n');
    }
    setText(LineSplitter::appendedOnItsOwnLine(box, text));
    emit pasteRead();
}

QCoro::Task<> QueueIntake::loadFile(QString path) {
    const QPointer<QueueIntake> self(this);
    // Named first, as in paste.
    QFuture<AddressLines::FileText> reading =
        QtConcurrent::run([path] { return AddressLines::readFile(path, largeText); });
    const AddressLines::FileText read = co_await reading;
    if (!self)
        co_return;
    if (read.error.isEmpty())
        setText(read.text);
    else
        Diagnostics::printLine("Failed to read file: " + read.error);
}

// A slice per event-loop turn, so that a long list never holds up the window.
QCoro::Task<bool> QueueIntake::appendInSlices(QList<BulkDownloadItem> list, quint64 cleared,
                                              int* alreadyQueued) {
    const QPointer<QueueIntake> self(this);
    items.reserve(list.size());
    for (qsizetype first = 0; first < list.size(); first += itemsPerSlice) {
        if (first > 0)
            co_await QCoro::sleepFor(0ms);
        if (!self || clearings != cleared)
            co_return false;
        QList<BulkDownloadItem> slice = list.mid(first, itemsPerSlice);
        if (alreadyQueued) {
            *alreadyQueued += static_cast<int>(slice.removeIf(
                [this](const BulkDownloadItem& item) { return items.containsUrl(item.url); }));
        }
        if (items.append(slice))
            emit itemsAppended();
    }
    co_return true;
}
