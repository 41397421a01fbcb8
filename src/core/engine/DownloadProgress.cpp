#include "DownloadProgress.h"

#include "core/text/CLocaleNumber.h"
#include "core/text/TimeText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

// The locale's own number format and unit names: "12.0 MiB", "12,0 MiB", "12,0 Mio".
QString sizeText(double bytes) {
    return QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeIecFormat);
}

QString durationText(double seconds) {
    const qint64 whole = std::llround(seconds);
    if (whole < 60)
        //: A short length of time: seconds.
        return QCoreApplication::translate("DownloadProgress", "%L1 s").arg(whole);
    if (whole < 3600)
        //: A length of time: minutes and seconds.
        return QCoreApplication::translate("DownloadProgress", "%L1 min %L2 s")
            .arg(whole / 60)
            .arg(whole % 60);
    //: A long length of time: hours and minutes.
    return QCoreApplication::translate("DownloadProgress", "%L1 h %L2 min")
        .arg(whole / 3600)
        .arg(whole % 3600 / 60);
}

namespace {

bool usable(const std::optional<double>& value) {
    return value && std::isfinite(*value) && *value >= 0 && *value < 1e18;
}

bool isWordBreak(char16_t c) {
    if (c < 0x80)
        return c == u' ' || c == u'\t';
    return QChar::category(c) == QChar::Separator_Space;
}

// The words of one line, blanks skipped: consecutive blanks make no word of their own.
class Words {
public:
    explicit Words(QStringView line)
        : line(line) {}

    QStringView next() {
        while (at < line.size() && isWordBreak(line[at].unicode()))
            ++at;
        const qsizetype start = at;
        while (at < line.size() && !isWordBreak(line[at].unicode()))
            ++at;
        return line.sliced(start, at - start);
    }

private:
    QStringView line;
    qsizetype at = 0;
};

// What a unit such as "MiB" or "kB" counts: binary units 1024, decimal ones 1000, as
// the downloader means them; 0 for what is no unit.
double unitFactor(QStringView unit) {
    static constexpr char16_t prefixes[] = u"KMGTPE";
    const auto power = [](char16_t prefix) {
        const char16_t* found = std::char_traits<char16_t>::find(prefixes, 6, prefix);
        return found ? static_cast<int>(found - prefixes) + 1 : 0;
    };
    if (unit == u"B")
        return 1;
    if (unit.size() == 3 && unit[1] == u'i' && unit[2] == u'B' && power(unit[0].unicode()))
        return std::ldexp(1.0, 10 * power(unit[0].unicode()));
    const char16_t prefix = unit.size() == 2 ? unit[0].unicode() : 0;
    if (unit.size() == 2 && unit[1] == u'B' && (prefix == u'k' || power(prefix)))
        return std::pow(1000.0, prefix == u'k' ? 1 : power(prefix));
    return 0;
}

// A size such as "14.74MiB", "512B" or "1.2MB"; "Unknown", "N/A" and the like give
// nothing.
std::optional<double> byteCount(QStringView word) {
    qsizetype unitStart = word.size();
    while (unitStart > 0 && word[unitStart - 1].isLetter())
        --unitStart;
    const double factor = unitFactor(word.sliced(unitStart));
    const auto number = factor > 0 ? readCLocaleNumber(word.first(unitStart)) : std::nullopt;
    if (number && std::isfinite(*number) && *number >= 0)
        return *number * factor;
    return std::nullopt;
}

// The size, speed and time left that follow the percentage, in any order the
// downloader writes them ("of [~]SIZE", "at SPEED/s", "ETA TIME"); the rest is passed over.
void readDetails(Words& words, DownloadProgress& progress) {
    for (QStringView word = words.next(); !word.isEmpty(); word = words.next()) {
        if (word == u"of") {
            QStringView size = words.next();
            const bool estimate = size.startsWith(u'~');
            if (size == u"~")
                size = words.next();
            else if (estimate)
                size = size.sliced(1);
            progress.totalBytes = byteCount(size);
            progress.totalIsEstimate = estimate && progress.totalBytes;
        } else if (word == u"at") {
            const QStringView speed = words.next();
            if (speed.endsWith(u"/s"))
                progress.bytesPerSecond = byteCount(speed.chopped(2));
        } else if (word == u"ETA") {
            progress.secondsLeft = readClockTime(words.next());
        }
    }
}

// The words of a "[download]" line after its tag; none for another line. The rest of the
// word that holds the tag belongs to the tag.
std::optional<Words> wordsAfterTag(QStringView line) {
    static constexpr QStringView tag = u"[download]";
    if (!line.startsWith(tag))
        return std::nullopt;
    const QStringView rest = line.sliced(tag.size());
    Words words(rest);
    if (!rest.isEmpty() && !isWordBreak(rest[0].unicode()))
        words.next();
    return words;
}

// Which part runs, when the download has more than one; "" otherwise.
QString partText(const DownloadProgress& progress) {
    if (progress.part < 1 || (progress.part == 1 && progress.parts < 2))
        return {};
    switch (progress.content) {
    case DownloadProgress::Content::video:
        //: Which part of a download runs: its video stream, before the sound.
        return QCoreApplication::translate("DownloadProgress", "video");
    case DownloadProgress::Content::audio:
        //: Which part of a download runs: its sound stream.
        return QCoreApplication::translate("DownloadProgress", "audio");
    case DownloadProgress::Content::unknown:
        break;
    }
    if (progress.parts < progress.part)
        //: Which part of a download runs, of an unknown number of parts.
        return QCoreApplication::translate("DownloadProgress", "part %L1").arg(progress.part);
    //: Which part of a download runs: "part 2 of 3".
    return QCoreApplication::translate("DownloadProgress", "part %L1 of %L2")
        .arg(progress.part)
        .arg(progress.parts);
}

} // namespace

// A file name holding "50%" further on is no progress.
std::optional<DownloadProgress> DownloadProgress::fromLine(QStringView line) {
    std::optional<Words> words = wordsAfterTag(line);
    const QStringView first = words ? words->next() : QStringView();
    if (!first.endsWith(u'%'))
        return std::nullopt;
    const auto percent = readCLocaleNumber(first.chopped(1));
    if (!percent)
        return std::nullopt;
    DownloadProgress progress;
    progress.percent = *percent;
    readDetails(*words, progress);
    return progress;
}

bool DownloadProgress::startsLikeProgress(QStringView line) {
    std::optional<Words> words = wordsAfterTag(line);
    return words && words->next().endsWith(u'%');
}

double shownPercent(double known, const DownloadProgress& update) {
    return std::isfinite(update.percent) ? update.percent : known;
}

QString progressDetailsText(const DownloadProgress& progress) {
    QStringList parts;
    if (const QString part = partText(progress); !part.isEmpty())
        parts << part;
    if (usable(progress.totalBytes)) {
        const QString total =
            (progress.totalIsEstimate ? "~" : "") + sizeText(*progress.totalBytes);
        if (std::isfinite(progress.percent) && progress.percent >= 0 && progress.percent <= 100)
            //: The size downloaded so far and the whole size: "12.0 MiB of 48.0 MiB".
            parts << QCoreApplication::translate("DownloadProgress", "%1 of %2")
                         .arg(sizeText(*progress.totalBytes * progress.percent / 100), total);
        else
            parts << total;
    }
    if (usable(progress.bytesPerSecond))
        //: A download's speed: a size per second, "2.1 MiB/s".
        parts << QCoreApplication::translate("DownloadProgress", "%1/s")
                     .arg(sizeText(*progress.bytesPerSecond));
    if (usable(progress.secondsLeft))
        //: The time a download still needs: "17 s left".
        parts << QCoreApplication::translate("DownloadProgress", "%1 left")
                     .arg(durationText(*progress.secondsLeft));
    return parts.join(u" · ");
}
