#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

// A part of the media between two times in seconds; without an end it runs to the media's end.
struct MediaSection {
    double start = 0;
    std::optional<double> end;

    // The part that two fields give by the cutter's rules, "HH:MM:SS" each: an empty start is the
    // beginning, an empty end the media's end, and both empty the whole media (none). With the
    // media's length known the part must lie within it. None, with the reason in the user's
    // language in problem, when the fields give no part that can be downloaded.
    static std::optional<MediaSection> fromFields(const QString& start, const QString& end,
                                                  std::optional<double> length, QString& problem);

    bool operator==(const MediaSection&) const = default;

    Q_DECLARE_TR_FUNCTIONS(MediaSection)
};
