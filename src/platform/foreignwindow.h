#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>
#include <optional>

namespace sentari::platform {

// A window of another program (or the root window) that we draw into by copying image
// rectangles to it, the way xscreensaver's hosts expect. X11 only.
class ForeignWindow {
public:
    virtual ~ForeignWindow() = default;

    // The window with this id, or the root window; nothing when it cannot be used.
    static std::unique_ptr<ForeignWindow> open(std::optional<std::uint64_t> id);

    virtual QSize size() const = 0;
    // Copies that part of an RGB32 image (in window coordinates) to the window.
    virtual void put(const QImage& image, const QRect& rect) = 0;
};

} // namespace sentari::platform
