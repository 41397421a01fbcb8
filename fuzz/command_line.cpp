// Morvi's command line as a desktop's launcher or another program may pass it: any bytes, one
// argument between two NUL bytes, decoded as Qt decodes a program's arguments.
#include "FuzzInput.h"
#include "core/app/CommandLine.h"
#include "core/text/WebAddress.h"

namespace {

void parse(const QByteArray& input) {
    QStringList arguments{"morvi"};
    for (const QByteArray& argument : input.split('\0'))
        arguments << QString::fromLocal8Bit(argument);
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.action() == CommandLine::Action::Refuse)
        Fuzz::require(!commandLine.error().isEmpty(), "a refused command line says why");
    for (const QString& address : commandLine.addresses())
        Fuzz::require(isWebAddress(address), "only web addresses are opened");
}

void parseOutsize() {
    Fuzz::readOutsize("100,000 addresses", [] {
        QByteArray addresses;
        for (int i = 0; i < 100'000; ++i)
            addresses += "https://youtu.be/" + QByteArray::number(i) + '\0';
        addresses.chop(1);
        parse(addresses);
    });
    Fuzz::readOutsize("an address of 30 MB",
                      [] { parse("https://" + QByteArray(30 * 1024 * 1024, 'a') + ".example/"); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    parseOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    parse(Fuzz::bytes(data, size));
    return 0;
}
