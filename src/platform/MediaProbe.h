#pragma once

#include <QCoroTask>
#include <QString>
#include <optional>

// Reads what a local media file holds (its length and whether it carries moving
// pictures or sound) through libavformat, without decoding it.
class MediaProbe {
public:
    struct Info {
        // Why the file could not be read, worded for the user; empty when it was read.
        QString failure;
        // The length in seconds; none when the file does not say.
        std::optional<double> duration;
        // A video stream that is not an attached picture: cover art is not video.
        bool hasVideo = false;
        bool hasAudio = false;
    };

    // Reads the file on the calling thread; this blocks on file I/O.
    static Info read(const QString& path);
    // Reads the file on a worker thread and resumes the caller on its own thread.
    static QCoro::Task<Info> readInBackground(QString path);
};
