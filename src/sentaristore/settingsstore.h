#pragma once

// The settings store both programs share: settings, random quotes from the active
// data file, adding and deleting quotes, the quote refresh of the signature files, text to
// RTF and text file writing. This header is the library's whole interface.
//
// The store depends on the C++ standard library only, so `sentari --print-quote` starts
// as fast as a plain C program. All text crosses this interface as UTF-8, except paths.
//
// Paths are bytes. A path in a std::string or std::filesystem::path here (QuoteResult::path,
// the value of "QuoteFile" or "SignatureFile"n, the file arguments) holds exactly the bytes
// the system uses for the file, which need not be UTF-8 (a file named "caf\xe9.txt" on a
// Latin-1 disk). The store keeps such bytes unchanged in the settings. A caller keeps the
// bytes it got and hands them back as they are; it turns them into text only to show them,
// with displayPath(). Converting to a UTF-16 or UTF-8 string and back replaces such bytes
// with U+FFFD and names another file.

#include "sentaristore/export.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sentari {

// Where a signature template takes the current quote.
inline constexpr std::string_view QuoteTag = "<Quote will be inserted here>";

// Thrown when a store operation fails. what() is a complete sentence for the user:
// what failed, on which file, and the system's reason.
class SENTARISTORE_EXPORT StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct QuoteResult {
    bool noDataFile = true;  // no usable data file: unset, missing, unreadable, a folder, no quote
    std::string path;        // the data file named by "QuoteFile" (bytes, see above)
    std::int64_t number = 0; // 1-based line number of the quote in that file
    std::string text;        // the quote, one whole line without its line break
    bool cut = false;        // the line is longer than a quote can be (1 MiB); text is its start
    std::string problem;     // with noDataFile: a sentence saying which file and why
};

// The quotes a pick may give, by their length in characters, as fortune's -s and -l ask.
struct QuoteLength {
    std::int64_t shortest = 0;
    std::int64_t longest = INT64_MAX;
    bool any() const { return shortest <= 0 && longest == INT64_MAX; }
};

struct QuoteDeletion {
    bool deleted = false;
    std::int64_t line = 0;           // the 1-based number the deleted line had
    std::int64_t remainingLines = 0; // lines in the file afterwards
};

struct SignatureResult {
    bool exists = false; // "SignatureFile"n and "Intro"n are both non-empty
    std::string text;    // the template with the quote in place of the tag, as written
    std::string rtf;     // the same as an RTF document
};

struct SignatureRefresh {
    std::int64_t count = 0;            // signatures this call reached; each got the quote
    std::string text;                  // signature 1 with the quote, when this call reached it
    std::string rtf;                   // the same as an RTF document
    std::vector<std::string> failures; // a sentence for each file not written, or the settings
    std::int64_t next = 0; // where a call stopped by its limit goes on; 0: the list ended
};

// One change of applySettings(): a value to write, or none to delete the key.
struct SettingChange {
    std::string key;
    std::optional<std::string> value;
};

struct SENTARISTORE_EXPORT StoreLocations {
    std::filesystem::path settingsFile; // the INI file
    std::filesystem::path cacheDir;     // persisted quote indexes live here
    // Where the user's config and cache folders say (XDG_CONFIG_HOME, XDG_CACHE_HOME).
    static StoreLocations standard();
};

class SENTARISTORE_EXPORT SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(StoreLocations locations);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The next non-empty line of the data file named by "QuoteFile" in a random order that
    // every program shares: none comes back before all were given (lines added meanwhile
    // join in, deleted ones drop out), and never the one picked last while the file holds
    // another. The order survives restarts.
    QuoteResult getQuote(const QuoteLength& length = {});
    // Called before quotes and settings are read; makes sure the next read sees the file.
    void prepare();
    // The value last written under the key (letter case ignored), or the key's first value.
    std::string readSetting(std::string_view key);
    // Keys are letters, digits, '_', '-' and '.'; any other key is refused (StoreError).
    void writeSetting(std::string_view key, std::string_view value);
    void deleteSetting(std::string_view key);
    // The writes and deletions in order, under one lock and with one rewrite of the file:
    // afterwards every key reads what the same writeSetting() and deleteSetting() calls would
    // have left, and no other program sees a state in between. Nothing is written when no
    // value changes.
    void applySettings(const std::vector<SettingChange>& changes);
    // The same, but only while every expected key reads what readSetting() would answer as its
    // value (no value: it reads empty); checked under the lock. False when one reads otherwise:
    // another program wrote since the caller read, and nothing is written.
    bool applySettingsIf(const std::vector<SettingChange>& expected,
                         const std::vector<SettingChange>& changes);

    // Adds the quote (UTF-8, one line; control characters but tab are left out) as the last
    // line of the data file: `file`, or the active one when empty. The file keeps its encoding
    // and line-end style, and a last line without a line break gets one first; a missing file
    // is created as UTF-8 with CR LF. Writers of one data file take turns, in any process.
    void addQuote(const std::filesystem::path& file, std::string_view quote);
    // Deletes line `lineNumber` of the data file when its text is the quote, else the first
    // line whose text is (the file was edited since the quote was picked); nothing when none
    // is. The file is replaced atomically and flushed to disk.
    QuoteDeletion deleteQuote(const std::filesystem::path& file, std::int64_t lineNumber,
                              std::string_view quote);

    // Puts the quote (control characters left out) in place of every QuoteTag into the files
    // of signatures 1, 2, ... up to the first one missing; from `from` on and at most `limit`
    // of them, so that a long list can be done in slices that each take a few milliseconds.
    // Plain-text and HTML files get LF line ends, a plain-text quote wraps at 72 columns, an
    // HTML one has every non-ASCII character as a reference; with no quote, the lines that
    // held only the tag are left out.
    // Never throws: what could not be done is in the failures (a read-only signature file is
    // left as it is and named there).
    SignatureRefresh refreshSignatures(std::string_view quote, std::int64_t from = 1,
                                       std::int64_t limit = INT64_MAX);
    // Signature n filled with the quote as refreshSignatures() writes it, without writing;
    // exists is false when there is no signature n.
    SignatureResult signature(std::string_view quote, std::int64_t n);
    // A complete RTF document of the text in that font, whole point size and 0x00BBGGRR colour.
    std::string textToRtf(std::string_view text, std::string_view fontName, std::uint32_t colour,
                          int pointSize) const;
    // The file then holds exactly the text (UTF-8); it is replaced atomically.
    void writeTextFile(const std::filesystem::path& path, std::string_view text) const;
    // A text file as UTF-8, as the data file is read: UTF-8 (a byte-order mark dropped),
    // UTF-16 with its byte-order mark or, when it is not valid UTF-8, Windows-1252. Line breaks
    // are left as they are.
    std::string readTextFile(const std::filesystem::path& path) const;

    // Programs with a font database tell the store which families are installed, so the
    // first value of "scrFont" names one of them.
    void setFontFamiliesProvider(std::function<std::vector<std::string>()> provider);

    const StoreLocations& locations() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// A path (bytes) as people read it: valid UTF-8 as it is, every other byte and every control
// character as \xNN. For messages and window titles; never to name the file again.
SENTARISTORE_EXPORT std::string displayPath(const std::filesystem::path& path);
// The text without control characters (C0 but tab and those in `keep`, DEL, C1) and with
// U+FFFD for bytes that are not UTF-8: safe for a terminal or a file.
SENTARISTORE_EXPORT std::string withoutControls(std::string_view text, std::string_view keep = {});

} // namespace sentari
