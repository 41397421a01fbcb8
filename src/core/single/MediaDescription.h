#pragma once

#include "core/engine/MediaSection.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// What the downloader says of an address before anything is downloaded (its "-J" document):
// title, uploader, length, thumbnail and subtitles of a video, title and number of entries of a
// playlist, and the formats on offer with their heights and sizes.
struct MediaDescription {
    struct Format {
        std::optional<int> height;
        bool hasVideo = false;
        bool hasAudio = false;
        std::optional<double> bytes;
        bool bytesApproximate = false;
        double bitrate = 0; // kbit/s, to rank formats of the same kind
    };

    struct SizeEstimate {
        double bytes = 0;
        bool approximate = false;
    };

    QString title;
    QString uploader;
    std::optional<double> seconds;
    QUrl thumbnail;
    bool isPlaylist = false;
    int entryCount = 0;
    QList<Format> formats;
    // The document's own fields of text and numbers by their names ("title", "upload_date",
    // "ext", …), as a file name template reads them.
    QHash<QString, QString> fields;
    // The languages of the subtitles on offer, and of the site's automatic captions.
    QStringList subtitleLanguages;
    QStringList captionLanguages;

    // Reads the document; none, with the reason in error, when it is not one.
    static std::optional<MediaDescription> fromJson(const QByteArray& document, QString& error);

    // The video heights on offer.
    QSet<int> heights() const;
    // The size the chosen format and quality would download: for audio the best audio
    // stream, for video the tallest video within the quality's height and, when it carries
    // no sound, the best audio stream beside it; of a section, its share of the length. None
    // when a size, or the length a section needs, is unknown.
    std::optional<SizeEstimate> estimate(const QString& format, const QString& videoQuality,
                                         const std::optional<MediaSection>& section = {}) const;
};
