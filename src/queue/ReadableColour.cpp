#include "ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double weakestContrast(const QColor& colour, const QList<QColor>& backgrounds) {
    double weakest = 21;
    for (const QColor& background : backgrounds)
        weakest = std::min(weakest, ReadableColour::contrastRatio(colour, background));
    return weakest;
}

} // namespace

double ReadableColour::contrastRatio(const QColor& first, const QColor& second) {
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ReadableColour::onBackgrounds(const QColor& colour, const QList<QColor>& backgrounds,
                                     double minimum) {
    double backgroundLuminance = 0;
    for (const QColor& background : backgrounds)
        backgroundLuminance += luminance(background) / std::max<qsizetype>(1, backgrounds.size());
    const bool towardsBlack = backgroundLuminance > 0.18;
    float hue = 0, saturation = 0, lightness = 0;
    colour.getHslF(&hue, &saturation, &lightness);
    hue = std::max(hue, 0.0f); // a grey has no hue

    QColor shade = colour.toRgb();
    // Lightness moves in small steps, keeping the hue: the first shade that reads is
    // the closest one to the colour asked for.
    for (int step = 0; step <= 50 && weakestContrast(shade, backgrounds) < minimum; ++step) {
        lightness = std::clamp(lightness + (towardsBlack ? -0.02f : 0.02f), 0.0f, 1.0f);
        shade = QColor::fromHslF(hue, saturation, lightness).toRgb();
    }
    return shade;
}
