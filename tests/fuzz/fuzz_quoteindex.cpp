// The quote index over a real file of any bytes: it counts the lines and quotes a plain
// reading finds, judges the encoding and line ends, hands out each line's quote, finds a line
// by number and quote, never picks the last pick again, loads from its cache what it built,
// and after a delete knows the file as a fresh build does. A file that changes under an open
// index gives no crash and no text that is not clean UTF-8.
//
// Input: a flag byte (bit 0: with a cache folder; bit 1: the file changes under the index,
// bit 2: in place rather than replaced), a byte seeding the picks and placing the cut between
// the file before (A) and after (B) a change, then the bytes.

#include "fuzzinput.h"
#include "referencelines.h"
#include "sentaristore/files/fileio.h"
#include "sentaristore/quotes/quotecut.h"
#include "sentaristore/quotes/quotefile.h"
#include "sentaristore/quotes/quoteindex.h"

#include <fcntl.h>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;
namespace text = sentari::text;
using sentari::QuoteIndex;
using sentari::fuzz::Input;

namespace {

// A folder of its own for the run, on tmpfs where there is one: each input writes files.
const fs::path& workFolder()
{
    static const fs::path folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = (fs::is_directory("/dev/shm") ? std::string("/dev/shm")
                               : tmp                        ? std::string(tmp)
                                                            : std::string("/tmp")) +
                              "/sentari-fuzz-XXXXXX";
        FUZZ_CHECK(::mkdtemp(pattern.data()));
        fs::create_directory(fs::path(pattern) / "cache");
        std::atexit([] { fs::remove_all(workFolder()); });
        return fs::path(pattern);
    }();
    return folder;
}

void writeFile(const fs::path& path, std::string_view bytes, bool inPlace)
{
    if (!inPlace)
        fs::remove(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

struct Expected {
    text::Encoding encoding;
    std::uint64_t bom;
    sentari::fuzz::ReferenceFile file;
    std::vector<sentari::fuzz::ReferenceLine> quotes;
};

Expected expectedOf(std::string_view bytes)
{
    Expected e{text::Encoding::Utf8, 0, {}, {}};
    if (const auto utf16 = text::utf16ByBom(bytes)) {
        e = {*utf16, 2, {}, {}};
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        e = {text::Encoding::Utf8Bom, 3, {}, {}};
    }
    if (text::unitWidth(e.encoding) == 1 && !text::isValidUtf8(bytes))
        e.encoding = text::Encoding::Windows1252;
    e.file = sentari::fuzz::referenceLines(bytes.substr(e.bom), e.encoding, e.bom);
    for (const auto& line : e.file.lines)
        if (line.quote)
            e.quotes.push_back(line);
    return e;
}

// The bytes a delete of the line takes out: the line and its break, but the break's LF where
// the line lies between a lone CR and an LF (the CR and the LF after would make one break
// and an empty line would go).
std::pair<std::uint64_t, std::uint64_t> cutOf(const Expected& e, std::string_view bytes,
                                              const sentari::fuzz::ReferenceLine& line)
{
    const auto unit = [&](std::uint64_t at) { return text::unitAt(bytes, at, e.encoding); };
    const auto w = static_cast<std::uint64_t>(text::unitWidth(e.encoding));
    const auto index = static_cast<std::size_t>(line.number - 1);
    if (index > 0 && index + 1 < e.file.lines.size()) {
        const auto& before = e.file.lines[index - 1];
        const auto& after = e.file.lines[index + 1];
        if (before.breakBytes == w && unit(before.offset + before.textBytes) == '\r' &&
            after.textBytes == 0 && after.breakBytes == w && unit(after.offset) == '\n')
            return {line.offset, line.offset + line.textBytes + line.breakBytes - w};
    }
    return {line.offset, line.offset + line.textBytes + line.breakBytes};
}

std::string quoteOf(std::string_view bytes, const sentari::fuzz::ReferenceLine& line,
                    text::Encoding encoding)
{
    return sentari::lines::quoteText(bytes.substr(line.offset, line.textBytes), encoding).text;
}

// The index agrees with the plain reading of the file's bytes.
void checkIndex(const QuoteIndex& index, std::string_view bytes)
{
    const Expected e = expectedOf(bytes);
    FUZZ_CHECK(index.format().encoding == e.encoding);
    FUZZ_CHECK(index.format().lineEnd == e.file.lineEnd);
    FUZZ_CHECK(index.format().endsWithNewline == e.file.endsWithBreak);
    FUZZ_CHECK(index.lineCount() == static_cast<std::int64_t>(e.file.lines.size()));
    FUZZ_CHECK(index.quoteCount() == static_cast<std::int64_t>(e.quotes.size()));
    for (std::size_t i = 0; i < e.quotes.size() && i < 16; ++i) {
        const auto& ref = e.quotes[i];
        const std::string quote = quoteOf(bytes, ref, e.encoding);
        const auto line = index.line(static_cast<std::int64_t>(i));
        FUZZ_CHECK(line && line->number == static_cast<std::int64_t>(ref.number));
        FUZZ_CHECK(line->text == quote && !line->cut);
        const auto span = sentari::quotecut::find(index, line->number, quote);
        FUZZ_CHECK(span && span->number == line->number);
        FUZZ_CHECK(std::pair(span->start, span->end) == cutOf(e, bytes, ref));
        // Without the right number: the first line giving the quote.
        std::size_t first = 0;
        while (quoteOf(bytes, e.quotes[first], e.encoding) != quote)
            ++first;
        const auto found = sentari::quotecut::find(index, 0, quote);
        FUZZ_CHECK(found && found->number == static_cast<std::int64_t>(e.quotes[first].number));
    }
    FUZZ_CHECK(
        !sentari::quotecut::find(index, 1, "\x01")); // a quote never holds a control character
}

void checkPicks(QuoteIndex& index, QuoteIndex* other, std::mt19937_64& rng)
{
    const auto first = index.pick(rng);
    FUZZ_CHECK(first.has_value() == (index.quoteCount() > 0));
    if (!first || index.quoteCount() < 2)
        return;
    // The next pick, in this process or another using the same cache, is another line.
    const auto second = (other ? *other : index).pick(rng);
    FUZZ_CHECK(second && second->number != first->number);
}

// A delete takes out exactly the line's bytes and an add puts the quote after the last line
// in the file's encoding and line ends; the index the delete hands on knows the file as a
// fresh build does.
void checkWrites(std::unique_ptr<QuoteIndex> index, const fs::path& file, const fs::path& cache,
                 std::string_view bytes, std::uint8_t seed)
{
    const Expected e = expectedOf(bytes);
    if (e.quotes.empty())
        return;
    const auto& ref = e.quotes[seed % e.quotes.size()];
    const std::string deleted = quoteOf(bytes, ref, e.encoding);
    auto removal = sentari::quotefile::remove(
        [&] { return index.get(); }, file, static_cast<std::int64_t>(ref.number), deleted, cache);
    FUZZ_CHECK(removal.result.deleted &&
               removal.result.line == static_cast<std::int64_t>(ref.number));
    const auto [start, end] = cutOf(e, bytes, ref);
    const std::string after = std::string(bytes.substr(0, start)) + std::string(bytes.substr(end));
    FUZZ_CHECK(sentari::fileio::readIfExists(file) == after);
    if (removal.index)
        checkIndex(*removal.index, after);

    // A quote of blanks only is refused: a line may give one once its controls are left out.
    const std::string quote =
        deleted.find_first_not_of(" \t") == std::string::npos ? std::string("x") : deleted;
    const Expected now = expectedOf(after);
    const auto encoded = text::encode(quote, now.encoding);
    std::unique_ptr<QuoteIndex> current;
    try {
        sentari::quotefile::add(file, quote, [&] {
            current = QuoteIndex::open(file, {});
            return current.get();
        });
    } catch (const sentari::StoreError& e) {
        if (encoded)
            std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(!encoded); // only a Windows-1252 file that cannot hold the quote refuses it
        return;
    }
    const std::string eol = sentari::lines::lineBreak(now.file.lineEnd, now.encoding);
    FUZZ_CHECK(encoded && sentari::fileio::readIfExists(file) ==
                              after + (now.file.endsWithBreak ? "" : eol) + *encoded + eol);
}

// An index made from A while the file now holds B: whatever it answers is clean text.
void checkStale(QuoteIndex& index, std::string_view a, std::string_view b, std::mt19937_64& rng)
{
    if (a.size() != b.size())
        FUZZ_CHECK(!index.isCurrent());
    const auto clean = [](const std::optional<sentari::QuoteLine>& line) {
        return !line || (text::isValidUtf8(line->text) && !text::hasControls(line->text));
    };
    FUZZ_CHECK(clean(index.pick(rng)));
    for (std::int64_t i = 0; i < index.quoteCount() && i < 8; ++i) {
        const auto line = index.line(i);
        FUZZ_CHECK(clean(line));
        if (line)
            sentari::quotecut::find(index, line->number, line->text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t flags = in.byte();
    const std::uint8_t seed = in.byte();
    const std::string_view bytes = in.rest();
    const bool changes = flags & 2;
    const std::string_view a = changes ? bytes.substr(0, bytes.size() * seed / 256) : bytes;
    const std::string_view b = bytes.substr(a.size());

    // A new name each time: the cache is keyed by the path, and the file's identity cannot
    // tell two versions apart that share size and inode within one tick of the clock.
    static unsigned long counter = 0;
    const fs::path file = workFolder() / ("quotes" + std::to_string(++counter) + ".txt");
    const fs::path cache = (flags & 1) ? workFolder() / "cache" : fs::path();
    writeFile(file, a, false);
    std::mt19937_64 rng(seed);
    {
        auto index = QuoteIndex::open(file, cache);
        FUZZ_CHECK(index && !index->loadedFromCache());
        if (changes) {
            writeFile(file, b, flags & 4);
            checkStale(*index, a, b, rng);
            const auto fresh = QuoteIndex::open(file, cache);
            FUZZ_CHECK(fresh);
            if (!fresh->loadedFromCache())
                checkIndex(*fresh, b);
        } else {
            checkIndex(*index, a);
            auto again = cache.empty() ? nullptr : QuoteIndex::open(file, cache);
            FUZZ_CHECK(cache.empty() || (again && again->loadedFromCache()));
            if (again)
                checkIndex(*again, a);
            checkPicks(*index, again.get(), rng);
            checkWrites(std::move(index), file, cache, a, seed);
        }
    }
    fs::remove(file);
    if (!cache.empty())
        fs::remove(QuoteIndex::cacheFileFor(file, cache));
    return 0;
}
