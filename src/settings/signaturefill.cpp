#include "signaturefill.h"

#include "colour.h"
#include "keys.h"
#include "rtf.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace sentari {

namespace {

bool endsWithNoCase(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && keys::sameKey(s.substr(s.size() - suffix.size()), suffix);
}

std::string replaceAll(std::string_view text, std::string_view tag, std::string_view with)
{
    if (tag.empty())
        return std::string(text);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const auto hit = text.find(tag, pos);
        out.append(text.substr(pos, hit - pos));
        if (hit == std::string_view::npos)
            break;
        out.append(with);
        pos = hit + tag.size();
    }
    return out;
}

std::string htmlEscape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// "10", "9.75" or, as some locales write it, "9,75"; halves go to the even neighbour.
int pointSizeOf(std::string value, int fallback)
{
    std::replace(value.begin(), value.end(), ',', '.');
    double size = 0;
    const auto* b = value.data();
    while (b < value.data() + value.size() && *b == ' ')
        ++b;
    const auto [ptr, ec] = std::from_chars(b, value.data() + value.size(), size);
    if (ec != std::errc() || !(size >= 1 && size <= 1638))
        return fallback;
    return static_cast<int>(std::nearbyint(size));
}

std::string valueOrEmpty(const IniDocument& settings, const std::string& key)
{
    return settings.value({}, key).value_or(std::string()); // signature keys are empty unset
}

} // namespace

bool isRichTextPath(std::string_view path)
{
    return endsWithNoCase(path, "rtf");
}

FilledSignature fillSignature(const IniDocument& settings, std::string_view quote, std::int64_t n)
{
    const auto setting = [&](const std::string& key) { return valueOrEmpty(settings, key); };
    FilledSignature filled;
    filled.file = setting(keys::numbered(keys::SignatureFile, n));
    const std::string intro = setting(keys::numbered(keys::Intro, n));
    if (filled.file.empty() || intro.empty())
        return filled;
    SignatureResult& result = filled.result;
    result.exists = true;

    const bool html = endsWithNoCase(filled.file, ".htm") || endsWithNoCase(filled.file, ".html");
    std::string plain = replaceAll(intro, QuoteTag, quote);
    // Only a rich-text signature has a font: one left from an earlier entry of this number
    // does not count.
    const bool rich = isRichTextPath(filled.file);
    std::string font = rich ? setting(keys::numbered(keys::Fontname, n)) : std::string();
    if (font.empty())
        font = "Arial";
    const int size = rich ? pointSizeOf(setting(keys::numbered(keys::Fontsize, n)), 10) : 10;
    const std::uint32_t colour =
        rich ? colour::parse(setting(keys::numbered(keys::Fontcolor, n))).value_or(colour::Black)
             : colour::Black;
    result.rtf = sentari::textToRtf(plain, font, colour, size);
    result.text = html ? replaceAll(intro, QuoteTag, htmlEscape(quote)) : std::move(plain);
    return filled;
}

} // namespace sentari
