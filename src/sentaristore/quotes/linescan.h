#pragma once

// The lines of a quote data file from its bytes alone. A line ends at LF, CR LF or a lone CR
// (files from old Macs), counted in bytes or, in UTF-16 files, in code units. A line holds a
// quote when it has anything but blanks. Pure functions and a scanner fed in chunks, so a
// file of any size is read once and never held whole.

#include "sentaristore/files/textcodec.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sentari::lines {

enum class LineEnd : std::uint8_t { CrLf, Lf, Cr };

// The longest quote handed out: a line beyond it is cut (a file of one huge line would
// otherwise be read whole).
inline constexpr std::size_t MaxQuoteBytes = 1 << 20;

struct LineStart {
    std::uint64_t offset; // first byte of the line
    std::uint64_t number; // 1-based line number
};

class LineScanner {
public:
    // `start`: the file offset of the first byte fed (after a byte-order mark).
    LineScanner(text::Encoding encoding, std::uint64_t start);

    // The next bytes of the file, in order; the lines found that hold a quote go to `out`.
    void feed(std::string_view bytes, std::vector<LineStart>& out);
    // At the end of the file.
    void finish(std::vector<LineStart>& out);

    // Lines in the file, a last one without a line break included (after finish()).
    std::int64_t lineCount() const { return lineCount_; }
    // The style of the first line break; CR LF when there is none (yet).
    LineEnd lineEnd() const { return lineEnd_; }
    bool lineEndKnown() const { return lineEndKnown_; }
    // The file is empty or its last line has its line break (after finish()).
    bool endsWithBreak() const { return lineStart_ >= position_; }

private:
    void step(char16_t unit, std::uint64_t at, std::vector<LineStart>& out);
    void endLine(std::uint64_t next, std::vector<LineStart>& out);
    void noteEnd(LineEnd end);

    text::Encoding encoding_;
    int width_;
    std::uint64_t position_;   // file offset of the next byte to come
    std::uint64_t lineStart_;  // of the line being read
    std::uint64_t lineNo_ = 1; // of the line being read
    std::int64_t lineCount_ = 0;
    bool decided_ = false; // the line has shown whether it holds a quote
    bool hasContent_ = false;
    bool crPending_ = false; // the last unit was a CR: an LF next belongs to its break
    LineEnd lineEnd_ = LineEnd::CrLf;
    bool lineEndKnown_ = false;
    std::string carry_; // half a UTF-16 unit left from the last chunk
};

// The length in bytes of the line's text at the start of `bytes`: up to its line break, or
// all of them.
std::size_t textLength(std::string_view bytes, text::Encoding encoding);
// The length in bytes of the line break at the start of `bytes`; 0 when there is none.
std::size_t breakLength(std::string_view bytes, text::Encoding encoding);
// The bytes of a line break in that style and encoding.
std::string lineBreak(LineEnd end, text::Encoding encoding);

struct QuoteText {
    std::string text; // UTF-8, without control characters
    bool cut = false; // the line was longer than MaxQuoteBytes
};
// The quote a line's text (without its break, perhaps longer than the cap) gives.
QuoteText quoteText(std::string_view lineBytes, text::Encoding encoding);

} // namespace sentari::lines
