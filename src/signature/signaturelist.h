#pragma once

// The user's e-mail signatures as the settings store keeps them: entry n lives under
// SignatureFile<n>, Intro<n> and, for rich-text files, Fontname<n>, Fontsize<n> and
// Fontcolor<n>. The stored list runs from 1 up to the first index whose file or template
// is empty. This class holds a copy in memory that the signature window edits; store calls
// throw StoreError. Writing the list back is one change of the settings file, however long
// the list.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace sentari {
class SettingsStore;
struct SettingChange;
} // namespace sentari

namespace sentari::signature {

// All fields as they are stored: the path as the system's bytes (a QString cannot always
// hold them), the font size as decimal text, the colour as the decimal text of a 0x00BBGGRR
// value.
struct SignatureEntry {
    std::string path;
    QString intro; // the template, CR LF line breaks, normally holding the quote tag
    QString fontName;
    QString fontSize;
    QString fontColor;
    bool operator==(const SignatureEntry&) const = default;
};

// A file whose name ends in "rtf", in any letter case and with or without a dot before it,
// is written as rich text; everything else as plain text.
bool isRichText(std::string_view path);

class SignatureList {
public:
    explicit SignatureList(SettingsStore& store);

    // Replaces the list in memory with the stored one.
    void load();

    int count() const { return static_cast<int>(entries_.size()); }
    // Entries count from 1.
    const SignatureEntry& at(int n) const { return entries_.at(static_cast<size_t>(n - 1)); }

    // Replaces entry n, or appends when n is count() + 1. Memory only.
    void put(int n, SignatureEntry entry);

    // Writes entries 1..count() to the store. An entry without path and template is skipped,
    // and its keys keep what they held.
    void write();

    // Removes entry n: the entries after it move up one number, the list is written and the
    // keys of the old last number are deleted. A failure part way leaves memory as removed.
    void remove(int n);

    // Deletes the five keys of index n.
    void deleteKeys(int n);

private:
    // The changes write() makes, in its order.
    std::vector<SettingChange> writeChanges() const;
    static void addDeletions(std::vector<SettingChange>& changes, int n);

    SettingsStore& store_;
    std::vector<SignatureEntry> entries_;
};

} // namespace sentari::signature
