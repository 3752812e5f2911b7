// Finding one line of a quote data file through its index, and the index of the file once
// that line is cut out, so a delete needs neither a full read before nor one after.

#include "quoteindex.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sentari {

namespace {

constexpr std::size_t kWindow = 4 << 20;

} // namespace

std::optional<LineSpan> QuoteIndex::spanIfHolds(std::int64_t entry, std::string_view bytes,
                                                std::string_view window,
                                                std::uint64_t windowStart) const
{
    const Entry& e = entries_[static_cast<std::size_t>(entry)];
    const std::string_view line = window.substr(e.offset - windowStart);
    if (!line.starts_with(bytes))
        return std::nullopt;
    // The text ends where readLineBytes() ends it: at LF, dropping one CR before it.
    const std::string_view rest = line.substr(bytes.size());
    const bool atFileEnd = e.offset + line.size() >= id_.size;
    std::uint64_t length = 0;
    if (rest.starts_with('\n'))
        length = bytes.size() + 1;
    else if (rest.starts_with("\r\n"))
        length = bytes.size() + 2;
    else if (atFileEnd && (rest.empty() || rest == "\r"))
        length = line.size();
    else
        return std::nullopt;
    return LineSpan{entry, static_cast<std::int64_t>(e.number), e.offset, e.offset + length};
}

std::optional<LineSpan> QuoteIndex::find(std::int64_t number, std::string_view bytes) const
{
    auto fail = [this] { fileio::fail("read", "the quote data file", path_, errno); };
    std::string window;
    std::uint64_t windowStart = 0;
    // Reads from `offset` on, at least the text and a CR LF unless the file ends first.
    auto readFrom = [&](std::uint64_t offset, std::size_t size) {
        window.resize(size);
        const ssize_t n = fileio::readAt(fd_, window.data(), window.size(), offset);
        if (n < 0)
            fail();
        window.resize(static_cast<std::size_t>(
            std::min<std::uint64_t>(static_cast<std::uint64_t>(n), id_.size - offset)));
        windowStart = offset;
    };
    const std::size_t need = bytes.size() + 2;

    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), number,
        [](const Entry& e, std::int64_t n) { return static_cast<std::int64_t>(e.number) < n; });
    if (it != entries_.end() && static_cast<std::int64_t>(it->number) == number) {
        readFrom(it->offset, need);
        if (auto span = spanIfHolds(it - entries_.begin(), bytes, window, windowStart))
            return span;
    }
    // The file was edited since the line number was handed out: the first line holding
    // the text, reading the file in large windows.
    window.clear();
    for (std::int64_t entry = 0; entry < quoteCount(); ++entry) {
        const std::uint64_t offset = entries_[static_cast<std::size_t>(entry)].offset;
        const std::uint64_t windowEnd = windowStart + window.size();
        if (offset < windowStart || (offset + need > windowEnd && windowEnd < id_.size))
            readFrom(offset, std::max(kWindow, need));
        if (auto span = spanIfHolds(entry, bytes, window, windowStart))
            return span;
    }
    return std::nullopt;
}

std::unique_ptr<QuoteIndex> QuoteIndex::withoutLine(const LineSpan& cut, const fileio::FileId& now,
                                                    const fs::path& cacheDir) const
{
    // A file that was not UTF-8 may be without that line; the first line break decides the
    // line-end style. Both are judged again by a fresh build.
    const std::uint64_t removed = cut.end - cut.start;
    if (format_.encoding == text::Encoding::Windows1252 || cut.number == 1 ||
        now.size != id_.size - removed)
        return nullptr;
    std::unique_ptr<QuoteIndex> next(new QuoteIndex);
    next->path_ = path_;
    next->fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (next->fd_ < 0 || fileio::identify(next->fd_) != now)
        return nullptr; // replaced again meanwhile
    next->id_ = now;
    next->lineCount_ = lineCount_ - 1;
    next->format_ = format_;
    // The line before the cut ends with a line feed.
    next->format_.endsWithNewline = format_.endsWithNewline || cut.end >= id_.size;

    const auto keptBefore = entries_.begin() + cut.entry;
    next->built_.reserve(entries_.size() - 1);
    next->built_.assign(entries_.begin(), keptBefore);
    for (auto e = keptBefore + 1; e != entries_.end(); ++e)
        next->built_.push_back({e->offset - removed, e->number - 1});
    next->entries_ = next->built_;

    if (lastOffset_ != UINT64_MAX && lastOffset_ >= cut.end)
        next->lastOffset_ = lastOffset_ - removed;
    else if (lastOffset_ < cut.start)
        next->lastOffset_ = lastOffset_;
    next->lastHash_ = lastHash_;
    if (!cacheDir.empty())
        next->saveCache(cacheFileFor(path_, cacheDir)); // checks the carried pick too
    else
        next->lastEntry_ = next->entryHolding(next->lastOffset_, next->lastHash_);
    return next;
}

} // namespace sentari
