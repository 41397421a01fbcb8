#pragma once

#include "core/platform/UserFacingError.h"

#include <QStringList>

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
public:
    // toolErrors: the downloader's own last "ERROR:" lines, oldest first.
    static YtdlpError downloadFailed(const QString& message, QStringList toolErrors = {}) {
        YtdlpError error("Download failed: " + message);
        error.lines = std::move(toolErrors);
        return error;
    }
    static YtdlpError ytDlpNotFound() {
        return YtdlpError("Downloader plugin not found. Please ensure it's installed.");
    }
    static YtdlpError ffmpegNotFound() {
        return YtdlpError("Converter plugin not found. Please ensure it's installed.");
    }

    QStringList toolErrors() const { return lines; }

private:
    using UserFacingError::UserFacingError;

    QStringList lines;
};
