#include "linelayout.h"

namespace sentari::saver {

std::int32_t LineLayout::widthInCharacters(double screenWidthPixels)
{
    const auto w = static_cast<float>(screenWidthPixels);
    if (w == 640.0f)
        return 13;
    if (w == 800.0f)
        return 17;
    if (w == 1152.0f)
        return 25;
    return 20;
}

void LineLayout::breakLines(std::u32string text, double screenWidthPixels)
{
    text_ = std::move(text);
    const std::int64_t w = widthInCharacters(screenWidthPixels);
    const auto length = static_cast<std::int32_t>(text_.size());
    // 1-based position of the first word gap (a space or a tab) at or after `from`, 0 when
    // none: a tab-separated quote would otherwise run off the screen as one word.
    auto spaceFrom = [&](std::int32_t from) -> std::int64_t {
        if (from < 1)
            from = 1;
        if (from > length)
            return 0;
        auto pos = text_.find_first_of(U" \t", static_cast<std::size_t>(from - 1));
        return pos == std::u32string::npos ? 0 : static_cast<std::int64_t>(pos) + 1;
    };

    ends_.assign({0, 1});
    std::int64_t n = 1;
    for (;;) {
        const auto s = spaceFrom(ends_[n]);
        if (s > w * n) {
            // The word that crosses the limit stays on this line.
            ends_[n] = static_cast<std::int32_t>(s - 1);
            ++n;
            ends_.push_back(ends_[n - 1]);
        } else if (s == 0) {
            ends_[n] = length;
            return;
        } else {
            ends_[n] = static_cast<std::int32_t>(s + 1);
        }
    }
}

std::int32_t LineLayout::end(std::int32_t n) const
{
    if (n <= 0)
        return 0;
    if (n >= static_cast<std::int32_t>(ends_.size()))
        return ends_.back();
    return ends_[n];
}

std::u32string LineLayout::lineText(std::int32_t n) const
{
    if (n <= 1)
        return text_.substr(0, static_cast<std::size_t>(end(1)));
    // Past the previous line's last character and the space after it.
    const std::int64_t start = std::int64_t(end(n - 1)) + 1;
    const std::int64_t count = std::int64_t(end(n)) - end(n - 1);
    if (count <= 0 || start >= static_cast<std::int64_t>(text_.size()))
        return {};
    return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

std::int32_t LineLayout::lineLength(std::int32_t n) const
{
    if (n <= 1)
        return end(1);
    return end(n) - end(n - 1);
}

std::int32_t LineLayout::rightAlignedX(std::int32_t n, std::int32_t clientWidth,
                                       std::int32_t cellWidth) const
{
    const std::int64_t visible = n <= 1 ? end(1) : std::int64_t(end(n)) - end(n - 1) - 1;
    return static_cast<std::int32_t>(clientWidth - visible * cellWidth);
}

} // namespace sentari::saver
