#include "Contrast.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double legible = 4.5;

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The colour as a screen draws it, eight bits a channel: a shade computed to reach a contrast
// exactly can miss it by a rounding once drawn (4.499:1).
QColor drawn(const QColor& colour) {
    return QColor::fromRgba(colour.rgba());
}

// A translucent colour as it shows over the background.
QColor over(const QColor& colour, const QColor& background) {
    const double alpha = colour.alphaF();
    const auto mix = [alpha](double front, double back) {
        return front * alpha + back * (1 - alpha);
    };
    return drawn(QColor::fromRgbF(mix(colour.redF(), background.redF()),
                                  mix(colour.greenF(), background.greenF()),
                                  mix(colour.blueF(), background.blueF())));
}

double weakestContrast(const QColor& colour, const QList<QColor>& backgrounds) {
    double weakest = 21;
    for (const QColor& background : backgrounds)
        weakest = std::min(weakest, Contrast::ratio(colour, background));
    return weakest;
}

// The first shade of colour, moving away from the text in lightness, that carries the
// text and stands out from the surroundings.
std::optional<QColor> shadeFor(const QColor& colour, const QColor& text,
                               const QList<QColor>& surroundings) {
    float hue = 0, saturation = 0, lightness = 0;
    colour.getHslF(&hue, &saturation, &lightness);
    hue = std::max(hue, 0.0f); // a grey has no hue
    const float step = luminance(text) > 0.18 ? -0.01f : 0.01f;
    for (; lightness >= 0 && lightness <= 1; lightness += step) {
        const QColor shade = drawn(QColor::fromHslF(hue, saturation, lightness));
        if (Contrast::ratio(text, shade) >= legible && weakestContrast(shade, surroundings) >= 3)
            return shade;
    }
    return std::nullopt;
}

} // namespace

QColor Contrast::blend(const QColor& from, const QColor& to, double amount) {
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * amount,
                            from.greenF() + (to.greenF() - from.greenF()) * amount,
                            from.blueF() + (to.blueF() - from.blueF()) * amount);
}

double Contrast::ratio(const QColor& foreground, const QColor& background) {
    const double front = luminance(over(foreground, background));
    const double back = luminance(background);
    return (std::max(front, back) + 0.05) / (std::min(front, back) + 0.05);
}

QColor Contrast::legibleSecondary(const QColor& secondary, const QColor& text,
                                  const QColor& background) {
    const QColor start = over(secondary, background);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = drawn(Contrast::blend(start, over(text, background), step / 20.0));
        if (ratio(candidate, background) >= legible)
            return candidate;
    }
    return text;
}

QColor Contrast::readableOn(const QColor& colour, const QList<QColor>& backgrounds,
                            double minimum) {
    double backgroundLuminance = 0;
    for (const QColor& background : backgrounds)
        backgroundLuminance += luminance(background) / std::max<qsizetype>(1, backgrounds.size());
    const bool towardsBlack = backgroundLuminance > 0.18;
    float hue = 0, saturation = 0, lightness = 0;
    colour.getHslF(&hue, &saturation, &lightness);
    hue = std::max(hue, 0.0f); // a grey has no hue

    QColor shade = drawn(colour);
    // Lightness moves in small steps, keeping the hue: the first shade that reads is
    // the closest one to the colour asked for.
    for (int step = 0; step <= 50 && weakestContrast(shade, backgrounds) < minimum; ++step) {
        lightness = std::clamp(lightness + (towardsBlack ? -0.02f : 0.02f), 0.0f, 1.0f);
        shade = drawn(QColor::fromHslF(hue, saturation, lightness));
    }
    return shade;
}

QColor Contrast::focusAccent(const QPalette& palette) {
    return readableOn(palette.color(QPalette::Highlight),
                      {palette.color(QPalette::Base), palette.color(QPalette::Window)}, 3.0);
}

Contrast::Fill Contrast::fillFor(const QColor& colour, const QColor& preferredText,
                                 const QList<QColor>& surroundings) {
    for (const QColor& text : {preferredText, QColor(Qt::black), QColor(Qt::white)}) {
        if (const std::optional<QColor> shade = shadeFor(colour, text, surroundings))
            return {*shade, text};
    }
    // Surroundings of middle grey leave no shade 3:1 away; the text stays legible.
    return {readableOn(colour, {preferredText}), preferredText};
}
