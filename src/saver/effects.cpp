#include "effects.h"

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
    scene.draw(p - 30, scene.y, U' ');
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
    static const ShapedLine none;
    if (n < 1 || n > std::int32_t(shaped_.size()))
        return none;
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

Steps waves(Scene& scene, std::int32_t n, std::int32_t spacing)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
        const std::int32_t length = s.length;
        const double x0 = scene.centredStart(n);
        startAtTop(scene);
        double amplitude = 20;
        double phase = 0;
        double increment = 0.0009;
        for (std::int32_t frame = 0;;) {
            for (std::int32_t i = 1; i <= length; ++i) {
                phase += increment;
                scene.draw(x0 + s.x(i), scene.y + amplitude * std::sin(double(i) * spacing + phase),
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
    co_await nextLine(scene, 1.5);
}

Steps horizontalBounce(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
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
    co_await nextLine(scene, 0);
}

Steps shoot(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (s.places.empty())
        co_return; // an empty line takes no room here
    const double rightmost = scene.rightAlignedX(n);
    for (std::int32_t b = s.length; b >= 1; --b) {
        double p = 0;
        while (!(p > rightmost)) {
            p += 0.6;
            scene.draw(s.x(b) + p, scene.y, s.glyph(b));
            co_yield 1;
        }
    }
    co_await nextLine(scene, 0);
}

Steps trampoline(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
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
    co_await nextLine(scene, 0);
}

Steps appear(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
        const double x0 = scene.centredStart(n);
        startAtTop(scene);
        drawLine(scene, s, s.length, x0);
        // The line stands while its counter runs out, one pump per count.
        co_await idle(40000);
    }
    co_await nextLine(scene, 0);
}

Steps typing(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
        const double x0 = scene.centredStart(n);
        startAtTop(scene);
        // In the order the text is typed, which is leftwards in a right-to-left script.
        for (std::int32_t k = 1; k <= s.length; ++k) {
            co_yield 5001;
            const std::int32_t i = s.inReadingOrder(k);
            scene.draw(x0 + s.x(i), scene.y, s.glyph(i));
        }
        co_await idle(2000);
    }
    co_await nextLine(scene, 0);
}

Steps insideOut(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
        std::int32_t length = s.length;
        const double x0 = scene.centredStart(n);
        startAtTop(scene);
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
    co_await nextLine(scene, 0);
}

Steps scramble(Scene& scene, std::int32_t n)
{
    const ShapedLine& s = scene.line(n);
    if (!s.places.empty()) {
        const double x0 = scene.centredStart(n);
        startAtTop(scene);
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
    co_await nextLine(scene, 0);
}

Steps runEffect(Scene& scene, std::int32_t index, std::int32_t n)
{
    switch (static_cast<Effect>(index)) {
    case Effect::HorizontalBounce:
        return horizontalBounce(scene, n);
    case Effect::Shoot:
        return shoot(scene, n);
    case Effect::Trampoline:
        return trampoline(scene, n);
    case Effect::Appear:
        return appear(scene, n);
    case Effect::Typing:
        return typing(scene, n);
    case Effect::InsideOut:
        return insideOut(scene, n);
    case Effect::Scramble:
        return scramble(scene, n);
    case Effect::Waves:
    default:
        return waves(scene, n);
    }
}

} // namespace sentari::saver
