#pragma once

#include "saver/chardrawer.h"
#include "saver/linelayout.h"
#include "saver/shaping.h"
#include "saver/steps.h"
#include "sentaristore/settings/keys.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace sentari::saver {

enum class Effect : std::int32_t {
    Waves = 1,
    HorizontalBounce,
    Shoot,
    Trampoline,
    Appear,
    Typing,
    InsideOut,
    Scramble,
};

struct SceneGeometry {
    double screenWidth = 1024; // pixels
    double screenHeight = 768; // pixels
    std::int32_t clientWidth = 1024;
    std::int32_t cellWidth = 32;
};

// What the effects share while a quote is drawn: the lines, the drawer, the running
// vertical position and the pause that a full screen takes.
struct Scene {
    static constexpr std::int32_t LineHeight = 35;

    Scene(CharDrawer& drawer, GlyphCache& cache, SceneGeometry geometry,
          std::uint32_t seed = std::random_device{}())
        : drawer(drawer), geometry(geometry), rng(seed), shaper_(cache)
    {
    }

    // The effects' shared state, read and moved on by each of them in turn.
    // NOLINTBEGIN(cppcoreguidelines-non-private-member-variables-in-classes)
    CharDrawer& drawer;
    SceneGeometry geometry;
    LineLayout layout;
    double y = 0;
    std::int64_t quotePause = 600000; // passes of message processing after a quote
    bool unlocked = false;            // stops "Scramble" under the unlock panel
    std::mt19937 rng;
    // NOLINTEND(cppcoreguidelines-non-private-member-variables-in-classes)

    // Breaks the quote into display lines for this screen; each is shaped when first drawn.
    void setQuote(const QString& quote);
    const ShapedLine& line(std::int32_t n);

    double random01() { return std::generate_canonical<double, 53>(rng); }
    void draw(double x, double atY, char32_t ch) { drawer.drawChar(x, atY, ch); }
    void draw(double x, double atY, const Glyph& glyph) { drawer.drawGlyph(x, atY, glyph); }
    double centredStart(std::int32_t n) { return (geometry.screenWidth - line(n).width) / 2; }
    // Where the line's visible places, each a cell wide where a pitch stands, end at the
    // right edge.
    std::int32_t rightAlignedX(std::int32_t n)
    {
        return static_cast<std::int32_t>(
            geometry.clientWidth - line(n).visibleWidth * geometry.cellWidth / LineLayout::Pitch);
    }

private:
    TextShaper shaper_;
    bool rightToLeft_ = false;
    std::vector<std::optional<ShapedLine>> shaped_;
};

// Moves y on by a line (times step when not 0); a full screen pauses, clears and
// starts again at the top.
Steps nextLine(Scene& scene, double step);
// Lets pending input through passes + 1 times.
Steps idle(std::int64_t passes);

// How the frame around an effect goes: a line at the very top first moves down to y = 30,
// the step to the next line (0: one line height), whether an empty line takes its room.
struct EffectFrame {
    bool startsAtTop = true;
    double lineStep = 0;
    bool emptyLineTakesRoom = true;
};

// One transition of the options list: its caption there (translated by the list) and how it
// draws one line, on a line that has places.
struct EffectInfo {
    Effect id = Effect::Waves;
    const char* caption = nullptr;
    Steps (*draw)(Scene& scene, const ShapedLine& line, std::int32_t n) = nullptr;
    EffectFrame frame;
};

// The transitions in list order, "Waves" first (list index 1); the settings key's range
// counts them.
const std::array<EffectInfo, keys::TransitionEffects>& effects();

// Line n drawn by the effect with this list index; anything outside 1..8 is "Waves".
Steps runEffect(Scene& scene, std::int32_t index, std::int32_t n);

} // namespace sentari::saver
