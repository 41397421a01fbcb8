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

    enum class Depth {
        // The length too: reads the first packets of every stream.
        full,
        // Only which kinds of stream there are, from the container's header where it has
        // one: a fraction of the time, and the duration may stay unknown.
        streams,
    };

    // Reads the file on the calling thread; this blocks on file I/O.
    static Info read(const QString& path, Depth depth = Depth::full);
    // Reads the file on a worker thread and resumes the caller on its own thread.
    static QCoro::Task<Info> readInBackground(QString path, Depth depth = Depth::full);
};
