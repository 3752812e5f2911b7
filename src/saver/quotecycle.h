#pragma once

#include "saver/effects.h"
#include "saver/steps.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace sentari::saver {

inline constexpr char16_t UnlockMessage[] = u"To unlock type password then press enter.";

struct FetchedQuote {
    bool noDataFile = false;
    QString text;
};

// May throw: a quote that cannot be fetched is skipped and the last one shown again.
using QuoteSource = std::function<FetchedQuote()>;

struct CycleHooks {
    QuoteSource fetchQuote;
    std::function<void()> noDataFile; // told each time the store has no data file
};

// Quote after quote: fetch, break into lines, bring each line in with the effect (a new
// random one per quote for transition 0), pause, clear. Never ends by itself.
Steps quoteCycles(Scene& scene, std::int32_t transition, CycleHooks hooks);

// The unlock panel's message, scrambled in from the top.
Steps unlockMessage(Scene& scene);

// Runs Steps against the animation clock.
class Animator {
public:
    explicit Animator(AnimationClock& clock) : clock_(clock) {}

    void start(Steps steps) { steps_ = std::move(steps); }
    void stop() { steps_ = Steps(); }
    bool finished() const { return steps_.done(); }

    // Resumes until the clock reaches target (microseconds), the Steps end, or outOfTime
    // (asked now and then) says the frame's share of work is used up.
    void runUntil(std::int64_t target, const std::function<bool()>& outOfTime = {});

private:
    AnimationClock& clock_;
    Steps steps_;
};

} // namespace sentari::saver
