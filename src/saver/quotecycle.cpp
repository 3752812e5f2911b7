#include "quotecycle.h"

namespace sentari::saver {

Steps quoteCycles(Scene& scene, std::int32_t transition, CycleHooks hooks)
{
    // Roughly a second of passes: how long an empty screen waits before asking again.
    constexpr std::int64_t EmptyWait = 40000;
    QString quote;
    for (;;) {
        try {
            const auto fetched = hooks.fetchQuote();
            // Without a data file the last quote stays (a locked screen goes on showing it);
            // whoever listens decides whether the saver ends.
            if (fetched.noDataFile) {
                if (hooks.noDataFile)
                    hooks.noDataFile();
            } else {
                quote = fetched.text;
            }
        } catch (...) {
            // A quote that cannot be fetched now is not worth stopping the saver for.
        }
        if (quote.isEmpty())
            co_await idle(EmptyWait);
        scene.setQuote(quote);
        std::int32_t effect = transition;
        if (transition == 0)
            effect = static_cast<std::int32_t>(scene.random01() * double(effects().size())) + 1;
        scene.y = 0;
        for (std::int32_t n = 1; n <= scene.layout.lineCount(); ++n)
            co_await runEffect(scene, effect, n);
        co_await idle(scene.quotePause);
        scene.drawer.canvas().clear();
        scene.y = 0;
    }
}

Steps unlockMessage(Scene& scene)
{
    scene.setQuote(QString::fromUtf16(UnlockMessage));
    scene.y = 0;
    for (std::int32_t n = 1; n <= scene.layout.lineCount(); ++n)
        co_await runEffect(scene, std::int32_t(Effect::Scramble), n);
}

void Animator::runUntil(std::int64_t target, const std::function<bool()>& outOfTime)
{
    std::uint32_t rounds = 0;
    while (!steps_.done() && clock_.now() < target) {
        const auto passes = steps_.resume();
        if (passes > 0)
            clock_.passes(passes);
        if (outOfTime && (++rounds & 63) == 0 && outOfTime())
            break;
    }
}

} // namespace sentari::saver
