#include "saverengine.h"

#include "platform/colour.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <random>

namespace sentari::saver {

namespace {
constexpr std::int64_t FrameMicros = 16667;  // presented at most at display rate
constexpr std::int64_t WorkMicros = 10000;   // drawing work allowed per frame
constexpr std::int64_t MaxLagMicros = 40000; // more behind than this is dropped, not raced
// The window is the whole screen the lines are laid out for.
SceneGeometry geometryFor(QSize area, std::int32_t cellWidth)
{
    SceneGeometry g;
    g.screenWidth = area.width();
    g.screenHeight = area.height();
    g.clientWidth = area.width();
    g.cellWidth = cellWidth;
    return g;
}

} // namespace

QSize cellRect(const platform::TwipsScale& twips)
{
    return {twips.xFloor(480), twips.yFloor(520)};
}

SaverEngine::Head::Head(QImage& image, GlyphCache& cache, QSize cell, QRgb background, QRect area,
                        const SaverSettings& settings, std::uint32_t seed)
    : canvas(image, cache, cell, background, area), drawer(canvas, clock),
      scene(drawer, cache, geometryFor(area.size(), cell.width()), seed), animator(clock)
{
    drawer.setSpeed(settings.speed);
    scene.quotePause = settings.pausePasses();
}

SaverEngine::Head::~Head()
{
    // The running Steps refer to the scene; end them first.
    animator.stop();
}

SaverEngine::SaverEngine(const SaverSettings& settings, QSize area,
                         const platform::TwipsScale& twips, QuoteSource fetchQuote, QObject* parent)
    : SaverEngine(settings, area, {}, twips, std::move(fetchQuote), parent)
{
}

SaverEngine::SaverEngine(const SaverSettings& settings, QSize area,
                         const std::vector<QRect>& monitors, const platform::TwipsScale& twips,
                         QuoteSource fetchQuote, QObject* parent)
    : QObject(parent), settings_(settings), image_(area, QImage::Format_RGB32),
      background_(platform::toQColor(settings.background).rgb()), cell_(cellRect(twips))
{
    hooks_.fetchQuote = std::move(fetchQuote);
    hooks_.noDataFile = [this] { emit noDataFile(); };
    seed_ = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count() ^
                                       std::random_device{}());
    image_.fill(background_);
    std::optional<std::uint32_t> fg;
    if (!settings.randomForeground)
        fg = settings.foreground;
    cache_ = std::make_unique<GlyphCache>(settings.font, settings.background, fg, seed_);
    makeHeads(monitors);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SaverEngine::frame);
}

SaverEngine::~SaverEngine() = default;

void SaverEngine::makeHeads(const std::vector<QRect>& monitors)
{
    heads_.clear();
    std::vector<QRect> areas;
    for (const QRect& m : monitors)
        if (const QRect a = m.intersected(image_.rect()); !a.isEmpty())
            areas.push_back(a);
    if (areas.empty())
        areas.push_back(image_.rect());
    for (const QRect& a : areas)
        heads_.push_back(std::make_unique<Head>(image_, *cache_, cell_, background_, a, settings_,
                                                seed_ + 1 + std::uint32_t(heads_.size())));
}

void SaverEngine::start()
{
    restart();
}

void SaverEngine::stop()
{
    stopped_ = true;
    timer_.stop();
    for (auto& head : heads_) {
        head->scene.unlocked = true;
        head->animator.stop();
    }
}

void SaverEngine::showUnlockMessage()
{
    unlocking_ = true;
    restart();
}

void SaverEngine::resize(QSize area)
{
    if (stopped_ || area.isEmpty() || area == image_.size())
        return;
    image_ = QImage(area, QImage::Format_RGB32); // the canvases draw into this same object
    // The running lines were broken and centred for the old width.
    makeHeads({});
    restart();
}

void SaverEngine::restart()
{
    if (!real_.isValid())
        real_.start();
    const std::int64_t now = real_.nsecsElapsed() / 1000;
    for (std::size_t i = 0; i < heads_.size(); ++i) {
        Head& head = *heads_[i];
        head.canvas.clear();
        // What ran before may be far ahead in a pause; this starts now.
        head.clock.restartAt(now);
        if (!unlocking_)
            head.animator.start(quoteCycles(head.scene, settings_.transition, hooks_));
        else if (i == 0)
            head.animator.start(unlockMessage(head.scene));
        else
            head.animator.stop();
    }
    emit frameReady(takeDirty());
    schedule(0);
}

QRect SaverEngine::takeDirty()
{
    QRect dirty;
    for (auto& head : heads_)
        dirty |= head->canvas.takeDirty();
    return dirty;
}

void SaverEngine::setUnlocked()
{
    for (auto& head : heads_)
        head->scene.unlocked = true;
}

void SaverEngine::schedule(std::int64_t delayMicros)
{
    if (stopped_)
        return;
    const int ms =
        int(std::clamp<std::int64_t>((delayMicros + 999) / 1000, 0, std::int64_t{60} * 1000));
    due_ = real_.nsecsElapsed() / 1000 + std::int64_t(ms) * 1000;
    timer_.start(ms);
}

void SaverEngine::frame()
{
    if (stopped_)
        return;
    // The animation clocks count real time since start(); the monitors share the frame's
    // work time.
    const std::int64_t started = real_.nsecsElapsed() / 1000;
    const auto budget = WorkMicros / std::int64_t(heads_.size());
    bool drew = false;
    std::optional<std::int64_t> wake; // the earliest animation clock still running
    for (auto& head : heads_) {
        if (started - head->clock.now() > MaxLagMicros)
            head->clock.skipTo(started - MaxLagMicros / 2);
        const auto drawnBefore = head->canvas.cellsDrawn();
        const std::int64_t begun = real_.nsecsElapsed() / 1000;
        head->animator.runUntil(started,
                                [&] { return real_.nsecsElapsed() / 1000 - begun > budget; });
        drew = drew || head->canvas.cellsDrawn() != drawnBefore;
        if (!head->animator.finished())
            wake = std::min(wake.value_or(head->clock.now()), head->clock.now());
    }
    const QRect dirty = takeDirty();
    if (!dirty.isEmpty()) {
        emit frameReady(dirty);
        ++frames_;
        if (firstDraw_ < 0 && drew)
            firstDraw_ = started;
    }
    if (drew)
        worstLate_ = std::max(worstLate_, started - due_);
    if (!wake)
        return;
    // Sleep until the next frame, or longer while every animation pauses.
    const std::int64_t now = real_.nsecsElapsed() / 1000;
    schedule(std::max(FrameMicros - (now - started), *wake - now));
}

} // namespace sentari::saver
