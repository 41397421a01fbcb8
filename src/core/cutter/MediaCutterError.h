#pragma once

#include "core/platform/UserFacingError.h"

// Why a cut did not succeed, worded for the user.
class MediaCutterError : public UserFacingError {
public:
    static MediaCutterError cuttingFailed(const QString& message) {
        return MediaCutterError("Media cutting failed: " + message);
    }
    static MediaCutterError ffmpegNotFound() {
        return MediaCutterError("FFmpeg executable not found. Please ensure it's installed.");
    }

private:
    using UserFacingError::UserFacingError;
};
