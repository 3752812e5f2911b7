#include "linelayout.h"

#include <algorithm>

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

void LineLayout::breakLines(const std::u32string& text, double screenWidthPixels)
{
    std::vector<std::u32string> clusters;
    clusters.reserve(text.size());
    for (char32_t c : text)
        clusters.emplace_back(1, c);
    breakLines(std::move(clusters), std::vector<double>(text.size(), Pitch), screenWidthPixels);
}

void LineLayout::breakLines(std::vector<std::u32string> clusters, std::vector<double> advances,
                            double screenWidthPixels)
{
    clusters_ = std::move(clusters);
    advances_ = std::move(advances);
    advances_.resize(clusters_.size(), Pitch);
    breakAtGaps(screenWidthPixels);
    fitToScreen(screenWidthPixels);
}

// The share of the width counts from the start of the text, not of the line: a line that
// overran its share leaves less room to the next one, and a long word can leave the lines
// after it empty.
void LineLayout::breakAtGaps(double screenWidthPixels)
{
    const std::int64_t w = widthInCharacters(screenWidthPixels);
    const auto length = static_cast<std::int32_t>(clusters_.size());
    // 1-based position of the first word gap (a space or a tab) at or after `from`, 0 when
    // none: a tab-separated quote would otherwise run off the screen as one word.
    auto gapFrom = [&](std::int32_t from) -> std::int64_t {
        for (std::int32_t p = std::max(from, 1); p <= length; ++p)
            if (isGap(clusters_[std::size_t(p - 1)]))
                return p;
        return 0;
    };

    std::vector<std::int32_t> ends{0, 1};
    for (std::int64_t n = 1;;) {
        const auto s = gapFrom(ends[n]);
        if (s > w * n) {
            // The word that crosses the limit stays on this line.
            ends[n] = static_cast<std::int32_t>(s - 1);
            ++n;
            ends.push_back(ends[n - 1]);
        } else if (s == 0) {
            ends[n] = length;
            break;
        } else {
            ends[n] = static_cast<std::int32_t>(s + 1);
        }
    }

    lines_.clear();
    lines_.push_back({0, ends[1], ends[1]});
    for (std::size_t n = 2; n < ends.size(); ++n) {
        // Past the previous line's last cluster and the gap after it.
        const std::int32_t length = ends[n] - ends[n - 1];
        lines_.push_back({ends[n - 1] + 1, std::max(0, length - 1), length});
    }
}

// A line wider than the screen would be cut off at both edges. It is broken again, at the
// last gap that fits, or, in a word wider than the screen, at the last cluster that fits.
void LineLayout::fitToScreen(double screenWidthPixels)
{
    std::vector<Line> fitted;
    fitted.reserve(lines_.size());
    for (const Line& line : lines_) {
        const std::int32_t end = line.first + line.visible;
        std::int32_t start = line.first;
        double width = 0;
        std::int32_t lastGap = -1;
        for (std::int32_t c = start; c < end; ++c) {
            width += advances_[std::size_t(c)];
            if (isGap(clusters_[std::size_t(c)]))
                lastGap = c; // a gap that overflows is where the line breaks
            if (width > screenWidthPixels && c > start) {
                const bool atGap = lastGap > start;
                const std::int32_t pieceEnd = atGap ? lastGap : c;
                fitted.push_back({start, pieceEnd - start, pieceEnd - start});
                start = atGap ? lastGap + 1 : c;
                lastGap = -1;
                width = 0;
                c = start - 1; // measure the rest afresh
            }
        }
        fitted.push_back({start, end - start, end - start + (line.length - line.visible)});
    }
    lines_ = std::move(fitted);
}

const LineLayout::Line& LineLayout::line(std::int32_t n) const
{
    static const Line None{};
    if (n < 1 || n > lineCount())
        return None;
    return lines_[std::size_t(n - 1)];
}

std::u32string LineLayout::lineText(std::int32_t n) const
{
    const Line& l = line(n);
    std::u32string out;
    const auto last =
        std::min<std::int64_t>(std::int64_t(l.first) + l.length, std::int64_t(clusters_.size()));
    for (std::int64_t c = l.first; c < last; ++c)
        out += clusters_[std::size_t(c)];
    return out;
}

} // namespace sentari::saver
