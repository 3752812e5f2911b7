#include "keys.h"

#include <array>
#include <cctype>

namespace sentari::keys {

namespace {

constexpr std::array<KeyInfo, 17> kTable = {{
    {QuoteFile, false, Kind::Path, FirstValue::Fixed, ""},
    {Regmax, false, Kind::Count, FirstValue::DataFileLineCount, ""},
    {QuickShow, false, Kind::Word, FirstValue::Fixed, ""},
    {AddClipboard, false, Kind::Word, FirstValue::Fixed, Ask},
    {CreateSignature, false, Kind::Word, FirstValue::Fixed, Ask},
    {SignatureFile, true, Kind::Path, FirstValue::Fixed, ""},
    {Intro, true, Kind::Text, FirstValue::Fixed, ""},
    {Fontname, true, Kind::FontName, FirstValue::Fixed, ""},
    {Fontsize, true, Kind::Text, FirstValue::Fixed, ""},
    {Fontcolor, true, Kind::Colour, FirstValue::Fixed, ""},
    {ScrTransition, false, Kind::ListIndex, FirstValue::Fixed, "0"},
    {ScrFont, false, Kind::FontName, FirstValue::InstalledFont, ""},
    {ScrForegroundColor, false, Kind::Colour, FirstValue::Fixed, "16777215"},
    {ScrBackgroundColor, false, Kind::Colour, FirstValue::Fixed, "0"},
    {ScrTiming, false, Kind::ListIndex, FirstValue::Fixed, "1"},
    {ScrInterval, false, Kind::ListIndex, FirstValue::Fixed, "1"},
    {Password, false, Kind::Coded, FirstValue::Fixed, ""},
}};

} // namespace

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
    for (const auto& info : kTable)
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
    for (const auto& info : kTable)
        if (info.numbered && sameKey(word, info.name))
            return info;
    return std::nullopt;
}

} // namespace sentari::keys
