#include "effects.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <vector>

namespace sentari::saver {

namespace {

void startAtTop(Scene& scene)
{
    if (scene.y == 0)
        scene.y = 30;
}

// Places 1 to length of the line from x, on the current line.
void drawLine(Scene& scene, const ShapedLine& s, std::int32_t length, double x)
{
    for (std::int32_t i = 1; i <= length; ++i)
        scene.draw(x + s.x(i), scene.y, s.glyph(i));
}

// The line moved on to p, with a space wiping the place it left behind it.
void slideRight(Scene& scene, const ShapedLine& s, double p)
{
    scene.draw(p - LineLayout::Pitch, scene.y, U' ');
    drawLine(scene, s, s.length, p);
}

void slideLeft(Scene& scene, const ShapedLine& s, double p)
{
    drawLine(scene, s, s.length, p);
    scene.draw(p + s.width, scene.y, U' ');
}

} // namespace

void Scene::setQuote(const QString& quote)
{
    auto clusters = shaper_.split(quote);
    layout.breakLines(std::move(clusters.texts), std::move(clusters.advances),
                      geometry.screenWidth);
    // Every line of a quote reads in the direction of the quote as a whole.
    rightToLeft_ = quote.isRightToLeft();
    shaped_.clear();
    shaped_.resize(std::size_t(layout.lineCount()));
}

const ShapedLine& Scene::line(std::int32_t n)
{
    static const ShapedLine None;
    if (n < 1 || n > std::int32_t(shaped_.size()))
        return None;
    auto& shaped = shaped_[std::size_t(n - 1)];
    if (!shaped)
        shaped = shaper_.shape(layout, n, rightToLeft_);
    return *shaped;
}

Steps idle(std::int64_t passes)
{
    co_yield passes + 1;
}

Steps nextLine(Scene& scene, double step)
{
    scene.y += step != 0 ? Scene::LineHeight * step : Scene::LineHeight;
    if (static_cast<float>(scene.geometry.screenHeight) < scene.y + 30) {
        scene.y = 0;
        co_await idle(scene.quotePause);
        scene.drawer.canvas().clear();
    }
}

namespace {

Steps waves(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    constexpr std::int32_t Spacing = 56;
    const std::int32_t length = s.length;
    const double x0 = scene.centredStart(n);
    double amplitude = 20;
    double phase = 0;
    double increment = 0.0009;
    for (std::int32_t frame = 0;;) {
        for (std::int32_t i = 1; i <= length; ++i) {
            phase += increment;
            scene.draw(x0 + s.x(i), scene.y + amplitude * std::sin(double(i) * Spacing + phase),
                       s.glyph(i));
        }
        if (frame > 700) {
            amplitude *= 0.993;
            increment *= 1.007;
        }
        ++frame;
        if (frame <= 1000) {
            co_yield 1;
            continue;
        }
        // Settle: wipe the last crest and trough, then the line on its base line.
        for (std::int32_t j = 1; j <= length; ++j) {
            const double x = x0 + s.x(j);
            scene.draw(x, scene.y - amplitude, U' ');
            scene.draw(x, scene.y + amplitude, U' ');
            scene.draw(x, scene.y, s.glyph(j));
        }
        co_yield 1;
        break;
    }
}

Steps horizontalBounce(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    const double rightmost = scene.rightAlignedX(n);
    double p = 0;
    double v = 0.5;
    bool right = true;
    for (bool done = false; !done;) {
        if (right) {
            if (p > rightmost) {
                right = false;
            } else {
                v *= p < rightmost / 2 ? 1.01 : 0.99;
                p += v;
                slideRight(scene, s, p);
            }
        } else {
            if (p < 0) {
                done = true;
            } else {
                v *= p < rightmost / 2 ? 0.99 : 1.01;
                p -= v;
                slideLeft(scene, s, p);
            }
        }
        co_yield 1;
    }
}

Steps shoot(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    const double rightmost = scene.rightAlignedX(n);
    for (std::int32_t b = s.length; b >= 1; --b) {
        double p = 0;
        while (!(p > rightmost)) {
            p += 0.6;
            scene.draw(s.x(b) + p, scene.y, s.glyph(b));
            co_yield 1;
        }
    }
}

Steps trampoline(Scene& scene, const ShapedLine& s, std::int32_t /*n*/)
{
    double p = 0;
    double v = 3.0;
    bool right = true;
    std::int32_t ceiling = 310;
    for (bool done = false; !done;) {
        if (right) {
            if (p > ceiling) {
                right = false;
            } else {
                v *= 0.99;
                if (v < 0.1)
                    right = false;
                p += v;
                slideRight(scene, s, p);
            }
        } else {
            if (p < 2) {
                right = true;
                v = 3.0;
                ceiling -= 50;
                if (ceiling < 200)
                    done = true;
            } else {
                v *= 1.01;
                p -= v;
                slideLeft(scene, s, p);
            }
        }
        co_yield 1;
    }
}

Steps appear(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    const double x0 = scene.centredStart(n);
    drawLine(scene, s, s.length, x0);
    // The line stands while its counter runs out, one pump per count.
    co_await idle(40000);
}

Steps typing(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    const double x0 = scene.centredStart(n);
    // In the order the text is typed, which is leftwards in a right-to-left script.
    for (std::int32_t k = 1; k <= s.length; ++k) {
        co_yield 5001;
        const std::int32_t i = s.inReadingOrder(k);
        scene.draw(x0 + s.x(i), scene.y, s.glyph(i));
    }
    co_await idle(2000);
}

Steps insideOut(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    std::int32_t length = s.length;
    const double x0 = scene.centredStart(n);
    // An odd line gets a space after its places, so that the halves open in step.
    const bool padded = length % 2 != 0;
    length += padded;
    const auto places = static_cast<std::int32_t>(s.places.size());
    const auto glyph = [&](std::int32_t i) {
        return padded && i == places + 1 ? Glyph{U' '} : s.glyph(i);
    };
    for (std::int32_t i = length / 2 + 1; i <= length; ++i) {
        co_yield 7001;
        scene.draw(x0 + s.x(i), scene.y, glyph(i));
        scene.draw(x0 + s.x(length - i + 1), scene.y, glyph(length - i + 1));
    }
    co_await idle(25000);
}

Steps scramble(Scene& scene, const ShapedLine& s, std::int32_t n)
{
    const double x0 = scene.centredStart(n);
    const auto count = static_cast<std::int32_t>(s.places.size());
    std::vector<bool> settled(static_cast<std::size_t>(count) + 1);
    for (std::int32_t t = 0;;) {
        for (std::int32_t i = 1; i <= count; ++i) {
            co_yield 21;
            const auto r = static_cast<std::int32_t>(scene.random01() * 70 + 1) + 1;
            const double x = x0 + s.x(i);
            if (settled[i] || r == 2) {
                settled[i] = true;
                scene.draw(x, scene.y, s.glyph(i));
            } else {
                const auto code = static_cast<char32_t>(
                    static_cast<std::int32_t>(scene.random01() * 95 + 1) + 32);
                // No wider than the place, or it would stay beside a narrow letter.
                scene.draw(x, scene.y, Glyph{code, nullptr, s.glyph(i).width});
            }
        }
        ++t;
        bool done = false;
        if (t > 150) {
            drawLine(scene, s, s.length, x0);
            done = true;
        }
        co_yield 1;
        if (scene.unlocked || done)
            break;
    }
}

// "Random" (list index 0) stands before them in the options list.
constexpr std::array<EffectInfo, keys::TransitionEffects> Transitions{{
    {Effect::Waves,
     QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Waves"),
     waves,
     {.lineStep = 1.5}},
    {Effect::HorizontalBounce,
     QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Horizontal bounce"),
     horizontalBounce,
     {.startsAtTop = false}},
    {Effect::Shoot,
     QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Shoot"),
     shoot,
     {.startsAtTop = false, .emptyLineTakesRoom = false}},
    {Effect::Trampoline,
     QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Trampoline"),
     trampoline,
     {.startsAtTop = false}},
    {Effect::Appear, QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Appear"), appear, {}},
    {Effect::Typing, QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Typing"), typing, {}},
    {Effect::InsideOut,
     QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "InsideOut"),
     insideOut,
     {}},
    {Effect::Scramble,
     QT_TRANSLATE_NOOP("sentari::saver::OptionsDialog", "Scramble"),
     scramble,
     {}},
}};
// A count raised without its entry would leave an effect that draws nothing.
static_assert(std::ranges::none_of(Transitions,
                                   [](const EffectInfo& e) { return e.draw == nullptr; }),
              "every transition effect has its entry");
// The list index a user's setting stores is the effect's value.
static_assert([] {
    for (std::size_t i = 0; i < Transitions.size(); ++i)
        if (std::size_t(Transitions[i].id) != i + 1)
            return false;
    return true;
}());
} // namespace

const std::array<EffectInfo, keys::TransitionEffects>& effects()
{
    return Transitions;
}

Steps runEffect(Scene& scene, std::int32_t index, std::int32_t n)
{
    const auto& list = effects();
    const EffectInfo& effect =
        index >= 1 && index <= std::int32_t(list.size()) ? list[std::size_t(index - 1)] : list[0];
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
        if (effect.frame.startsAtTop)
            startAtTop(scene);
        co_await effect.draw(scene, s, n);
    } else if (!effect.frame.emptyLineTakesRoom) {
        co_return;
    }
    co_await nextLine(scene, effect.frame.lineStep);
}

} // namespace sentari::saver
