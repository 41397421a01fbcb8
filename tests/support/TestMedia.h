#pragma once

#include <QStringList>

// Real media made at test time with Debian's converter, which can stand in as Morvi's.
namespace TestMedia {
bool available();
void installConverter();
// Runs the converter with the arguments and path as its output; true on success.
bool make(const QString& path, const QStringList& arguments);
// A test pattern with a tone at 25 frames a second.
bool makeClip(const QString& path, int seconds, int keyframeInterval = 25);
bool makeTone(const QString& path, int seconds);
// An MP3 with a cover picture, as the downloader's audio downloads have.
bool makeSongWithCover(const QString& path, int seconds);
// A WAV without samples written through a pipe: it states no length at all.
bool makeWithoutLength(const QString& path);
} // namespace TestMedia
