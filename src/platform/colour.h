#pragma once

// Stored 0x00BBGGRR colours as Qt colours and back.

#include "settings/colour.h"

#include <QColor>

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

} // namespace sentari::platform
