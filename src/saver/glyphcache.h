#pragma once

#include "saver/canvas.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>

namespace sentari::saver {

// Pre-rendered character cells: printable ASCII at start, anything else printable the
// first time it is drawn. Each cell is 40 x 40 with the character at (2, 5) in a face
// 23 pixels high; drawing copies only the cell rectangle's part. A cluster of several
// characters, or one wider than a place, gets a picture of its own, as wide as it needs.
class GlyphCache {
public:
    static constexpr int CellSize = 40;
    static constexpr int FontHeight = 23;
    static constexpr int Left = 2; // where the pen starts in a cell
    static constexpr int Top = 5;

    // foreground nothing: a random light colour per character code.
    GlyphCache(const QString& family, std::uint32_t background,
               std::optional<std::uint32_t> foreground, std::uint32_t seed);

    const QImage& cell(char32_t ch);
    std::uint32_t colourOf(char32_t ch);
    std::size_t size() const;

    // The glyph of a cluster standing on its own; width: the columns it needs, 0 for those
    // of a cell.
    Glyph cluster(const std::u32string& text, int width);

    const QFont& font() const { return font_; }
    int baseline() const { return Top + ascent_; }
    QColor background() const;

private:
    QImage render(const QString& text, std::uint32_t colour, int width = CellSize) const;
    std::uint32_t pickColour();

    QFont font_;
    int ascent_ = 0;
    std::uint32_t background_;
    std::optional<std::uint32_t> foreground_;
    std::mt19937 rng_;
    std::array<QImage, 128> ascii_;
    std::array<std::uint32_t, 128> asciiColour_{};
    std::unordered_map<char32_t, std::pair<QImage, std::uint32_t>> other_;
    std::unordered_map<std::u32string, QImage> clusters_; // node-based: pictures stay put
};

// Draws cells into an image and remembers what changed since the last frame.
class ImageCanvas : public Canvas {
public:
    // area: the part of the image this canvas owns (one monitor's); none: all of it.
    ImageCanvas(QImage& image, GlyphCache& cache, QSize cellRect, QRgb background,
                std::optional<QRect> area = std::nullopt);

    void drawCell(const Glyph& glyph, std::int32_t x, std::int32_t y) override;
    void clear() override;

    QRect takeDirty();
    std::int64_t cellsDrawn() const { return drawn_; }

private:
    QRect area() const { return area_ ? *area_ : image_.rect(); }

    QImage& image_;
    std::optional<QRect> area_;
    GlyphCache& cache_;
    QSize cellRect_;
    QRgb background_;
    QRect dirty_;
    std::int64_t drawn_ = 0;
};

} // namespace sentari::saver
