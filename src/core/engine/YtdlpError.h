#pragma once

#include "core/platform/UserFacingError.h"

#include <QCoreApplication>

// Why a download did not succeed, worded for the user.
class YtdlpError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(YtdlpError)

public:
    enum class Kind { downloadFailed, ytDlpNotFound, ffmpegNotFound };

    static YtdlpError downloadFailed(const QString& message) {
        return YtdlpError(Kind::downloadFailed, message);
    }
    static YtdlpError ytDlpNotFound() { return YtdlpError(Kind::ytDlpNotFound, {}); }
    static YtdlpError ffmpegNotFound() { return YtdlpError(Kind::ffmpegNotFound, {}); }

    Kind kind() const { return errorKind; }
    QString description() const override {
        switch (errorKind) {
        case Kind::downloadFailed:
            return tr("Download failed: %1").arg(message);
        case Kind::ytDlpNotFound:
            return tr("Downloader plugin not found. Please ensure it's installed.");
        case Kind::ffmpegNotFound:
            return tr("Converter plugin not found. Please ensure it's installed.");
        }
        return {};
    }

private:
    YtdlpError(Kind kind, QString message)
        : errorKind(kind)
        , message(std::move(message)) {}

    Kind errorKind;
    QString message;
};
