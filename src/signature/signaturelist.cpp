#include "signature/signaturelist.h"

#include "platform/qtstring.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"

#include <algorithm>

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

SignatureList::SignatureList(SettingsStore& store) : store_(store) {}

void SignatureList::load()
{
    entries_.clear();
    for (int n = 1;; ++n) {
        SignatureEntry entry;
        entry.path = store_.readSetting(key(keys::SignatureFile, n));
        if (entry.path.empty())
            break;
        entry.intro = qs(store_.readSetting(key(keys::Intro, n)));
        if (entry.intro.isEmpty())
            break;
        entry.fontName = qs(store_.readSetting(key(keys::Fontname, n)));
        entry.fontSize = qs(store_.readSetting(key(keys::Fontsize, n)));
        entry.fontColor = qs(store_.readSetting(key(keys::Fontcolor, n)));
        entries_.push_back(std::move(entry));
    }
}

void SignatureList::put(int n, SignatureEntry entry)
{
    if (n >= 1 && n <= count())
        entries_[static_cast<size_t>(n - 1)] = std::move(entry);
    else if (n == count() + 1)
        entries_.push_back(std::move(entry));
}

std::vector<SettingChange> SignatureList::writeChanges() const
{
    std::vector<SettingChange> changes;
    const int total = count();
    for (int n = 1; n <= total; ++n) {
        const SignatureEntry& entry = at(n);
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
    return changes;
}

void SignatureList::addDeletions(std::vector<SettingChange>& changes, int n)
{
    for (std::string_view word :
         {keys::SignatureFile, keys::Intro, keys::Fontname, keys::Fontsize, keys::Fontcolor})
        changes.push_back({key(word, n), std::nullopt});
}

void SignatureList::write()
{
    store_.applySettings(writeChanges());
}

void SignatureList::remove(int n)
{
    if (n < 1 || n > count())
        return;
    entries_.erase(entries_.begin() + (n - 1));
    auto changes = writeChanges();
    addDeletions(changes, count() + 1);
    store_.applySettings(changes);
}

void SignatureList::deleteKeys(int n)
{
    std::vector<SettingChange> changes;
    addDeletions(changes, n);
    store_.applySettings(changes);
}

} // namespace sentari::signature
