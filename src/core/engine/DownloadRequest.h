#pragma once

#include "DownloadOptions.h"
#include "DownloaderOptions.h"
#include "FormatChoice.h"
#include "MediaSection.h"

#include <QString>
#include <optional>

// One download as a controller hands it to the engine, read when it starts: later changes in
// the window do not reach it.
struct DownloadRequest {
    // As typed: the downloader is handed it unchanged, after "--".
    QString url;
    FormatChoice choice;
    // The folder the downloader writes into (its working folder).
    QString outputPath;
    bool downloadPlaylists = false;
    DownloaderOptions options;
    DownloadOptions download;
    // Only this part of the media; none downloads the whole.
    std::optional<MediaSection> section;

    bool operator==(const DownloadRequest&) const = default;
};
