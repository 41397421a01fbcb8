#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What a failed download means for the user, read from the downloader's own "ERROR:" and
// "WARNING:" lines: one sentence in the user's language, the one step that may mend it, and
// the tool's line the sentence was read from. Lines it does not know give no sentence, and
// the window shows the tool's own words instead.
struct DownloaderFailure {
    // The step a window can offer beside the sentence.
    enum class Action {
        none,
        // Sign in through a browser's cookies, chosen in Preferences.
        chooseBrowser,
        // Let the downloader update itself.
        updateDownloader,
        // Download the same address again with the "Best" quality.
        downloadBest,
        // Run the tool check again.
        checkTools,
    };

    QString sentence;
    Action action = Action::none;
    QString toolLine;
    // The output folder's disk is full: what the download left there only takes space.
    bool diskFull = false;

    bool isKnown() const { return !sentence.isEmpty(); }

    // The most telling of the lines, whatever their order: a cause wins over what follows from
    // it (a browser's unreadable cookies over the sign-in they would have given, a missing
    // JavaScript runtime over the formats that go missing without one), and a fact about the
    // video over advice about the downloader. A warning explains the failure only when no
    // error line does so in words this does not know.
    static DownloaderFailure read(const QStringList& lines);
    // Whether read knows the line by itself: the engine keeps such warnings, which can come
    // long before the error they explain.
    static bool knows(QStringView line);

    // When no downloader, or no converter, could be found or fetched.
    static DownloaderFailure noDownloader();
    static DownloaderFailure noConverter();
};
