// The stored queue as a start reads it: the document Morvi wrote, and the same input as a
// settings file typed by hand. Every item loaded is shown and handed to the downloader as a
// download would hand it, and the loaded queue, stored again, reads back the same.
#include "FuzzInput.h"
#include "core/engine/DownloaderCommandLine.h"
#include "core/engine/PercentText.h"
#include "core/queue/DownloadItemsDocument.h"
#include "core/queue/QueueStore.h"
#include "core/storage/IniText.h"

namespace {

void use(const BulkDownloadItem& item) {
    percentText(item.progress);
    shownStatus(item.status);
    DownloadChoices::shown(item.choice.format);
    DownloadChoices::shown(item.choice.quality());
    const DownloadRequest request{item.url, item.choice, "/downloads", false, {}, {}, {}};
    DownloaderCommandLine::forDownload(request, "/usr/bin/ffmpeg");
}

bool sameApartFromIds(QList<BulkDownloadItem> read, const QList<BulkDownloadItem>& items) {
    if (read.size() != items.size())
        return false;
    for (qsizetype i = 0; i < read.size(); ++i)
        read[i].id = items[i].id;
    return read == items;
}

void load(const QByteArray& document) {
    QString error;
    const std::optional<QList<BulkDownloadItem>> items =
        DownloadItemsDocument::decode(document, error);
    if (!items) {
        Fuzz::require(!error.isEmpty(), "a document that is not read says why");
        return;
    }
    for (const BulkDownloadItem& item : *items)
        use(item);
    const std::optional<QByteArray> stored = DownloadItemsDocument::encode(*items, error);
    Fuzz::require(stored.has_value(), "a queue that was read can be stored");
    const auto again = DownloadItemsDocument::decode(*stored, error);
    Fuzz::require(again && sameApartFromIds(*again, *items), "a stored queue reads back the same");
}

void loadBothWays(const QByteArray& input) {
    load(input);
    if (const auto typed = IniText::typed(input, QueueStore::downloadItemsKey))
        load(IniText::bytes(*typed));
}

void loadOutsize() {
    const QByteArray item = R"({"id":"0","url":"https:\/\/youtu.be\/)";
    const QByteArray rest = R"(","status":"Pending","progress":12.5,"format":"MP4",)"
                            R"("videoQuality":"720p","audioQuality":"192k"})";
    Fuzz::readOutsize("10,000 items typed into the settings file", [&] {
        QByteArray items;
        for (int i = 0; i < 10'000; ++i)
            items += item + QByteArray::number(i) + rest + ',';
        items.chop(1);
        loadBothWays("[General]\nbulkDownloadItems=[" + items + "]\n");
    });
    Fuzz::readOutsize("an address of 10 MB", [&] {
        loadBothWays("[" + item + QByteArray(10 * 1024 * 1024, 'u') + rest + "]");
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    loadOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    loadBothWays(Fuzz::bytes(data, size));
    return 0;
}
