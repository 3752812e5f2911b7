#include "rtf.h"

#include "sentaristore/files/textcodec.h"
#include "sentaristore/settings/colour.h"

#include <algorithm>

namespace sentari {

namespace {

void appendEscaped(std::string& out, std::u32string_view cps, bool inFontTable)
{
    for (std::size_t i = 0; i < cps.size(); ++i) {
        const char32_t c = cps[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < cps.size() && cps[i + 1] == '\n')
                ++i;
            out += inFontTable ? " " : "\\par\n";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += inFontTable ? " " : "\\tab ";
        } else if ((inFontTable && c == ';') || c < 0x20) {
            continue; // a ';' would end the font's name in the table
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // \u takes a signed 16-bit value; characters beyond it go as a surrogate pair.
            auto unit = [&](unsigned u) {
                out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(u))) + "?";
            };
            if (c > 0xFFFF) {
                const char32_t v = c - 0x10000;
                unit(0xD800 + (v >> 10));
                unit(0xDC00 + (v & 0x3FF));
            } else {
                unit(c);
            }
        }
    }
}

} // namespace

std::string textToRtf(std::string_view text, std::string_view fontName, std::uint32_t bgr,
                      int pointSize)
{
    const int halfPoints = std::clamp(pointSize, 1, 1638) * 2;
    std::string out = R"({\rtf1\ansi\ansicpg1252\deff0\uc1{\fonttbl{\f0\fnil\fcharset0 )";
    appendEscaped(out, text::toCodePoints(fontName.empty() ? std::string_view("Arial") : fontName),
                  true);
    const colour::Rgb rgb = colour::toRgb(bgr);
    out += ";}}\n{\\colortbl ;\\red" + std::to_string(rgb.red) + "\\green" +
           std::to_string(rgb.green) + "\\blue" + std::to_string(rgb.blue) +
           ";}\n\\pard\\plain\\f0\\fs" + std::to_string(halfPoints) + "\\cf1 ";
    appendEscaped(out, text::toCodePoints(text), false);
    out += "\\par\n}\n";
    return out;
}

} // namespace sentari
