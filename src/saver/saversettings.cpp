#include "saversettings.h"

#include "platform/qtstring.h"
#include "sentaristore/settingsstore.h"

#include <array>

namespace sentari::saver {

SaverSettings SaverSettings::read(const Reader& read)
{
    const auto number = [&](std::string_view key, const std::string& value) {
        return static_cast<std::int32_t>(keys::numberOrFirst(key, value));
    };
    SaverSettings s;
    s.font = qs(read(keys::ScrFont)).trimmed();
    s.background = std::uint32_t(number(keys::ScrBackgroundColor, read(keys::ScrBackgroundColor)));
    const auto foreground = read(keys::ScrForegroundColor);
    s.randomForeground = foreground == keys::Random;
    if (!s.randomForeground)
        s.foreground = std::uint32_t(number(keys::ScrForegroundColor, foreground));
    s.speed = number(keys::ScrInterval, read(keys::ScrInterval));
    // A hand-edited pause or effect that is none of the list's own gives no pause and
    // "Waves"; the first values stand in only for keys never written.
    s.pause = std::int32_t(keys::number(keys::ScrTiming, read(keys::ScrTiming)).value_or(NoPause));
    s.transition =
        std::int32_t(keys::number(keys::ScrTransition, read(keys::ScrTransition)).value_or(1));
    s.password = qs(read(keys::Password));
    return s;
}

SaverSettings SaverSettings::read(SettingsStore& store)
{
    try {
        return read([&](std::string_view key) { return store.readSetting(key); });
    } catch (const StoreError&) {
        // An unreadable file says nothing about the values: all first ones, not the
        // fallbacks of hand-edited values.
        return {};
    }
}

std::int64_t SaverSettings::pausePasses() const
{
    // 5, 15 and 30 seconds on the animation clock.
    constexpr std::array<std::int64_t, 3> Passes{200000, 600000, 1200000};
    return pause >= 0 && pause < std::int32_t(Passes.size()) ? Passes[std::size_t(pause)] : 0;
}

QuoteSource storeQuotes(SettingsStore& store)
{
    return [&store] {
        const auto quote = store.getQuote();
        return FetchedQuote{quote.noDataFile, qs(quote.text)};
    };
}

} // namespace sentari::saver
