#include "MediaProbe.h"

#include <QCoroSignal>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

namespace {

QString reasonOf(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromUtf8(text);
}

MediaProbe::Info describe(const AVFormatContext& context) {
    MediaProbe::Info info;
    if (context.duration != AV_NOPTS_VALUE)
        info.duration = static_cast<double>(context.duration) / AV_TIME_BASE;
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        const AVStream& stream = *context.streams[i];
        const AVMediaType type = stream.codecpar->codec_type;
        if (type == AVMEDIA_TYPE_VIDEO && !(stream.disposition & AV_DISPOSITION_ATTACHED_PIC))
            info.hasVideo = true;
        if (type == AVMEDIA_TYPE_AUDIO)
            info.hasAudio = true;
    }
    return info;
}

} // namespace

MediaProbe::Info MediaProbe::read(const QString& path, Depth depth) {
    // Only the local file itself may be opened: the "file:" prefix keeps a colon in the
    // name from selecting another protocol, and the white list keeps a playlist file
    // from reaching out to the network.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* context = nullptr;
    const QByteArray url = "file:" + path.toUtf8();
    int result = avformat_open_input(&context, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (result < 0)
        return {reasonOf(result), std::nullopt, false, false};
    // Some containers name their streams only in their packets.
    if (depth == Depth::full || context->nb_streams == 0 ||
        (context->ctx_flags & AVFMTCTX_NOHEADER))
        result = avformat_find_stream_info(context, nullptr);
    Info info =
        result < 0 ? Info{reasonOf(result), std::nullopt, false, false} : describe(*context);
    avformat_close_input(&context);
    return info;
}

QCoro::Task<MediaProbe::Info> MediaProbe::readInBackground(QString path, Depth depth) {
    auto promise = std::make_shared<QPromise<Info>>();
    QFuture<Info> future = promise->future();
    promise->start();
    QFutureWatcher<Info> watcher;
    watcher.setFuture(future);
    QThreadPool::globalInstance()->start([promise, path, depth] {
        promise->addResult(read(path, depth));
        promise->finish();
    });
    // The watcher reports through the event loop, so the caller always resumes after
    // the call that started the reading has returned, however fast the file was read.
    co_await qCoro(&watcher, &QFutureWatcherBase::finished);
    co_return future.result();
}
