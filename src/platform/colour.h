#pragma once

// Stored 0x00BBGGRR colours as Qt colours and back.

#include "sentaristore/settings/colour.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace sentari::platform {

inline QColor toQColor(std::uint32_t bgr)
{
    const colour::Rgb c = colour::toRgb(bgr);
    return {c.red, c.green, c.blue};
}

inline std::uint32_t fromQColor(const QColor& c)
{
    return colour::fromRgb({static_cast<std::uint8_t>(c.red()),
                            static_cast<std::uint8_t>(c.green()),
                            static_cast<std::uint8_t>(c.blue())});
}

// WCAG's contrast of two colours: 1 (none) to 21 (black on white).
inline double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A background that text of this colour reads on (4.5:1): the preferred one when it does,
// else white or black, whichever gives more.
inline QColor readableBackground(const QColor& text, const QColor& preferred)
{
    if (contrastRatio(text, preferred) >= 4.5)
        return preferred;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return contrastRatio(text, white) >= contrastRatio(text, black) ? white : black;
}

} // namespace sentari::platform
