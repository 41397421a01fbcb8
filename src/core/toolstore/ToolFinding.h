#pragma once

#include <QString>

// What the last tool check found in use: the downloader and the JavaScript runtime that the
// downloader runs the sites' challenge scripts with. Every downloader run reads it when it
// starts, in whatever window, so it lives in a small file of its own in the tools folder,
// "in-use.json":
//   {"downloader": {"path": "…/yt-dlp", "version": "2026.08.20"},
//    "jsRuntime": {"name": "deno", "path": "…/deno", "version": "2.5.6"}}
// with "jsRuntime" left out when the downloader takes none or none that it supports is at hand.
struct ToolFinding {
    struct Tool {
        QString name; // as "--js-runtimes" names a runtime: "deno", "node", "quickjs"
        QString path;
        QString version;
        bool operator==(const Tool&) const = default;
    };

    Tool downloader; // no name
    Tool jsRuntime;  // all empty when none

    // The finding stored in the tools folder; empty when there is none or it cannot be read.
    static ToolFinding read(const QString& toolsFolderPath);
    // Replaces the stored finding in one step; false when it could not be written.
    bool write(const QString& toolsFolderPath) const;

    bool operator==(const ToolFinding&) const = default;
};
