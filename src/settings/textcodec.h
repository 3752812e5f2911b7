#pragma once

// Text encodings of the files Sentari reads and writes: UTF-8 (with or without a BOM)
// and Windows-1252, the code page of data files made on Windows.

#include "export.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sentari::text {

enum class Encoding : std::uint32_t { Utf8 = 0, Utf8Bom = 1, Windows1252 = 2 };

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

// Encodes UTF-8 text for a file in the given encoding; nothing when it cannot be held.
std::optional<std::string> encode(std::string_view utf8, Encoding encoding);

// UTF-8 to Unicode code points; invalid bytes become U+FFFD.
std::u32string toCodePoints(std::string_view utf8);
std::string fromCodePoints(std::u32string_view cps);

} // namespace sentari::text
