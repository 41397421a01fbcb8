#include "MediaDescription.h"

#include "core/engine/DownloadChoices.h"
#include "core/text/DisplayText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <limits>

namespace {

// A number of bytes or seconds; none for what is below zero or beyond anything a file or a
// clock could measure, which no window could show.
std::optional<double> measureIn(const QJsonValue& value) {
    const double amount = value.toDouble(-1);
    return amount >= 0 && amount < 1e15 ? std::optional(amount) : std::nullopt;
}

bool isNone(const QJsonValue& codec) {
    return codec.toString() == u"none";
}

MediaDescription::Format formatOf(const QJsonObject& object) {
    MediaDescription::Format format;
    if (object.value("height").isDouble())
        format.height = object.value("height").toInt();
    // A codec that is not named may still be there (a direct file link names none).
    format.hasVideo =
        !isNone(object.value("vcodec")) && (format.height || object.value("vcodec").isString());
    format.hasAudio = !isNone(object.value("acodec"));
    format.bytes = measureIn(object.value("filesize"));
    if (!format.bytes) {
        format.bytes = measureIn(object.value("filesize_approx"));
        format.bytesApproximate = format.bytes.has_value();
    }
    format.bitrate = object.value("tbr").toDouble();
    return format;
}

// The height limit of a video quality; 0 for the lowest on offer.
int heightLimit(const QString& videoQuality) {
    if (videoQuality == u"Lowest Available")
        return 0;
    return DownloadChoices::videoHeight(videoQuality).value_or(std::numeric_limits<int>::max());
}

template <typename Better>
const MediaDescription::Format* bestOf(const QList<MediaDescription::Format>& formats,
                                       Better better) {
    const MediaDescription::Format* best = nullptr;
    for (const MediaDescription::Format& format : formats) {
        if (!best || better(format, *best))
            best = &format;
    }
    return best;
}

// Capped like every text a site shapes: a file name preview shows them.
QHash<QString, QString> fieldsOf(const QJsonObject& root) {
    QHash<QString, QString> fields;
    for (auto field = root.begin(); field != root.end(); ++field) {
        if (field->isString())
            fields.insert(field.key(), DisplayText::capped(field->toString()));
        else if (field->isDouble())
            fields.insert(field.key(), QString::number(field->toDouble(), 'g', 15));
    }
    return fields;
}

} // namespace

std::optional<MediaDescription> MediaDescription::fromJson(const QByteArray& document,
                                                           QString& error) {
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(document, &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        error = parseError.errorString();
        return std::nullopt;
    }
    if (root.isEmpty()) {
        error = QCoreApplication::translate("MediaDescription",
                                            "the downloader's answer describes nothing");
        return std::nullopt;
    }
    MediaDescription description;
    description.title = DisplayText::capped(root.value("title").toString());
    description.uploader =
        DisplayText::capped(root.value("uploader").toString(root.value("channel").toString()));
    description.seconds = measureIn(root.value("duration"));
    description.thumbnail = QUrl(root.value("thumbnail").toString());
    description.isPlaylist = root.value("_type").toString() == u"playlist";
    description.entryCount = root.value("playlist_count").isDouble()
                                 ? std::max(root.value("playlist_count").toInt(), 0)
                                 : static_cast<int>(root.value("entries").toArray().size());
    description.fields = fieldsOf(root);
    description.subtitleLanguages = root.value("subtitles").toObject().keys();
    description.captionLanguages = root.value("automatic_captions").toObject().keys();
    const QJsonArray formats = root.value("formats").toArray();
    for (const QJsonValue& format : formats)
        description.formats << formatOf(format.toObject());
    // A single file is described by the document itself.
    if (formats.isEmpty() && !description.isPlaylist)
        description.formats << formatOf(root);
    return description;
}

QSet<int> MediaDescription::heights() const {
    QSet<int> offered;
    for (const Format& format : formats) {
        if (format.hasVideo && format.height)
            offered.insert(*format.height);
    }
    return offered;
}

std::optional<MediaDescription::SizeEstimate>
MediaDescription::estimate(const QString& format, const QString& videoQuality,
                           const std::optional<MediaSection>& section) const {
    const auto byBitrate = [](const Format& a, const Format& b) {
        return a.bitrate > b.bitrate;
    };
    QList<Format> audioOnly, video;
    for (const Format& each : formats)
        (each.hasVideo ? video : audioOnly) << each;
    audioOnly.removeIf([](const Format& each) { return !each.hasAudio; });
    const Format* audio = bestOf(audioOnly, byBitrate);
    QList<const Format*> parts;
    if (DownloadChoices::isAudioFormat(format)) {
        parts << audio;
    } else {
        const int limit = heightLimit(videoQuality);
        video.removeIf(
            [limit](const Format& each) { return limit > 0 && each.height.value_or(0) > limit; });
        const Format* chosen = bestOf(video, [limit](const Format& a, const Format& b) {
            const int ha = a.height.value_or(0), hb = b.height.value_or(0);
            if (ha != hb)
                return limit == 0 ? ha < hb : ha > hb;
            return a.bitrate > b.bitrate;
        });
        parts << chosen;
        if (chosen && !chosen->hasAudio)
            parts << audio;
    }
    SizeEstimate estimate;
    for (const Format* part : parts) {
        if (!part || !part->bytes)
            return std::nullopt;
        estimate.bytes += *part->bytes;
        estimate.approximate = estimate.approximate || part->bytesApproximate;
    }
    if (!section)
        return estimate;
    if (!seconds || *seconds <= 0)
        return std::nullopt;
    const double share = (section->end.value_or(*seconds) - section->start) / *seconds;
    return SizeEstimate{estimate.bytes * std::clamp(share, 0.0, 1.0), true};
}
