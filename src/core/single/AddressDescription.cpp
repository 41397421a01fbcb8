#include "AddressDescription.h"

#include "core/engine/DocumentRun.h"
#include "core/text/WebAddress.h"
#include <QCoroFuture>
#include <QtConcurrentRun>

#include <QCoroNetworkReply>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

constexpr qint64 thumbnailLimit = 8 * 1024 * 1024;
// What the network layer may hold of the reply before it is read: it reads ahead otherwise.
constexpr qint64 thumbnailReadBuffer = 256 * 1024;
constexpr int thumbnailTimeLimitMs = 20000;

struct Parsed {
    std::optional<MediaDescription> description;
    QString error;
};

bool isImageReply(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status <= 299 &&
           reply.header(QNetworkRequest::ContentTypeHeader).toString().startsWith("image/");
}

bool announcesTooMuch(const QNetworkReply& reply) {
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    return announced.isValid() && announced.toLongLong() > thumbnailLimit;
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

void AddressDescription::setAddress(const QString& address, bool playlists, Arrival arrival) {
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
    if (arrival == Arrival::whole)
        describe(pendingAddress, pendingPlaylists, currentRun);
    else
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
    QStringList options{"-J"};
    if (!playlists)
        options << "--no-playlist";
    DocumentRun documentRun(options, address, timeLimit);
    running = &documentRun;
    const DocumentRun::Answer answer = co_await documentRun.run();
    if (!self || self->currentRun != run)
        co_return;
    running = nullptr;
    if (!answer.error.isEmpty()) {
        fail(answer.error);
        co_return;
    }
    QFuture<Parsed> parsing = QtConcurrent::run([document = answer.document] {
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

// Only an http or https image, within a time and a size limit, and never to disk; the size
// limit holds for what is held in memory too.
QCoro::Task<> AddressDescription::fetchThumbnail(QUrl url, int run) {
    if (!isWebAddress(url))
        co_return;
    const QPointer<AddressDescription> self(this);
    const QScopedPointer<QNetworkAccessManager, QScopedPointerDeleteLater> network(
        new QNetworkAccessManager);
    network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkRequest request(url);
    request.setTransferTimeout(thumbnailTimeLimitMs);
    const QScopedPointer<QNetworkReply, QScopedPointerDeleteLater> reply(network->get(request));
    reply->setReadBufferSize(thumbnailReadBuffer);
    // Refused by its headers, before any of its body is read.
    QObject::connect(reply.data(), &QNetworkReply::metaDataChanged, reply.data(), [&reply] {
        if (!isImageReply(*reply) || announcesTooMuch(*reply))
            reply->abort();
    });
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
