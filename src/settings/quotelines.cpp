// Finding one line of a quote data file through its index, and the index of the file once
// that line is cut out, so a delete needs neither a full read before nor one after.

#include "quoteindex.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sentari {

namespace {

constexpr std::size_t Window = 4 << 20;

} // namespace

bool QuoteIndex::gives(std::string_view lineBytes, std::string_view quote) const
{
    if (format_.encoding == text::Encoding::Utf8 || format_.encoding == text::Encoding::Utf8Bom) {
        // Most lines are their quote byte for byte, or plainly another one. A line with a
        // control character gives the quote without it, never one that holds it.
        if (lineBytes.size() <= lines::MaxQuoteBytes && !text::hasControls(lineBytes))
            return lineBytes == quote;
    }
    return lines::quoteText(lineBytes, format_.encoding).text == quote;
}

char16_t QuoteIndex::unitBefore(std::uint64_t offset) const
{
    const auto width = static_cast<std::size_t>(text::unitWidth(format_.encoding));
    char unit[2];
    if (offset < width ||
        fileio::readAt(fd_, unit, width, offset - width) != static_cast<ssize_t>(width))
        return 0;
    return text::unitAt(std::string_view(unit, width), 0, format_.encoding);
}

LineSpan QuoteIndex::spanOf(std::int64_t entry) const
{
    const Entry& e = entries_[static_cast<std::size_t>(entry)];
    std::string buffer;
    std::uint64_t pos = e.offset;
    const auto width = static_cast<std::uint64_t>(text::unitWidth(format_.encoding));
    for (;;) {
        buffer.resize(std::size_t{64} * 1024);
        const ssize_t n = fileio::readAt(fd_, buffer.data(), buffer.size(), pos);
        if (n < 0)
            fileio::fail("read", "the quote data file", path_, errno);
        buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(
            static_cast<std::uint64_t>(n), id_.size - std::min(pos, id_.size))));
        const std::size_t text = lines::textLength(buffer, format_.encoding);
        // A break found (with the two units after it, or the file's end) or the file ended.
        if (text + 3 * width <= buffer.size() || pos + buffer.size() >= id_.size) {
            const std::string_view rest = std::string_view(buffer).substr(text);
            const std::size_t breakBytes = lines::breakLength(rest, format_.encoding);
            LineSpan span{entry, static_cast<std::int64_t>(e.number), e.offset,
                          pos + text + breakBytes};
            // A lone CR before the line and an LF after it would become one line break once
            // the line is gone, and the empty line after it would go too. The LF that ends
            // this line stays instead: the CR before it and it become one break.
            const bool lfAfter = breakBytes > 0 && rest.size() >= breakBytes + width &&
                                 text::unitAt(rest, breakBytes, format_.encoding) == '\n';
            if (lfAfter && unitBefore(e.offset) == '\r') {
                span.end -= width;
                span.joinsBreakBefore = true;
            }
            return span;
        }
        pos += std::max<std::uint64_t>(text, width) & ~(width - 1);
    }
}

std::optional<LineSpan> QuoteIndex::find(std::int64_t number, std::string_view quote) const
{
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), number,
        [](const Entry& e, std::int64_t n) { return static_cast<std::int64_t>(e.number) < n; });
    if (it != entries_.end() && static_cast<std::int64_t>(it->number) == number) {
        const auto bytes = readLineBytes(it - entries_.begin());
        if (bytes && gives(*bytes, quote))
            return spanOf(it - entries_.begin());
    }
    // The file was edited since the line number was handed out: the first line giving the
    // quote, reading the file in large windows.
    std::string window;
    std::uint64_t windowStart = 0;
    for (std::int64_t entry = 0; entry < quoteCount(); ++entry) {
        const std::uint64_t offset = entries_[static_cast<std::size_t>(entry)].offset;
        const std::uint64_t next = entry + 1 < quoteCount()
                                       ? entries_[static_cast<std::size_t>(entry + 1)].offset
                                       : id_.size;
        // The line's text, up to the cap, lies before the next quote's line.
        const std::uint64_t need = std::min(next, offset + lines::MaxQuoteBytes + 4);
        if (offset < windowStart || need > windowStart + window.size()) {
            window.resize(static_cast<std::size_t>(std::max<std::uint64_t>(
                std::min<std::uint64_t>(Window, id_.size - std::min(offset, id_.size)),
                need - offset)));
            const ssize_t n = fileio::readAt(fd_, window.data(), window.size(), offset);
            if (n < 0)
                fileio::fail("read", "the quote data file", path_, errno);
            window.resize(static_cast<std::size_t>(n));
            windowStart = offset;
        }
        const std::string_view line =
            std::string_view(window).substr(offset - windowStart, need - offset);
        if (gives(line.substr(0, lines::textLength(line, format_.encoding)), quote))
            return spanOf(entry);
    }
    return std::nullopt;
}

std::unique_ptr<QuoteIndex> QuoteIndex::withoutLine(const LineSpan& cut, const fileio::FileId& now,
                                                    const fs::path& cacheDir) const
{
    // A file that was not UTF-8 may be without that line; the first line break decides the
    // line-end style. Both are judged again by a fresh build.
    const std::uint64_t removed = cut.end - cut.start;
    if (format_.encoding == text::Encoding::Windows1252 || text::unitWidth(format_.encoding) == 2 ||
        cut.number == 1 || (cut.joinsBreakBefore && cut.number == 2) ||
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
    next->ownOrder_ = *order_; // the caller has noted the removed line in it
    if (!cacheDir.empty())
        next->saveCache(cacheFileFor(path_, cacheDir)); // checks the carried pick too
    else
        next->lastEntry_ = next->entryHolding(next->lastOffset_, next->lastHash_);
    return next;
}

} // namespace sentari
