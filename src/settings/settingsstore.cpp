#include "settingsstore.h"

#include "colour.h"
#include "fileio.h"
#include "inifile.h"
#include "keys.h"
#include "quotefile.h"
#include "quoteindex.h"
#include "rtf.h"
#include "textcodec.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <charconv>
#include <cmath>
#include <random>

namespace fs = std::filesystem;

namespace sentari {

StoreLocations StoreLocations::standard()
{
    return {fileio::configHome() / "Sentari" / "Sentari.ini", fileio::cacheHome() / "sentari"};
}

struct SettingsStore::Impl {
    StoreLocations locations;
    IniDocument ini;
    std::optional<fileio::FileId> iniId;
    bool iniLoaded = false;
    std::unique_ptr<QuoteIndex> index;
    std::string indexPath;
    std::mt19937_64 rng{std::random_device{}()};
    std::function<std::vector<std::string>()> fontFamilies;

    fs::path lockFile() const
    {
        fs::path p = locations.settingsFile;
        p += ".lock";
        return p;
    }

    // Reads the file again only when it was replaced or changed since the last read.
    void refresh()
    {
        const auto id = fileio::identify(locations.settingsFile);
        if (iniLoaded && id == iniId)
            return;
        const auto text = fileio::readIfExists(locations.settingsFile, "the settings file");
        ini = IniDocument::parse(text ? *text : std::string());
        iniId = id;
        iniLoaded = true;
    }

    // Read, change and replace the file under the lock, so no other writer's change is lost.
    template <typename Change> void modify(Change&& change)
    {
        fileio::FileLock lock(lockFile());
        iniLoaded = false;
        refresh();
        if (!change(ini))
            return;
        fileio::writeAtomically(locations.settingsFile, ini.serialize(), "the settings file");
        iniId = fileio::identify(locations.settingsFile);
    }

    // The data file named by "QuoteFile"; throws when none is chosen.
    std::string activeDataFile()
    {
        refresh();
        auto path = ini.value({}, keys::QuoteFile).value_or(std::string());
        if (path.empty())
            throw StoreError("No quote data file is chosen yet; choose one in Sentari's menu.");
        return path;
    }

    QuoteIndex* indexFor(const std::string& path)
    {
        if (index && indexPath == path && index->isCurrent())
            return index.get();
        auto fresh = QuoteIndex::open(path, locations.cacheDir);
        if (fresh && index && indexPath == path)
            fresh->inheritLastPick(*index);
        index = std::move(fresh);
        indexPath = path;
        return index.get();
    }

    std::string firstValue(std::string_view key, std::string_view section)
    {
        const auto info = keys::find(key);
        if (!info)
            return {};
        switch (info->source) {
        case keys::FirstValue::Fixed:
            return std::string(info->firstValue);
        case keys::FirstValue::DataFileLineCount: {
            const auto path = ini.value(section, keys::QuoteFile).value_or(std::string());
            QuoteIndex* idx = path.empty() ? nullptr : indexFor(path);
            return std::to_string(idx ? idx->lineCount() : 0);
        }
        case keys::FirstValue::InstalledFont: {
            const auto families = fontFamilies ? fontFamilies() : std::vector<std::string>();
            for (std::string_view preferred : {"Arial", "Liberation Sans", "DejaVu Sans"})
                if (std::find(families.begin(), families.end(), preferred) != families.end())
                    return std::string(preferred);
            return families.empty() ? std::string("Liberation Sans") : families.front();
        }
        }
        return {};
    }
};

SettingsStore::SettingsStore() : SettingsStore(StoreLocations::standard()) {}

SettingsStore::SettingsStore(StoreLocations locations) : d(std::make_unique<Impl>())
{
    d->locations = std::move(locations);
}

SettingsStore::~SettingsStore() = default;

const StoreLocations& SettingsStore::locations() const
{
    return d->locations;
}

void SettingsStore::setFontFamiliesProvider(std::function<std::vector<std::string>()> provider)
{
    d->fontFamilies = std::move(provider);
}

void SettingsStore::prepare(std::string_view)
{
    d->refresh(); // reads the file again only if another program changed it
}

std::string SettingsStore::readSetting(std::string_view key, std::string_view section)
{
    d->refresh();
    if (auto value = d->ini.value(section, key))
        return std::move(*value);
    return d->firstValue(key, section);
}

void SettingsStore::writeSetting(std::string_view key, std::string_view value,
                                 std::string_view section)
{
    d->modify([&](IniDocument& ini) {
        ini.setValue(section, key, value);
        return true;
    });
}

void SettingsStore::deleteSetting(std::string_view key, std::string_view section)
{
    d->modify([&](IniDocument& ini) { return ini.remove(section, key); });
}

QuoteResult SettingsStore::getQuote(std::string_view section)
{
    QuoteResult result;
    d->refresh();
    result.path = d->ini.value(section, keys::QuoteFile).value_or(std::string());
    if (result.path.empty() || fileio::kindOf(result.path) != fileio::Kind::Regular)
        return result;
    QuoteIndex* index = d->indexFor(result.path);
    if (!index)
        return result;
    auto line = index->pick(d->rng);
    if (!line)
        return result;
    result.noDataFile = false;
    result.number = line->number;
    result.text = std::move(line->text);
    return result;
}

namespace {

bool endsWithNoCase(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && keys::sameKey(s.substr(s.size() - suffix.size()), suffix);
}

std::string replaceAll(std::string_view text, std::string_view tag, std::string_view with)
{
    if (tag.empty())
        return std::string(text);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const auto hit = text.find(tag, pos);
        out.append(text.substr(pos, hit - pos));
        if (hit == std::string_view::npos)
            break;
        out.append(with);
        pos = hit + tag.size();
    }
    return out;
}

std::string htmlEscape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// "10", "9.75" or, as some locales write it, "9,75"; halves go to the even neighbour.
int pointSizeOf(std::string value, int fallback)
{
    std::replace(value.begin(), value.end(), ',', '.');
    double size = 0;
    const auto* b = value.data();
    while (b < value.data() + value.size() && *b == ' ')
        ++b;
    const auto [ptr, ec] = std::from_chars(b, value.data() + value.size(), size);
    if (ec != std::errc() || !(size >= 1 && size <= 1638))
        return fallback;
    return static_cast<int>(std::nearbyint(size));
}

} // namespace

SignatureResult SettingsStore::signature(std::string_view quote, std::int64_t n)
{
    SignatureResult result;
    const std::string file = readSetting(keys::numbered(keys::SignatureFile, n));
    const std::string intro = readSetting(keys::numbered(keys::Intro, n));
    if (file.empty() || intro.empty())
        return result;
    result.exists = true;

    const bool html = endsWithNoCase(file, ".htm") || endsWithNoCase(file, ".html");
    std::string plain = replaceAll(intro, QuoteTag, quote);
    std::string font = readSetting(keys::numbered(keys::Fontname, n));
    if (font.empty())
        font = "Arial";
    const int size = pointSizeOf(readSetting(keys::numbered(keys::Fontsize, n)), 10);
    const std::uint32_t colour =
        colour::parse(readSetting(keys::numbered(keys::Fontcolor, n))).value_or(colour::Black);
    result.rtf = textToRtf(plain, font, colour, size);
    result.text = html ? replaceAll(intro, QuoteTag, htmlEscape(quote)) : std::move(plain);
    return result;
}

SignatureRefresh SettingsStore::refreshSignatures(std::string_view quote, std::int64_t from,
                                                  std::int64_t limit)
{
    SignatureRefresh done;
    for (std::int64_t n = std::max<std::int64_t>(from, 1);; ++n) {
        if (done.count >= limit) {
            done.next = n;
            break;
        }
        std::string file;
        SignatureResult sig;
        try {
            sig = signature(quote, n);
            if (sig.exists)
                file = readSetting(keys::numbered(keys::SignatureFile, n));
        } catch (const StoreError& e) {
            // Settings that cannot be read hide every later signature too.
            done.failures.emplace_back(e.what());
            break;
        }
        if (!sig.exists)
            break;
        ++done.count;
        try {
            fileio::writeAtomically(file, endsWithNoCase(file, "rtf") ? sig.rtf : sig.text,
                                    "the signature file");
        } catch (const StoreError& e) {
            done.failures.emplace_back(e.what()); // the other signatures still get the quote
        }
        if (n == 1) {
            done.text = std::move(sig.text);
            done.rtf = std::move(sig.rtf);
        }
    }
    return done;
}

void SettingsStore::addQuote(const fs::path& file, std::string_view quote)
{
    const fs::path target = file.empty() ? fs::path(d->activeDataFile()) : file;
    quotefile::add(target, quote, [&] { return d->indexFor(target.string()); });
}

QuoteDeletion SettingsStore::deleteQuote(const fs::path& file, std::int64_t lineNumber,
                                         std::string_view quote)
{
    const std::string path = file.empty() ? d->activeDataFile() : file.string();
    auto removal =
        quotefile::remove(d->indexFor(path), path, lineNumber, quote, d->locations.cacheDir);
    if (removal.index)
        d->index = std::move(removal.index); // else the stale one is rebuilt at its next use
    return removal.result;
}

std::string SettingsStore::getInfo() const
{
    return "Sentari settings store, settings in " + d->locations.settingsFile.string();
}

std::string SettingsStore::textToRtf(std::string_view text, std::string_view fontName,
                                     std::uint32_t colour, int pointSize) const
{
    return sentari::textToRtf(text, fontName, colour, pointSize);
}

void SettingsStore::writeTextFile(const fs::path& path, std::string_view text) const
{
    fileio::writeAtomically(path, text, "the file");
}

std::string SettingsStore::readTextFile(const fs::path& path) const
{
    auto read = fileio::readIfExists(path, "the file");
    if (!read)
        throw StoreError("Could not read the file \"" + path.string() + "\": " +
                         fileio::systemReason(ENOENT) + ".");
    std::string bytes = std::move(*read);
    if (!text::isValidUtf8(bytes))
        return text::cp1252ToUtf8(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.erase(0, 3);
    return bytes;
}

} // namespace sentari
