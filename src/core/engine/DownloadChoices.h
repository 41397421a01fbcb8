#pragma once

#include <QList>
#include <QString>
#include <optional>

// The one vocabulary of download choices that the engine understands and the windows
// offer: each value with the label a compact picker shows for it.
namespace DownloadChoices {

struct Choice {
    // What the engine is handed and the queue stores, never translated.
    QString value;
    // The main window's shorter label, as written in the sources; a format's carries the
    // mnemonic of its button.
    QString shortLabel;
};

// "MP3", "MP4", "M4A".
const QList<Choice>& formats();
// "Best" … "Lowest Available", in the order the windows list them.
const QList<Choice>& videoQualities();
// "320k" … "64k".
const QList<Choice>& audioQualities();

// What a window shows for a value or a short label of these lists: its translation. Any
// other text (a stored queue may hold anything) shows as it is.
QString shown(const QString& text);

// The choices of a new controller.
inline const QString defaultFormat = "MP3";
inline const QString defaultVideoQuality = "1080p";
inline const QString defaultAudioQuality = "192k";

// The height a video quality names ("720p": 720); none for the others ("Best", "Highest
// Available").
std::optional<int> videoHeight(const QString& quality);

// MP3 and M4A extract the audio; every other format (a stored queue may hold anything)
// downloads the video, with the video quality.
bool isAudioFormat(const QString& format);

} // namespace DownloadChoices
