#pragma once

// The line index of a quote data file: where each non-empty line starts and its line
// number, built once per file version (size, modification time, inode) and kept in the
// user's cache folder, so a pick costs one read of one line.

#include "fileio.h"
#include "linescan.h"
#include "textcodec.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sentari {

struct QuoteLine {
    std::int64_t number = 0; // 1-based line number in the file
    std::string text;        // UTF-8, without the line break and control characters
    bool cut = false;        // the line is longer than lines::MaxQuoteBytes; text is its start
};

// A line of the file and the bytes its delete takes out (see spanOf()).
struct LineSpan {
    std::int64_t entry = -1; // in the index
    std::int64_t number = 0; // 1-based line number
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    // The line's last LF stays, to complete the lone CR that ends the line before.
    bool joinsBreakBefore = false;
};

// What a writer must know to add to the file in its own style.
struct DataFileFormat {
    text::Encoding encoding = text::Encoding::Utf8;
    lines::LineEnd lineEnd = lines::LineEnd::CrLf; // as the first line break has it
    bool endsWithNewline = true;                   // an empty file counts as ending with one
};

// Where the picks are in their walk through the non-empty lines: each cycle visits the
// slots 0 .. domain-1 in the order of a permutation keyed by salt and cycle, and a slot is a
// line's entry, counting around the lines deleted since the cycle began (holes). Lines added
// meanwhile take the slots after the last one and are visited once the permutation is done,
// so they join the cycle. Kept in the cache file, where every process shares it, and handed
// on to the index of the file's next version.
struct PickOrder {
    std::uint64_t salt = 0;
    std::uint64_t cycle = 0;
    std::uint64_t position = 0; // the next place of the walk to take
    std::uint64_t domain = 0;   // a power of two; 0 before the first cycle
    std::uint64_t holeCount = 0;
    static constexpr std::uint64_t MaxHoles = 7;
    std::uint64_t holes[MaxHoles] = {}; // slots of deleted lines, ascending
    std::uint64_t base = 0;             // slots in use when the cycle began
};

// Which lines a pick may give; any when empty.
using LineFilter = std::function<bool(const QuoteLine&)>;

class QuoteIndex {
public:
    using Entry = lines::LineStart;

    // The index of the data file, loaded from cacheDir when it matches the file, otherwise
    // built (and saved there when cacheDir is not empty). Nothing when the file cannot be
    // opened as a regular file.
    static std::unique_ptr<QuoteIndex> open(const std::filesystem::path& dataFile,
                                            const std::filesystem::path& cacheDir);
    ~QuoteIndex();
    QuoteIndex(const QuoteIndex&) = delete;
    QuoteIndex& operator=(const QuoteIndex&) = delete;

    // True while the file on disk is still the version this index was made from.
    bool isCurrent() const;
    const std::filesystem::path& path() const { return path_; }
    // The file this index was made from, open for reading.
    int fd() const { return fd_; }
    const fileio::FileId& fileId() const { return id_; }
    std::int64_t quoteCount() const { return static_cast<std::int64_t>(entries_.size()); }
    std::int64_t lineCount() const { return lineCount_; }
    const DataFileFormat& format() const { return format_; }
    bool loadedFromCache() const { return fromCache_; }

    // The next line of a random order of the non-empty lines, shared by every process using
    // the same cache: no line comes back before all have been given, and a new order does not
    // begin with the line given last. Lines that do not fit are passed over (they come in a
    // later cycle). Nothing when no line fits or the line cannot be read.
    std::optional<QuoteLine> pick(std::mt19937_64& rng, const LineFilter& fits = {});
    std::optional<QuoteLine> line(std::int64_t entry) const;

    // Carries the last pick and the order over from an older index of the same file.
    void inheritLastPick(const QuoteIndex& older);
    // The line of that entry is being deleted: the order goes on around it.
    void noteRemoved(std::int64_t entry) const;

    // Line `number` when it gives exactly this quote (UTF-8, as pick() returns quotes), else
    // the first line that does; nothing when none does. Blank lines hold no quote and are
    // never found.
    std::optional<LineSpan> find(std::int64_t number, std::string_view quote) const;
    // The index of the file after `cut` was taken out of it, the result now having identity
    // `now`; saved in cacheDir. Nothing when the file must be read again to know (the cut
    // may change how its encoding or line ends are judged) or is no longer that result.
    std::unique_ptr<QuoteIndex> withoutLine(const LineSpan& cut, const fileio::FileId& now,
                                            const std::filesystem::path& cacheDir) const;

    static std::filesystem::path cacheFileFor(const std::filesystem::path& dataFile,
                                              const std::filesystem::path& cacheDir);

private:
    QuoteIndex() = default;
    bool build();
    bool loadCache(const std::filesystem::path& cacheFile);
    void saveCache(const std::filesystem::path& cacheFile);
    void rememberPick(std::int64_t entry, std::uint64_t hash);
    // The last pick as any process recorded it.
    void syncLastPick();
    // Begins the cycle after `seen` unless another process has already.
    void startCycle(std::mt19937_64& rng, std::uint64_t seen);
    // The entry at that slot of the order, or -1 for a deleted line's slot.
    std::int64_t entryOfSlot(std::uint64_t slot) const;
    // The first entry the cycle would give.
    std::int64_t firstEntry(const PickOrder& order) const;
    // The entry of the line starting at that offset, or -1.
    std::int64_t entryAt(std::uint64_t offset) const;
    // The same, when the line there still has that hash (another version of the file).
    std::int64_t entryHolding(std::uint64_t offset, std::uint64_t hash) const;
    // The line's text, up to a little beyond lines::MaxQuoteBytes.
    std::optional<std::string> readLineBytes(std::int64_t entry) const;
    // The bytes a delete of the entry's line takes out: from its first byte to one past its
    // line break, but the break's LF where the line lies between a lone CR and an LF.
    LineSpan spanOf(std::int64_t entry) const;
    // The code unit before that offset; 0 at the start.
    char16_t unitBefore(std::uint64_t offset) const;
    // True when the line's text (in the file's encoding) gives the quote.
    bool gives(std::string_view lineBytes, std::string_view quote) const;

    bool mapCache(int fd, std::size_t size);
    QuoteLine makeLine(std::int64_t entry, std::string&& bytes) const;

    std::filesystem::path path_;
    int fd_ = -1; // the data file, open for reading
    fileio::FileId id_;
    std::int64_t lineCount_ = 0;
    DataFileFormat format_;
    bool fromCache_ = false;
    std::vector<Entry> built_;
    // The cache file, mapped shared: its header records the last pick of every process.
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    std::uint64_t* sharedLast_ = nullptr; // offset, then hash
    std::span<const Entry> entries_;
    std::uint64_t lastOffset_ = UINT64_MAX;
    std::uint64_t lastHash_ = 0;
    std::int64_t lastEntry_ = -1; // -1: unknown
    PickOrder ownOrder_;
    PickOrder* order_ = &ownOrder_; // in the mapped cache file once there is one
};

// The line-end style of a file from its first line break and its last bytes, without
// reading the rest; of the encoding only a UTF-16 byte-order mark is looked at. Nothing when
// the file cannot be read or its first 64 KiB hold no line break.
std::optional<DataFileFormat> sniffLineEnds(const std::filesystem::path& file);

} // namespace sentari
