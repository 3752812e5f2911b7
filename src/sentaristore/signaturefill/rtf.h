#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sentari {

// A complete RTF document of UTF-8 text in one font, whole point size and 0x00BBGGRR
// colour. Backslash and braces are escaped, other characters beyond ASCII become \uN?,
// and each line break (CR LF, CR or LF) becomes a paragraph break.
std::string textToRtf(std::string_view text, std::string_view fontName, std::uint32_t bgr,
                      int pointSize);

} // namespace sentari
