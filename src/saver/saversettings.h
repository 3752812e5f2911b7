#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sentari::saver {

// The saver's keys as numbers, with the defaults standing in for anything that does
// not hold a valid value, so a damaged settings file never stops the saver.
struct SaverSettings {
    static constexpr std::uint32_t DefaultForeground = 16777215;
    static constexpr std::uint32_t DefaultBackground = 0;

    std::int32_t transition = 0; // 0 random, 1..8 one effect
    QString font;
    bool randomForeground = false;
    std::uint32_t foreground = DefaultForeground; // 0x00BBGGRR
    std::uint32_t background = DefaultBackground;
    std::int32_t timing = 1;   // wait after a quote: short, medium, long
    std::int32_t interval = 1; // drawing speed: slow, medium, fast
    QString password;          // coded; empty = no protection

    using Reader = std::function<std::string(std::string_view key)>;
    static SaverSettings read(const Reader& read);

    // Passes of message processing after a quote.
    std::int64_t quotePause() const;

    // A list index 0..last written as plain decimal, or nothing.
    static std::optional<std::int32_t> listIndex(std::string_view value, std::int32_t last);
    // A colour written as decimal 0..0xFFFFFF, or nothing.
    static std::optional<std::uint32_t> colour(std::string_view value);
};

} // namespace sentari::saver
