#pragma once

#include <cstdint>

class QImage;

namespace sentari::saver {

// What one place on a line shows. Mostly one character's cell from the cache; a cluster of
// several characters, or a letter shaped by its neighbours, brings a picture of its own.
struct Glyph {
    char32_t ch = 0;                 // the character, or the cluster's first; 0 shows nothing
    const QImage* picture = nullptr; // shown instead of the cell of ch
    std::int32_t width = 0;          // columns copied; 0: the cell rectangle's
};

// Where characters end up: the window's backing image, or a recorder in tests.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Copies the glyph's cell with its top left corner at (x, y); the cell's background
    // wipes what it covers.
    virtual void drawCell(const Glyph& glyph, std::int32_t x, std::int32_t y) = 0;
    virtual void clear() = 0;
};

} // namespace sentari::saver
