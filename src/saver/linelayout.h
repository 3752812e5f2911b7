#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sentari::saver {

// Display lines of one quote, counted in glyph clusters (what one place on the screen
// shows; for plain text a character).
class LineLayout {
public:
    // The room a plain character takes on a line, and the step from one place to the next.
    static constexpr double Pitch = 30;

    // One display line: clusters first .. first + visible - 1 are shown; the effects draw
    // `length` places, on every line but the first one more, for the gap after it.
    struct Line {
        std::int32_t first = 0;
        std::int32_t visible = 0;
        std::int32_t length = 0;
    };

    // Characters per line for a screen of this many pixels across.
    static std::int32_t widthInCharacters(double screenWidthPixels);

    // advances: the pixels each cluster takes on a line; a line wider than the screen is
    // broken again, between words where one fits and inside a word where none does.
    void breakLines(std::vector<std::u32string> clusters, std::vector<double> advances,
                    double screenWidthPixels);
    // One cluster per character, each a pitch wide.
    void breakLines(const std::u32string& text, double screenWidthPixels);

    std::int32_t lineCount() const { return static_cast<std::int32_t>(lines_.size()); }
    const Line& line(std::int32_t n) const;
    const std::vector<std::u32string>& clusters() const { return clusters_; }
    double advance(std::int32_t cluster) const { return advances_[std::size_t(cluster)]; }

    // The line and the cluster after it (its separating gap), as the effects draw it.
    std::u32string lineText(std::int32_t n) const;
    std::int32_t lineLength(std::int32_t n) const { return line(n).length; }

    static bool isGap(const std::u32string& cluster) { return cluster == U" " || cluster == U"\t"; }

private:
    void breakAtGaps(double screenWidthPixels);
    void fitToScreen(double screenWidthPixels);

    std::vector<std::u32string> clusters_;
    std::vector<double> advances_;
    std::vector<Line> lines_{Line{}};
};

} // namespace sentari::saver
