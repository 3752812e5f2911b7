#include "signature/signaturelist.h"

#include "platform/qtstring.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"

namespace sentari::signature {

namespace {
std::string key(std::string_view word, int n)
{
    return keys::numbered(word, n);
}
} // namespace

bool isRichText(const QString& path)
{
    return path.right(3).compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0;
}

SignatureList::SignatureList(SettingsStore& store) : store_(store) {}

void SignatureList::load()
{
    entries_.clear();
    for (int n = 1;; ++n) {
        SignatureEntry entry;
        entry.path = qs(store_.readSetting(key(keys::SignatureFile, n)));
        if (entry.path.isEmpty())
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

void SignatureList::writeIfChanged(const std::string& name, const QString& value)
{
    // Every write replaces the whole settings file on disk; most of a list that is written
    // back after one save already reads as it should.
    const std::string text = u8(value);
    if (store_.readSetting(name) != text)
        store_.writeSetting(name, text);
}

void SignatureList::write()
{
    const int total = count();
    for (int n = 1; n <= total; ++n) {
        const SignatureEntry& entry = at(n);
        if (entry.path.isEmpty() && entry.intro.isEmpty())
            continue;
        writeIfChanged(key(keys::SignatureFile, n), entry.path);
        writeIfChanged(key(keys::Intro, n), entry.intro);
        if (!isRichText(entry.path))
            continue;
        writeIfChanged(key(keys::Fontname, n), entry.fontName);
        writeIfChanged(key(keys::Fontsize, n), entry.fontSize);
        writeIfChanged(key(keys::Fontcolor, n), entry.fontColor);
    }
}

void SignatureList::remove(int n)
{
    if (n < 1 || n > count())
        return;
    entries_.erase(entries_.begin() + (n - 1));
    write();
    deleteKeys(count() + 1);
}

void SignatureList::deleteKeys(int n)
{
    for (std::string_view word :
         {keys::SignatureFile, keys::Intro, keys::Fontname, keys::Fontsize, keys::Fontcolor})
        store_.deleteSetting(key(word, n));
}

} // namespace sentari::signature
