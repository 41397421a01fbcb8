#pragma once

#include "DownloadProgress.h"
#include "DownloadRequest.h"

#include <QCoroTask>
#include <QString>
#include <functional>

// Runs one download at a time and stops it on request. The controllers own one each;
// tests give them a scripted engine instead of the downloader.
class DownloadEngine {
public:
    using ProgressHandler = std::function<void(const DownloadProgress&)>;
    using LogHandler = std::function<void(const QString&)>;

    virtual ~DownloadEngine() = default;

    // Downloads the request's address into its output folder. Each chunk of the tool's output goes
    // unsplit to logHandler as it is read, then the latest progress it completed to
    // progressHandler. Returns the final file as the tool named it (relative to outputPath unless
    // absolute;
    // "" when it named none); throws a UserFacingError whose description says why it
    // failed, a YtdlpError with the tool's own last error lines.
    virtual QCoro::Task<QString> downloadVideo(DownloadRequest request,
                                               ProgressHandler progressHandler,
                                               LogHandler logHandler) = 0;
    // Ends the running download; downloadVideo then fails.
    virtual void stopDownload() = 0;
    // Whether the tools a download needs are at hand; without them downloadVideo fails.
    virtual bool hasTools() const = 0;
};
