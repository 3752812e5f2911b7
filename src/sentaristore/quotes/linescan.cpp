#include "linescan.h"

#include <cstring>

namespace sentari::lines {

LineScanner::LineScanner(text::Encoding encoding, std::uint64_t start)
    : encoding_(encoding), width_(text::unitWidth(encoding)), position_(start), lineStart_(start)
{
}

void LineScanner::noteEnd(LineEnd end)
{
    if (!lineEndKnown_) {
        lineEnd_ = end;
        lineEndKnown_ = true;
    }
}

void LineScanner::endLine(std::uint64_t next, std::vector<LineStart>& out)
{
    if (hasContent_)
        out.push_back({lineStart_, lineNo_});
    ++lineNo_;
    lineStart_ = next;
    decided_ = hasContent_ = false;
}

void LineScanner::step(char16_t unit, std::uint64_t at, std::vector<LineStart>& out)
{
    const auto next = at + static_cast<std::uint64_t>(width_);
    if (crPending_) {
        crPending_ = false;
        if (unit == '\n') {
            noteEnd(LineEnd::CrLf);
            lineStart_ = next; // the LF completes the break the CR began
            return;
        }
        noteEnd(LineEnd::Cr);
    }
    if (unit == '\n' || unit == '\r') {
        endLine(next, out);
        if (unit == '\r')
            crPending_ = true;
        else
            noteEnd(LineEnd::Lf);
    } else if (!decided_ && unit != ' ' && unit != '\t') {
        decided_ = hasContent_ = true;
    }
}

void LineScanner::feed(std::string_view bytes, std::vector<LineStart>& out)
{
    if (width_ == 2) {
        std::string joined;
        if (!carry_.empty()) {
            joined = carry_ + std::string(bytes);
            bytes = joined;
        }
        const std::uint64_t base = position_ - carry_.size();
        const std::size_t whole = bytes.size() & ~std::size_t(1);
        for (std::size_t i = 0; i < whole; i += 2)
            step(text::unitAt(bytes, i, encoding_), base + i, out);
        carry_.assign(bytes.substr(whole));
        position_ = base + bytes.size();
        return;
    }
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t i = 0;
    while (i < size) {
        if (decided_ && !crPending_) {
            // Inside a quote only the next line break matters: find it fast.
            const void* lf = std::memchr(data + i, '\n', size - i);
            const std::size_t limit =
                lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
            const void* cr = std::memchr(data + i, '\r', limit - i);
            i = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : limit;
            if (i == size)
                break;
        }
        step(static_cast<unsigned char>(data[i]), position_ + i, out);
        ++i;
    }
    position_ += size;
}

void LineScanner::finish(std::vector<LineStart>& out)
{
    if (!carry_.empty()) { // half a unit at the end: not text, but not nothing either
        decided_ = hasContent_ = true;
        carry_.clear();
    }
    if (crPending_) {
        crPending_ = false;
        noteEnd(LineEnd::Cr);
    }
    if (lineStart_ < position_) {
        if (hasContent_)
            out.push_back({lineStart_, lineNo_});
        lineCount_ = static_cast<std::int64_t>(lineNo_);
    } else {
        lineCount_ = static_cast<std::int64_t>(lineNo_ - 1);
    }
}

std::size_t textLength(std::string_view bytes, text::Encoding encoding)
{
    if (text::unitWidth(encoding) == 1) {
        const auto end = bytes.find_first_of("\r\n");
        return end == std::string_view::npos ? bytes.size() : end;
    }
    const std::size_t whole = bytes.size() & ~std::size_t(1);
    for (std::size_t i = 0; i < whole; i += 2) {
        const char16_t u = text::unitAt(bytes, i, encoding);
        if (u == '\n' || u == '\r')
            return i;
    }
    return bytes.size();
}

std::size_t breakLength(std::string_view bytes, text::Encoding encoding)
{
    const auto w = static_cast<std::size_t>(text::unitWidth(encoding));
    auto unit = [&](std::size_t i) {
        return bytes.size() >= (i + 1) * w ? text::unitAt(bytes, i * w, encoding) : char16_t(0);
    };
    if (unit(0) == '\n')
        return w;
    if (unit(0) == '\r')
        return unit(1) == '\n' ? 2 * w : w;
    return 0;
}

std::string lineBreak(LineEnd end, text::Encoding encoding)
{
    const std::string_view ascii = end == LineEnd::CrLf ? "\r\n" : end == LineEnd::Lf ? "\n" : "\r";
    return *text::encode(ascii, encoding);
}

QuoteText quoteText(std::string_view lineBytes, text::Encoding encoding)
{
    QuoteText quote;
    if (lineBytes.size() > MaxQuoteBytes) {
        quote.cut = true;
        std::size_t keep = MaxQuoteBytes;
        if (text::unitWidth(encoding) == 2) {
            const char16_t last = text::unitAt(lineBytes, keep - 2, encoding);
            if (last >= 0xD800 && last <= 0xDBFF)
                keep -= 2; // half of a pair
        } else if (encoding != text::Encoding::Windows1252) {
            while (keep > 0 && (static_cast<unsigned char>(lineBytes[keep]) & 0xC0) == 0x80)
                --keep; // inside a character
        }
        lineBytes = lineBytes.substr(0, keep);
    }
    const std::string decoded = text::decode(lineBytes, encoding);
    quote.text = text::hasControls(decoded) ? text::withoutControls(decoded) : decoded;
    return quote;
}

} // namespace sentari::lines
