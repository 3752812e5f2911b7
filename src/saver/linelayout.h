#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sentari::saver {

// Display lines of one quote. Positions are 1-based character (code point) positions;
// lineEnds()[n] is where line n ends, lineEnds()[0] is 0.
class LineLayout {
public:
    // Characters per line for a screen of this many pixels across.
    static std::int32_t widthInCharacters(double screenWidthPixels);

    void breakLines(std::u32string text, double screenWidthPixels);

    const std::vector<std::int32_t>& lineEnds() const { return ends_; }
    std::int32_t lineCount() const { return static_cast<std::int32_t>(ends_.size()) - 1; }

    // The line and the character after it (its separating space), as the effects draw it.
    std::u32string lineText(std::int32_t n) const;
    // One more than the visible characters, except on the first line.
    std::int32_t lineLength(std::int32_t n) const;
    // The x from which the line's visible characters, set at cell width, end at the right edge.
    std::int32_t rightAlignedX(std::int32_t n, std::int32_t clientWidth,
                               std::int32_t cellWidth) const;

private:
    std::int32_t end(std::int32_t n) const;
    std::u32string text_;
    std::vector<std::int32_t> ends_{0, 0};
};

} // namespace sentari::saver
