#include "MediaProbe.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <dlfcn.h>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

namespace {

// libavformat brings the whole codec stack with it (over a hundred libraries, some 20 MiB):
// it is loaded when the first file is probed, not when Morvi starts. The library versions
// are the ones of the headers, so the structures read below match.
struct LibAvFormat {
    decltype(&av_dict_set) dictSet = nullptr;
    decltype(&av_dict_free) dictFree = nullptr;
    decltype(&av_strerror) strError = nullptr;
    decltype(&avformat_open_input) openInput = nullptr;
    decltype(&avformat_find_stream_info) findStreamInfo = nullptr;
    decltype(&avformat_close_input) closeInput = nullptr;
    QString loadFailure;

    static const LibAvFormat& get() {
        static const LibAvFormat library = load();
        return library;
    }

private:
    static LibAvFormat load() {
        LibAvFormat library;
        void* avutil = open("libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR), library);
        void* avformat = open("libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR), library);
        if (!avutil || !avformat)
            return library;
        resolve(avutil, "av_dict_set", library.dictSet, library);
        resolve(avutil, "av_dict_free", library.dictFree, library);
        resolve(avutil, "av_strerror", library.strError, library);
        resolve(avformat, "avformat_open_input", library.openInput, library);
        resolve(avformat, "avformat_find_stream_info", library.findStreamInfo, library);
        resolve(avformat, "avformat_close_input", library.closeInput, library);
        return library;
    }

    static void* open(const char* soname, LibAvFormat& library) {
        void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        if (!handle && library.loadFailure.isEmpty())
            library.loadFailure = QCoreApplication::translate(
                                      "MediaProbe", "The media library could not be loaded: %1")
                                      .arg(QString::fromLocal8Bit(dlerror()));
        return handle;
    }

    template <typename Function>
    static void resolve(void* handle, const char* name, Function& function, LibAvFormat& library) {
        function = reinterpret_cast<Function>(dlsym(handle, name));
        if (!function && library.loadFailure.isEmpty())
            library.loadFailure =
                //: %1: a function that the installed FFmpeg library does not have.
                QCoreApplication::translate("MediaProbe", "The media library lacks %1").arg(name);
    }
};

QString reasonOf(const LibAvFormat& av, int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av.strError(error, text, sizeof text);
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
    const LibAvFormat& av = LibAvFormat::get();
    if (!av.loadFailure.isEmpty())
        return {av.loadFailure, std::nullopt, false, false};
    AVDictionary* options = nullptr;
    av.dictSet(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* context = nullptr;
    const QByteArray url = "file:" + path.toUtf8();
    int result = av.openInput(&context, url.constData(), nullptr, &options);
    av.dictFree(&options);
    if (result < 0)
        return {reasonOf(av, result), std::nullopt, false, false};
    // Some containers name their streams only in their packets.
    if (depth == Depth::full || context->nb_streams == 0 ||
        (context->ctx_flags & AVFMTCTX_NOHEADER))
        result = av.findStreamInfo(context, nullptr);
    Info info =
        result < 0 ? Info{reasonOf(av, result), std::nullopt, false, false} : describe(*context);
    av.closeInput(&context);
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
