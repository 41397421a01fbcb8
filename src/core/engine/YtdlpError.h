#pragma once

#include "core/diagnostics/UserFacingError.h"

#include <QCoreApplication>

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(YtdlpError)

public:
    // toolErrors: the downloader's own last "ERROR:" lines, oldest first.
    static YtdlpError downloadFailed(const QString& message, QStringList toolErrors = {}) {
        return YtdlpError(tr("Download failed: %1").arg(message), std::move(toolErrors));
    }
    static YtdlpError ytDlpNotFound() {
        return YtdlpError(tr("Downloader plugin not found. Please ensure it's installed."));
    }
    static YtdlpError ffmpegNotFound() {
        return YtdlpError(tr("Converter plugin not found. Please ensure it's installed."));
    }

private:
    using UserFacingError::UserFacingError;
};
