#pragma once

#include "saver/chardrawer.h"
#include "saver/effects.h"
#include "saver/glyphcache.h"
#include "saver/steps.h"

#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

// A canvas that remembers every cell drawn and every clear, with the animation time.
class RecordingCanvas : public sentari::saver::Canvas {
public:
    struct Draw {
        char32_t ch;
        std::int32_t x;
        std::int32_t y;
        std::int64_t at;
        std::int32_t width; // 0: a whole cell
    };

    explicit RecordingCanvas(const sentari::saver::AnimationClock& clock) : clock_(clock) {}

    void drawCell(const sentari::saver::Glyph& glyph, std::int32_t x, std::int32_t y) override
    {
        draws.push_back({glyph.ch, x, y, clock_.now(), glyph.width});
    }
    void clear() override
    {
        clears.push_back(clock_.now());
        clearedAtDraw.push_back(draws.size());
    }

    // Cells still readable: nothing drawn later covers the middle of their place (the
    // 32-pixel cells of neighbours 30 apart overlap at the edges).
    std::vector<Draw> intact(std::size_t from = 0) const
    {
        std::vector<Draw> out;
        std::vector<QRect> later;
        for (std::size_t k = draws.size(); k-- > from;) {
            const auto& d = draws[k];
            const QRect core(d.x + 4, d.y + 4, 22, 26);
            bool covered = false;
            for (const auto& r : later)
                if (r.intersects(core)) {
                    covered = true;
                    break;
                }
            later.push_back(QRect(d.x, d.y, 32, 34));
            if (!covered)
                out.insert(out.begin(), d);
        }
        return out;
    }

    std::vector<Draw> draws;
    std::vector<std::int64_t> clears;
    std::vector<std::size_t> clearedAtDraw;

private:
    const sentari::saver::AnimationClock& clock_;
};

// Everything an effect needs, without a window.
struct Bench {
    sentari::saver::AnimationClock clock;
    RecordingCanvas canvas{clock};
    sentari::saver::CharDrawer drawer{canvas, clock};
    sentari::saver::GlyphCache cache{QString(), 0, 0xFFFFFF, 1};
    sentari::saver::Scene scene;
    std::int64_t passes = 0;

    explicit Bench(double width = 1024, double height = 768, std::int32_t speed = 1)
        : scene(drawer, cache, geometry(width, height), 12345)
    {
        drawer.setSpeed(speed);
    }
    static sentari::saver::SceneGeometry geometry(double width, double height)
    {
        sentari::saver::SceneGeometry g;
        g.screenWidth = width;
        g.screenHeight = height;
        g.clientWidth = static_cast<std::int32_t>(width);
        g.cellWidth = 32;
        return g;
    }
    void setText(const std::u32string& text)
    {
        scene.setQuote(QString::fromUcs4(text.data(), qsizetype(text.size())));
    }
    // Runs to the end, as the window would, and counts the passes asked for.
    void run(sentari::saver::Steps steps)
    {
        for (std::int64_t p; (p = steps.resume()) >= 0;) {
            passes += p;
            clock.passes(p);
        }
    }
};
