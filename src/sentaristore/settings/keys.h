#pragma once

// Every settings key of Sentari and Sentarisaver, with its first value (what a key reads
// before any program has written it) and the values it accepts.

#include "sentaristore/export.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sentari::keys {

inline constexpr std::string_view QuoteFile = "QuoteFile";
inline constexpr std::string_view Regmax = "Regmax";
inline constexpr std::string_view QuickShow = "QuickShow";
inline constexpr std::string_view AddClipboard = "AddClipboard";
inline constexpr std::string_view CreateSignature = "CreateSignature";
// Numbered signature keys: the word followed by the index, e.g. SignatureFile1.
inline constexpr std::string_view SignatureFile = "SignatureFile";
inline constexpr std::string_view Intro = "Intro";
inline constexpr std::string_view Fontname = "Fontname";
inline constexpr std::string_view Fontsize = "Fontsize";
inline constexpr std::string_view Fontcolor = "Fontcolor";
inline constexpr std::string_view ScrTransition = "scrTransition";
// The saver's transition effects; scrTransition holds 0 ("Random") to this many.
inline constexpr std::size_t TransitionEffects = 8;
inline constexpr std::string_view ScrFont = "scrFont";
inline constexpr std::string_view ScrForegroundColor = "scrForegroundColor";
inline constexpr std::string_view ScrBackgroundColor = "scrBackgroundColor";
inline constexpr std::string_view ScrTiming = "scrTiming";
inline constexpr std::string_view ScrInterval = "scrInterval";
inline constexpr std::string_view Password = "Password";
// Sentari's own addition: a new quote after another program has read a signature file.
inline constexpr std::string_view NewQuoteAfterRead = "NewQuoteAfterRead";

inline constexpr std::string_view QuickShowOn = "true";
inline constexpr std::string_view NewQuoteAfterReadOn = "true";
inline constexpr std::string_view Ask = "ask";
inline constexpr std::string_view DontAsk = "don't ask";
inline constexpr std::string_view Random = "random";

// SignatureFile + 3 -> "SignatureFile3"
SENTARISTORE_EXPORT std::string numbered(std::string_view word, std::int64_t index);

enum class Kind {
    Text,      // any text
    Path,      // a file path
    Count,     // decimal number of lines
    Flag,      // on for its one word, off for any other text
    Word,      // one of its words
    ListIndex, // 0-based list index as decimal text
    Colour,    // decimal 0x00BBGGRR; the saver's foreground may hold a word instead
    FontName,
    Coded, // coded password text; control characters included
};

// Where the first value comes from when it is not a fixed text.
enum class FirstValue {
    Fixed,             // KeyInfo::firstValue
    DataFileLineCount, // the number of lines of the active data file
    InstalledFont,     // a font family that is installed
};

struct KeyInfo {
    std::string_view name; // canonical spelling; numbered keys give the word only
    bool numbered = false; // name is followed by an index from 1
    Kind kind = Kind::Text;
    FirstValue source = FirstValue::Fixed;
    std::string_view firstValue{};
    // Numbers the key accepts, both ends included; none when high < low.
    std::int64_t low = 0;
    std::int64_t high = -1;
    // The words the key gives a meaning to; empty places are unused.
    std::array<std::string_view, 2> words{};
};

// The key's entry in the table; letter case and a trailing index are ignored.
SENTARISTORE_EXPORT std::optional<KeyInfo> find(std::string_view key);

// A stored value as a number of the key's range: decimal, blanks and a plus sign around it
// allowed (hand edits). Nothing for other text, a number outside the range, an unknown key.
SENTARISTORE_EXPORT std::optional<std::int64_t> number(std::string_view key,
                                                       std::string_view value);
// The key's fixed first value as a number; 0 for a key whose first value is none.
SENTARISTORE_EXPORT std::int64_t firstNumber(std::string_view key);
// The stored number when it is one of the key's range, otherwise the key's first value.
SENTARISTORE_EXPORT std::int64_t numberOrFirst(std::string_view key, std::string_view value);
// Whether the key gives the value a meaning: a number of its range or one of its words, or
// any text for keys without either.
SENTARISTORE_EXPORT bool valid(std::string_view key, std::string_view value);

// A decimal number as hand edits leave it: blanks and a plus sign around it allowed.
SENTARISTORE_EXPORT std::optional<std::int64_t> decimal(std::string_view text);

// Key names compare without regard to letter case.
SENTARISTORE_EXPORT bool sameKey(std::string_view a, std::string_view b);

} // namespace sentari::keys
