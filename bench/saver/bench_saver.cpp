// Costs of the saver's drawing: start-up of the glyph cache, one character, one display
// frame of each effect, and line breaking. Run with QT_QPA_PLATFORM=offscreen.

#include "saver/chardrawer.h"
#include "saver/effects.h"
#include "saver/glyphcache.h"
#include "saver/linelayout.h"
#include "saver/quotecycle.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace sentari::saver;

namespace {

// One line each of a left-to-right script, a right-to-left one and a joining one.
const QString Lines[] = {
    QStringLiteral("Simplicity is the ultimate"),
    QString::fromUtf8("\u05d4\u05e4\u05e9\u05d8\u05d5\u05ea \u05d4\u05d9\u05d0 "
                      "\u05d4\u05ea\u05d7\u05db\u05db\u05d5\u05ea"),
    QString::fromUtf8("\u0627\u0644\u0628\u0633\u0627\u0637\u0629 \u0647\u064a \u0642\u0645\u0629 "
                      "\u0627\u0644\u0625\u062a\u0642\u0627\u0646"),
};

struct Screen {
    QImage image{1920, 1080, QImage::Format_RGB32};
    GlyphCache cache{QString(), 0, std::nullopt, 1};
    ImageCanvas canvas{image, cache, QSize(32, 34), qRgb(0, 0, 0)};
    AnimationClock clock;
    CharDrawer drawer{canvas, clock};
    Scene scene;

    Screen() : scene(drawer, cache, geometry(), 1) { image.fill(0); }
    static SceneGeometry geometry()
    {
        SceneGeometry g;
        g.screenWidth = 1920;
        g.screenHeight = 1080;
        g.clientWidth = 1920;
        g.cellWidth = 32;
        return g;
    }
};

void BM_BuildGlyphCache(benchmark::State& state)
{
    for (auto _ : state) {
        GlyphCache cache(QString(), 0, std::nullopt, 1);
        benchmark::DoNotOptimize(cache.size());
    }
}
BENCHMARK(BM_BuildGlyphCache)->Unit(benchmark::kMillisecond);

void BM_DrawChar(benchmark::State& state)
{
    Screen s;
    double x = 0;
    for (auto _ : state) {
        s.drawer.drawChar(x, 500, U'a' + char32_t(int(x) % 26));
        x = x > 1800 ? 0 : x + 30.5;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawChar);

// CPU for one 60 Hz frame of an effect at medium speed, measured over the whole effect:
// the figure to hold against the 16.7 ms a frame lasts. Second argument: the script.
void BM_EffectFramesAtMedium(benchmark::State& state)
{
    const auto effect = static_cast<std::int32_t>(state.range(0));
    const QString& line = Lines[state.range(1)];
    std::int64_t frames = 0;
    for (auto _ : state) {
        Screen s;
        s.drawer.setSpeed(1);
        s.scene.setQuote(line);
        Animator animator(s.clock);
        animator.start(runEffect(s.scene, effect, 1));
        std::int64_t target = 0;
        while (!animator.finished()) {
            target += 16667;
            animator.runUntil(target);
            benchmark::DoNotOptimize(s.canvas.takeDirty());
            ++frames;
        }
    }
    state.counters["frames"] =
        benchmark::Counter(double(frames), benchmark::Counter::kAvgIterations);
    state.counters["cpu_per_frame_us"] = benchmark::Counter(
        double(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EffectFramesAtMedium)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 8, 1), {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// Cutting a quote into clusters and shaping its lines, once per quote.
void BM_ShapeQuote(benchmark::State& state)
{
    Screen s;
    const QString& line = Lines[state.range(0)];
    const QString quote = line + QLatin1Char(' ') + line + QLatin1Char(' ') + line;
    for (auto _ : state) {
        s.scene.setQuote(quote);
        for (std::int32_t n = 1; n <= s.scene.layout.lineCount(); ++n)
            benchmark::DoNotOptimize(s.scene.line(n).width);
    }
}
BENCHMARK(BM_ShapeQuote)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_BreakLines(benchmark::State& state)
{
    std::u32string text;
    for (int i = 0; i < 2000; ++i)
        text += U"quote ";
    LineLayout layout;
    for (auto _ : state) {
        layout.breakLines(text, 1920);
        benchmark::DoNotOptimize(layout.lineCount());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_BreakLines);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
