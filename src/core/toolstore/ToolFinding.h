#pragma once

#include <QString>

// What the last tool check found in use: the downloader and the JavaScript runtime that the
// downloader runs the sites' challenge scripts with. Every downloader run reads it when it
// starts, in whatever window, so it lives in a small file of its own in the tools folder,
// "in-use.json":
//   {"downloader": {"path": "…/yt-dlp", "version": "2026.08.20",
//                   "verifiedBy": "AC0CBBE6848D6A873464AF4E57CF65933B5A7581"},
//    "jsRuntime": {"name": "deno", "path": "…/deno", "version": "2.5.6"}}
// with "jsRuntime" left out when the downloader takes none or none that it supports is at hand,
// and "verifiedBy" when the downloader in use is not the one the installer proved by its
// makers' signature.
struct ToolFinding {
    struct Tool {
        QString name; // as "--js-runtimes" names a runtime: "deno", "node", "quickjs"
        QString path;
        QString version;
        // The fingerprint of the key whose signature proved this program when it was
        // installed; empty when none did.
        QString verifiedBy = {};
        bool operator==(const Tool&) const = default;
        // Whether other is this very program: the same file, answering the same version. A
        // program that replaced itself (the downloader's own update) is not the one verified.
        bool sameProgram(const Tool& other) const {
            return path == other.path && version == other.version;
        }
    };

    Tool downloader; // no name
    Tool jsRuntime;  // all empty when none

    // The finding stored in the tools folder; empty when there is none or it cannot be read.
    static ToolFinding read(const QString& toolsFolderPath);
    // Replaces the stored finding in one step; false when it could not be written.
    bool write(const QString& toolsFolderPath) const;

    bool operator==(const ToolFinding&) const = default;
};
