#include "DownloadItemsDocument.h"

#include "JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <stdexcept>

namespace {

void writeItem(JsonWriter& writer, const BulkDownloadItem& item) {
    writer.beginObject();
    writer.name(u"id");
    writer.string(item.id.toString(QUuid::WithoutBraces).toUpper());
    writer.name(u"url");
    writer.string(item.url);
    writer.name(u"status");
    writer.string(rawValue(item.status));
    writer.name(u"progress");
    writer.number(item.progress);
    writer.name(u"format");
    writer.string(item.format);
    writer.name(u"videoQuality");
    writer.string(item.videoQuality);
    writer.name(u"audioQuality");
    writer.string(item.audioQuality);
    writer.endObject();
}

struct DecodingError {
    QString reason;
};

QString stringMember(const QJsonObject& object, const QString& name) {
    const QJsonValue value = object.value(name);
    if (!value.isString())
        throw DecodingError{"\"" + name + "\" is missing or not a string"};
    return value.toString();
}

BulkDownloadItem readItem(const QJsonValue& value) {
    if (!value.isObject())
        throw DecodingError{"not an object"};
    const QJsonObject object = value.toObject();
    // The stored id is not read: every load gives the items new identities.
    BulkDownloadItem item;
    item.id = QUuid::createUuid();
    item.url = stringMember(object, "url");
    const QString status = stringMember(object, "status");
    const auto known = downloadStatusFromRawValue(status);
    if (!known)
        throw DecodingError{"unknown status \"" + status + "\""};
    item.status = *known;
    const QJsonValue progress = object.value("progress");
    if (!progress.isDouble())
        throw DecodingError{"\"progress\" is missing or not a number"};
    item.progress = progress.toDouble();
    item.format = stringMember(object, "format");
    item.videoQuality = stringMember(object, "videoQuality");
    item.audioQuality = stringMember(object, "audioQuality");
    return item;
}

} // namespace

std::optional<QByteArray> DownloadItemsDocument::encode(const QList<BulkDownloadItem>& items,
                                                        QString& error) {
    JsonWriter writer;
    try {
        writer.beginArray();
        for (const BulkDownloadItem& item : items)
            writeItem(writer, item);
        writer.endArray();
    } catch (const std::invalid_argument& invalid) {
        error = QString::fromUtf8(invalid.what());
        return std::nullopt;
    }
    return writer.document();
}

std::optional<QList<BulkDownloadItem>> DownloadItemsDocument::decode(const QByteArray& document,
                                                                     QString& error) {
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(document, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = "not valid JSON (" + parseError.errorString() + " at offset " +
                QString::number(parseError.offset) + ")";
        return std::nullopt;
    }
    if (!json.isArray()) {
        error = "the top level is not an array";
        return std::nullopt;
    }
    const QJsonArray array = json.array();
    QList<BulkDownloadItem> items;
    items.reserve(array.size());
    for (qsizetype index = 0; index < array.size(); ++index) {
        try {
            items.append(readItem(array.at(index)));
        } catch (const DecodingError& invalid) {
            error = "item " + QString::number(index) + ": " + invalid.reason;
            return std::nullopt;
        }
    }
    return items;
}
