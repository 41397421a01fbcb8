#include "ToolEndpoints.h"

#include <QSysInfo>

ToolEndpoints ToolEndpoints::forArchitecture(const QString& architecture) {
    const bool arm = architecture == "arm64";
    const QString ytDlpAsset = arm ? "yt-dlp_linux_aarch64" : "yt-dlp_linux";
    const QString converterBuilds =
        QString("https://ffmpeg.martin-riedl.de/redirect/latest/linux/") +
        (arm ? "arm64" : "amd64") + "/release/";
    const QString denoAsset =
        QString("deno-") + (arm ? "aarch64" : "x86_64") + "-unknown-linux-gnu.zip";
    return {QUrl("https://github.com/yt-dlp/yt-dlp/releases/latest/download/" + ytDlpAsset),
            QUrl(converterBuilds + "ffmpeg.zip"), QUrl(converterBuilds + "ffprobe.zip"),
            QUrl("https://github.com/denoland/deno/releases/latest/download/" + denoAsset)};
}

ToolEndpoints ToolEndpoints::forThisMachine() {
    return forArchitecture(QSysInfo::currentCpuArchitecture());
}
