#pragma once

#include "core/platform/UserFacingError.h"

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
public:
    static YtdlpError downloadFailed(const QString& message) {
        return YtdlpError("Download failed: " + message);
    }
    static YtdlpError ytDlpNotFound() {
        return YtdlpError("Downloader plugin not found. Please ensure it's installed.");
    }
    static YtdlpError ffmpegNotFound() {
        return YtdlpError("Converter plugin not found. Please ensure it's installed.");
    }

private:
    using UserFacingError::UserFacingError;
};
