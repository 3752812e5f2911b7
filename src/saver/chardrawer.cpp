#include "chardrawer.h"

#include <QChar>
#include <cmath>

namespace sentari::saver {

std::int32_t CharDrawer::paceSpan(std::int32_t speed)
{
    switch (speed) {
    case 0:
        return 30;
    case 2:
        return 180;
    default:
        return 90;
    }
}

void CharDrawer::setSpeed(std::int32_t speed)
{
    span_ = paceSpan(speed);
    counter_ = 0;
}

bool CharDrawer::drawable(char32_t ch)
{
    if (ch >= 32 && ch <= 127)
        return true;
    return ch > 127 && QChar::isPrint(static_cast<char32_t>(ch));
}

void CharDrawer::drawGlyph(double x, double y, const Glyph& glyph)
{
    // A tab is a word gap: it wipes its place as a space does, or moving lines leave trails.
    const bool tab = glyph.ch == U'\t' && !glyph.picture;
    if (tab || glyph.picture || (glyph.ch != 0 && drawable(glyph.ch))) {
        // Round half to even, like the block copy's integer conversion.
        const auto px = static_cast<std::int32_t>(std::nearbyint(x));
        const auto py = static_cast<std::int32_t>(std::nearbyint(y));
        canvas_.drawCell(tab ? Glyph{U' '} : glyph, px, py);
    }
    if (counter_ == 1)
        clock_.pacePoint();
    if (++counter_ > span_)
        counter_ = 0;
}

} // namespace sentari::saver
