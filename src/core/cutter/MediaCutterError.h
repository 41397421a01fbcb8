#pragma once

#include "core/platform/UserFacingError.h"

#include <QCoreApplication>

// Why a cut did not succeed, worded for the user.
class MediaCutterError : public UserFacingError {
    Q_DECLARE_TR_FUNCTIONS(MediaCutterError)

public:
    enum class Kind { cuttingFailed, ffmpegNotFound };

    static MediaCutterError cuttingFailed(const QString& message) {
        return MediaCutterError(Kind::cuttingFailed, message);
    }
    static MediaCutterError ffmpegNotFound() { return MediaCutterError(Kind::ffmpegNotFound, {}); }

    Kind kind() const { return errorKind; }
    QString description() const override {
        switch (errorKind) {
        case Kind::cuttingFailed:
            return tr("Media cutting failed: %1").arg(message);
        case Kind::ffmpegNotFound:
            return tr("FFmpeg executable not found. Please ensure it's installed.");
        }
        return {};
    }

private:
    MediaCutterError(Kind kind, QString message)
        : errorKind(kind)
        , message(std::move(message)) {}

    Kind errorKind;
    QString message;
};
