#include "DownloadChoices.h"

namespace DownloadChoices {

const QList<Choice>& formats() {
    static const QList<Choice> choices{{"MP3", "MP3"}, {"MP4", "MP4"}, {"M4A", "M4A"}};
    return choices;
}

const QList<Choice>& videoQualities() {
    static const QList<Choice> choices{{"Best", "Best"},
                                       {"Highest Available", "Highest"},
                                       {"2160p", "2160p"},
                                       {"1440p", "1440p"},
                                       {"1080p", "1080p"},
                                       {"720p", "720p"},
                                       {"480p", "480p"},
                                       {"360p", "360p"},
                                       {"Lowest Available", "Lowest"}};
    return choices;
}

const QList<Choice>& audioQualities() {
    static const QList<Choice> choices{{"320k", "320k"}, {"256k", "256k"}, {"192k", "192k"},
                                       {"128k", "128k"}, {"96k", "96k"},   {"64k", "64k"}};
    return choices;
}

bool isAudioFormat(const QString& format) {
    return format == "MP3" || format == "M4A";
}

} // namespace DownloadChoices
