#include "quotefile.h"

#include "sentaristore/files/atomicfile.h"
#include "sentaristore/files/textcodec.h"
#include "sentaristore/quotes/quotecut.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace sentari::quotefile {

namespace {

constexpr std::string_view What = "the quote data file";

bool isAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

[[noreturn]] void cannotRead(const fs::path& file)
{
    fileio::requireReadable(file, What); // throws with the reason
    fileio::fail("read", What, file, EIO);
}

// The line-end style of a file from its first line break and its last bytes, without
// reading the rest; of the encoding only a UTF-16 byte-order mark is looked at. Nothing when
// the file cannot be read, its first 64 KiB hold no line break or it is UTF-16 of an odd
// length.
std::optional<DataFileFormat> sniffLineEnds(const fs::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const auto size = regular ? static_cast<std::uint64_t>(st.st_size) : 0;
    // The first line break, and one byte more to tell a CR from a CR LF; the last unit.
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(size, 64 * 1024 + 1)), '\0');
    std::string tail(static_cast<std::size_t>(std::min<std::uint64_t>(size, 2)), '\0');
    const bool ok =
        regular &&
        fileio::readAt(fd, head.data(), head.size(), 0) == static_cast<ssize_t>(head.size()) &&
        fileio::readAt(fd, tail.data(), tail.size(), size - tail.size()) ==
            static_cast<ssize_t>(tail.size());
    ::close(fd);
    if (!ok)
        return std::nullopt;

    DataFileFormat format;
    std::size_t bom = 0;
    if (const auto utf16 = text::utf16ByBom(head)) {
        format.encoding = *utf16;
        bom = 2;
    } else if (head.starts_with("\xEF\xBB\xBF")) {
        format.encoding = text::Encoding::Utf8Bom;
        bom = 3;
    }
    const auto width = static_cast<std::size_t>(text::unitWidth(format.encoding));
    // A UTF-16 file of an odd length ends in half a unit: its last two bytes are no unit, so
    // only the whole file tells how it ends.
    if ((size - std::min<std::uint64_t>(bom, size)) % width != 0)
        return std::nullopt;
    std::vector<lines::LineStart> ignored;
    lines::LineScanner scanner(format.encoding, bom);
    scanner.feed(std::string_view(head).substr(std::min(bom, head.size())), ignored);
    if (head.size() == size)
        scanner.finish(ignored);
    else if (!scanner.lineEndKnown())
        return std::nullopt; // no break in the head: only the whole file tells
    format.lineEnd = scanner.lineEnd();
    format.endsWithNewline =
        size <= bom || (tail.size() >= width &&
                        lines::breakLength(std::string_view(tail).substr(tail.size() - width),
                                           format.encoding) == width);
    return format;
}

bool isOneLine(std::string_view s)
{
    return s.find_first_of("\r\n") == std::string_view::npos;
}

DataFileFormat formatOf(const fs::path& file, std::string_view quote, const IndexOf& indexOf)
{
    if (fileio::kindOf(file) == fileio::Kind::Missing)
        return {}; // a new file: UTF-8 with CR LF
    // ASCII reads the same in UTF-8 and Windows-1252 (UTF-16 says so in its first bytes),
    // so only a quote beyond ASCII needs the whole file looked at.
    std::optional<DataFileFormat> found = sniffLineEnds(file);
    if (!found || !isAscii(quote)) {
        const QuoteIndex* index = indexOf();
        found = index ? std::optional(index->format()) : std::nullopt;
    }
    if (!found)
        cannotRead(file);
    return *found;
}

} // namespace

void add(const fs::path& file, std::string_view quote, const IndexOf& indexOf)
{
    auto refuse = [&](std::string_view reason) {
        fileio::fail("add the quote to", What, file, reason);
    };
    if (!isOneLine(quote))
        refuse("a quote is one line, without line breaks");
    const std::string clean = text::withoutControls(quote);
    if (clean.find_first_not_of(" \t") == std::string::npos)
        refuse("the quote holds no text (control characters are left out)");
    fileio::FileLock lock(fileio::lockBeside(file), fileio::FileLock::LockFile::Transient);
    fileio::TemporaryCleaner().cleanBeside(file);
    const DataFileFormat format = formatOf(file, clean, indexOf);
    const auto encoded = text::encode(clean, format.encoding);
    if (!encoded)
        refuse("the file is written in the Windows-1252 encoding, which cannot hold some of the "
               "quote's characters");
    const std::string eol = lines::lineBreak(format.lineEnd, format.encoding);
    std::string bytes;
    if (!format.endsWithNewline)
        bytes += eol;
    bytes += *encoded;
    bytes += eol;
    fileio::append(file, bytes, What);
}

Removal remove(const IndexOf& indexOf, const fs::path& file, std::int64_t lineNumber,
               std::string_view quote, const fs::path& cacheDir)
{
    fileio::FileLock lock(fileio::lockBeside(file), fileio::FileLock::LockFile::Transient);
    fileio::TemporaryCleaner cleaner;
    cleaner.cleanBeside(file);
    const QuoteIndex* indexed = indexOf(); // taken now: another writer may have just changed it
    if (!indexed)
        cannotRead(file);
    const QuoteIndex& index = *indexed;
    Removal removal;
    removal.result.remainingLines = index.lineCount();
    const auto cut = isOneLine(quote) ? quotecut::find(index, lineNumber, quote) : std::nullopt;
    if (!cut)
        return removal;

    // The new file is the bytes before the line and those after it, copied by the kernel.
    fileio::AtomicWriter writer(file, What, &cleaner);
    writer.copyFrom(index.fd(), 0, cut->start);
    writer.copyFrom(index.fd(), cut->end, index.fileId().size - cut->end);
    if (!index.isCurrent())
        throw StoreError("The quote data file \"" + fileio::shown(file) +
                         "\" changed while a quote was being deleted from it; nothing was "
                         "deleted. Please try again.");
    const fileio::FileId now = writer.commit();
    index.noteRemoved(cut->entry);

    removal.result = {true, cut->number, index.lineCount() - 1};
    removal.index = quotecut::withoutLine(index, *cut, now, cacheDir);
    return removal;
}

} // namespace sentari::quotefile
