// The saver's line breaking: every character of the quote lands on exactly one line, each
// line but the first begins after the one gap (a space or a tab) that separates it from the
// line before, and a line ends only at the first gap past its share of the width (counted
// from the start of the text) or at the end. Input: two bytes choosing the screen width,
// then the UTF-8 text.

#include "fuzzinput.h"
#include "saver/linelayout.h"
#include "settings/textcodec.h"

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
    const std::int64_t w = LineLayout::widthInCharacters(pixels);
    const auto& ends = layout.lineEnds();
    const std::int32_t count = layout.lineCount();
    FUZZ_CHECK(count >= 1 && ends[0] == 0 && ends[count] == static_cast<std::int32_t>(text.size()));

    // 1-based positions, as the layout counts them.
    const auto at = [&](std::int64_t p) { return text[static_cast<std::size_t>(p - 1)]; };
    const auto gap = [&](std::int64_t p) { return at(p) == U' ' || at(p) == U'\t'; };
    std::u32string placed = layout.lineText(1);
    for (std::int32_t n = 1; n <= count; ++n) {
        FUZZ_CHECK(ends[n] >= ends[n - 1]);
        // Line n holds positions ends[n-1]+1 .. ends[n]; after the first, the first of them is
        // the separating gap.
        const std::int64_t first = n == 1 ? 1 : std::int64_t(ends[n - 1]) + 2;
        if (n > 1 && ends[n] > ends[n - 1]) {
            FUZZ_CHECK(gap(ends[n - 1] + 1));
            FUZZ_CHECK(layout.lineLength(n) == ends[n] - ends[n - 1]);
            placed += at(ends[n - 1] + 1);
            placed +=
                layout.lineText(n).substr(0, static_cast<std::size_t>(layout.lineLength(n) - 1));
        }
        for (std::int64_t p = first; p <= ends[n]; ++p)
            FUZZ_CHECK(!gap(p) || p <= w * n); // no gap past the share stays inside
        if (n < count)
            FUZZ_CHECK(gap(ends[n] + 1) && ends[n] + 1 > w * n);
    }
    FUZZ_CHECK(placed == text);
    return 0;
}
