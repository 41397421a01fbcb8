#pragma once

#include "core/diagnostics/UserFacingError.h"

#include <QCoreApplication>
#include <QStringList>

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(YtdlpError)

public:
    // toolErrors: the downloader's own last "ERROR:" lines, oldest first.
    static YtdlpError downloadFailed(const QString& message, QStringList toolErrors = {}) {
        YtdlpError error(tr("Download failed: %1").arg(message));
        error.lines = std::move(toolErrors);
        return error;
    }
    static YtdlpError ytDlpNotFound() {
        return YtdlpError(tr("Downloader plugin not found. Please ensure it's installed."));
    }
    static YtdlpError ffmpegNotFound() {
        return YtdlpError(tr("Converter plugin not found. Please ensure it's installed."));
    }

    QStringList toolErrors() const { return lines; }

private:
    using UserFacingError::UserFacingError;

    QStringList lines;
};
