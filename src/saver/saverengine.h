#pragma once

#include "platform/twips.h"
#include "saver/chardrawer.h"
#include "saver/effects.h"
#include "saver/glyphcache.h"
#include "saver/quotecycle.h"
#include "saver/saversettings.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

namespace sentari::saver {

// The part of each glyph's cell that is copied: 480 x 520 twips in whole pixels, so the
// cells keep their physical size on any screen.
QSize cellRect(const platform::TwipsScale& twips);

// Quotes drawn into an image, advanced once per display frame: the effects run until the
// animation clock reaches the real time, then the engine sleeps until the next frame or
// until the animation has something to draw again. Each monitor's part of the image has
// quotes of its own, laid out for its size; the first part is the primary monitor's.
class SaverEngine : public QObject {
    Q_OBJECT
public:
    SaverEngine(const SaverSettings& settings, QSize area, const platform::TwipsScale& twips,
                QuoteSource fetchQuote, QObject* parent = nullptr);
    // monitors: rectangles within area; none stands for one monitor filling it.
    SaverEngine(const SaverSettings& settings, QSize area, const std::vector<QRect>& monitors,
                const platform::TwipsScale& twips, QuoteSource fetchQuote,
                QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SaverEngine)
    ~SaverEngine() override;

    const QImage& image() const { return image_; }

    void start();
    void stop();
    // Clears the picture and scrambles the unlock message in on the primary monitor; the
    // quotes stop for good.
    void showUnlockMessage();
    void setUnlocked();
    // A new size: the picture starts over as one monitor, with a new quote laid out for it.
    void resize(QSize area);
    std::size_t monitorCount() const { return heads_.size(); }

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
    // One monitor's quotes: its own lines, pace and animation.
    struct Head {
        Head(QImage& image, GlyphCache& cache, QSize cell, QRgb background, QRect area,
             const SaverSettings& settings, std::uint32_t seed);
        Q_DISABLE_COPY_MOVE(Head)
        ~Head();

        AnimationClock clock;
        ImageCanvas canvas;
        CharDrawer drawer;
        Scene scene;
        Animator animator;
    };

    void makeHeads(const std::vector<QRect>& monitors);
    void frame();
    void schedule(std::int64_t delayMicros);
    // Shows the cleared picture and runs each monitor's steps from now on.
    void restart();
    QRect takeDirty();

    SaverSettings settings_;
    QImage image_;
    QRgb background_;
    QSize cell_;
    std::uint32_t seed_;
    std::unique_ptr<GlyphCache> cache_;
    std::vector<std::unique_ptr<Head>> heads_;
    CycleHooks hooks_;
    bool unlocking_ = false;
    QTimer timer_;
    QElapsedTimer real_;
    std::int64_t due_ = 0;
    std::int64_t firstDraw_ = -1;
    std::int64_t worstLate_ = 0;
    std::int64_t frames_ = 0;
    bool stopped_ = false;
};

} // namespace sentari::saver
