#include "AddressDescription.h"

#include "core/platform/LaunchError.h"
#include "core/platform/ToolRun.h"
#include "core/tools/FileManagerHelper.h"
#include "core/tools/ToolLocation.h"
#include <QCoroFuture>
#include <QtConcurrentRun>

#include <QCoroNetworkReply>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

// Even a long playlist's document stays well below this; more is not read.
constexpr qsizetype documentLimit = 64 * 1024 * 1024;
constexpr qint64 thumbnailLimit = 8 * 1024 * 1024;
constexpr int thumbnailTimeLimitMs = 20000;

struct Parsed {
    std::optional<MediaDescription> description;
    QString error;
};

// The document is the one line that starts with "{"; warnings may stand before it.
QByteArray documentIn(const QString& output) {
    const qsizetype start = output.startsWith('{') ? 0 : output.lastIndexOf(u"\n{") + 1;
    return start == 0 && !output.startsWith('{') ? QByteArray() : output.sliced(start).toUtf8();
}

// The downloader's own reason: its last "ERROR:" line.
QString errorIn(const QString& output, int status) {
    const QStringList lines = output.split('\n');
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->startsWith("ERROR:"))
            return line->sliced(6).trimmed();
    }
    return AddressDescription::tr("the downloader ended with status %1").arg(status);
}

bool isImageReply(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status <= 299 &&
           reply.header(QNetworkRequest::ContentTypeHeader).toString().startsWith("image/");
}

} // namespace

AddressDescription::AddressDescription(QObject* parent)
    : QObject(parent) {
    pause.setSingleShot(true);
    pause.setInterval(typingPause);
    connect(&pause, &QTimer::timeout, this,
            [this] { describe(pendingAddress, pendingPlaylists, currentRun); });
}

AddressDescription::~AddressDescription() {
    if (running)
        running->stop();
}

void AddressDescription::setAddress(const QString& address, bool playlists) {
    cancel();
    ++currentRun;
    pendingAddress = address.trimmed();
    pendingPlaylists = playlists;
    media = {};
    image = {};
    reason.clear();
    if (pendingAddress.isEmpty()) {
        setState(State::idle);
        return;
    }
    setState(State::describing);
    pause.start();
}

void AddressDescription::cancel() {
    pause.stop();
    if (running)
        running->stop();
    running = nullptr;
    if (current == State::describing) {
        ++currentRun;
        setState(State::idle);
    }
}

QCoro::Task<> AddressDescription::describe(QString address, bool playlists, int run) {
    const QPointer<AddressDescription> self(this);
    const std::optional<LocatedTool> downloader = ToolLocation::find(FileManagerHelper().ytDlpPath);
    if (!downloader) {
        fail(tr("the downloader is not installed"));
        co_return;
    }
    // As every run of the tool: no configuration file, and the address never an option.
    QStringList arguments{"-J", "--ignore-config"};
    if (!playlists)
        arguments << "--no-playlist";
    arguments << "--" << address;
    // The document comes on the output stream; warnings and errors on the other, at any
    // moment, so that one stream holding both could end in a warning.
    QString output;
    QString errors;
    ToolRun tool({.program = downloader->path,
                  .arguments = arguments,
                  .read = ToolRun::Read::BothStreams,
                  .timeLimit = timeLimit},
                 [&output, &errors](ToolRun::Stream stream, const QString& text) {
                     QString& into = stream == ToolRun::Stream::output ? output : errors;
                     if (into.size() < documentLimit)
                         into += text;
                 });
    running = &tool;
    ToolRun::Exit exit;
    try {
        exit = co_await tool.run();
    } catch (const LaunchError& error) {
        exit = {-1, false, false};
        errors = "ERROR: " + error.description();
    }
    if (!self || self->currentRun != run)
        co_return;
    running = nullptr;
    if (exit.timedOut || !exit.succeeded()) {
        fail(exit.timedOut ? tr("no answer within %1 s").arg(timeLimit.count())
                           : errorIn(errors, exit.status));
        co_return;
    }
    QFuture<Parsed> parsing = QtConcurrent::run([document = documentIn(output)] {
        Parsed parsed;
        parsed.description = MediaDescription::fromJson(document, parsed.error);
        return parsed;
    });
    const Parsed parsed = co_await parsing;
    if (!self || currentRun != run)
        co_return;
    if (!parsed.description) {
        fail(parsed.error);
        co_return;
    }
    media = *parsed.description;
    setState(State::described);
    co_await fetchThumbnail(media.thumbnail, run);
}

// Only an http or https image, within a time and a size limit, and never to disk.
QCoro::Task<> AddressDescription::fetchThumbnail(QUrl url, int run) {
    if (url.scheme() != u"https" && url.scheme() != u"http")
        co_return;
    const QPointer<AddressDescription> self(this);
    const QScopedPointer<QNetworkAccessManager, QScopedPointerDeleteLater> network(
        new QNetworkAccessManager);
    network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkRequest request(url);
    request.setTransferTimeout(thumbnailTimeLimitMs);
    const QScopedPointer<QNetworkReply, QScopedPointerDeleteLater> reply(network->get(request));
    QByteArray bytes;
    QObject::connect(reply.data(), &QNetworkReply::readyRead, reply.data(), [&bytes, &reply] {
        if (!isImageReply(*reply) || bytes.size() + reply->bytesAvailable() > thumbnailLimit) {
            reply->abort();
            return;
        }
        bytes += reply->readAll();
    });
    co_await reply.data();
    if (reply->error() != QNetworkReply::NoError || !isImageReply(*reply))
        co_return;
    bytes += reply->readAll();
    if (!self || currentRun != run || bytes.size() > thumbnailLimit)
        co_return;
    QImage decoded;
    if (decoded.loadFromData(bytes)) {
        image = decoded;
        emit changed();
    }
}

void AddressDescription::fail(const QString& why) {
    running = nullptr;
    reason = why;
    setState(State::failed);
}

void AddressDescription::setState(State state) {
    current = state;
    emit changed();
}
