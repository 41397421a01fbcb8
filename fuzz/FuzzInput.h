#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: the input as Qt bytes, a rule that must hold, and reads cut as
// a pipe cuts them.
namespace Fuzz {

// The input over libFuzzer's own buffer, which ends exactly where the input does: a read past
// its end is caught, where a copy's terminator would hide it.
inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                   static_cast<qsizetype>(size));
}

// Stops the run when a rule that every input must keep is broken, so that libFuzzer keeps the
// input as a crash.
inline void require(bool holds, const char* rule) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken rule: %s\n", rule);
    std::abort();
}

// Reads an input too large for a corpus file once, before fuzzing starts. Reading it may take
// no longer than libFuzzer gives any other input: a reader whose time grows with the square
// of its input's length shows here, where the short inputs of the corpus hide it.
template <typename Reading> void readOutsize(const char* what, Reading reading) {
    QElapsedTimer timer;
    timer.start();
    reading();
    const double seconds = timer.elapsed() / 1000.0;
    std::fprintf(stderr, "Outsize input, %s: read in %.1f s\n", what, seconds);
    require(seconds < 10, "an outsize input is read within 10 s");
}

// Qt warns about bad input many thousand times a second here; only its failed assertions,
// which end the run, are worth reading.
inline void quietQt() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

// Cuts an input into reads as a pipe may deliver it: mostly a few bytes, so that lines and
// characters are cut often, now and then a pipe's full 64 KiB. Where it cuts follows from the
// input alone, so that a kept input is cut the same way when it runs again.
class Reads {
public:
    explicit Reads(const QByteArray& input)
        : rest(input)
        , state(seedOf(input)) {}

    // The next read; empty once the input is used up.
    QByteArray next() {
        const std::uint32_t r = step();
        const qsizetype wanted = r % 8 == 0 ? 1 + r / 8 % 65536 : 1 + r / 8 % 16;
        const qsizetype size = std::min(rest.size(), wanted);
        const QByteArray read = rest.first(size).toByteArray();
        rest = rest.sliced(size);
        return read;
    }

    // A number below count from the same sequence.
    unsigned pick(unsigned count) { return step() % count; }

private:
    std::uint32_t step() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }

    static std::uint32_t seedOf(QByteArrayView input) {
        std::uint32_t hash = 2166136261u;
        for (const char c : input)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        return hash;
    }

    QByteArrayView rest;
    std::uint32_t state;
};

} // namespace Fuzz
