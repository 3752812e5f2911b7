// The saver's line breaking: every character of the quote lands on exactly one line, lines
// follow each other with at most the one gap (a space or a tab) that separates them left out,
// no line of more than one character is wider than the screen, and a word is broken only
// where the screen ends. Input: two bytes choosing the screen width, then the UTF-8 text.

#include "fuzzinput.h"
#include "saver/linelayout.h"
#include "sentaristore/files/textcodec.h"

using sentari::fuzz::Input;
using sentari::saver::LineLayout;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    static constexpr double Widths[] = {640, 800, 1024, 1152};
    const unsigned high = in.byte();
    const unsigned choice = high << 8 | in.byte();
    const double pixels = choice < 4 ? Widths[choice] : choice;
    const std::u32string text = sentari::text::toCodePoints(in.rest());

    LineLayout layout;
    layout.breakLines(text, pixels);
    const std::int32_t count = layout.lineCount();
    FUZZ_CHECK(count >= 1);
    const auto length = static_cast<std::int32_t>(text.size());
    const auto gap = [&](std::int32_t p) {
        return text[std::size_t(p)] == U' ' || text[std::size_t(p)] == U'\t';
    };
    constexpr double Pitch = 30; // what the plain layout gives each character

    std::int32_t placed = 0;      // characters before this are on a line or left out as a gap
    std::int32_t shownBefore = 0; // on the last line that showed any
    std::int32_t emptyBefore = 0; // lines since then that showed none
    for (std::int32_t n = 1; n <= count; ++n) {
        const auto& line = layout.line(n);
        FUZZ_CHECK(line.visible >= 0 && line.length >= line.visible);
        FUZZ_CHECK(line.length - line.visible <= (n == 1 ? 0 : 1));
        FUZZ_CHECK(line.visible <= 1 || line.visible * Pitch <= pixels);
        if (line.visible == 0) {
            ++emptyBefore;
            continue;
        }
        // Left out between lines: only gaps, one before each line that starts after one
        // (an empty line takes its own).
        FUZZ_CHECK(line.first >= placed && line.first - placed <= emptyBefore + 1);
        for (std::int32_t p = placed; p < line.first; ++p)
            FUZZ_CHECK(gap(p));
        if (line.first == placed && placed > 0 && !gap(placed) && !gap(placed - 1)) {
            // Broken inside a word: the line before had no room for one more.
            FUZZ_CHECK((shownBefore + 1) * Pitch > pixels);
        }
        placed = line.first + line.visible;
        shownBefore = line.visible;
        emptyBefore = 0;
        FUZZ_CHECK(placed <= length);
        FUZZ_CHECK(layout.lineText(n).substr(0, std::size_t(line.visible)) ==
                   text.substr(std::size_t(line.first), std::size_t(line.visible)));
    }
    // Gaps at the very end may be left out as the separators of last, empty lines.
    FUZZ_CHECK(placed <= length && length - placed <= emptyBefore);
    for (std::int32_t p = placed; p < length; ++p)
        FUZZ_CHECK(gap(p));
    return 0;
}
