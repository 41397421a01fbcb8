#pragma once

#include "DownloadChoices.h"

#include <QString>

// What one download is asked to make: a format of the vocabulary and both qualities. Both are
// always kept, whatever the format, so that switching the format back finds its quality again;
// the downloader's command line takes the one the format needs.
struct FormatChoice {
    QString format = DownloadChoices::defaultFormat;
    QString videoQuality = DownloadChoices::defaultVideoQuality;
    QString audioQuality = DownloadChoices::defaultAudioQuality;

    bool isAudio() const { return DownloadChoices::isAudioFormat(format); }
    // The quality this format uses.
    const QString& quality() const { return isAudio() ? audioQuality : videoQuality; }

    bool operator==(const FormatChoice&) const = default;
};
