#pragma once

#include "saver/animationclock.h"
#include "saver/canvas.h"

#include <cstdint>

namespace sentari::saver {

// The one way characters are drawn. Every call, drawn or not, is a step of the pace: a
// pacing point comes once per span + 1 characters, so a faster speed draws more between
// two waits.
class CharDrawer {
public:
    CharDrawer(Canvas& canvas, AnimationClock& clock) : canvas_(canvas), clock_(clock) {}

    // speed 0, 1, 2: slow, medium, fast.
    static std::int32_t paceSpan(std::int32_t speed);
    void setSpeed(std::int32_t speed);

    // ch 0 stands for the empty string: nothing is drawn, the pace still counts.
    void drawChar(double x, double y, char32_t ch) { drawGlyph(x, y, Glyph{ch}); }
    void drawGlyph(double x, double y, const Glyph& glyph);
    static bool drawable(char32_t ch);

    Canvas& canvas() { return canvas_; }

private:
    Canvas& canvas_;
    AnimationClock& clock_;
    std::int32_t span_ = 90;
    std::int32_t counter_ = 0;
};

} // namespace sentari::saver
