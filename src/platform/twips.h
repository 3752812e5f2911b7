#pragma once

// Window layouts are given in twips (1/1440 inch), so they keep their physical size on any
// screen; this is the one conversion to logical pixels.

#include <QPointF>
#include <QRect>
#include <QSize>
#include <cmath>

class QScreen;

namespace sentari::platform {

// 1440 divided by the screen's logical dots per inch, in x and y (15 at 96 DPI). A missing
// screen counts as 96 DPI.
QPointF twipsPerPixel(const QScreen* screen);

// Twips to pixels, to the nearest pixel.
int twipsToPixels(double twips, double twipsPerPixel);

// Converts layouts for one screen.
class TwipsScale {
public:
    explicit TwipsScale(QPointF twipsPerPixel) : perPixel_(twipsPerPixel) {}
    int x(double twips) const { return twipsToPixels(twips, perPixel_.x()); }
    int y(double twips) const { return twipsToPixels(twips, perPixel_.y()); }
    QSize size(double width, double height) const { return {x(width), y(height)}; }
    QRect rect(double left, double top, double width, double height) const
    {
        return {x(left), y(top), x(width), y(height)};
    }
    // Whole pixels that fit, the fraction dropped: for areas that must not grow.
    int xFloor(double twips) const { return static_cast<int>(std::floor(twips / perPixel_.x())); }
    int yFloor(double twips) const { return static_cast<int>(std::floor(twips / perPixel_.y())); }
    // Pixels back to twips, for layouts that grow with their content.
    double xTwips(int pixels) const { return pixels * perPixel_.x(); }
    double yTwips(int pixels) const { return pixels * perPixel_.y(); }
    QPointF perPixel() const { return perPixel_; }

private:
    QPointF perPixel_;
};

} // namespace sentari::platform
