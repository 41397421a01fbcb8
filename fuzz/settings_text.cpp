// A settings file's text as Morvi reads and writes it: typed by hand or cut anywhere, every key
// reads without harm; a value written reads back as it was, and writing one key keeps the
// others' values.
#include "FuzzInput.h"
#include "core/storage/IniText.h"

namespace {

const QString keys[] = {"bulkDownloadItems", "bulkDownloadOutputPath", "key"};

void readAndWrite(const QByteArray& input) {
    for (const QString& key : keys) {
        if (const std::optional<QByteArray> typed = IniText::typed(input, key)) {
            IniText::bytes(*typed);
            IniText::string(*typed);
        }
    }
    const QByteArray typedBytes = IniText::typedBytes(input);
    Fuzz::require(IniText::bytes(typedBytes) == input, "a byte array reads back as written");
    const QString text = QString::fromUtf8(input);
    Fuzz::require(IniText::string(IniText::typedString(text)) == text,
                  "a string reads back as written");
    const QByteArray written = IniText::withLine(input, "key", typedBytes);
    Fuzz::require(IniText::typed(written, "key") == typedBytes, "a written line reads back");
    for (const QString& other : {keys[0], keys[1]})
        Fuzz::require(IniText::typed(written, other) == IniText::typed(input, other),
                      "writing one key keeps the others");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    Fuzz::readOutsize("a queue of 20 MB, escaped all through", [] {
        const QByteArray queue = QByteArray(20 * 1024 * 1024, '"');
        const QByteArray typed = IniText::typedBytes(queue);
        Fuzz::require(IniText::bytes(typed) == queue, "an outsize queue reads back");
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readAndWrite(Fuzz::bytes(data, size));
    return 0;
}
