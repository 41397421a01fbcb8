#include "TestMedia.h"

#include "core/toolstore/FileManagerHelper.h"

#include <QFile>
#include <QProcess>

namespace {
const QString debianConverter = "/usr/bin/ffmpeg";

bool run(QProcess& converter, const QStringList& arguments) {
    converter.setStandardInputFile(QProcess::nullDevice());
    converter.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    converter.start(debianConverter, QStringList{"-hide_banner", "-loglevel", "error"} + arguments);
    return converter.waitForFinished(60000) && converter.exitStatus() == QProcess::NormalExit &&
           converter.exitCode() == 0;
}
} // namespace

bool TestMedia::available() {
    return QFile::exists(debianConverter);
}

void TestMedia::installConverter() {
    const QString target = FileManagerHelper().ffmpegPath;
    QFile::remove(target);
    QFile::link(debianConverter, target);
}

bool TestMedia::make(const QString& path, const QStringList& arguments) {
    QProcess converter;
    return run(converter, arguments + QStringList{"-y", path});
}

bool TestMedia::makeWithoutLength(const QString& path) {
    QProcess converter;
    converter.setStandardOutputFile(path);
    return run(converter, {"-f", "lavfi", "-i", "sine", "-frames:a", "0", "-c:a", "pcm_s16le", "-f",
                           "wav", "pipe:1"});
}

bool TestMedia::makeClip(const QString& path, int seconds, int keyframeInterval) {
    return make(path, QString("-f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i "
                              "sine=frequency=440 -t %1 -c:v libx264 -preset ultrafast -g %2 "
                              "-pix_fmt yuv420p -c:a aac")
                          .arg(seconds)
                          .arg(keyframeInterval)
                          .split(' '));
}

bool TestMedia::makeTone(const QString& path, int seconds) {
    return make(path, QString("-f lavfi -i sine=duration=%1 -c:a aac").arg(seconds).split(' '));
}

bool TestMedia::makeSongWithCover(const QString& path, int seconds) {
    return make(path, QString("-f lavfi -i sine=duration=%1 -f lavfi -i color=c=red:s=64x64:d=1 "
                              "-map 0:a -map 1:v -c:a libmp3lame -c:v mjpeg -frames:v 1 "
                              "-disposition:v attached_pic")
                          .arg(seconds)
                          .split(' '));
}
