// The downloader's output as a download reads it: both streams, cut into reads at random
// places, each decoded as the tool runner decodes it, every progress update taken and turned
// into the texts the windows show.
#include "FuzzInput.h"
#include "core/engine/DownloaderOutput.h"
#include "core/engine/PercentText.h"
#include "core/process/ToolTextDecoder.h"

namespace {

constexpr qsizetype longestLine = 4096;

struct Said {
    QString file;
    QStringList errors;
};

class Download {
public:
    // One read, passed on as the tool runner and the download's handler pass it.
    void deliver(ToolRun::Stream stream, const QByteArray& bytes) {
        if (const auto text = decoders[static_cast<int>(stream)].decode(bytes))
            take(stream, *text);
    }

    Said end() {
        for (const ToolRun::Stream stream : {ToolRun::Stream::output, ToolRun::Stream::errors}) {
            if (const auto rest = decoders[static_cast<int>(stream)].finish())
                take(stream, *rest);
        }
        said.end();
        return {said.finalFile(), said.errors()};
    }

private:
    void take(ToolRun::Stream stream, const QString& text) {
        said.read(stream, text);
        if (const auto progress = said.takeProgress()) {
            percentText(shownPercent(0, *progress));
            progressDetailsText(*progress);
        }
    }

    DownloaderOutput said;
    ToolTextDecoder decoders[2];
};

// The whole input in random reads, each to a random stream or all to one.
Said readInReads(const QByteArray& input, bool oneStream) {
    Download download;
    Fuzz::Reads reads(input);
    const unsigned only = reads.pick(2);
    for (QByteArray read = reads.next(); !read.isEmpty(); read = reads.next())
        download.deliver(ToolRun::Stream(oneStream ? only : reads.pick(2)), read);
    return download.end();
}

void read(const QByteArray& input) {
    const bool oneStream = !input.isEmpty() && input.back() % 2 == 0;
    const Said said = readInReads(input, oneStream);
    Fuzz::require(said.file.size() <= longestLine, "a file name is at most a line long");
    Fuzz::require(said.errors.size() <= 3, "at most three error lines are kept");
    for (const QString& error : said.errors)
        Fuzz::require(error.size() <= longestLine, "an error is at most a line long");
    // Where a stream of text is cut into reads makes no difference to what it says.
    if (oneStream && QUtf8StringView(input).isValidUtf8()) {
        Download whole;
        whole.deliver(ToolRun::Stream(Fuzz::Reads(input).pick(2)), input);
        const Said once = whole.end();
        Fuzz::require(once.file == said.file && once.errors == said.errors,
                      "reads cut elsewhere say the same");
    }
}

void readOutsize() {
    Fuzz::readOutsize("30 MB without a line break on either stream", [] {
        const QByteArray line(30 * 1024 * 1024, 'x');
        read("[download] Destination: " + line + "\r\nERROR: " + line + "\r");
    });
    Fuzz::readOutsize("200,000 progress updates", [] {
        QByteArray updates;
        for (int i = 0; i < 200'000; ++i)
            updates += "\r[download]  " + QByteArray::number(i % 1000 / 10.0) + "% of 1MiB";
        read(updates + "\n");
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
