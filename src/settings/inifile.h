#pragma once

// The settings file: INI text in the form QSettings writes ([General] for the empty
// section, key=value, backslash escapes, quotes around values that need them). Keys and
// section names match without regard to letter case; a hand-edited value is read whole,
// commas included. Comments and unknown lines survive a rewrite.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sentari {

class IniDocument {
public:
    static IniDocument parse(std::string_view text);
    std::string serialize() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed.
    bool remove(std::string_view section, std::string_view key);

    static std::string escapeValue(std::string_view value);
    static std::string unescapeValue(std::string_view raw);

private:
    struct Line {
        enum Kind { Section, Entry, Other } kind;
        std::string text;    // the line as it stands in the file
        std::string section; // Section: its name; Entry: the section it belongs to
        std::string key;     // Entry only
    };
    static std::string groupName(std::string_view section);
    // Group and key folded to lower case, for the lookup below.
    static std::string lookupKey(std::string_view group, std::string_view key);
    std::vector<Line> lines_;
    // The last entry line of each group and key: a list of signatures holds thousands of
    // keys, and reading each one by a scan of the whole file made loading it quadratic.
    // Built on the first read after a change.
    mutable std::unordered_map<std::string, std::size_t> lookup_;
    mutable bool lookupValid_ = false;
};

} // namespace sentari
