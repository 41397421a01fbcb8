#pragma once

#include "DownloadRequest.h"

#include <QStringList>

// The one place where the downloader's command lines are made. Morvi's own options come first,
// then "--ignore-config", so that no configuration file from the output folder steers the tool,
// and "--" before the address, so that the address is never read as an option.
namespace DownloaderCommandLine {

// The options of a download, without the address: the file name template, what the file holds,
// the playlist choice, the format's extraction or merge with the converter at converterPath and
// the video's thumbnail and subtitles, the speed limit, the section and SponsorBlock, then the
// options of the request's DownloaderOptions. Options at their defaults add nothing.
QStringList options(const DownloadRequest& request, const QString& converterPath);

// The whole command line of a download: its options, "--ignore-config", "--" and the address.
QStringList forDownload(const DownloadRequest& request, const QString& converterPath);

// The whole command line of a run that answers with a document (runOptions such as "-J"), with
// the options that reach the sites, for the same address rules as a download.
QStringList forDocument(const QStringList& runOptions, const DownloaderOptions& options,
                        const QString& address);

} // namespace DownloaderCommandLine
