#include "saverengine.h"

#include "platform/colour.h"

#include <algorithm>
#include <chrono>
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

SaverEngine::SaverEngine(const SaverSettings& settings, QSize area,
                         const platform::TwipsScale& twips, QuoteSource fetchQuote, QObject* parent)
    : QObject(parent), image_(area, QImage::Format_RGB32),
      background_(platform::toQColor(settings.background).rgb()),
      cellWidth_(cellRect(twips).width()), animator_(clock_), transition_(settings.transition)
{
    hooks_.fetchQuote = std::move(fetchQuote);
    hooks_.noDataFile = [this] { emit noDataFile(); };
    const auto seed = static_cast<std::uint32_t>(
        std::chrono::system_clock::now().time_since_epoch().count() ^ std::random_device{}());
    image_.fill(background_);
    std::optional<std::uint32_t> fg;
    if (!settings.randomForeground)
        fg = settings.foreground;
    cache_ = std::make_unique<GlyphCache>(settings.font, settings.background, fg, seed);
    canvas_ = std::make_unique<ImageCanvas>(image_, *cache_, cellRect(twips), background_);
    drawer_ = std::make_unique<CharDrawer>(*canvas_, clock_);
    drawer_->setSpeed(settings.speed);
    scene_ = std::make_unique<Scene>(*drawer_, geometryFor(area, cellWidth_), seed + 1);
    scene_->quotePause = settings.pausePasses();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SaverEngine::frame);
}

SaverEngine::~SaverEngine()
{
    // The running Steps refer to the scene; end them first.
    animator_.stop();
}

void SaverEngine::start()
{
    restartWith(quoteCycles(*scene_, transition_, hooks_));
}

void SaverEngine::stop()
{
    stopped_ = true;
    scene_->unlocked = true;
    timer_.stop();
    animator_.stop();
}

void SaverEngine::showUnlockMessage()
{
    canvas_->clear();
    restartWith(unlockMessage(*scene_));
}

void SaverEngine::resize(QSize area)
{
    if (stopped_ || area.isEmpty() || area == image_.size())
        return;
    image_ = QImage(area, QImage::Format_RGB32); // the canvas draws into this same object
    scene_->geometry = geometryFor(area, cellWidth_);
    canvas_->clear();
    // The running lines were broken and centred for the old width.
    restartWith(quoteCycles(*scene_, transition_, hooks_));
}

void SaverEngine::restartWith(Steps steps)
{
    if (!real_.isValid())
        real_.start();
    // What ran before may be far ahead in a pause; this starts now.
    clock_.restartAt(real_.nsecsElapsed() / 1000);
    animator_.start(std::move(steps));
    emit frameReady(canvas_->takeDirty());
    schedule(0);
}

void SaverEngine::setUnlocked()
{
    scene_->unlocked = true;
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
    // The animation clock counts real time since start().
    const std::int64_t started = real_.nsecsElapsed() / 1000;
    if (started - clock_.now() > MaxLagMicros)
        clock_.skipTo(started - MaxLagMicros / 2);
    const auto drawnBefore = canvas_->cellsDrawn();
    animator_.runUntil(started, [&] { return real_.nsecsElapsed() / 1000 - started > WorkMicros; });
    const bool drew = canvas_->cellsDrawn() != drawnBefore;
    const QRect dirty = canvas_->takeDirty();
    if (!dirty.isEmpty()) {
        emit frameReady(dirty);
        ++frames_;
        if (firstDraw_ < 0 && drew)
            firstDraw_ = started;
    }
    if (drew)
        worstLate_ = std::max(worstLate_, started - due_);
    if (animator_.finished())
        return;
    // Sleep until the next frame, or longer while the animation pauses.
    const std::int64_t now = real_.nsecsElapsed() / 1000;
    const std::int64_t ahead = clock_.now() - now;
    schedule(std::max(FrameMicros - (now - started), ahead));
}

} // namespace sentari::saver
