#pragma once

#include "saver/quotecycle.h"
#include "sentaristore/settings/keys.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sentari {
class SettingsStore;
}

namespace sentari::saver {

// The saver's keys as numbers. A colour or speed outside its key's range reads as the key's
// first value, so a damaged settings file never stops the saver; a default-made object
// holds the first values.
struct SaverSettings {
    static constexpr std::int32_t NoPause = -1;

    std::int32_t transition = firstNumber(keys::ScrTransition); // 0 random, 1..8 one effect
    QString font;
    bool randomForeground = false;
    std::uint32_t foreground = std::uint32_t(firstNumber(keys::ScrForegroundColor)); // 0x00BBGGRR
    std::uint32_t background = std::uint32_t(firstNumber(keys::ScrBackgroundColor));
    std::int32_t pause =
        firstNumber(keys::ScrTiming); // wait after a quote: short, medium, long, or NoPause
    std::int32_t speed = firstNumber(keys::ScrInterval); // drawing speed: slow, medium, fast
    QString password;                                    // coded; empty = no protection

    using Reader = std::function<std::string(std::string_view key)>;
    static SaverSettings read(const Reader& read);
    // From the store; the first values when it cannot read its file.
    static SaverSettings read(SettingsStore& store);

    // Passes of message processing after a quote.
    std::int64_t pausePasses() const;

private:
    static std::int32_t firstNumber(std::string_view key)
    {
        return static_cast<std::int32_t>(keys::firstNumber(key));
    }
};

// Quotes from the store's active data file.
QuoteSource storeQuotes(SettingsStore& store);

} // namespace sentari::saver
