#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// What one progress line of the downloader tells: its percentage, and beside it what it
// knows of the size, the speed and the time left. Values the line does not give, or
// gives as "Unknown", are empty.
struct DownloadProgress {
    // What a part of a download holds, as far as its file's extension tells.
    enum class Content { unknown, video, audio };

    double percent = 0;
    std::optional<double> totalBytes;
    // The total is an estimate ("~") while fragments are still being counted.
    bool totalIsEstimate = false;
    std::optional<double> bytesPerSecond;
    std::optional<double> secondsLeft;
    // A video+audio format runs one transfer per part, each from 0 to 100 %: the running
    // part's number from 1 and how many there are (0 when not announced); 0 before the
    // downloader has named a file.
    int part = 0;
    int parts = 0;
    Content content = Content::unknown;

    // The progress of one complete line: nothing unless the line starts with "[download]"
    // and its first word after the tag is a number followed by "%".
    static std::optional<DownloadProgress> fromLine(QStringView line);
    // Whether fromLine could read the line, by its first word alone: a cheap look, so that
    // of many lines only the one finally shown is parsed.
    static bool startsLikeProgress(QStringView line);
};

// The percentage to show after known: the update's own, unless it is no number (the
// downloader may print "nan%"), which would only confuse a progress bar.
double shownPercent(double known, const DownloadProgress& update);

// The line under a progress bar beside its percentage, in the user's language and number
// format, such as "12.3 MiB of 48.0 MiB · 2.1 MiB/s · 17 s left", led by the running part ("video",
// "audio", "part 2 of 3") when the download has more than one; the parts that are not
// known are left out, and "" when none is.
QString progressDetailsText(const DownloadProgress& progress);

// A byte count in the user's number format and units, such as "512 bytes" or "12.3 MiB".
QString sizeText(double bytes);
// A length of time such as "17 s", "3 min 25 s" or "1 h 2 min".
QString durationText(double seconds);
