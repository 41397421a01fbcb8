#include "PlaylistEntries.h"

#include "core/platform/LaunchError.h"
#include "core/platform/ToolRun.h"
#include "core/tools/FileManagerHelper.h"
#include "core/tools/ToolLocation.h"
#include <QCoroFuture>
#include <QtConcurrentRun>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("PlaylistEntries", text);
}

// The downloader's own reason: its last "ERROR:" line.
QString errorIn(const QString& output) {
    const QStringList lines = output.split('\n');
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->startsWith("ERROR:"))
            return line->sliced(6).trimmed();
    }
    return translated("the downloader could not list it");
}

// The listing a "--flat-playlist -J" document gives: its title and each entry's address.
PlaylistEntries::Listing listingIn(const QByteArray& document) {
    QJsonParseError parseError;
    const QJsonObject root = QJsonDocument::fromJson(document, &parseError).object();
    PlaylistEntries::Listing listing;
    if (parseError.error != QJsonParseError::NoError || root.isEmpty()) {
        listing.error = parseError.errorString();
        return listing;
    }
    listing.title = root.value("title").toString();
    for (const QJsonValue& entry : root.value("entries").toArray()) {
        const QJsonObject object = entry.toObject();
        const QString address =
            object.value("url").toString(object.value("webpage_url").toString());
        if (!address.isEmpty())
            listing.addresses << address;
    }
    return listing;
}

} // namespace

QCoro::Task<PlaylistEntries::Listing> PlaylistEntries::list(QString address) {
    const std::optional<LocatedTool> downloader = ToolLocation::find(FileManagerHelper().ytDlpPath);
    if (!downloader)
        co_return Listing{{}, {}, translated("the downloader is not installed")};
    // As every run of the tool: no configuration file, and the address never an option.
    const QStringList arguments{"--flat-playlist", "-J", "--ignore-config", "--", address};
    // The document comes on the output stream; warnings and errors on the other.
    QString output;
    QString errors;
    ToolRun tool({.program = downloader->path,
                  .arguments = arguments,
                  .read = ToolRun::Read::BothStreams,
                  .timeLimit = std::chrono::minutes(2)},
                 [&output, &errors](ToolRun::Stream stream, const QString& text) {
                     (stream == ToolRun::Stream::output ? output : errors) += text;
                 });
    ToolRun::Exit exit;
    try {
        exit = co_await tool.run();
    } catch (const LaunchError& error) {
        co_return Listing{{}, {}, error.description()};
    }
    if (!exit.succeeded())
        co_return Listing{{}, {}, errorIn(errors)};
    // The document is the line that starts with "{"; warnings may stand before it.
    const qsizetype start = output.startsWith('{') ? 0 : output.lastIndexOf(u"\n{") + 1;
    QFuture<Listing> parsing = QtConcurrent::run(
        [document = output.sliced(start).toUtf8()] { return listingIn(document); });
    co_return co_await parsing;
}
