#include "datafile.h"

#include "platform/qtstring.h"
#include "settings/fileio.h"
#include "settings/quoteindex.h"
#include "settings/settingsstore.h"
#include "settings/textcodec.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace sentari::tray {

namespace {

struct LineSpan {
    std::size_t start;   // first byte of the content
    std::size_t content; // bytes of content, without CR LF
    std::size_t end;     // one past the line's line break
};

std::vector<LineSpan> splitLines(std::string_view bytes, std::size_t from)
{
    std::vector<LineSpan> lines;
    std::size_t pos = from;
    while (pos < bytes.size()) {
        auto nl = bytes.find('\n', pos);
        const std::size_t end = nl == std::string_view::npos ? bytes.size() : nl + 1;
        std::size_t contentEnd = nl == std::string_view::npos ? bytes.size() : nl;
        if (contentEnd > pos && bytes[contentEnd - 1] == '\r')
            --contentEnd;
        lines.push_back({pos, contentEnd - pos, end});
        pos = end;
    }
    return lines;
}

} // namespace

void appendQuote(const fs::path& file, const QString& quote, const fs::path& cacheDir)
{
    const std::string utf8 = u8(quote);
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    DataFileFormat format; // a new file: UTF-8 with CR LF
    if (fileio::kindOf(file) != fileio::Kind::Missing) {
        // ASCII reads the same in every encoding a data file may have, so only a quote
        // beyond it needs the whole file looked at.
        std::optional<DataFileFormat> found;
        if (ascii) {
            found = sniffLineEnds(file);
        } else if (auto index = QuoteIndex::open(file, cacheDir)) {
            found = index->format();
        }
        if (!found)
            fileio::readAll(file, "the quote data file"); // throws with the reason
        else
            format = *found;
    }
    const auto encoded = text::encode(utf8, format.encoding);
    if (!encoded)
        throw StoreError("Could not add the quote to the quote data file \"" + file.string() +
                         "\": the file is written in the Windows-1252 encoding, which cannot "
                         "hold some of the quote's characters.");
    const std::string_view eol = format.crlf ? "\r\n" : "\n";
    std::string bytes;
    if (!format.endsWithNewline)
        bytes += eol;
    bytes += *encoded;
    bytes += eol;
    fileio::append(file, bytes, "the quote data file");
}

DeleteOutcome deleteQuote(const fs::path& file, std::int64_t lineNumber, const QString& quote)
{
    const std::string bytes = fileio::readAll(file, "the quote data file");
    const bool bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const auto encoding =
        text::isValidUtf8(bytes) ? text::Encoding::Utf8 : text::Encoding::Windows1252;
    const auto wanted = text::encode(u8(quote), encoding);
    const auto lines = splitLines(bytes, bom ? 3 : 0);

    DeleteOutcome outcome;
    auto holdsQuote = [&](std::size_t i) {
        return wanted &&
               std::string_view(bytes).substr(lines[i].start, lines[i].content) == *wanted;
    };
    std::size_t victim = lines.size();
    if (lineNumber >= 1 && static_cast<std::size_t>(lineNumber) <= lines.size() &&
        holdsQuote(static_cast<std::size_t>(lineNumber - 1))) {
        victim = static_cast<std::size_t>(lineNumber - 1);
    } else {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (holdsQuote(i)) {
                victim = i;
                break;
            }
        }
    }
    if (victim == lines.size()) {
        outcome.remainingLines = static_cast<std::int64_t>(lines.size());
        return outcome;
    }
    std::string kept;
    kept.reserve(bytes.size());
    kept.append(bytes, 0, lines[victim].start);
    kept.append(bytes, lines[victim].end, std::string::npos);
    fileio::writeAtomically(file, kept, "the quote data file");
    outcome.deleted = true;
    outcome.deletedLine = static_cast<std::int64_t>(victim) + 1;
    outcome.remainingLines = static_cast<std::int64_t>(lines.size()) - 1;
    return outcome;
}

} // namespace sentari::tray
