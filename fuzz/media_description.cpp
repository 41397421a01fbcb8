// The downloader's "-J" document of an address, read as the main window reads it: the
// description, the heights on offer, and the length and size estimate it shows for every
// format and quality.
#include "FuzzInput.h"
#include "core/engine/DownloadChoices.h"
#include "core/engine/DownloadProgress.h"
#include "core/single/MediaDescription.h"

namespace {

void describe(const QByteArray& document) {
    QString error;
    const std::optional<MediaDescription> media = MediaDescription::fromJson(document, error);
    if (!media) {
        Fuzz::require(!error.isEmpty(), "a document that is not read says why");
        return;
    }
    media->heights();
    if (media->seconds)
        Fuzz::require(!durationText(*media->seconds).contains(u'-'), "a length shows as one");
    for (const DownloadChoices::Choice& format : DownloadChoices::formats()) {
        for (const DownloadChoices::Choice& quality : DownloadChoices::videoQualities()) {
            if (const auto size = media->estimate(format.value, quality.value)) {
                const QString shown = sizeText(size->bytes);
                Fuzz::require(!shown.contains(u'-') && shown.size() <= 16, "a size shows as one");
            }
        }
    }
}

QByteArray nested(int depth, const QByteArray& inside) {
    return QByteArray(depth, '[') + inside + QByteArray(depth, ']');
}

void describeOutsize() {
    Fuzz::readOutsize("a title of 30 MB", [] {
        describe(R"({"title": ")" + QByteArray(30 * 1024 * 1024, 'x') + R"(", "duration": 1e308})");
    });
    Fuzz::readOutsize("formats nested 100,000 deep",
                      [] { describe(R"({"formats": )" + nested(100'000, "{}") + "}"); });
    Fuzz::readOutsize("50,000 formats", [] {
        QByteArray formats;
        for (int i = 0; i < 50'000; ++i)
            formats += R"({"height": )" + QByteArray::number(i) + R"(, "filesize": 1e300},)";
        formats.chop(1);
        describe(R"({"formats": [)" + formats + "]}");
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    describeOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    describe(Fuzz::bytes(data, size));
    return 0;
}
