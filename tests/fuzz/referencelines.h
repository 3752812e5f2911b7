#pragma once

// The lines of a quote data file worked out the plain way, unit by unit, for the harnesses
// to hold the line scanner and the index against.

#include "sentaristore/files/textcodec.h"
#include "sentaristore/quotes/linescan.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace sentari::fuzz {

struct ReferenceLine {
    std::uint64_t offset; // in the file
    std::uint64_t number;
    std::uint64_t textBytes;
    std::uint64_t breakBytes;
    bool quote; // holds anything but blanks
};

struct ReferenceFile {
    std::vector<ReferenceLine> lines;
    lines::LineEnd lineEnd = lines::LineEnd::CrLf; // the first break's
    bool lineEndKnown = false;
    bool endsWithBreak = true;
};

// `bytes` start at file offset `start`, after any byte-order mark.
inline ReferenceFile referenceLines(std::string_view bytes, text::Encoding encoding,
                                    std::uint64_t start)
{
    const std::size_t w = static_cast<std::size_t>(text::unitWidth(encoding));
    const std::size_t units = bytes.size() / w;
    ReferenceFile file;
    ReferenceLine line{start, 1, 0, 0, false};
    auto note = [&](lines::LineEnd end) {
        if (!file.lineEndKnown)
            file.lineEnd = end;
        file.lineEndKnown = true;
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = text::unitAt(bytes, i * w, encoding);
        if (u != '\r' && u != '\n') {
            line.quote = line.quote || (u != ' ' && u != '\t');
            line.textBytes += w;
            continue;
        }
        const bool crlf =
            u == '\r' && i + 1 < units && text::unitAt(bytes, (i + 1) * w, encoding) == '\n';
        note(crlf ? lines::LineEnd::CrLf : u == '\r' ? lines::LineEnd::Cr : lines::LineEnd::Lf);
        i += crlf;
        line.breakBytes = crlf ? 2 * w : w;
        file.lines.push_back(line);
        line = {line.offset + line.textBytes + line.breakBytes, line.number + 1, 0, 0, false};
    }
    if (bytes.size() % w != 0) { // half a unit at the end: not text, but not nothing either
        line.quote = true;
        line.textBytes += bytes.size() % w;
    }
    file.endsWithBreak = line.textBytes == 0;
    if (!file.endsWithBreak)
        file.lines.push_back(line);
    return file;
}

} // namespace sentari::fuzz
