#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>

namespace sentari::platform {

// A window of another program (or the root window) that we draw into by copying image
// rectangles to it, the way xscreensaver's hosts expect. X11 only.
class ForeignWindow : public QObject {
    Q_OBJECT
public:
    // The window with this id, or the root window; nothing when it cannot be used.
    static std::unique_ptr<ForeignWindow> open(std::optional<std::uint64_t> id);

    virtual QSize size() const = 0;
    // Copies that part of an RGB32 image (in window coordinates) to the window.
    virtual void put(const QImage& image, const QRect& rect) = 0;

signals:
    // The host gave the window a new size.
    void resized(QSize size);
    // That part lost its contents (uncovered, or newly mapped) and wants them again.
    void exposed(QRect rect);
    // The window is gone; nothing more can be drawn.
    void closed();
};

} // namespace sentari::platform
