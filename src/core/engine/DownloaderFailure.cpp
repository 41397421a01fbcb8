#include "DownloaderFailure.h"

#include "DownloadProgress.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <utility>

namespace {

using Action = DownloaderFailure::Action;

// A failure the downloader reports in words of its own, or passes on from the site. The
// pattern is looked for anywhere in a line, whatever its case, as the downloader leads its
// lines with "ERROR: [extractor] ID: ". A pattern that captures a number and a unit of time
// gives the sentence's %1.
struct Kind {
    const char* pattern;
    Action action;
    const char* sentence;
    bool diskFull = false;
};

// The order of read: causes before their consequences, facts about the video before advice
// about the downloader, and the plainest consequence (a missing format) last.
constexpr std::array kinds{
    Kind{R"(No space left on device|Errno 28\b|Disk quota exceeded)", Action::none,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The disk of the output folder is full. Free some space there, or "
                           "choose another output folder, and download again."),
         true},
    Kind{R"(could not copy \w+ cookie database|database is locked)", Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The browser's cookies could not be read: the browser keeps them locked "
                           "while it runs. Close the browser and download again, or choose "
                           "another browser in Preferences.")},
    Kind{R"(failed to read from keyring|kwallet-query failed|secretstorage not available|)"
         R"(cannot decrypt v1\d cookies|failed to decrypt (?:cookie|with DPAPI))",
         Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The browser's cookies could not be decrypted: the desktop's keyring "
                           "did not give their key. Unlock the keyring and download again, or "
                           "choose another browser in Preferences.")},
    Kind{R"(could not find \w+ cookies database)", Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The browser chosen in Preferences keeps no cookies on this computer. "
                           "Choose the browser you are signed in with.")},
    Kind{R"(Name or service not known|Temporary failure in name resolution|)"
         R"(Network is unreachable|No address associated with hostname)",
         Action::none,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The site could not be reached: this computer seems to be offline, "
                           "or the address names no site. Check the network connection and the "
                           "address, and download again.")},
    Kind{R"(confirm you.re not a bot)", Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "YouTube asks to sign in to confirm that this is not a bot. Choose the "
                           "browser you are signed in with in Preferences, and the downloader "
                           "will use its sign-in.")},
    Kind{R"(Private video)", Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This video is private. If its owner has shared it with you, choose "
                           "the browser you are signed in with in Preferences.")},
    Kind{R"(members-only|Join this channel)", Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This video is for the channel's members only. If you are a member, "
                           "choose the browser you are signed in with in Preferences.")},
    Kind{R"(confirm your age|age-restricted|inappropriate for some users)", Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This video is age-restricted and needs a signed-in adult account. "
                           "Choose the browser you are signed in with in Preferences.")},
    Kind{R"(available in your country|not available from your location)", Action::none,
         QT_TRANSLATE_NOOP("DownloaderFailure", "This video is not available in your country.")},
    Kind{R"((?:will begin|Premieres) in (\d+) (second|minute|hour|day)s?\b)", Action::none,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This live event or premiere has not begun yet: it begins in %1. "
                           "Download it once it has started.")},
    Kind{R"(live event will begin|Premiere will begin|Premieres in)", Action::none,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This live event or premiere has not begun yet. Download it once it "
                           "has started.")},
    Kind{R"(Video unavailable|This video (?:is|has been) (?:unavailable|no longer available|)"
         R"(not available|removed)|video has been removed)",
         Action::none,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This video has been removed or is no longer available.")},
    Kind{R"(only available for registered users|--cookies-from-browser or --cookies)",
         Action::chooseBrowser,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This video needs a signed-in account. Choose the browser you are "
                           "signed in with in Preferences.")},
    Kind{R"(No supported JavaScript runtime)", Action::checkTools,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "YouTube now needs a JavaScript runtime such as Deno for the "
                           "downloader, and none was found. Press \"Check Again\" to let the tool "
                           "check set one up, or install Deno yourself.")},
    Kind{R"((?:nsig|n challenge|signature) (?:extraction|solving) failed|)"
         R"(Unable to extract nsig|Cannot decrypt nsig)",
         Action::updateDownloader,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The downloader could not solve YouTube's signature challenge, which "
                           "usually means that it is out of date. Update it and download again.")},
    Kind{R"(HTTP Error 403)", Action::updateDownloader,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "The site refused the download (HTTP error 403), which usually means "
                           "that the downloader is out of date. Update it and download again.")},
    Kind{R"(Requested format is not available)", Action::downloadBest,
         QT_TRANSLATE_NOOP("DownloaderFailure",
                           "This address offers no download in the chosen quality. Download it "
                           "with \"Best\" instead.")},
};

const QRegularExpression& patternOf(std::size_t kind) {
    static const auto compiled = [] {
        std::array<QRegularExpression, kinds.size()> all;
        for (std::size_t i = 0; i < kinds.size(); ++i)
            all[i] = QRegularExpression(QString::fromLatin1(kinds[i].pattern),
                                        QRegularExpression::CaseInsensitiveOption);
        return all;
    }();
    return compiled[kind];
}

QString translated(const char* sentence) {
    return QCoreApplication::translate("DownloaderFailure", sentence);
}

// "5 hours" as the user's language writes a length of time.
QString timeText(const QRegularExpressionMatch& match) {
    static constexpr std::array<std::pair<QStringView, int>, 4> units{
        {{u"second", 1}, {u"minute", 60}, {u"hour", 3600}, {u"day", 86400}}};
    const QStringView unit = match.capturedView(2);
    int factor = 1;
    for (const auto& [name, seconds] : units) {
        if (unit.compare(name, Qt::CaseInsensitive) == 0)
            factor = seconds;
    }
    return durationText(match.capturedView(1).toDouble() * factor);
}

DownloaderFailure made(std::size_t kind, const QRegularExpressionMatch& match,
                       const QString& line) {
    QString sentence = translated(kinds[kind].sentence);
    if (match.lastCapturedIndex() >= 2)
        sentence = sentence.arg(timeText(match));
    return {sentence, kinds[kind].action, line, kinds[kind].diskFull};
}

bool isError(const QString& line) {
    return line.startsWith(u"ERROR:");
}

} // namespace

DownloaderFailure DownloaderFailure::read(const QStringList& lines) {
    const auto lastError = std::find_if(lines.rbegin(), lines.rend(), isError);
    const bool errorsUnknown = lastError != lines.rend() &&
                               std::none_of(lines.begin(), lines.end(), [](const QString& line) {
                                   return isError(line) && knows(line);
                               });
    if (errorsUnknown)
        return {{}, Action::none, *lastError};
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
            if (const auto match = patternOf(kind).match(*line); match.hasMatch())
                return made(kind, match, *line);
        }
    }
    return {};
}

bool DownloaderFailure::knows(QStringView line) {
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        if (patternOf(kind).match(line).hasMatch())
            return true;
    }
    return false;
}

DownloaderFailure DownloaderFailure::noDownloader() {
    return {QCoreApplication::translate(
                "DownloaderFailure",
                "Morvi has no downloader and could not fetch one. Connect to the internet and "
                "press Download again, or install the system's tools with this command:\n%1")
                .arg("sudo apt install yt-dlp ffmpeg"),
            Action::checkTools,
            {}};
}

DownloaderFailure DownloaderFailure::noConverter() {
    return {QCoreApplication::translate(
                "DownloaderFailure",
                "Morvi has no converter and could not fetch one. Connect to the internet and "
                "press Download again, or install the system's tools with this command:\n%1")
                .arg("sudo apt install yt-dlp ffmpeg"),
            Action::checkTools,
            {}};
}
