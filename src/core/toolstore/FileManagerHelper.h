#pragma once

#include <QString>

// Where Morvi keeps the external tools and its scratch folder:
// <data home>/Velnor/temp and <data home>/Velnor/tools with "yt-dlp", "ffmpeg" and the JavaScript
// runtime "deno" in it.
// Every owner keeps its own instance; all compute the same paths.
class FileManagerHelper {
public:
    // Computes the paths and creates the folders behind them. Never fails: a folder
    // that cannot be made is reported on standard output and later tool runs fail on their own.
    FileManagerHelper();

    void createDirectoriesIfNeeded() const;

    const QString tempFolderPath;
    const QString ytDlpPath;
    const QString ffmpegPath;
    const QString toolsFolderPath;
    const QString jsRuntimePath;
};
