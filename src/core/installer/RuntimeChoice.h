#pragma once

#include "ToolInstaller.h"

#include <QList>

// How the tool check chooses the JavaScript runtime that the downloader in use solves the
// sites' challenges with. The downloader judges the candidates itself: its verbose header lists
// each runtime it was given that runs, with the version, and marks those it does not support, as
// in "[debug] JS runtimes: deno-2.5.6, node-18.19.0 (unsupported)".
namespace RuntimeChoice {

// A runtime as the header lists it.
struct Verdict {
    QString name; // "deno", "node", "quickjs", "quickjs-ng"
    QString version;
    bool supported = true;
    bool operator==(const Verdict&) const = default;
};

// The runtimes on the header's "JS runtimes:" line, in its order; none for "none" or when
// there is no such line.
QList<Verdict> verdictsIn(const QString& header);

// Whether a downloader of this version ("2025.11.12", a nightly "2026.01.02.233024") takes
// "--js-runtimes": 2025.11.12 and later. An older one refuses it as an unknown option.
bool takesJsRuntimes(const QString& downloaderVersion);

// Asks the downloader in use for its version and, when it takes a runtime, has it judge Morvi's
// own runtime (when ownRuntime, else the system's Deno), then the system's Node and QuickJS: the
// first that it supports is chosen. Logs a system runtime chosen as a stand-in and each refused
// one before the choice; stores the finding (ToolFinding) in the tools folder, keeping the
// stored verification of a downloader that is still the same program.
QCoro::Task<> choose(bool ownRuntime, ToolInstaller::LogHandler log);

} // namespace RuntimeChoice
