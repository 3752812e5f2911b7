#pragma once

// Every settings key of Sentari and Sentarisaver, with its first value: what a key reads
// before any program has written it.

#include "export.h"

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
inline constexpr std::string_view ScrFont = "scrFont";
inline constexpr std::string_view ScrForegroundColor = "scrForegroundColor";
inline constexpr std::string_view ScrBackgroundColor = "scrBackgroundColor";
inline constexpr std::string_view ScrTiming = "scrTiming";
inline constexpr std::string_view ScrInterval = "scrInterval";
inline constexpr std::string_view Password = "Password";

inline constexpr std::string_view Ask = "ask";
inline constexpr std::string_view DontAsk = "don't ask";
inline constexpr std::string_view Random = "random";

// SignatureFile + 3 -> "SignatureFile3"
SENTARISTORE_EXPORT std::string numbered(std::string_view word, std::int64_t index);

enum class Kind {
    Text,      // any text
    Path,      // a file path
    Count,     // decimal number of lines
    Word,      // one of a few exact words ("true", "ask", "don't ask")
    ListIndex, // 0-based list index as decimal text
    Colour,    // decimal 0x00BBGGRR, or "random" for the saver's foreground
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
    bool numbered;         // name is followed by an index from 1
    Kind kind;
    FirstValue source;
    std::string_view firstValue;
};

// The key's entry in the table; letter case and a trailing index are ignored.
SENTARISTORE_EXPORT std::optional<KeyInfo> find(std::string_view key);

// Key names compare without regard to letter case.
SENTARISTORE_EXPORT bool sameKey(std::string_view a, std::string_view b);

} // namespace sentari::keys
