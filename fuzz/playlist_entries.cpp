// The downloader's "--flat-playlist -J" document of a playlist, read for the entries the queue
// adds.
#include "FuzzInput.h"
#include "core/queue/PlaylistEntries.h"

namespace {

void list(const QByteArray& document) {
    const PlaylistEntries::Listing listing = PlaylistEntries::listingOf(document);
    Fuzz::require(listing.error.isEmpty() || listing.addresses.isEmpty(),
                  "a document that is not read lists nothing");
    for (const QString& address : listing.addresses)
        Fuzz::require(!address.isEmpty(), "every entry listed has an address");
}

void listOutsize() {
    Fuzz::readOutsize("100,000 entries", [] {
        QByteArray entries;
        for (int i = 0; i < 100'000; ++i)
            entries += R"({"url": "https://youtu.be/)" + QByteArray::number(i) + R"("},)";
        entries.chop(1);
        list(R"({"title": "T", "entries": [)" + entries + "]}");
    });
    Fuzz::readOutsize("a title of 30 MB", [] {
        list(R"({"title": ")" + QByteArray(30 * 1024 * 1024, 't') + R"(", "entries": []})");
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    listOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    list(Fuzz::bytes(data, size));
    return 0;
}
