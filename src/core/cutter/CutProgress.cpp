#include "CutProgress.h"

#include "core/text/TimeText.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>

std::optional<double> cutProgress(QStringView line, double cutLength) {
    static const QRegularExpression space(R"(\s)", QRegularExpression::UseUnicodePropertiesOption);
    if (!line.contains(u"time="))
        return std::nullopt;
    const QList<QStringView> pieces = line.split(space, Qt::SkipEmptyParts);
    const auto piece = std::find_if(pieces.begin(), pieces.end(),
                                    [](QStringView p) { return p.startsWith(u"time="); });
    if (piece == pieces.end())
        return std::nullopt;
    const double percent = timeToSeconds(piece->sliced(5).toString()) / cutLength * 100;
    return percent <= 100 ? percent : 100;
}
