#include "tray/popup/popupposition.h"

#include <algorithm>

namespace sentari::tray {

namespace {
// Space left between the pop-up and a screen edge that has no panel.
constexpr int TaskbarClearance = 25;
constexpr int MenuOffset = 10; // the menu opens this far right of the pointer

// A pointer pixel belongs to the half its centre lies in; the middle pixel of an odd size
// counts as the far half. No pixel is on neither side.
bool inFarHalf(int offset, int size)
{
    return 2 * offset + 1 >= size;
}

QRect boundsFor(QRect screen, QRect workArea)
{
    return workArea.isEmpty() ? screen : workArea;
}

// Moves a box of `size` at `at` inside `bounds` (its top-left corner wins when it is larger).
QPoint keptInside(QPoint at, QSize size, QRect bounds)
{
    const int x = std::max(std::min(at.x(), bounds.right() + 1 - size.width()), bounds.left());
    const int y = std::max(std::min(at.y(), bounds.bottom() + 1 - size.height()), bounds.top());
    return {x, y};
}
} // namespace

QPoint popupPosition(QPoint pointer, QRect screen, QRect workArea, QSize popup)
{
    if (workArea.isEmpty())
        return keptInside(screen.topLeft(), popup, screen);

    // The rule is written for a screen at the origin; other screens of a multi-screen
    // desktop are handled in their own coordinates and moved back at the end.
    const QPoint origin = screen.topLeft();
    const QPoint c = pointer - origin;
    const QRect area = workArea.translated(-origin);
    const int left = area.left();
    const int top = area.top();
    const int right = area.left() + area.width(); // exclusive edges, as the system gives them
    const int bottom = area.top() + area.height();
    const int w = popup.width();
    const int h = popup.height();
    const bool rightHalf = inFarHalf(c.x(), screen.width());
    const bool lowerHalf = inFarHalf(c.y(), screen.height());

    QPoint result;
    if (rightHalf && lowerHalf) {
        result = {(right - left) - w, (bottom - top) - h};
        if (screen.height() == bottom)
            result.ry() -= TaskbarClearance;
    } else if (rightHalf) {
        result = {(right - left) - w, top == 0 ? TaskbarClearance : top};
    } else if (lowerHalf) {
        result = {left, (bottom - top) - h};
        if (left == 0)
            result.ry() -= TaskbarClearance;
    } else {
        // Beside a left panel, below a top panel: never over the icon in the top-left corner.
        result = {left, top == 0 ? TaskbarClearance : top};
    }
    return keptInside(result + origin, popup, workArea);
}

QPoint menuPosition(QPoint pointer, QRect screen, QRect workArea, QSize menu)
{
    const QRect bounds = boundsFor(screen, workArea);
    const int above = pointer.y() - menu.height();
    const int below = pointer.y();
    const bool aboveFits = above >= bounds.top();
    const bool belowFits = below + menu.height() <= bounds.bottom() + 1;
    const bool lowerHalf = inFarHalf(pointer.y() - screen.top(), screen.height());
    const int y = lowerHalf ? (aboveFits || !belowFits ? above : below)
                            : (belowFits || !aboveFits ? below : above);
    return keptInside({pointer.x() + MenuOffset, y}, menu, bounds);
}

} // namespace sentari::tray
