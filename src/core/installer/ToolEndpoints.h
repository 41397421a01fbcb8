#pragma once

#include <QString>
#include <QUrl>

// Where the installer fetches the tools from: the downloader as one executable, the converter,
// the probe tool and the JavaScript runtime as zip archives holding the executable at their top
// level. The runtime's checksum file is "<archive>.sha256sum" beside it.
struct ToolEndpoints {
    QUrl ytDlp;
    QUrl ffmpeg;
    QUrl ffprobe;
    QUrl jsRuntime;

    // The public release builds for a processor architecture as Qt names it ("x86_64",
    // "arm64"); any other architecture gets the x86-64 builds.
    static ToolEndpoints forArchitecture(const QString& architecture);
    // The public release builds for the processor this program runs on.
    static ToolEndpoints forThisMachine();
};
