#include "saversettings.h"

#include "platform/qtstring.h"
#include "settings/keys.h"

#include <charconv>

namespace sentari::saver {

namespace {

std::optional<std::int64_t> decimal(std::string_view value)
{
    while (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    if (!value.empty() && value.front() == '+')
        value.remove_prefix(1);
    std::int64_t n = 0;
    const auto* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, n);
    if (value.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return n;
}

} // namespace

std::optional<std::int32_t> SaverSettings::listIndex(std::string_view value, std::int32_t last)
{
    const auto n = decimal(value);
    if (!n || *n < 0 || *n > last)
        return std::nullopt;
    return static_cast<std::int32_t>(*n);
}

std::optional<std::uint32_t> SaverSettings::colour(std::string_view value)
{
    const auto n = decimal(value);
    if (!n || *n < 0 || *n > 0xFFFFFF)
        return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

SaverSettings SaverSettings::read(const Reader& read)
{
    SaverSettings s;
    s.font = qs(read(keys::ScrFont)).trimmed();
    s.background = colour(read(keys::ScrBackgroundColor)).value_or(DefaultBackground);
    const auto fg = read(keys::ScrForegroundColor);
    s.randomForeground = fg == keys::Random;
    if (!s.randomForeground)
        s.foreground = colour(fg).value_or(DefaultForeground);
    s.interval = listIndex(read(keys::ScrInterval), 2).value_or(1);
    s.timing = listIndex(read(keys::ScrTiming), 2).value_or(1);
    s.transition = listIndex(read(keys::ScrTransition), 8).value_or(0);
    s.password = qs(read(keys::Password));
    return s;
}

std::int64_t SaverSettings::quotePause() const
{
    switch (timing) {
    case 0:
        return 200000;
    case 2:
        return 1200000;
    default:
        return 600000;
    }
}

} // namespace sentari::saver
