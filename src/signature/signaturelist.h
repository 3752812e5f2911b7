#pragma once

// The user's e-mail signatures as the settings store keeps them: entry n lives under
// SignatureFile<n>, Intro<n> and, for rich-text files, Fontname<n>, Fontsize<n> and
// Fontcolor<n>. The stored list runs from 1 up to the first index whose file or template
// is empty. This class holds a copy in memory that the signature window edits; store calls
// throw StoreError. Writing the list back is one change of the settings file, however long
// the list.
//
// Another window or program may change the stored list meanwhile. A write therefore puts only
// what this copy changed since it was loaded or last written on top of the list as it is
// stored now; where the other side changed or removed the same entry, the caller decides.

#include <QString>
#include <functional>
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

// An entry this copy changed that another writer changed or removed too.
struct SignatureConflict {
    bool removing = false; // this copy removes the entry, rather than changing it
    int number = 0;        // the entry's number in the stored list; 0: removed there
    SignatureEntry ours;   // this copy's entry (as loaded, when removing)
    SignatureEntry theirs; // the stored one, when number is not 0
};

// True: this copy's change wins (the entry is written, added again or removed); false: the
// stored entry stays as the other writer left it.
using ConflictChoice = std::function<bool(const SignatureConflict&)>;

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

    // Stores the list: the stored one with this copy's changes on top, which then is the list
    // in memory too. An entry without path and template is skipped, and its keys keep what
    // they held. Returns the number entry `follow` has now (0: gone), so a window stays on it.
    int write(const ConflictChoice& choose, int follow = 0);

    // Removes entry n the same way, with this copy's other changes: the entries after it move
    // up one number and the keys of numbers past the list's end are deleted. On a failure
    // memory stays as it was. Returns the number entry `follow` has now.
    int remove(int n, const ConflictChoice& choose, int follow = 0);

private:
    std::vector<SignatureEntry> readStored(std::vector<SettingChange>& asRead) const;
    int store(int removed, const ConflictChoice& choose, int follow);
    static std::vector<SettingChange> changesFor(const std::vector<SignatureEntry>& list,
                                                 int storedCount);
    static void addDeletions(std::vector<SettingChange>& changes, int n);

    SettingsStore& store_;
    std::vector<SignatureEntry> entries_;
    std::vector<SignatureEntry> loaded_; // the stored list this copy started from
};

// The merge behind write() and remove(), without a store: `ours` is `base` with entries
// changed in place and new ones added at the end; `removed` (0: none) is a number in `base`
// that goes. `follow` is a number in `ours`; on return, its number in the result (0: gone).
std::vector<SignatureEntry> mergeSignatures(const std::vector<SignatureEntry>& base,
                                            const std::vector<SignatureEntry>& ours,
                                            const std::vector<SignatureEntry>& theirs, int removed,
                                            const ConflictChoice& choose, int& follow);

} // namespace sentari::signature
