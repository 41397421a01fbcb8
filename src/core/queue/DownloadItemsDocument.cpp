#include "DownloadItemsDocument.h"

#include "core/engine/DownloadChoices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>

namespace {

// Qt writes the values: escapes, UTF-8 and the shortest numbers that read back the same.
// The stored format fixes two things beyond that: members in this order, where Qt's objects
// sort them, and "/" written as "\/".
constexpr std::array<const char*, 7> memberNames = {
    "id", "url", "status", "progress", "format", "videoQuality", "audioQuality"};

QJsonArray memberValues(const BulkDownloadItem& item) {
    return {item.id.toString(QUuid::WithoutBraces).toUpper(),
            item.url,
            rawValue(item.status),
            item.progress,
            item.choice.format,
            item.choice.videoQuality,
            item.choice.audioQuality};
}

// Qt's compact [[value,...],...] as [{"id":value,...},...] with "/" escaped in strings.
QByteArray namedMembers(const QByteArray& rows) {
    QByteArray out;
    out.reserve(rows.size() + rows.size() / 2);
    int depth = 0;
    std::size_t member = 0;
    bool inString = false;
    bool escaped = false;
    const auto nextName = [&] {
        out += '"';
        out += memberNames[member++];
        out += "\":";
    };
    for (const char c : rows) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            out += c == '/' ? QByteArrayView("\\/") : QByteArrayView(&c, 1);
        } else if (c == '[' && ++depth == 2) {
            out += '{';
            member = 0;
            nextName();
        } else if (c == ']' && depth-- == 2) {
            out += '}';
        } else {
            out += c;
            inString = c == '"';
            if (c == ',' && depth == 2)
                nextName();
        }
    }
    return out;
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

// A stored choice is one of a few words: every item shares the vocabulary's own text instead
// of holding a copy (a long queue holds hundreds of thousands).
QString sharedChoice(const QString& value, const QList<DownloadChoices::Choice>& vocabulary) {
    for (const DownloadChoices::Choice& choice : vocabulary) {
        if (choice.value == value)
            return choice.value;
    }
    return value;
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
    // Nothing runs for an item after a start: one stored while it downloaded (Morvi ended
    // meanwhile) was cut off.
    item.status = *known == DownloadStatus::downloading ? DownloadStatus::cancelled : *known;
    const QJsonValue progress = object.value("progress");
    if (!progress.isDouble())
        throw DecodingError{"\"progress\" is missing or not a number"};
    item.progress = progress.toDouble();
    item.choice.format = sharedChoice(stringMember(object, "format"), DownloadChoices::formats());
    item.choice.videoQuality =
        sharedChoice(stringMember(object, "videoQuality"), DownloadChoices::videoQualities());
    item.choice.audioQuality =
        sharedChoice(stringMember(object, "audioQuality"), DownloadChoices::audioQualities());
    return item;
}

} // namespace

std::optional<QByteArray> DownloadItemsDocument::encode(const QList<BulkDownloadItem>& items,
                                                        QString& error) {
    QJsonArray rows;
    for (const BulkDownloadItem& item : items) {
        if (!std::isfinite(item.progress)) {
            error = "Unable to encode " + QString::number(item.progress) + " directly in JSON.";
            return std::nullopt;
        }
        rows.append(memberValues(item));
    }
    return namedMembers(QJsonDocument(rows).toJson(QJsonDocument::Compact));
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
