#pragma once

// Colours as both programs store them: a 32-bit 0x00BBGGRR value (red in the low byte),
// written as decimal text.

#include "sentaristore/settings/keys.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace sentari::colour {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

inline constexpr std::uint32_t Black = 0;
inline constexpr std::uint32_t White = 0xFFFFFF;

constexpr Rgb toRgb(std::uint32_t bgr)
{
    return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

constexpr std::uint32_t fromRgb(Rgb rgb)
{
    return std::uint32_t(rgb.red) | (std::uint32_t(rgb.green) << 8) |
           (std::uint32_t(rgb.blue) << 16);
}

// A stored colour: decimal 0..16777215, blanks and a plus sign around it allowed (hand
// edits); nothing for anything else.
inline std::optional<std::uint32_t> parse(std::string_view text)
{
    const auto n = keys::decimal(text);
    if (!n || *n < 0 || *n > White)
        return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

} // namespace sentari::colour
