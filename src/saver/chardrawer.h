#pragma once

#include <cstdint>
#include <optional>

class QImage;

namespace sentari::saver {

// What one place on a line shows. Mostly one character's cell from the cache; a cluster of
// several characters, or a letter shaped by its neighbours, brings a picture of its own.
struct Glyph {
    char32_t ch = 0;                 // the character, or the cluster's first; 0 shows nothing
    const QImage* picture = nullptr; // shown instead of the cell of ch
    std::int32_t width = 0;          // columns copied; 0: the cell rectangle's
};

// Time as the animation sees it, in microseconds. Letting pending input through once
// costs 25 us of it; a pacing point closer than 8 ms to the previous one waits out the
// rest. The window then shows what the animation drew by the time the real clock says,
// so the speed is the same on every machine and nothing spins.
class AnimationClock {
public:
    static constexpr std::int64_t PassMicros = 25;
    static constexpr std::int64_t PaceMicros = 8000;

    std::int64_t now() const { return now_; }
    void passes(std::int64_t count) { now_ += count * PassMicros; }
    void pacePoint()
    {
        if (lastPace_ && now_ < *lastPace_ + PaceMicros)
            now_ = *lastPace_ + PaceMicros;
        lastPace_ = now_;
    }
    // Starts a new animation at this time, whatever the old one was up to.
    void restartAt(std::int64_t micros)
    {
        now_ = micros;
        lastPace_.reset();
    }
    // Drops time the animation could not keep up with, so a stall slows it down
    // instead of making it race to catch up.
    void skipTo(std::int64_t micros)
    {
        if (micros > now_) {
            if (lastPace_)
                *lastPace_ += micros - now_;
            now_ = micros;
        }
    }

private:
    std::int64_t now_ = 0;
    std::optional<std::int64_t> lastPace_;
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
