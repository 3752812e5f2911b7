#include "platform/twips.h"

#include <QScreen>
#include <cmath>

namespace sentari::platform {

QPointF twipsPerPixel(const QScreen* screen)
{
    const double dx = screen ? screen->logicalDotsPerInchX() : 96;
    const double dy = screen ? screen->logicalDotsPerInchY() : 96;
    return {1440 / (dx > 0 ? dx : 96), 1440 / (dy > 0 ? dy : 96)};
}

int twipsToPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace sentari::platform
