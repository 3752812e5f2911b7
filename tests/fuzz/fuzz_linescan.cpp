// The line scanner of quote data files: fed in chunks of any size it finds the lines a plain
// unit-by-unit reading finds, and the line measures walk the same lines. Input: a byte
// choosing the encoding and the offset of the first byte, a byte seeding the chunk sizes,
// then the bytes.

#include "fuzzinput.h"
#include "referencelines.h"

#include <random>

namespace lines = sentari::lines;
namespace text = sentari::text;
using sentari::fuzz::Input;

namespace {

struct Scan {
    std::vector<lines::LineStart> quotes;
    std::int64_t lineCount;
    lines::LineEnd lineEnd;
    bool lineEndKnown;
    bool endsWithBreak;
};

Scan scan(std::string_view bytes, text::Encoding encoding, std::uint64_t start, std::uint8_t seed)
{
    lines::LineScanner scanner(encoding, start);
    Scan result{};
    std::minstd_rand sizes(seed + 1u);
    while (!bytes.empty()) {
        // Mostly tiny chunks, so every cut between a CR and its LF or inside a UTF-16 unit
        // comes up; an empty one now and then.
        const std::size_t n = seed == 0 ? bytes.size() : sizes() % 9;
        scanner.feed(bytes.substr(0, n), result.quotes);
        bytes.remove_prefix(std::min(n, bytes.size()));
    }
    scanner.finish(result.quotes);
    result.lineCount = scanner.lineCount();
    result.lineEnd = scanner.lineEnd();
    result.lineEndKnown = scanner.lineEndKnown();
    result.endsWithBreak = scanner.endsWithBreak();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint8_t choice = in.byte();
    const std::uint8_t seed = in.byte();
    const std::string_view bytes = in.rest();
    static constexpr text::Encoding Encodings[] = {
        text::Encoding::Utf8, text::Encoding::Windows1252, text::Encoding::Utf16Le,
        text::Encoding::Utf16Be};
    const text::Encoding encoding = Encodings[choice % 4];
    const std::uint64_t start = (choice >> 2) % 4; // after a byte-order mark of 0, 2 or 3 bytes

    const Scan whole = scan(bytes, encoding, start, 0);
    const Scan chunked = scan(bytes, encoding, start, seed);
    const auto reference = sentari::fuzz::referenceLines(bytes, encoding, start);

    std::vector<lines::LineStart> quotes;
    for (const auto& line : reference.lines)
        if (line.quote)
            quotes.push_back({line.offset, line.number});
    for (const Scan* s : {&whole, &chunked}) {
        FUZZ_CHECK(s->quotes.size() == quotes.size());
        for (std::size_t i = 0; i < quotes.size(); ++i)
            FUZZ_CHECK(s->quotes[i].offset == quotes[i].offset &&
                       s->quotes[i].number == quotes[i].number);
        FUZZ_CHECK(s->lineCount == static_cast<std::int64_t>(reference.lines.size()));
        FUZZ_CHECK(s->lineEnd == reference.lineEnd && s->lineEndKnown == reference.lineEndKnown);
        FUZZ_CHECK(s->endsWithBreak == reference.endsWithBreak);
    }

    // What the index reads a line by: its text's length and its break's.
    for (const auto& line : reference.lines) {
        const auto rest = bytes.substr(static_cast<std::size_t>(line.offset - start));
        FUZZ_CHECK(lines::textLength(rest, encoding) == line.textBytes);
        FUZZ_CHECK(lines::breakLength(rest.substr(line.textBytes), encoding) == line.breakBytes);
        const auto quote = lines::quoteText(rest.substr(0, line.textBytes), encoding);
        FUZZ_CHECK(!quote.cut && !text::hasControls(quote.text));
    }
    return 0;
}
