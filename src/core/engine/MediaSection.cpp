#include "MediaSection.h"

#include "core/text/TimeText.h"

#include <cmath>

std::optional<MediaSection> MediaSection::fromFields(const QString& start, const QString& end,
                                                     std::optional<double> length,
                                                     QString& problem) {
    problem.clear();
    if (start.isEmpty() && end.isEmpty())
        return std::nullopt;
    if ((!start.isEmpty() && !isClockField(start)) || (!end.isEmpty() && !isClockField(end))) {
        problem = tr("Write the times as HH:MM:SS, such as 00:01:30.");
        return std::nullopt;
    }
    MediaSection section{timeToSeconds(start), std::nullopt};
    if (!end.isEmpty())
        section.end = timeToSeconds(end);
    if (section.end && *section.end <= section.start)
        problem = tr("The part must end after it starts.");
    // The length is given in fractions, the fields in whole seconds.
    else if (length && (section.start >= *length || section.end.value_or(0) > std::ceil(*length)))
        problem = tr("The video is only %1 long.").arg(formatTime(*length));
    return problem.isEmpty() ? std::optional(section) : std::nullopt;
}
