#include "tray/popupposition.h"

#include "platform/twips.h"

namespace sentari::tray {

namespace {
// Space left between the pop-up and a screen edge that has no panel.
constexpr int TaskbarClearance = 25;
} // namespace

QPoint popupPosition(QPoint cursor, QRect screen, QRect workArea, QPointF twipsPerPixel,
                     QSize popupTwips)
{
    if (workArea.isEmpty())
        return screen.topLeft();

    // The rule is written for a screen at the origin; other screens of a multi-screen
    // desktop are handled in their own coordinates and moved back at the end.
    const QPoint origin = screen.topLeft();
    const QPoint c = cursor - origin;
    const QRect area = workArea.translated(-origin);
    const int left = area.left();
    const int top = area.top();
    const int right = area.left() + area.width(); // exclusive edges, as the system gives them
    const int bottom = area.top() + area.height();

    const double x = c.x() * twipsPerPixel.x();
    const double y = c.y() * twipsPerPixel.y();
    const double halfWidth = screen.width() * twipsPerPixel.x() / 2;
    const double halfHeight = screen.height() * twipsPerPixel.y() / 2;
    const platform::TwipsScale twips(twipsPerPixel);
    const int w = twips.x(popupTwips.width());
    const int h = twips.y(popupTwips.height());

    QPoint result(0, 0);
    if (x > halfWidth && y > halfHeight) {
        result = {(right - left) - w, (bottom - top) - h};
        if (screen.height() == bottom)
            result.ry() -= TaskbarClearance;
    } else if (x > halfWidth && y < halfHeight) {
        result = {(right - left) - w, top == 0 ? TaskbarClearance : top};
    } else if (x < halfWidth && y > halfHeight) {
        result = {left, (bottom - top) - h};
        if (left == 0)
            result.ry() -= TaskbarClearance;
    }
    return result + origin;
}

} // namespace sentari::tray
