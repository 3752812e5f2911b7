#include "quotefile.h"

#include "textcodec.h"

#include <algorithm>
#include <cerrno>

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

bool isOneLine(std::string_view s)
{
    return s.find_first_of("\r\n") == std::string_view::npos;
}

DataFileFormat formatOf(const fs::path& file, std::string_view quote,
                        const std::function<const QuoteIndex*()>& indexOf)
{
    if (fileio::kindOf(file) == fileio::Kind::Missing)
        return {}; // a new file: UTF-8 with CR LF
    // ASCII reads the same in every encoding a data file may have, so only a quote beyond
    // it needs the whole file looked at.
    std::optional<DataFileFormat> found;
    if (isAscii(quote)) {
        found = sniffLineEnds(file);
    } else if (const QuoteIndex* index = indexOf()) {
        found = index->format();
    }
    if (!found)
        cannotRead(file);
    return *found;
}

} // namespace

void add(const fs::path& file, std::string_view quote,
         const std::function<const QuoteIndex*()>& indexOf)
{
    if (!isOneLine(quote))
        throw StoreError("Could not add the quote to " + std::string(What) + " \"" + file.string() +
                         "\": a quote is one line, without line breaks.");
    const DataFileFormat format = formatOf(file, quote, indexOf);
    const auto encoded = text::encode(quote, format.encoding);
    if (!encoded)
        throw StoreError("Could not add the quote to " + std::string(What) + " \"" + file.string() +
                         "\": the file is written in the Windows-1252 encoding, which cannot "
                         "hold some of the quote's characters.");
    const std::string_view eol = format.crlf ? "\r\n" : "\n";
    std::string bytes;
    if (!format.endsWithNewline)
        bytes += eol;
    bytes += *encoded;
    bytes += eol;
    fileio::append(file, bytes, What);
}

Removal remove(const QuoteIndex* indexed, const fs::path& file, std::int64_t lineNumber,
               std::string_view quote, const fs::path& cacheDir)
{
    if (!indexed)
        cannotRead(file);
    const QuoteIndex& index = *indexed;
    Removal removal;
    removal.result.remainingLines = index.lineCount();
    const auto encoded =
        isOneLine(quote) ? text::encode(quote, index.format().encoding) : std::nullopt;
    const auto cut = encoded ? index.find(lineNumber, *encoded) : std::nullopt;
    if (!cut)
        return removal;

    // The new file is the bytes before the line and those after it, copied by the kernel.
    fileio::AtomicWriter writer(file, What);
    writer.copyFrom(index.fd(), 0, cut->start);
    writer.copyFrom(index.fd(), cut->end, index.fileId().size - cut->end);
    if (!index.isCurrent())
        throw StoreError("The quote data file \"" + file.string() +
                         "\" changed while a quote was being deleted from it; nothing was "
                         "deleted. Please try again.");
    const fileio::FileId now = writer.commit();

    removal.result = {true, cut->number, index.lineCount() - 1};
    removal.index = index.withoutLine(*cut, now, cacheDir);
    return removal;
}

} // namespace sentari::quotefile
