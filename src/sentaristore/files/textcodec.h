#pragma once

// Text encodings of the files Sentari reads and writes: UTF-8 (with or without a BOM),
// Windows-1252, the code page of data files made on Windows, and UTF-16 with a BOM, as
// Windows' Notepad saves "Unicode" files.

#include "sentaristore/export.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sentari::text {

enum class Encoding : std::uint32_t {
    Utf8 = 0,
    Utf8Bom = 1,
    Windows1252 = 2,
    Utf16Le = 3, // with its byte-order mark
    Utf16Be = 4,
};

// UTF-16 when the bytes begin with its byte-order mark, else nothing.
std::optional<Encoding> utf16ByBom(std::string_view head);
// Bytes per code unit: 2 for UTF-16, else 1.
inline int unitWidth(Encoding e)
{
    return e == Encoding::Utf16Le || e == Encoding::Utf16Be ? 2 : 1;
}
// The code unit at `at` (a byte for 8-bit encodings).
inline char16_t unitAt(std::string_view bytes, std::size_t at, Encoding e)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (e == Encoding::Utf16Le)
        return static_cast<char16_t>(b(at) | (b(at + 1) << 8));
    if (e == Encoding::Utf16Be)
        return static_cast<char16_t>((b(at) << 8) | b(at + 1));
    return b(at);
}

// Incremental UTF-8 validator: feed a file in chunks of any size.
class Utf8Validator {
public:
    void feed(const char* data, std::size_t size);
    // True when every byte fed so far forms complete, well-formed UTF-8.
    bool valid() const { return !bad_ && need_ == 0; }

private:
    bool bad_ = false;
    int need_ = 0;                        // continuation bytes still expected
    unsigned char lo_ = 0x80, hi_ = 0xBF; // allowed range of the next continuation byte
};

bool isValidUtf8(std::string_view bytes);
// The length of the well-formed UTF-8 sequence at `at`; 0 when there is none.
std::size_t sequenceLength(std::string_view bytes, std::size_t at);

// Windows-1252 bytes to UTF-8. The five undefined codes map to the C1 controls of the
// same value, as Windows itself does.
std::string cp1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; nothing when a character has no Windows-1252 code.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);
// The Windows-1252 code of one Unicode code point, if it has one. This pair is the only part
// of this header the library shows: the saver codes passwords in Windows-1252 codes.
SENTARISTORE_EXPORT std::optional<unsigned char> cp1252Code(char32_t cp);
// The Unicode code point of a Windows-1252 code.
SENTARISTORE_EXPORT char32_t cp1252Char(unsigned char code);

// Encodes UTF-8 text for a file in the given encoding; nothing when it cannot be held. No
// byte-order mark is added.
std::optional<std::string> encode(std::string_view utf8, Encoding encoding);
// Text of a file in that encoding as UTF-8 (a byte-order mark is not looked for); what does
// not decode becomes U+FFFD. UTF-8 text is taken as it is.
std::string decode(std::string_view bytes, Encoding encoding);

// The text without control characters: C0 (but tab and those in `keep`), DEL and C1, which a
// quote never carries, so it can go to a terminal or a file as it is. Bytes that are not
// UTF-8 become U+FFFD: the result is always valid UTF-8.
std::string withoutControls(std::string_view utf8, std::string_view keep = {});
// True when withoutControls() would change the text.
bool hasControls(std::string_view utf8);
// Bytes (a file name, perhaps not UTF-8) as people read them: valid UTF-8 shown as it is,
// every other byte and every control character as \xNN.
std::string forDisplay(std::string_view bytes);

// UTF-8 to Unicode code points; invalid bytes become U+FFFD.
std::u32string toCodePoints(std::string_view utf8);
// How many code points toCodePoints() would give, without making them.
std::size_t codePointCount(std::string_view utf8);
std::string fromCodePoints(std::u32string_view cps);

} // namespace sentari::text
