#include "quotecut.h"

#include "sentaristore/files/fileio.h"

#include <algorithm>
#include <cerrno>
#include <span>
#include <vector>

namespace fs = std::filesystem;

namespace sentari::quotecut {

namespace {

using Entry = QuoteIndex::Entry;

constexpr std::size_t Window = 4 << 20;

// True when the line's text (in the file's encoding) gives the quote.
bool gives(const QuoteIndex& index, std::string_view lineBytes, std::string_view quote)
{
    const text::Encoding encoding = index.format().encoding;
    if (encoding == text::Encoding::Utf8 || encoding == text::Encoding::Utf8Bom) {
        // Most lines are their quote byte for byte, or plainly another one. A line with a
        // control character gives the quote without it, never one that holds it.
        if (lineBytes.size() <= lines::MaxQuoteBytes && !text::hasControls(lineBytes))
            return lineBytes == quote;
    }
    return lines::quoteText(lineBytes, encoding).text == quote;
}

// The code unit before that offset; 0 at the start.
char16_t unitBefore(const QuoteIndex& index, std::uint64_t offset)
{
    const text::Encoding encoding = index.format().encoding;
    const auto width = static_cast<std::size_t>(text::unitWidth(encoding));
    char unit[2];
    if (offset < width ||
        fileio::readAt(index.fd(), unit, width, offset - width) != static_cast<ssize_t>(width))
        return 0;
    return text::unitAt(std::string_view(unit, width), 0, encoding);
}

// The bytes a delete of the entry's line takes out: from its first byte to one past its line
// break, but the break's LF where the line lies between a lone CR and an LF.
LineSpan spanOf(const QuoteIndex& index, std::int64_t entry)
{
    const text::Encoding encoding = index.format().encoding;
    const std::uint64_t fileSize = index.fileId().size;
    const Entry& e = index.entries()[static_cast<std::size_t>(entry)];
    std::string buffer;
    std::uint64_t pos = e.offset;
    const auto width = static_cast<std::uint64_t>(text::unitWidth(encoding));
    for (;;) {
        buffer.resize(std::size_t{64} * 1024);
        const ssize_t n = fileio::readAt(index.fd(), buffer.data(), buffer.size(), pos);
        if (n < 0)
            fileio::fail("read", "the quote data file", index.path(), errno);
        buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(
            static_cast<std::uint64_t>(n), fileSize - std::min(pos, fileSize))));
        const std::size_t text = lines::textLength(buffer, encoding);
        // A break found (with the two units after it, or the file's end) or the file ended.
        if (text + 3 * width <= buffer.size() || pos + buffer.size() >= fileSize) {
            const std::string_view rest = std::string_view(buffer).substr(text);
            const std::size_t breakBytes = lines::breakLength(rest, encoding);
            LineSpan span{entry, static_cast<std::int64_t>(e.number), e.offset,
                          pos + text + breakBytes};
            // A lone CR before the line and an LF after it would become one line break once
            // the line is gone, and the empty line after it would go too. The LF that ends
            // this line stays instead: the CR before it and it become one break.
            const bool lfAfter = breakBytes > 0 && rest.size() >= breakBytes + width &&
                                 text::unitAt(rest, breakBytes, encoding) == '\n';
            if (lfAfter && unitBefore(index, e.offset) == '\r') {
                span.end -= width;
                span.joinsBreakBefore = true;
            }
            return span;
        }
        pos += std::max<std::uint64_t>(text, width) & ~(width - 1);
    }
}

} // namespace

std::optional<LineSpan> find(const QuoteIndex& index, std::int64_t number, std::string_view quote)
{
    const std::span<const Entry> entries = index.entries();
    const text::Encoding encoding = index.format().encoding;
    const std::uint64_t fileSize = index.fileId().size;
    const auto count = static_cast<std::int64_t>(entries.size());
    const auto it = std::lower_bound(
        entries.begin(), entries.end(), number,
        [](const Entry& e, std::int64_t n) { return static_cast<std::int64_t>(e.number) < n; });
    if (it != entries.end() && static_cast<std::int64_t>(it->number) == number) {
        const auto bytes = index.readLineBytes(it - entries.begin());
        if (bytes && gives(index, *bytes, quote))
            return spanOf(index, it - entries.begin());
    }
    // The file was edited since the line number was handed out: the first line giving the
    // quote, reading the file in large windows.
    std::string window;
    std::uint64_t windowStart = 0;
    for (std::int64_t entry = 0; entry < count; ++entry) {
        const std::uint64_t offset = entries[static_cast<std::size_t>(entry)].offset;
        const std::uint64_t next =
            entry + 1 < count ? entries[static_cast<std::size_t>(entry + 1)].offset : fileSize;
        // The line's text, up to the cap, lies before the next quote's line.
        const std::uint64_t need = std::min(next, offset + lines::MaxQuoteBytes + 4);
        if (offset < windowStart || need > windowStart + window.size()) {
            window.resize(static_cast<std::size_t>(std::max<std::uint64_t>(
                std::min<std::uint64_t>(Window, fileSize - std::min(offset, fileSize)),
                need - offset)));
            const ssize_t n = fileio::readAt(index.fd(), window.data(), window.size(), offset);
            if (n < 0)
                fileio::fail("read", "the quote data file", index.path(), errno);
            window.resize(static_cast<std::size_t>(n));
            windowStart = offset;
        }
        const std::string_view line =
            std::string_view(window).substr(offset - windowStart, need - offset);
        if (gives(index, line.substr(0, lines::textLength(line, encoding)), quote))
            return spanOf(index, entry);
    }
    return std::nullopt;
}

std::unique_ptr<QuoteIndex> withoutLine(const QuoteIndex& index, const LineSpan& cut,
                                        const fileio::FileId& now, const fs::path& cacheDir)
{
    const DataFileFormat& format = index.format();
    const std::uint64_t oldSize = index.fileId().size;
    // A file that was not UTF-8 may be without that line; the first line break decides the
    // line-end style. Both are judged again by a fresh build.
    const std::uint64_t removed = cut.end - cut.start;
    if (format.encoding == text::Encoding::Windows1252 || text::unitWidth(format.encoding) == 2 ||
        cut.number == 1 || (cut.joinsBreakBefore && cut.number == 2) ||
        now.size != oldSize - removed)
        return nullptr;
    DataFileFormat nextFormat = format;
    // The line before the cut ends with a line feed.
    nextFormat.endsWithNewline = format.endsWithNewline || cut.end >= oldSize;

    const std::span<const Entry> entries = index.entries();
    const auto keptBefore = entries.begin() + cut.entry;
    std::vector<Entry> kept;
    kept.reserve(entries.size() - 1);
    kept.assign(entries.begin(), keptBefore);
    for (auto e = keptBefore + 1; e != entries.end(); ++e)
        kept.push_back({e->offset - removed, e->number - 1});

    const std::uint64_t last = index.lastPickOffset();
    std::uint64_t lastNow = UINT64_MAX;
    if (last != UINT64_MAX && last >= cut.end)
        lastNow = last - removed;
    else if (last < cut.start)
        lastNow = last;
    return QuoteIndex::successor(index, now, std::move(kept), index.lineCount() - 1, nextFormat,
                                 lastNow, cacheDir);
}

} // namespace sentari::quotecut
