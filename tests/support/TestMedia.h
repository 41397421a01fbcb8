#pragma once

#include <QString>
#include <QStringList>

// Real media made at test time with Debian's converter, which can stand in as Morvi's.
namespace TestMedia {
// Whether Debian's /usr/bin/ffmpeg is there.
bool available();
// Links Debian's converter into Morvi's tools folder in place of any other.
void installConverter();
// Runs Debian's converter with the arguments and path as its output; true on success.
bool make(const QString& path, const QStringList& arguments);
// A test pattern with a tone; one keyframe every keyframeInterval frames (25 a second).
bool makeClip(const QString& path, int seconds, int keyframeInterval = 25);
// Sound only.
bool makeTone(const QString& path, int seconds);
// An MP3 with an embedded cover picture, as the downloader's audio downloads have.
bool makeSongWithCover(const QString& path, int seconds);
// A WAV without samples written through a pipe: it states no length at all.
bool makeWithoutLength(const QString& path);
} // namespace TestMedia
