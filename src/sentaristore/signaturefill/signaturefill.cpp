#include "signaturefill.h"

#include "sentaristore/files/textcodec.h"
#include "sentaristore/settings/colour.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/signaturefill/rtf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>

namespace sentari {

namespace {

bool endsWithNoCase(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && keys::sameKey(s.substr(s.size() - suffix.size()), suffix);
}

// Every tag in the text in place of what `with` makes of the text before it (which ends with
// the tag's line so far).
template <class With>
std::string replaceEach(std::string_view text, std::string_view tag, With with)
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
        out.append(with(std::string_view(out)));
        pos = hit + tag.size();
    }
    return out;
}

std::string replaceAll(std::string_view text, std::string_view tag, std::string_view with)
{
    return replaceEach(text, tag, [with](std::string_view) { return with; });
}

// Non-ASCII characters as numeric references too: a file without a charset declaration then
// reads the same from disk, over HTTP and in a mail program.
std::string htmlEscape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (const char32_t c : text::toCodePoints(s)) {
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
            if (c < 0x80)
                out += static_cast<char>(c);
            else
                out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ';';
        }
    }
    return out;
}

// The text broken at blanks into lines of at most `width` characters (a longer word stands
// alone on its line), each line after the first begun with `indent`.
std::string wrapWords(std::string_view utf8, std::size_t width, const std::string& indent)
{
    const std::u32string cps = text::toCodePoints(utf8);
    std::string out;
    std::u32string line;
    std::size_t i = 0;
    const auto isBlank = [](char32_t c) { return c == ' ' || c == '\t'; };
    while (i < cps.size()) {
        while (i < cps.size() && isBlank(cps[i]))
            ++i;
        std::size_t end = i;
        while (end < cps.size() && !isBlank(cps[end]))
            ++end;
        if (end == i)
            break;
        const std::u32string_view word(cps.data() + i, end - i);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            out += text::fromCodePoints(line) + '\n' + indent;
            line.clear();
        }
        if (!line.empty())
            line += U' ';
        line += word;
        i = end;
    }
    return out + text::fromCodePoints(line);
}

// Mail programs on this system hand on what they read; CR LF from the stored template would
// reach the recipient as a mix of line ends.
std::string withSystemLineEnds(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

// With no quote to give, the line that held the tag goes rather than staying blank; the
// rest of the signature stays.
std::string withoutTagLines(std::string_view text)
{
    std::string out;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (line.find(QuoteTag) == std::string_view::npos) {
            out.append(text.substr(pos, last ? end - pos : end + 1 - pos));
        } else {
            std::string rest = replaceAll(line, QuoteTag, {});
            if (rest.find_first_not_of(" \t\r") != std::string::npos)
                out.append(rest).append(last ? "" : "\n");
        }
        if (last)
            break;
        pos = end + 1;
    }
    return out;
}

// Each tag's quote broken at word gaps into lines of at most `width` characters; the lines
// after the first start in the tag's column.
std::string withWrappedQuote(std::string_view text, std::string_view quote, std::size_t width)
{
    const std::size_t quoteLength = text::codePointCount(quote);
    return replaceEach(text, QuoteTag, [&](std::string_view done) {
        const std::string_view before = done.substr(done.rfind('\n') + 1); // npos + 1 is 0
        const std::size_t column = text::codePointCount(before);
        // A tag far to the right still leaves its quote a readable measure.
        const std::size_t room = std::max<std::size_t>(width > column ? width - column : 0, 24);
        if (quoteLength <= room)
            return std::string(quote);
        std::string indent;
        for (const char32_t c : text::toCodePoints(before))
            indent += c == '\t' ? '\t' : ' ';
        return wrapWords(quote, room, indent);
    });
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

// The line length mail programs keep plain text to.
constexpr std::size_t PlainTextWidth = 72;

std::string valueOrEmpty(const IniDocument& settings, const std::string& key)
{
    return settings.value({}, key).value_or(std::string()); // signature keys are empty unset
}

} // namespace

bool isRichTextPath(std::string_view path)
{
    return endsWithNoCase(path, "rtf");
}

namespace {

// Why the quote cannot go into the template: the result would be too large. Known from the
// sizes alone, before any of it is built.
std::string sizeRefusal(std::string_view intro, std::string_view quote)
{
    std::size_t tags = 0;
    for (auto at = intro.find(QuoteTag); at != std::string_view::npos;
         at = intro.find(QuoteTag, at + QuoteTag.size()))
        ++tags;
    if (tags == 0 ||
        quote.size() <= (MaxSignatureBytes - std::min(intro.size(), MaxSignatureBytes)) / tags)
        return {};
    return "with this quote (" + std::to_string(quote.size()) + " bytes, put in " +
           std::to_string(tags) + (tags == 1 ? " time" : " times") + ") it would be larger than " +
           std::to_string(MaxSignatureBytes >> 20) + " MB";
}

void fill(SignatureResult& result, const IniDocument& settings, const std::string& file,
          const std::string& intro, std::string_view quote, std::int64_t n)
{
    const auto setting = [&](const std::string& key) { return valueOrEmpty(settings, key); };
    const bool html = endsWithNoCase(file, ".htm") || endsWithNoCase(file, ".html");
    // Only a rich-text signature has a font: one left from an earlier entry of this number
    // does not count.
    const bool rich = isRichTextPath(file);
    const std::string plain =
        quote.empty() ? withoutTagLines(intro) : replaceAll(intro, QuoteTag, quote);
    std::string font = rich ? setting(keys::numbered(keys::Fontname, n)) : std::string();
    if (font.empty())
        font = "Arial";
    const int size = rich ? pointSizeOf(setting(keys::numbered(keys::Fontsize, n)), 10) : 10;
    const std::uint32_t colour =
        rich ? colour::parse(setting(keys::numbered(keys::Fontcolor, n))).value_or(colour::Black)
             : colour::Black;
    result.rtf = sentari::textToRtf(plain, font, colour, size);
    if (quote.empty() || rich)
        result.text = withSystemLineEnds(plain);
    else if (html)
        result.text = withSystemLineEnds(replaceAll(intro, QuoteTag, htmlEscape(quote)));
    else // HTML and RTF readers wrap for themselves; a plain-text reader shows lines as they are
        result.text = withWrappedQuote(withSystemLineEnds(intro), quote, PlainTextWidth);
}

} // namespace

FilledSignature fillSignature(const IniDocument& settings, std::string_view quote, std::int64_t n)
{
    FilledSignature filled;
    filled.file = valueOrEmpty(settings, keys::numbered(keys::SignatureFile, n));
    const std::string intro = valueOrEmpty(settings, keys::numbered(keys::Intro, n));
    if (filled.file.empty() || intro.empty())
        return filled;
    filled.result.exists = true;
    filled.refusal = sizeRefusal(intro, quote);
    if (!filled.refusal.empty())
        return filled;
    try {
        fill(filled.result, settings, filled.file, intro, quote, n);
    } catch (const std::bad_alloc&) {
        filled.result.text.clear();
        filled.result.rtf.clear();
        filled.refusal = "there was not enough memory to fill it";
    }
    return filled;
}

} // namespace sentari
