// A release's checksum list ("<hex>  <name>" lines, as sha256sum writes them) as the tool
// installer reads it for the assets it fetches.
#include "FuzzInput.h"
#include "core/installer/ChecksumList.h"

#include <QStringList>

namespace {

const QStringList assets = {
    "yt-dlp_linux", "yt-dlp_linux_aarch64", "deno-x86_64-unknown-linux-gnu.zip", "", " ", "*"};

void look(const QByteArray& list) {
    for (const QString& asset : assets) {
        if (const std::optional<QByteArray> sum = ChecksumList::sumFor(list, asset))
            Fuzz::require(!sum->contains('\n') && !sum->contains(' '), "a sum is one word");
    }
}

void lookOutsize() {
    Fuzz::readOutsize("100,000 entries, the asset's last", [] {
        QByteArray list;
        for (int i = 0; i < 100'000; ++i)
            list += QByteArray(64, 'a') + "  asset" + QByteArray::number(i) + '\n';
        look(list + QByteArray(64, 'b') + "  yt-dlp_linux\n");
    });
    Fuzz::readOutsize("a line of 30 MB", [] { look(QByteArray(30 * 1024 * 1024, ' ')); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    lookOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    look(Fuzz::bytes(data, size));
    return 0;
}
