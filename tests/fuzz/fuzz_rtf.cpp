// Rich-text signatures: for any text and font name the document is ASCII, its braces are
// balanced, and a small RTF reader gets back the font name and the text (line breaks as
// paragraphs, control characters but tab dropped). Input: four colour bytes, a size byte, a
// counted font name, then the text.

#include "fuzzinput.h"
#include "sentaristore/files/textcodec.h"
#include "sentaristore/signaturefill/rtf.h"

#include <cctype>
#include <string>

namespace text = sentari::text;
using sentari::fuzz::Input;

namespace {

// What the reader gets from a document: the font table's name and the body's text.
struct Read {
    std::u32string font;
    std::u32string body;
};

// Reads the control word or symbol at `i` (just past its backslash), as far as the document
// uses them: what \par, \tab, \uN (with its one fallback character), \\ \{ \} stand for goes
// to `out`. Returns the word with its number ("cf1"), or nothing for a symbol.
std::string readControl(std::string_view doc, std::size_t& i, std::u32string& out, char16_t& high)
{
    FUZZ_CHECK(i < doc.size());
    if (!std::isalpha(static_cast<unsigned char>(doc[i]))) {
        out += static_cast<char32_t>(doc[i++]);
        return {};
    }
    const std::size_t start = i;
    while (i < doc.size() && std::isalpha(static_cast<unsigned char>(doc[i])))
        ++i;
    const std::string_view word = doc.substr(start, i - start);
    const std::size_t numberStart = i;
    i += i < doc.size() && doc[i] == '-';
    while (i < doc.size() && std::isdigit(static_cast<unsigned char>(doc[i])) &&
           i - numberStart < 8)
        ++i;
    const std::string number(doc.substr(numberStart, i - numberStart));
    if (i < doc.size() && doc[i] == ' ')
        ++i; // the delimiter
    if (word == "par") {
        out += U'\n';
    } else if (word == "tab") {
        out += U'\t';
    } else if (word == "u") {
        FUZZ_CHECK(!number.empty() && number != "-");
        const long value = std::stol(number);
        FUZZ_CHECK(value >= -32768 && value <= 32767);
        FUZZ_CHECK(i < doc.size() && doc[i] == '?'); // \uc1: one fallback character
        ++i;
        const auto unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            FUZZ_CHECK(high == 0);
            high = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            FUZZ_CHECK(high != 0);
            out += 0x10000 + ((char32_t(high) - 0xD800) << 10) + (unit - 0xDC00);
            high = 0;
        } else {
            FUZZ_CHECK(high == 0);
            out += unit;
        }
    }
    return std::string(word) + number;
}

// The font's name follows \fcharset0 up to its ';', the text follows \cf1; anything else the
// document holds is no text.
Read readRtf(std::string_view doc)
{
    Read read;
    int depth = 0;
    char16_t high = 0;
    std::u32string* out = nullptr;
    for (std::size_t i = 0; i < doc.size();) {
        const char c = doc[i++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            FUZZ_CHECK(depth > 0);
            --depth;
            out = nullptr;
        } else if (c == '\\') {
            std::u32string symbols;
            const std::string word = readControl(doc, i, symbols, high);
            if (out)
                *out += symbols;
            if (word == "fcharset0")
                out = &read.font;
            else if (word == "cf1")
                out = &read.body;
        } else if (c == ';' && out == &read.font) {
            out = nullptr;
        } else if (c != '\n' && c != '\r' && out) {
            *out += static_cast<char32_t>(static_cast<unsigned char>(c));
        }
        FUZZ_CHECK(depth > 0 || i == doc.size() || doc.substr(i) == "\n");
    }
    FUZZ_CHECK(depth == 0);
    FUZZ_CHECK(high == 0);
    return read;
}

// The text as the document must hold it: each line break (CR LF, CR or LF) one paragraph,
// control characters but tab dropped; in the font's name breaks and tabs are blanks and ';'
// goes.
std::u32string expected(std::string_view utf8, bool fontName)
{
    const std::u32string cps = text::toCodePoints(utf8);
    std::u32string out;
    for (std::size_t i = 0; i < cps.size(); ++i) {
        const char32_t c = cps[i];
        if (c == '\r' || c == '\n') {
            i += c == '\r' && i + 1 < cps.size() && cps[i + 1] == '\n';
            out += fontName ? U' ' : U'\n';
        } else if (c == '\t') {
            out += fontName ? U' ' : U'\t';
        } else if (!(c < 0x20 || (fontName && c == ';'))) {
            out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    std::uint32_t colour = 0;
    for (int i = 0; i < 4; ++i)
        colour = colour << 8 | in.byte();
    const int pointSize = static_cast<std::int8_t>(in.byte());
    const std::string_view font = in.counted();
    const std::string_view body = in.rest();

    const std::string doc = sentari::textToRtf(body, font, colour, pointSize);
    for (const char c : doc)
        FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    FUZZ_CHECK(doc.starts_with("{\\rtf1"));
    const Read read = readRtf(doc);
    FUZZ_CHECK(read.body == expected(body, false) + U'\n'); // the document ends a paragraph
    FUZZ_CHECK(read.font == expected(font.empty() ? "Arial" : font, true));
    return 0;
}
