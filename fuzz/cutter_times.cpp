// The media cutter's times: the converter's error output as a cut reads it (decoded as the
// tool runner decodes it, cut into lines, each line's "time=" read as the progress of cuts of
// several lengths), and each of its lines as a time typed into the start or end field.
#include "FuzzInput.h"
#include "core/cutter/CutProgress.h"
#include "core/process/ToolTextDecoder.h"
#include "core/text/LineSplitter.h"
#include "core/text/TimeText.h"

#include <cmath>

namespace {

void readTyped(const QString& text) {
    if (const std::optional<double> clock = readClockTime(text))
        Fuzz::require(*clock >= 0, "a clock time is never below zero");
    const double seconds = timeToSeconds(text);
    const QString written = formatTime(seconds);
    // The converter is handed the times as written here: they must mean what was typed.
    if (std::isfinite(seconds) && seconds >= 0 && seconds < 1e15)
        Fuzz::require(timeToSeconds(written) == std::trunc(seconds), "a written time reads back");
}

void readLine(QStringView line, LineSplitter::End) {
    for (const double cutLength : {1e-9, 10.0, 1e300}) {
        if (const std::optional<double> percent = cutProgress(line, cutLength))
            Fuzz::require(*percent <= 100, "a cut's progress is a number up to 100 %");
    }
    readTyped(line.toString());
}

void read(const QByteArray& input) {
    ToolTextDecoder decoder;
    LineSplitter lines;
    Fuzz::Reads reads(input);
    for (QByteArray read = reads.next(); !read.isEmpty(); read = reads.next()) {
        if (const std::optional<QString> text = decoder.decode(read))
            lines.feed(*text, readLine);
    }
    if (const std::optional<QString> rest = decoder.finish())
        lines.feed(*rest, readLine);
    lines.finish(readLine);
}

void readOutsize() {
    Fuzz::readOutsize("30 MB without a line break",
                      [] { read("frame=1 time=" + QByteArray(30 * 1024 * 1024, '9')); });
    Fuzz::readOutsize("20,000 updates", [] {
        QByteArray updates;
        for (int i = 0; i < 20'000; ++i)
            updates += "frame= " + QByteArray::number(i) +
                       " time=00:00:" + QByteArray::number(i % 6000 / 100.0) +
                       " bitrate=N/A speed=1x    \r";
        read(updates);
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Fuzz::quietQt();
    readOutsize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    read(Fuzz::bytes(data, size));
    return 0;
}
