#include "quoteindex.h"

#include "sentaristore/files/atomicfile.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sentari {

namespace {

// 02: a lone CR ends a line; UTF-16 files. 04: the order of picks.
constexpr char Magic[8] = {'S', 'N', 'T', 'Q', 'I', 'X', '0', '4'};
constexpr std::size_t Chunk = 4 << 20;

struct Header {
    char magic[8]{};
    std::uint64_t size{};
    std::int64_t mtimeNs{};
    std::uint64_t inode{};
    std::uint64_t device{};
    std::uint64_t lineCount{};
    std::uint64_t quoteCount{};
    std::uint32_t encoding{};
    std::uint32_t flags{}; // bit 0: CR LF, bit 1: ends with a line break, bit 2: CR
    std::uint64_t lastOffset{};
    std::uint64_t lastHash{};
    PickOrder order{};
};
constexpr std::size_t LastPickAt = offsetof(Header, lastOffset);
constexpr std::size_t OrderAt = offsetof(Header, order);
static_assert(sizeof(Header) == 80 + sizeof(PickOrder));

} // namespace

fs::path QuoteIndex::cacheFileFor(const fs::path& dataFile, const fs::path& cacheDir)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(dataFile, ec);
    if (ec)
        absolute = dataFile;
    char name[40];
    std::snprintf(
        name, sizeof name, "quotes-%016llx.idx",
        static_cast<unsigned long long>(fileio::fnv1a(absolute.lexically_normal().string())));
    return cacheDir / name;
}

std::unique_ptr<QuoteIndex> QuoteIndex::open(const fs::path& dataFile, const fs::path& cacheDir)
{
    std::unique_ptr<QuoteIndex> index(new QuoteIndex);
    index->path_ = dataFile;
    index->fd_ = ::open(dataFile.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (index->fd_ < 0)
        return nullptr;
    const auto id = fileio::identify(index->fd_);
    if (!id)
        return nullptr;
    index->id_ = *id;

    const fs::path cacheFile = cacheDir.empty() ? fs::path() : cacheFileFor(dataFile, cacheDir);
    if (!cacheFile.empty() && index->loadCache(cacheFile))
        return index;
    if (!index->build())
        return nullptr;
    if (!cacheFile.empty())
        index->saveCache(cacheFile);
    return index;
}

QuoteIndex::~QuoteIndex()
{
    if (mapping_)
        ::munmap(mapping_, mappingSize_);
    if (fd_ >= 0)
        ::close(fd_);
}

std::unique_ptr<QuoteIndex>
QuoteIndex::successor(const QuoteIndex& older, const fileio::FileId& now,
                      std::vector<Entry> entries, std::int64_t lineCount,
                      const DataFileFormat& format, std::uint64_t lastOffset,
                      const fs::path& cacheDir)
{
    std::unique_ptr<QuoteIndex> next(new QuoteIndex);
    next->path_ = older.path_;
    next->fd_ = ::open(older.path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (next->fd_ < 0 || fileio::identify(next->fd_) != now)
        return nullptr; // replaced again meanwhile
    next->id_ = now;
    next->lineCount_ = lineCount;
    next->format_ = format;
    next->built_ = std::move(entries);
    next->entries_ = next->built_;
    next->lastOffset_ = lastOffset;
    next->lastHash_ = older.lastHash_;
    next->ownOrder_ = *older.order_; // the caller has noted any removed line in it
    if (!cacheDir.empty())
        next->saveCache(cacheFileFor(older.path_, cacheDir)); // checks the carried pick too
    else
        next->lastEntry_ = next->entryHolding(next->lastOffset_, next->lastHash_);
    return next;
}

bool QuoteIndex::mapCache(int fd, std::size_t size)
{
    void* m = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    if (m == MAP_FAILED)
        return false;
    mapping_ = m;
    mappingSize_ = size;
    auto* bytes = static_cast<char*>(m);
    sharedLast_ = reinterpret_cast<std::uint64_t*>(bytes + LastPickAt);
    order_ = reinterpret_cast<PickOrder*>(bytes + OrderAt);
    entries_ = {reinterpret_cast<const Entry*>(bytes + sizeof(Header)),
                (size - sizeof(Header)) / sizeof(Entry)};
    return true;
}

bool QuoteIndex::isCurrent() const
{
    const auto now = fileio::identify(path_);
    return now && *now == id_;
}

bool QuoteIndex::build()
{
    // One byte beyond the size tells a file that grew meanwhile: it is read on.
    std::vector<char> buf(static_cast<std::size_t>(std::min<std::uint64_t>(Chunk, id_.size + 1)));
    text::Utf8Validator utf8;
    std::optional<lines::LineScanner> scanner;
    text::Encoding bomEncoding = text::Encoding::Utf8;
    std::uint64_t base = 0;
    for (;;) {
        const ssize_t n = fileio::readAt(fd_, buf.data(), buf.size(), base);
        if (n < 0)
            return false;
        std::string_view chunk(buf.data(), static_cast<std::size_t>(n));
        if (!scanner) {
            std::size_t bom = 0;
            if (const auto utf16 = text::utf16ByBom(chunk)) {
                bomEncoding = *utf16;
                bom = 2;
            } else if (chunk.starts_with("\xEF\xBB\xBF")) {
                bomEncoding = text::Encoding::Utf8Bom;
                bom = 3;
            }
            scanner.emplace(bomEncoding, bom);
            chunk.remove_prefix(bom);
        }
        if (text::unitWidth(bomEncoding) == 1)
            utf8.feed(chunk.data(), chunk.size());
        scanner->feed(chunk, built_);
        base += static_cast<std::uint64_t>(n);
        if (static_cast<std::size_t>(n) < buf.size())
            break;
    }
    scanner->finish(built_);
    lineCount_ = scanner->lineCount();
    format_.lineEnd = scanner->lineEnd();
    format_.endsWithNewline = scanner->endsWithBreak();
    format_.encoding = text::unitWidth(bomEncoding) == 2 ? bomEncoding
                       : !utf8.valid()                   ? text::Encoding::Windows1252
                                                         : bomEncoding;
    id_.size = base; // what was read is what the index describes
    entries_ = built_;
    return true;
}

bool QuoteIndex::loadCache(const fs::path& cacheFile)
{
    const int fd = ::open(cacheFile.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    Header h{};
    struct stat st {};
    const bool ok =
        fileio::readAt(fd, reinterpret_cast<char*>(&h), sizeof h, 0) ==
            static_cast<ssize_t>(sizeof h) &&
        std::memcmp(h.magic, Magic, sizeof Magic) == 0 && ::fstat(fd, &st) == 0 &&
        h.quoteCount <= (UINT64_MAX - sizeof h) / sizeof(Entry) &&
        static_cast<std::uint64_t>(st.st_size) == sizeof h + h.quoteCount * sizeof(Entry);
    if (!ok) {
        ::close(fd);
        return false;
    }
    const fileio::FileId cachedId{h.size, h.mtimeNs, h.inode, h.device};
    if (!(cachedId == id_)) {
        // Another version of the file: keep only the last pick, to be checked after the build,
        // and the order, which goes on through the new version.
        lastOffset_ = h.lastOffset;
        lastHash_ = h.lastHash;
        ownOrder_ = h.order;
        ::close(fd);
        return false;
    }
    lineCount_ = static_cast<std::int64_t>(h.lineCount);
    format_.encoding = static_cast<text::Encoding>(h.encoding);
    format_.lineEnd = (h.flags & 1)   ? lines::LineEnd::CrLf
                      : (h.flags & 4) ? lines::LineEnd::Cr
                                      : lines::LineEnd::Lf;
    format_.endsWithNewline = (h.flags & 2) != 0;
    lastOffset_ = h.lastOffset;
    lastHash_ = h.lastHash;
    if (!mapCache(fd, static_cast<std::size_t>(st.st_size)))
        return false;
    // The same file version: the recorded pick is trusted by offset.
    lastEntry_ = entryAt(lastOffset_);
    fromCache_ = true;
    return true;
}

void QuoteIndex::saveCache(const fs::path& cacheFile)
{
    // Check a last pick carried over from an older version against this one.
    lastEntry_ = entryHolding(lastOffset_, lastHash_);
    if (lastEntry_ < 0)
        lastOffset_ = UINT64_MAX;
    Header h{};
    std::memcpy(h.magic, Magic, sizeof Magic);
    h.size = id_.size;
    h.mtimeNs = id_.mtimeNs;
    h.inode = id_.inode;
    h.device = id_.device;
    h.lineCount = static_cast<std::uint64_t>(lineCount_);
    h.quoteCount = entries_.size();
    h.encoding = static_cast<std::uint32_t>(format_.encoding);
    h.flags = (format_.lineEnd == lines::LineEnd::CrLf ? 1u : 0u) |
              (format_.endsWithNewline ? 2u : 0u) |
              (format_.lineEnd == lines::LineEnd::Cr ? 4u : 0u);
    h.lastOffset = lastOffset_;
    h.lastHash = lastHash_;
    h.order = *order_;
    std::string bytes(sizeof h + entries_.size() * sizeof(Entry), '\0');
    std::memcpy(bytes.data(), &h, sizeof h);
    if (!entries_.empty())
        std::memcpy(bytes.data() + sizeof h, entries_.data(), entries_.size() * sizeof(Entry));
    try {
        fileio::writeAtomically(cacheFile, bytes, "the quote index", false);
    } catch (const std::exception&) {
        return; // an unwritable cache only costs speed
    }
    const int fd = ::open(cacheFile.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return;
    // Another process may have put the index of another version of the file there since.
    struct stat st {};
    Header onDisk{};
    if (::fstat(fd, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != bytes.size() ||
        ::pread(fd, &onDisk, sizeof onDisk, 0) != static_cast<ssize_t>(sizeof onDisk) ||
        std::memcmp(&onDisk, bytes.data(), sizeof onDisk) != 0) {
        ::close(fd);
        return;
    }
    if (mapCache(fd, bytes.size()))
        std::vector<Entry>().swap(built_); // the mapping holds the entries now
}

void QuoteIndex::noteRemoved(std::int64_t entry) const
{
    order_->noteRemoved(entry);
}

void QuoteIndex::inheritLastPick(const QuoteIndex& older)
{
    const std::int64_t entry = entryHolding(older.lastOffset_, older.lastHash_);
    if (entry >= 0)
        rememberPick(entry, older.lastHash_);
    // A cache of this version holds the order as every process left it.
    if (!fromCache_)
        *order_ = *older.order_;
}

std::int64_t QuoteIndex::entryAt(std::uint64_t offset) const
{
    const auto it =
        std::lower_bound(entries_.begin(), entries_.end(), offset,
                         [](const Entry& e, std::uint64_t off) { return e.offset < off; });
    return it != entries_.end() && it->offset == offset ? it - entries_.begin() : -1;
}

std::int64_t QuoteIndex::entryHolding(std::uint64_t offset, std::uint64_t hash) const
{
    const std::int64_t entry = offset == UINT64_MAX ? -1 : entryAt(offset);
    if (entry < 0)
        return -1;
    const auto bytes = readLineBytes(entry);
    return bytes && fileio::fnv1a(*bytes) == hash ? entry : -1;
}

std::optional<std::string> QuoteIndex::readLineBytes(std::int64_t entry) const
{
    if (entry < 0 || entry >= quoteCount())
        return std::nullopt;
    const std::uint64_t start = entries_[static_cast<std::size_t>(entry)].offset;
    const std::uint64_t limit = std::min<std::uint64_t>(
        entry + 1 < quoteCount() ? entries_[static_cast<std::size_t>(entry + 1)].offset : id_.size,
        start + lines::MaxQuoteBytes + 4);
    if (start >= limit)
        return std::nullopt;
    std::string out;
    std::uint64_t pos = start;
    std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(limit - start, 512));
    for (;;) {
        const std::size_t old = out.size();
        out.resize(old + want);
        const ssize_t n = fileio::readAt(fd_, out.data() + old, want, pos);
        if (n < 0)
            return std::nullopt;
        out.resize(old + static_cast<std::size_t>(n));
        const std::size_t text = lines::textLength(out, format_.encoding);
        if (text < out.size()) {
            out.resize(text);
            break;
        }
        pos += static_cast<std::uint64_t>(n);
        if (n == 0 || pos >= limit)
            break;
        want = static_cast<std::size_t>(std::min<std::uint64_t>(limit - pos, out.size()));
    }
    return out;
}

QuoteLine QuoteIndex::makeLine(std::int64_t entry, std::string&& bytes) const
{
    auto quote = lines::quoteText(bytes, format_.encoding);
    return {static_cast<std::int64_t>(entries_[static_cast<std::size_t>(entry)].number),
            std::move(quote.text), quote.cut};
}

std::optional<QuoteLine> QuoteIndex::line(std::int64_t entry) const
{
    auto bytes = readLineBytes(entry);
    if (!bytes)
        return std::nullopt;
    return makeLine(entry, std::move(*bytes));
}

void QuoteIndex::rememberPick(std::int64_t entry, std::uint64_t hash)
{
    lastEntry_ = entry;
    lastOffset_ = entries_[static_cast<std::size_t>(entry)].offset;
    lastHash_ = hash;
    if (sharedLast_) {
        storeShared(sharedLast_[0], lastOffset_);
        storeShared(sharedLast_[1], lastHash_);
    }
}

void QuoteIndex::syncLastPick()
{
    if (!sharedLast_)
        return;
    // Another process may have picked since: the cache holds the latest pick.
    const std::uint64_t recorded = loadShared(sharedLast_[0]);
    if (recorded == lastOffset_)
        return;
    if (const std::int64_t entry = entryAt(recorded); entry >= 0) {
        lastEntry_ = entry;
        lastOffset_ = recorded;
        lastHash_ = loadShared(sharedLast_[1]);
    }
}

void QuoteIndex::startCycle(std::mt19937_64& rng, std::uint64_t seen)
{
    syncLastPick();
    PickOrder next;
    next.salt = loadShared(order_->salt);
    if (next.salt == 0)
        next.salt = rng() | 1;
    // Room for as many lines again, so that added ones still join this cycle.
    next.domain =
        std::bit_ceil(std::max<std::uint64_t>(2 * static_cast<std::uint64_t>(quoteCount()), 2));
    next.cycle = seen + 1;
    for (int i = 0; i < 16 && quoteCount() > 1 && next.firstEntry(quoteCount()) == lastEntry_; ++i)
        ++next.cycle;
    if (!std::atomic_ref<std::uint64_t>(order_->cycle).compare_exchange_strong(seen, next.cycle))
        return; // another process began it
    storeShared(order_->salt, next.salt);
    storeShared(order_->holeCount, std::uint64_t{0});
    storeShared(order_->domain, next.domain);
    storeShared(order_->base, static_cast<std::uint64_t>(quoteCount()));
    storeShared(order_->position, std::uint64_t{0});
}

std::optional<QuoteLine> QuoteIndex::pick(std::mt19937_64& rng, const LineFilter& fits)
{
    const std::int64_t count = quoteCount();
    if (count == 0)
        return std::nullopt;
    syncLastPick();
    // A line that fits is met within the rest of this cycle and one whole cycle more.
    int cyclesBegun = 0;
    for (;;) {
        const std::uint64_t cycle = loadShared(order_->cycle);
        const std::uint64_t domain = loadShared(order_->domain);
        const std::uint64_t place =
            domain == 0 ? UINT64_MAX
                        : std::atomic_ref<std::uint64_t>(order_->position).fetch_add(1);
        // Slots in use now: the lines and the holes of deleted ones. Lines added during the
        // cycle (slots from base on) are walked after the permutation: their place in it may
        // have gone by while they were not there yet.
        const std::uint64_t used =
            static_cast<std::uint64_t>(count) + loadShared(order_->holeCount);
        const std::uint64_t base = std::min(loadShared(order_->base), used);
        if (place >= domain + (used - base) || used > domain) {
            if (cyclesBegun++ == 2)
                return std::nullopt;
            startCycle(rng, cycle);
            continue;
        }
        const std::uint64_t slot =
            place < domain ? PickOrder::slotAt(place, domain, loadShared(order_->salt), cycle)
                           : base + (place - domain);
        if (place < domain && slot >= base)
            continue;
        const std::int64_t entry = order_->entryOfSlot(slot);
        if (entry < 0 || entry >= count || (entry == lastEntry_ && count > 1))
            continue;
        auto bytes = readLineBytes(entry);
        if (!bytes)
            return std::nullopt;
        const std::uint64_t hash = fileio::fnv1a(*bytes);
        QuoteLine line = makeLine(entry, std::move(*bytes));
        if (fits && !fits(line))
            continue;
        rememberPick(entry, hash);
        return line;
    }
}

} // namespace sentari
