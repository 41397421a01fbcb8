#pragma once

#include "DownloaderFailure.h"
#include "core/diagnostics/UserFacingError.h"

#include <QCoreApplication>
#include <QStringList>

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(YtdlpError)

public:
    // toolErrors: the downloader's own last "ERROR:" lines, oldest first; toolWarnings: the
    // "WARNING:" lines that can explain a failure.
    static YtdlpError downloadFailed(const QString& message, QStringList toolErrors = {},
                                     const QStringList& toolWarnings = {}) {
        YtdlpError error(message, toolErrors);
        error.meaning = DownloaderFailure::read(toolWarnings + toolErrors);
        return error;
    }
    static YtdlpError ytDlpNotFound() {
        YtdlpError error(tr("Downloader plugin not found. Please ensure it's installed."));
        error.meaning = DownloaderFailure::noDownloader();
        return error;
    }
    static YtdlpError ffmpegNotFound() {
        YtdlpError error(tr("Converter plugin not found. Please ensure it's installed."));
        error.meaning = DownloaderFailure::noConverter();
        return error;
    }

    // What the failure means for the user, when the downloader's lines tell.
    DownloaderFailure failure() const { return meaning; }
    // The meaning of the exception being handled, beside Failure::caught(); only inside a catch
    // block. Nothing is known of any other exception.
    static DownloaderFailure caughtMeaning() {
        try {
            throw;
        } catch (const YtdlpError& error) {
            return error.meaning;
        } catch (...) {
            return {};
        }
    }

private:
    using UserFacingError::UserFacingError;

    DownloaderFailure meaning;
};
