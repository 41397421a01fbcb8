#pragma once

#include "core/platform/UserFacingError.h"

#include <QStringList>

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
public:
    enum class Kind { downloadFailed, ytDlpNotFound, ffmpegNotFound };

    // toolErrors: the downloader's own last "ERROR:" lines, oldest first.
    static YtdlpError downloadFailed(const QString& message, QStringList toolErrors = {}) {
        YtdlpError error(Kind::downloadFailed, message);
        error.lines = std::move(toolErrors);
        return error;
    }
    static YtdlpError ytDlpNotFound() { return YtdlpError(Kind::ytDlpNotFound, {}); }
    static YtdlpError ffmpegNotFound() { return YtdlpError(Kind::ffmpegNotFound, {}); }

    Kind kind() const { return errorKind; }
    QStringList toolErrors() const { return lines; }
    QString description() const override {
        switch (errorKind) {
        case Kind::downloadFailed:
            return "Download failed: " + message;
        case Kind::ytDlpNotFound:
            return "Downloader plugin not found. Please ensure it's installed.";
        case Kind::ffmpegNotFound:
            return "Converter plugin not found. Please ensure it's installed.";
        }
        return {};
    }

private:
    YtdlpError(Kind kind, QString message)
        : errorKind(kind)
        , message(std::move(message)) {}

    Kind errorKind;
    QString message;
    QStringList lines;
};
