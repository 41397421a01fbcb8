#pragma once

#include <optional>

// A part of the media between two times in seconds; without an end it runs to the media's end.
struct MediaSection {
    double start = 0;
    std::optional<double> end;

    bool operator==(const MediaSection&) const = default;
};
