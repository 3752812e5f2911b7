#pragma once

// The settings store both programs share: settings, random quotes from the active
// data file, the quote refresh of the signature files, text to RTF and text file writing.
//
// The store depends on the C++ standard library only, so `sentari --print-quote` starts
// as fast as a plain C program. All text crosses this interface as UTF-8.

#include "export.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
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
    std::string path;        // the data file named by "QuoteFile"
    std::int64_t number = 0; // 1-based line number of the quote in that file
    std::string text;        // the quote, one whole line without its line break
};

struct SignatureResult {
    bool exists = false; // "SignatureFile"n and "Intro"n are both non-empty
    std::string text;    // the template with the quote in place of the tag, as written
    std::string rtf;     // the same as an RTF document
    std::string error;   // why the signature's file could not be written; empty when it was
};

struct StoreLocations {
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

    // A random non-empty line of the data file named by "QuoteFile"; never the one picked
    // last (by any program) while the file holds another.
    QuoteResult getQuote(std::string_view section = {});
    // Called before quotes and settings are read; makes sure the next read sees the file.
    void prepare(std::string_view section = {});
    // The value last written under the key (letter case ignored), or the key's first value.
    std::string readSetting(std::string_view key, std::string_view section = {});
    void writeSetting(std::string_view key, std::string_view value, std::string_view section = {});
    void deleteSetting(std::string_view key, std::string_view section = {});
    // Puts the quote into signature n's file in place of every tag and returns the filled
    // signature; exists is false (and nothing is written) when there is no signature n.
    // A file that cannot be written is reported in the result; a settings file that cannot
    // be read throws.
    SignatureResult updateSignature(std::string_view quote, std::int64_t n, std::string_view tag,
                                    std::string_view section = {});
    // Signature n filled with the quote as updateSignature() would write it, without writing.
    SignatureResult signature(std::string_view quote, std::int64_t n,
                              std::string_view tag = QuoteTag, std::string_view section = {});
    std::string getInfo() const;
    // A complete RTF document of the text in that font, whole point size and 0x00BBGGRR colour.
    std::string textToRtf(std::string_view text, std::string_view fontName, std::uint32_t colour,
                          int pointSize) const;
    // The file then holds exactly the text (UTF-8); it is replaced atomically.
    void writeTextFile(const std::filesystem::path& path, std::string_view text) const;
    // A text file as UTF-8, as the data file is read: UTF-8 (a byte-order mark dropped) or,
    // when it is not valid UTF-8, Windows-1252. Line breaks are left as they are.
    std::string readTextFile(const std::filesystem::path& path) const;

    // Programs with a font database tell the store which families are installed, so the
    // first value of "scrFont" names one of them.
    void setFontFamiliesProvider(std::function<std::vector<std::string>()> provider);

    const StoreLocations& locations() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace sentari
