#pragma once

#include "saver/canvas.h"
#include "saver/linelayout.h"

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace sentari::saver {

class GlyphCache;

// One display line as the effects move it: its places from left to right, in the order
// the eye meets them, each with its own glyph.
struct ShapedLine {
    struct Place {
        Glyph glyph;
        double x = 0;             // from the line's left end
        std::int32_t reading = 0; // 1-based position in the text
    };

    // What the effects read; the shaper alone keeps the rest.
    // NOLINTBEGIN(cppcoreguidelines-non-private-member-variables-in-classes)
    std::vector<Place> places; // the visible clusters, then the gap after them
    std::int32_t length = 0;   // places the effects draw; those past `places` show nothing
    double width = 0;          // of all of them, for centring
    double visibleWidth = 0;   // of the visible clusters alone
    std::vector<std::unique_ptr<QImage>> pictures; // of letters shaped by their neighbours
    // NOLINTEND(cppcoreguidelines-non-private-member-variables-in-classes)

    // Place i, from 1; one past the end shows nothing and stands a pitch further on.
    Glyph glyph(std::int32_t i) const;
    double x(std::int32_t i) const;
    // The place of the k-th cluster (from 1) in reading order.
    std::int32_t inReadingOrder(std::int32_t k) const;

private:
    friend class TextShaper;
    double end_ = 0;
    std::vector<std::int32_t> readingToPlace_;
};

// Glyph clusters and their room, and display lines in visual order. A cluster stands in a
// place of its own, a pitch wide (or wider when its glyph needs it); letters of a joining
// script (Arabic and its like) keep their shaped, connected forms and natural spacing, and
// the bidirectional algorithm orders the places.
class TextShaper {
public:
    explicit TextShaper(GlyphCache& cache) : cache_(cache) {}

    struct Clusters {
        std::vector<std::u32string> texts;
        std::vector<double> advances;
    };
    Clusters split(const QString& text) const;

    // Line n of the layout; rightToLeft: the direction of the quote as a whole.
    ShapedLine shape(const LineLayout& layout, std::int32_t n, bool rightToLeft) const;

private:
    // Each adds places from pen on and gives the pen after them. The visible clusters of a
    // line, in visual order:
    double placeVisible(ShapedLine& out, const LineLayout& layout, const LineLayout::Line& line,
                        bool rightToLeft) const;
    // A cluster standing on its own:
    double placeCluster(ShapedLine& out, std::u32string text, bool rightToLeft, double advance,
                        std::int32_t reading, double pen) const;
    // Clusters lo..hi of the line (from 0), joining letters, shaped together:
    double placeRun(ShapedLine& out, const LineLayout& layout, std::int32_t first, std::int32_t lo,
                    std::int32_t hi, bool rightToLeft, double pen) const;

    GlyphCache& cache_;
};

} // namespace sentari::saver
