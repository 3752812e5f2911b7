#pragma once

#include "chardrawer.h"
#include "effects.h"
#include "glyphcache.h"
#include "platform/twips.h"
#include "quotecycle.h"
#include "saversettings.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <memory>

namespace sentari::saver {

// The part of each glyph's cell that is copied: 480 x 520 twips in whole pixels, so the
// cells keep their physical size on any screen.
QSize cellRect(const platform::TwipsScale& twips);

// Quotes drawn into an image, advanced once per display frame: the effects run until the
// animation clock reaches the real time, then the engine sleeps until the next frame or
// until the animation has something to draw again.
class SaverEngine : public QObject {
    Q_OBJECT
public:
    SaverEngine(const SaverSettings& settings, QSize area, const platform::TwipsScale& twips,
                QuoteSource fetchQuote, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SaverEngine)
    ~SaverEngine() override;

    const QImage& image() const { return image_; }

    void start();
    void stop();
    // Clears the picture and scrambles the unlock message in; the quotes stop for good.
    void showUnlockMessage();
    void setUnlocked();
    // A new size: the picture starts over, with a new quote laid out for it.
    void resize(QSize area);

    // Figures for the speed measurements.
    std::int64_t firstDrawMicros() const { return firstDraw_; } // -1 before the first
    // How much later than due the worst frame came while drawing went on.
    std::int64_t worstFrameLateMicros() const { return worstLate_; }
    std::int64_t framesPresented() const { return frames_; }

signals:
    void frameReady(const QRect& dirty);
    // The store has no data file to take quotes from; the quotes have stopped.
    void noDataFile();

private:
    void frame();
    void schedule(std::int64_t delayMicros);
    // Shows the cleared picture and runs steps from now on.
    void restartWith(Steps steps);

    QImage image_;
    QRgb background_;
    std::int32_t cellWidth_;
    AnimationClock clock_;
    std::unique_ptr<GlyphCache> cache_;
    std::unique_ptr<ImageCanvas> canvas_;
    std::unique_ptr<CharDrawer> drawer_;
    std::unique_ptr<Scene> scene_;
    Animator animator_;
    std::int32_t transition_;
    CycleHooks hooks_;
    QTimer timer_;
    QElapsedTimer real_;
    std::int64_t due_ = 0;
    std::int64_t firstDraw_ = -1;
    std::int64_t worstLate_ = 0;
    std::int64_t frames_ = 0;
    bool stopped_ = false;
};

} // namespace sentari::saver
