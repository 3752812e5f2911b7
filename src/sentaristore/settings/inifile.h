#pragma once

// The settings file: INI text in the form QSettings writes and reads ([General] for the
// empty section, key=value, backslash escapes, quotes around values that need them; a UTF-8
// byte-order mark and lines ending in CR LF, LF or a lone CR). Keys and section names match
// without regard to letter case; a hand-edited value is read whole, commas included.
//
// A rewrite changes only the lines of the keys written: every other line goes back to the
// file byte for byte, so whatever a file holds, after a write the key reads back exactly and
// no other key reads differently.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sentari {

class IniDocument {
public:
    // A write (a value) or a deletion (none) of one key.
    struct Change {
        std::string key;
        std::optional<std::string> value;
    };

    static IniDocument parse(std::string_view text);
    std::string serialize() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Every key of the section that has a value, once each, in the file's spelling.
    std::vector<std::string> keys(std::string_view section) const;
    // Applies the changes in order: afterwards each key reads what the last change of it
    // left. Keys must be valid ones. True when the file's text changed.
    bool apply(std::string_view section, std::span<const Change> changes);
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed.
    bool remove(std::string_view section, std::string_view key);

    // Letters, digits, '_', '-' and '.': what QSettings and this file store without escapes.
    static bool isValidKey(std::string_view key);

private:
    struct Line {
        enum Kind { Section, Entry, Other } kind;
        std::string raw;     // as in the file: continuation lines and line end included
        std::string text;    // Entry: the logical line, continuations joined; Section: its name
        std::string section; // Entry: the section it belongs to
        std::string key;     // Entry only
        bool ended = true;   // raw ends with a line end
        // Its last line asks for a continuation that the file's end denied: anything written
        // after it would be read as part of it.
        bool dangling = false;
    };
    static std::string groupName(std::string_view section);
    // Group and key folded to lower case, for the lookup below.
    static std::string lookupKey(std::string_view group, std::string_view key);
    Line makeEntry(std::string_view group, std::string_view key, std::string_view value) const;
    // The line as it must be written when another follows it.
    std::string closed(const Line& line) const;
    // Where new keys of the group go: after its last line that is not empty; lines_.size()
    // when the group has no section line and no entry yet.
    std::optional<std::size_t> insertionPoint(std::string_view group) const;

    std::vector<Line> lines_;
    bool bom_ = false;       // the file begins with a UTF-8 byte-order mark
    std::string eol_ = "\n"; // the line end new lines get: the file's first one
    // The last entry line of each group and key: a list of signatures holds thousands of
    // keys, and reading each one by a scan of the whole file made loading it quadratic.
    // Built on the first read after a change.
    mutable std::unordered_map<std::string, std::size_t> lookup_;
    mutable bool lookupValid_ = false;
};

} // namespace sentari
