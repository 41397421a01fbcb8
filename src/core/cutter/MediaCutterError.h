#pragma once

#include "core/diagnostics/UserFacingError.h"

#include <QCoreApplication>

// Why a cut did not succeed, worded for the user.
class MediaCutterError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(MediaCutterError)

public:
    // The controller's log line says that the cut failed; message says why.
    static MediaCutterError cuttingFailed(const QString& message) {
        return MediaCutterError(message);
    }
    static MediaCutterError ffmpegNotFound() {
        return MediaCutterError(tr("FFmpeg executable not found. Please ensure it's installed."));
    }

private:
    using UserFacingError::UserFacingError;
};
