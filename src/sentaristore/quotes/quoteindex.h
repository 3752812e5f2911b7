#pragma once

// The line index of a quote data file: where each non-empty line starts and its line
// number, built once per file version (size, modification time, inode) and kept in the
// user's cache folder, so a pick costs one read of one line.

#include "sentaristore/files/fileio.h"
#include "sentaristore/files/textcodec.h"
#include "sentaristore/quotes/linescan.h"
#include "sentaristore/quotes/pickorder.h"

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

    // Where each non-empty line starts, in file order.
    std::span<const Entry> entries() const { return entries_; }
    // The line's text, up to a little beyond lines::MaxQuoteBytes.
    std::optional<std::string> readLineBytes(std::int64_t entry) const;
    // Where the line given last starts; UINT64_MAX when none is known.
    std::uint64_t lastPickOffset() const { return lastOffset_; }

    // The index of the older index's file in its next version `now`, told rather than built
    // (see quotecut.h): its lines, format and the last pick's place, with the order carried
    // over; saved in cacheDir. Nothing when the file is no longer that version.
    static std::unique_ptr<QuoteIndex> successor(const QuoteIndex& older, const fileio::FileId& now,
                                                 std::vector<Entry> entries, std::int64_t lineCount,
                                                 const DataFileFormat& format,
                                                 std::uint64_t lastOffset,
                                                 const std::filesystem::path& cacheDir);

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
    // The entry of the line starting at that offset, or -1.
    std::int64_t entryAt(std::uint64_t offset) const;
    // The same, when the line there still has that hash (another version of the file).
    std::int64_t entryHolding(std::uint64_t offset, std::uint64_t hash) const;

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

} // namespace sentari
