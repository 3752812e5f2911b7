#include "signature/signaturelist.h"

#include "platform/qtstring.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace sentari::signature {

namespace {
std::string key(std::string_view word, int n)
{
    return keys::numbered(word, n);
}
} // namespace

bool isRichText(std::string_view path)
{
    if (path.size() < 3)
        return false;
    const std::string_view end = path.substr(path.size() - 3);
    return std::equal(end.begin(), end.end(), "rtf",
                      [](char c, char lower) { return (c | 0x20) == lower; });
}

namespace {

// Where an entry of the list a copy started from is in the stored list now.
struct Location {
    std::size_t at = 0;
    bool found = false;
    bool changed = false; // found by its file only: the other writer edited it
};

// Equal as the store holds them: a plain-text entry stores no font.
bool sameStored(const SignatureEntry& a, const SignatureEntry& b)
{
    return a.path == b.path && a.intro == b.intro &&
           (!isRichText(a.path) ||
            (a.fontName == b.fontName && a.fontSize == b.fontSize && a.fontColor == b.fontColor));
}

struct Slot {
    std::optional<SignatureEntry> entry; // none: removed
    bool followed = false;
};

} // namespace

std::vector<SignatureEntry> mergeSignatures(const std::vector<SignatureEntry>& base,
                                            const std::vector<SignatureEntry>& ours,
                                            const std::vector<SignatureEntry>& theirs, int removed,
                                            const ConflictChoice& choose, int& follow)
{
    std::vector<Slot> stored(theirs.size());
    for (std::size_t m = 0; m < theirs.size(); ++m)
        stored[m].entry = theirs[m];
    std::vector<bool> claimed(theirs.size());
    // Unchanged at its number, unchanged elsewhere (another writer removed one before it),
    // then by its file at its number or elsewhere, then at its number.
    const auto locate = [&](const SignatureEntry& was, std::size_t n) {
        const auto find = [&](auto same) -> std::optional<std::size_t> {
            if (n < theirs.size() && !claimed[n] && same(theirs[n]))
                return n;
            for (std::size_t m = 0; m < theirs.size(); ++m)
                if (!claimed[m] && same(theirs[m]))
                    return m;
            return std::nullopt;
        };
        Location where;
        auto at = find([&](const SignatureEntry& e) { return sameStored(e, was); });
        if (!at) {
            at = find([&](const SignatureEntry& e) { return e.path == was.path; });
            where.changed = true;
        }
        // A list as long as it was, with another file at this number: edited there, not gone.
        if (!at && n < theirs.size() && theirs.size() == base.size() && !claimed[n])
            at = n;
        where.found = at.has_value();
        where.at = at.value_or(0);
        return where;
    };

    std::vector<Slot> added;
    const std::size_t common = std::min(base.size(), ours.size());
    for (std::size_t n = 0; n < common; ++n) {
        const bool removing = static_cast<int>(n) + 1 == removed;
        const bool edited = !removing && !sameStored(ours[n], base[n]);
        const bool followed = static_cast<int>(n) + 1 == follow;
        if (!removing && !edited && !followed)
            continue;
        const Location where = locate(base[n], n);
        if (!removing && !edited) {
            if (where.found)
                stored[where.at].followed = true;
            continue;
        }
        if (!where.found && removing)
            continue; // gone already
        if (where.found)
            claimed[where.at] = true;
        const bool oursWins = (where.found && !where.changed) ||
                              choose({removing, where.found ? static_cast<int>(where.at) + 1 : 0,
                                      removing ? base[n] : ours[n],
                                      where.found ? theirs[where.at] : SignatureEntry{}});
        if (!where.found) {
            if (oursWins)
                added.push_back({ours[n], followed});
            continue;
        }
        Slot& slot = stored[where.at];
        slot.followed = slot.followed || followed;
        if (oursWins && removing)
            slot.entry.reset();
        else if (oursWins)
            slot.entry = ours[n];
    }
    for (std::size_t n = common; n < ours.size(); ++n)
        added.push_back({ours[n], static_cast<int>(n) + 1 == follow});

    std::vector<SignatureEntry> result;
    const bool followsNew = follow > static_cast<int>(ours.size());
    follow = 0;
    for (std::vector<Slot>* part : {&stored, &added})
        for (Slot& slot : *part) {
            if (!slot.entry)
                continue;
            result.push_back(std::move(*slot.entry));
            if (slot.followed)
                follow = static_cast<int>(result.size());
        }
    if (followsNew)
        follow = static_cast<int>(result.size()) + 1;
    return result;
}

SignatureList::SignatureList(SettingsStore& store) : store_(store) {}

std::vector<SignatureEntry> SignatureList::readStored(std::vector<SettingChange>& asRead) const
{
    std::vector<SignatureEntry> stored;
    for (int n = 1;; ++n) {
        const auto read = [&](std::string_view word) {
            std::string value = store_.readSetting(key(word, n));
            asRead.push_back({key(word, n), value});
            return value;
        };
        SignatureEntry entry;
        entry.path = read(keys::SignatureFile);
        entry.intro = qs(read(keys::Intro));
        entry.fontName = qs(read(keys::Fontname));
        entry.fontSize = qs(read(keys::Fontsize));
        entry.fontColor = qs(read(keys::Fontcolor));
        if (entry.path.empty() || entry.intro.isEmpty())
            return stored;
        stored.push_back(std::move(entry));
    }
}

void SignatureList::load()
{
    std::vector<SettingChange> unused;
    entries_ = readStored(unused);
    loaded_ = entries_;
}

void SignatureList::put(int n, SignatureEntry entry)
{
    if (n >= 1 && n <= count())
        entries_[static_cast<size_t>(n - 1)] = std::move(entry);
    else if (n == count() + 1)
        entries_.push_back(std::move(entry));
}

std::vector<SettingChange> SignatureList::changesFor(const std::vector<SignatureEntry>& list,
                                                     int storedCount)
{
    std::vector<SettingChange> changes;
    const int total = static_cast<int>(list.size());
    for (int n = 1; n <= total; ++n) {
        const SignatureEntry& entry = list[static_cast<size_t>(n - 1)];
        if (entry.path.empty() && entry.intro.isEmpty())
            continue;
        changes.push_back({key(keys::SignatureFile, n), entry.path});
        changes.push_back({key(keys::Intro, n), u8(entry.intro)});
        if (!isRichText(entry.path))
            continue;
        changes.push_back({key(keys::Fontname, n), u8(entry.fontName)});
        changes.push_back({key(keys::Fontsize, n), u8(entry.fontSize)});
        changes.push_back({key(keys::Fontcolor, n), u8(entry.fontColor)});
    }
    for (int n = total + 1; n <= storedCount; ++n)
        addDeletions(changes, n);
    return changes;
}

void SignatureList::addDeletions(std::vector<SettingChange>& changes, int n)
{
    for (std::string_view word :
         {keys::SignatureFile, keys::Intro, keys::Fontname, keys::Fontsize, keys::Fontcolor})
        changes.push_back({key(word, n), std::nullopt});
}

int SignatureList::store(int removed, const ConflictChoice& choose, int follow)
{
    // Read, merge, and write only if nobody wrote in between; the questions are asked outside
    // the settings lock, so another writer never waits for the user.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::vector<SettingChange> asRead;
        const auto theirs = readStored(asRead);
        int followed = follow;
        auto merged = mergeSignatures(loaded_, entries_, theirs, removed, choose, followed);
        if (store_.applySettingsIf(asRead, changesFor(merged, static_cast<int>(theirs.size())))) {
            entries_ = merged;
            loaded_ = std::move(merged);
            return followed;
        }
    }
    throw StoreError(QCoreApplication::translate("sentari::signature::SignatureWindow",
                                                 "The signature list could not be saved: another "
                                                 "program kept changing the settings file. Try "
                                                 "again.")
                         .toStdString());
}

int SignatureList::write(const ConflictChoice& choose, int follow)
{
    return store(0, choose, follow);
}

int SignatureList::remove(int n, const ConflictChoice& choose, int follow)
{
    if (n < 1 || n > count())
        return follow;
    if (n <= static_cast<int>(loaded_.size()))
        return store(n, choose, follow);
    // Added in this copy only: nothing stored to remove.
    const auto kept = entries_;
    entries_.erase(entries_.begin() + (n - 1));
    try {
        return store(0, choose, follow == n ? 0 : follow > n ? follow - 1 : follow);
    } catch (...) {
        entries_ = kept;
        throw;
    }
}

} // namespace sentari::signature
