#include "keys.h"

#include "sentaristore/settings/colour.h"

#include <array>
#include <cctype>
#include <charconv>
#include <limits>

namespace sentari::keys {

namespace {

constexpr std::int64_t Unbounded = std::numeric_limits<std::int64_t>::max();

// The saver's lists: nine transitions (0 picks one at random per quote), three pauses
// after a quote, three drawing speeds.
constexpr std::array<KeyInfo, 18> Table = {{
    {.name = QuoteFile, .kind = Kind::Path},
    {.name = Regmax,
     .kind = Kind::Count,
     .source = FirstValue::DataFileLineCount,
     .high = Unbounded},
    {.name = QuickShow, .kind = Kind::Flag, .words = {QuickShowOn}},
    {.name = AddClipboard, .kind = Kind::Word, .firstValue = Ask, .words = {Ask, DontAsk}},
    {.name = CreateSignature, .kind = Kind::Word, .firstValue = Ask, .words = {Ask, DontAsk}},
    {.name = SignatureFile, .numbered = true, .kind = Kind::Path},
    {.name = Intro, .numbered = true, .kind = Kind::Text},
    {.name = Fontname, .numbered = true, .kind = Kind::FontName},
    {.name = Fontsize, .numbered = true, .kind = Kind::Text},
    {.name = Fontcolor, .numbered = true, .kind = Kind::Colour, .high = colour::White},
    {.name = ScrTransition,
     .kind = Kind::ListIndex,
     .firstValue = "0",
     .high = std::int64_t(TransitionEffects)},
    {.name = ScrFont, .kind = Kind::FontName, .source = FirstValue::InstalledFont},
    {.name = ScrForegroundColor,
     .kind = Kind::Colour,
     .firstValue = "16777215",
     .high = colour::White,
     .words = {Random}},
    {.name = ScrBackgroundColor, .kind = Kind::Colour, .firstValue = "0", .high = colour::White},
    {.name = ScrTiming, .kind = Kind::ListIndex, .firstValue = "1", .high = 2},
    {.name = ScrInterval, .kind = Kind::ListIndex, .firstValue = "1", .high = 2},
    {.name = Password, .kind = Kind::Coded},
    {.name = NewQuoteAfterRead, .kind = Kind::Flag, .words = {NewQuoteAfterReadOn}},
}};

std::optional<std::int64_t> numberOf(const KeyInfo& info, std::string_view value)
{
    const auto n = decimal(value);
    if (!n || *n < info.low || *n > info.high)
        return std::nullopt;
    return n;
}

} // namespace

std::optional<std::int64_t> decimal(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int64_t n = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return n;
}

bool sameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string numbered(std::string_view word, std::int64_t index)
{
    return std::string(word) + std::to_string(index);
}

std::optional<KeyInfo> find(std::string_view key)
{
    for (const auto& info : Table)
        if (!info.numbered && sameKey(key, info.name))
            return info;
    // Numbered keys: the word and a decimal index from 1 without leading zeros.
    std::size_t digits = 0;
    while (digits < key.size() &&
           std::isdigit(static_cast<unsigned char>(key[key.size() - 1 - digits])))
        ++digits;
    if (digits == 0 || digits == key.size() || key[key.size() - digits] == '0')
        return std::nullopt;
    const auto word = key.substr(0, key.size() - digits);
    for (const auto& info : Table)
        if (info.numbered && sameKey(word, info.name))
            return info;
    return std::nullopt;
}

std::optional<std::int64_t> number(std::string_view key, std::string_view value)
{
    const auto info = find(key);
    return info ? numberOf(*info, value) : std::nullopt;
}

std::int64_t firstNumber(std::string_view key)
{
    const auto info = find(key);
    return info ? numberOf(*info, info->firstValue).value_or(0) : 0;
}

std::int64_t numberOrFirst(std::string_view key, std::string_view value)
{
    return number(key, value).value_or(firstNumber(key));
}

bool valid(std::string_view key, std::string_view value)
{
    const auto info = find(key);
    if (!info || info->kind == Kind::Flag)
        return true;
    for (const auto word : info->words)
        if (!word.empty() && word == value)
            return true;
    if (info->kind == Kind::Word)
        return false;
    return info->high < info->low || numberOf(*info, value).has_value();
}

} // namespace sentari::keys
