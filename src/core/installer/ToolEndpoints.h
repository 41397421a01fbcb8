#pragma once

#include <QString>
#include <QUrl>

// Where the installer fetches the three tools from: the downloader as one executable,
// the converter and the probe tool as zip archives holding the executable at their top level.
struct ToolEndpoints {
    QUrl ytDlp;
    QUrl ffmpeg;
    QUrl ffprobe;

    // The public release builds for a processor architecture as Qt names it ("x86_64",
    // "arm64"); any other architecture gets the x86-64 builds.
    static ToolEndpoints forArchitecture(const QString& architecture);
    // The public release builds for the processor this program runs on.
    static ToolEndpoints forThisMachine();
};
