// Text encodings: every decoder gives valid UTF-8 from any bytes, encoders give back what
// decoders read, control characters once dropped stay dropped, and the incremental UTF-8
// check does not depend on how the bytes are cut. Input: a byte choosing where to cut, then
// the bytes.

#include "fuzzinput.h"
#include "sentaristore/files/textcodec.h"

#include <string>

namespace text = sentari::text;
using sentari::fuzz::Input;

namespace {

// Well-formed UTF-8 by the definition (shortest form, no surrogates, at most U+10FFFF),
// written apart from the code under test.
bool wellFormed(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int length = c < 0x80         ? 1
                           : (c >> 5) == 6  ? 2
                           : (c >> 4) == 14 ? 3
                           : (c >> 3) == 30 ? 4
                                            : 0;
        if (length == 0 || s.size() - i < static_cast<std::size_t>(length))
            return false;
        char32_t cp = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        static constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < Least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

bool isControl(char32_t cp)
{
    return (cp < 0x20 && cp != '\t') || (cp >= 0x7F && cp <= 0x9F);
}

void checkControlsDropped(std::string_view bytes)
{
    const std::string clean = text::withoutControls(bytes);
    FUZZ_CHECK(wellFormed(clean));
    FUZZ_CHECK(text::withoutControls(clean) == clean);
    FUZZ_CHECK(!text::hasControls(clean));
    FUZZ_CHECK(text::hasControls(bytes) == (clean != bytes));
    if (wellFormed(bytes)) { // exactly the control characters go
        std::u32string kept;
        for (char32_t cp : text::toCodePoints(bytes))
            if (!isControl(cp))
                kept += cp;
        FUZZ_CHECK(text::toCodePoints(clean) == kept);
    }
    const std::string lines = text::withoutControls(bytes, "\r\n");
    FUZZ_CHECK(wellFormed(lines));
    FUZZ_CHECK(text::withoutControls(lines, "\r\n") == lines);

    const std::string shown = text::forDisplay(bytes);
    FUZZ_CHECK(wellFormed(shown) && !text::hasControls(shown));
}

void checkEncodings(std::string_view bytes)
{
    using text::Encoding;
    const std::string ansi = text::decode(bytes, Encoding::Windows1252);
    FUZZ_CHECK(wellFormed(ansi));
    FUZZ_CHECK(text::encode(ansi, Encoding::Windows1252) == std::string(bytes));
    for (const Encoding e : {Encoding::Utf16Le, Encoding::Utf16Be}) {
        const std::string decoded = text::decode(bytes, e);
        FUZZ_CHECK(wellFormed(decoded));
        const auto encoded = text::encode(decoded, e);
        FUZZ_CHECK(encoded && text::decode(*encoded, e) == decoded);
    }
    // Valid UTF-8 survives every encoding that can hold it.
    const std::string utf8 = wellFormed(bytes) ? std::string(bytes) : ansi;
    FUZZ_CHECK(text::fromCodePoints(text::toCodePoints(utf8)) == utf8);
    for (const Encoding e : {Encoding::Utf8, Encoding::Utf8Bom, Encoding::Windows1252,
                             Encoding::Utf16Le, Encoding::Utf16Be}) {
        const auto encoded = text::encode(utf8, e);
        FUZZ_CHECK(encoded || e == Encoding::Windows1252);
        if (encoded)
            FUZZ_CHECK(text::decode(*encoded, e) == utf8);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t cut = in.byte();
    const std::string_view bytes = in.rest();

    const bool valid = wellFormed(bytes);
    FUZZ_CHECK(text::isValidUtf8(bytes) == valid);
    text::Utf8Validator pieces;
    const std::size_t at = bytes.empty() ? 0 : cut % (bytes.size() + 1);
    pieces.feed(bytes.data(), at);
    pieces.feed(bytes.data() + at, (bytes.size() - at) / 2);
    pieces.feed(bytes.data() + at + (bytes.size() - at) / 2,
                bytes.size() - at - (bytes.size() - at) / 2);
    FUZZ_CHECK(pieces.valid() == valid);
    FUZZ_CHECK(wellFormed(text::fromCodePoints(text::toCodePoints(bytes))));

    checkControlsDropped(bytes);
    checkEncodings(bytes);
    return 0;
}
