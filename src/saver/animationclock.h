#pragma once

#include <cstdint>
#include <optional>

namespace sentari::saver {

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

} // namespace sentari::saver
