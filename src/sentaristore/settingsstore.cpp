#include "settingsstore.h"

#include "sentaristore/files/atomicfile.h"
#include "sentaristore/files/fileio.h"
#include "sentaristore/files/textcodec.h"
#include "sentaristore/quotes/quotefile.h"
#include "sentaristore/quotes/quoteindex.h"
#include "sentaristore/settings/inifile.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/signaturefill/rtf.h"
#include "sentaristore/signaturefill/signaturefill.h"

#include <algorithm>
#include <cerrno>
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
    bool leftoversCleaned = false;
    // A refresh done in slices looks through each signature folder once, at its first slice:
    // listing a folder of 20,000 files per slice made the slices the whole cost.
    fileio::TemporaryCleaner refreshCleaner;

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
        if (!leftoversCleaned)
            cleanLeftovers();
    }

    // What writers killed before they finished left beside the files this store writes.
    void cleanLeftovers()
    {
        leftoversCleaned = true;
        fileio::TemporaryCleaner cleaner;
        cleaner.cleanBeside(locations.settingsFile);
        cleaner.cleanFolder(locations.cacheDir);
        if (auto quotes = ini.value({}, keys::QuoteFile); quotes && !quotes->empty()) {
            cleaner.cleanBeside(*quotes);
            fileio::removeIfAbandoned(fileio::lockBeside(*quotes));
        }
    }

    // Read, change and replace the file under the lock, so no other writer's change is lost.
    template <typename Change> void modify(Change&& change)
    {
        fileio::FileLock lock(lockFile());
        iniLoaded = false;
        refresh();
        if (!change(ini))
            return;
        try {
            fileio::writeAtomically(locations.settingsFile, ini.serialize(), "the settings file");
        } catch (...) {
            // The change lives only in memory: read the file again rather than show it.
            iniLoaded = false;
            throw;
        }
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

    // Every setting lives in the file's general group.
    std::string read(std::string_view key)
    {
        if (auto value = ini.value({}, key))
            return std::move(*value);
        return firstValue(key);
    }

    // Applies the changes when every expected key still reads its value; false otherwise.
    bool apply(const std::vector<SettingChange>& changes,
               const std::vector<SettingChange>& expected = {})
    {
        std::vector<IniDocument::Change> ini;
        ini.reserve(changes.size());
        for (const SettingChange& change : changes) {
            if (!IniDocument::isValidKey(change.key))
                throw StoreError("\"" + text::forDisplay(change.key) +
                                 "\" cannot be a settings key: keys are made of letters, digits, "
                                 "'_', '-' and '.'.");
            ini.push_back({change.key, change.value});
        }
        bool current = true;
        modify([&](IniDocument& doc) {
            current = std::all_of(expected.begin(), expected.end(), [&](const SettingChange& e) {
                return read(e.key) == e.value.value_or(std::string());
            });
            return current && doc.apply({}, ini);
        });
        return current;
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

    std::string firstValue(std::string_view key)
    {
        const auto info = keys::find(key);
        if (!info)
            return {};
        switch (info->source) {
        case keys::FirstValue::Fixed:
            return std::string(info->firstValue);
        case keys::FirstValue::DataFileLineCount: {
            const auto path = ini.value({}, keys::QuoteFile).value_or(std::string());
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

SettingsStore::SettingsStore(StoreLocations locations) : d_(std::make_unique<Impl>())
{
    d_->locations = std::move(locations);
}

SettingsStore::~SettingsStore() = default;

const StoreLocations& SettingsStore::locations() const
{
    return d_->locations;
}

void SettingsStore::setFontFamiliesProvider(std::function<std::vector<std::string>()> provider)
{
    d_->fontFamilies = std::move(provider);
}

void SettingsStore::prepare()
{
    d_->refresh(); // reads the file again only if another program changed it
}

std::string SettingsStore::readSetting(std::string_view key)
{
    d_->refresh();
    return d_->read(key);
}

void SettingsStore::writeSetting(std::string_view key, std::string_view value)
{
    d_->apply({{std::string(key), std::string(value)}});
}

void SettingsStore::deleteSetting(std::string_view key)
{
    d_->apply({{std::string(key), std::nullopt}});
}

void SettingsStore::applySettings(const std::vector<SettingChange>& changes)
{
    d_->apply(changes);
}

bool SettingsStore::applySettingsIf(const std::vector<SettingChange>& expected,
                                    const std::vector<SettingChange>& changes)
{
    return d_->apply(changes, expected);
}

QuoteResult SettingsStore::getQuote(const QuoteLength& length)
{
    QuoteResult result;
    d_->refresh();
    result.path = d_->ini.value({}, keys::QuoteFile).value_or(std::string());
    const auto problem = [&](std::string_view why) {
        result.problem =
            "The quote data file \"" + fileio::shown(result.path) + "\" " + std::string(why) + ".";
        return result;
    };
    if (result.path.empty()) {
        result.problem = "No quote data file is chosen yet.";
        return result;
    }
    // Opens nothing but a regular file, and that without waiting.
    QuoteIndex* index = d_->indexFor(result.path);
    if (!index)
        return problem("cannot be read: " +
                       fileio::whyUnreadable(result.path).value_or("it changed while read"));
    LineFilter fits;
    if (!length.any())
        fits = [&length](const QuoteLine& line) {
            const auto n = static_cast<std::int64_t>(text::codePointCount(line.text));
            return n >= length.shortest && n <= length.longest && !line.cut;
        };
    auto line = index->pick(d_->rng, fits);
    if (!line && index->quoteCount() > 0 && fits) {
        result.problem = "The quote data file \"" + fileio::shown(result.path) +
                         "\" holds no quote of " +
                         (length.shortest > 0 ? "more than " + std::to_string(length.shortest - 1)
                                              : "at most " + std::to_string(length.longest)) +
                         " characters.";
        return result;
    }
    if (!line)
        return problem(index->quoteCount() == 0
                           ? "holds no quote: it is empty or has only blank lines"
                           : "cannot be read");
    result.noDataFile = false;
    result.number = line->number;
    result.text = std::move(line->text);
    result.cut = line->cut;
    return result;
}

SignatureResult SettingsStore::signature(std::string_view quote, std::int64_t n)
{
    d_->refresh();
    FilledSignature filled = fillSignature(d_->ini, text::withoutControls(quote), n);
    if (!filled.refusal.empty())
        fileio::fail("fill", "the signature file", filled.file, filled.refusal);
    return std::move(filled.result);
}

SignatureRefresh SettingsStore::refreshSignatures(std::string_view quote, std::int64_t from,
                                                  std::int64_t limit)
{
    SignatureRefresh done;
    try {
        d_->refresh(); // once: the list is read from one version of the settings
    } catch (const StoreError& e) {
        done.failures.emplace_back(e.what()); // settings that cannot be read hide every signature
        return done;
    }
    const std::string clean = text::withoutControls(quote);
    if (from <= 1)
        d_->refreshCleaner = fileio::TemporaryCleaner();
    fileio::TemporaryCleaner& cleaner = d_->refreshCleaner;
    for (std::int64_t n = std::max<std::int64_t>(from, 1);; ++n) {
        if (done.count >= limit) {
            done.next = n;
            break;
        }
        auto sig = fillSignature(d_->ini, clean, n);
        if (!sig.result.exists)
            break;
        ++done.count;
        // Replaced atomically but not flushed to disk: the content follows from the settings
        // and the next refresh writes it again, while a flush per file made 10,000
        // signatures take a minute and a half.
        try {
            if (!sig.refusal.empty())
                fileio::fail("write", "the signature file", sig.file,
                             sig.refusal + ", so it was left as it is");
            fileio::writeAtomically(sig.file,
                                    isRichTextPath(sig.file) ? sig.result.rtf : sig.result.text,
                                    "the signature file", false, &cleaner);
        } catch (const StoreError& e) {
            done.failures.emplace_back(e.what()); // the other signatures still get the quote
        }
        if (n == 1) {
            done.text = std::move(sig.result.text);
            done.rtf = std::move(sig.result.rtf);
        }
    }
    return done;
}

void SettingsStore::addQuote(const fs::path& file, std::string_view quote)
{
    const fs::path target = file.empty() ? fs::path(d_->activeDataFile()) : file;
    quotefile::add(target, quote, [&] { return d_->indexFor(target.native()); });
}

QuoteDeletion SettingsStore::deleteQuote(const fs::path& file, std::int64_t lineNumber,
                                         std::string_view quote)
{
    const std::string path = file.empty() ? d_->activeDataFile() : file.native();
    auto removal = quotefile::remove([&] { return d_->indexFor(path); }, path, lineNumber, quote,
                                     d_->locations.cacheDir);
    if (removal.index)
        d_->index = std::move(removal.index); // else the stale one is rebuilt at its next use
    return removal.result;
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
        fileio::fail("read", "the file", path, ENOENT);
    std::string bytes = std::move(*read);
    if (const auto utf16 = text::utf16ByBom(bytes))
        return text::decode(std::string_view(bytes).substr(2), *utf16);
    // Marked as UTF-8: a bad byte in it is one bad character (U+FFFD), not another encoding.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return text::fromCodePoints(text::toCodePoints(std::string_view(bytes).substr(3)));
    if (!text::isValidUtf8(bytes))
        return text::cp1252ToUtf8(bytes);
    return bytes;
}

std::string displayPath(const fs::path& path)
{
    return fileio::shown(path);
}

std::string withoutControls(std::string_view text, std::string_view keep)
{
    return text::withoutControls(text, keep);
}

} // namespace sentari
