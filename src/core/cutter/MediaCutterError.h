#pragma once

#include "core/platform/UserFacingError.h"

// Why a cut did not succeed, worded for the user.
class MediaCutterError : public UserFacingError {
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
            return "Media cutting failed: " + message;
        case Kind::ffmpegNotFound:
            return "FFmpeg executable not found. Please ensure it's installed.";
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
