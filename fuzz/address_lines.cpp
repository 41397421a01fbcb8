// The addresses of a pasted, dropped or file's text, sorted by the queue's rules: the input read
// as a file's UTF-8, and as pasted text that may hold any UTF-16, unpaired surrogates too.
#include "FuzzInput.h"
#include "core/queue/AddressLines.h"
#include "core/text/StrictUtf8.h"
#include "core/text/WebAddress.h"

#include <QSet>

namespace {

void sort(QStringView text) {
    const AddressLines::Sorted sorted = AddressLines::sort(text);
    const QSet<QString> distinct(sorted.addresses.begin(), sorted.addresses.end());
    Fuzz::require(distinct.size() == sorted.addresses.size(), "each address is accepted once");
    for (const QString& address : sorted.addresses)
        Fuzz::require(!address.isEmpty() && address == address.trimmed(),
                      "an address is a trimmed line");
    // The accepted addresses, one per line, are a text of their own that gives them back.
    Fuzz::require(AddressLines::accepted(sorted.addresses.join(u'\n')) == sorted.addresses,
                  "accepted addresses are accepted again");
    // A dropped text gives each of its web addresses a line of its own.
    const QStringList dropped = webAddressesIn(text);
    for (const QString& address : dropped)
        Fuzz::require(isWebAddress(address), "a dropped text gives web addresses only");
    Fuzz::require(webAddressesIn(dropped.join(u'\n')) == dropped,
                  "dropped addresses, one a line, are found again");
}

void sortOutsize() {
    Fuzz::readOutsize("200,000 lines, half of them addresses given twice", [] {
        QString lines;
        for (int i = 0; i < 200'000; ++i)
            lines += (i % 2 ? "https://youtu.be/" + QString::number(i / 4) : "x") + u'\n';
        sort(lines);
    });
    Fuzz::readOutsize("one line of 30 MB", [] { sort(QString(30 * 1024 * 1024, u'h')); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    sortOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = Fuzz::bytes(data, size);
    if (const std::optional<QString> text = decodeStrictUtf8(input))
        sort(*text);
    sort(QStringView(reinterpret_cast<const char16_t*>(input.constData()), input.size() / 2));
    return 0;
}
