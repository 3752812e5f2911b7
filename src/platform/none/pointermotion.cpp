// Built without X11 support: there is no event source, and pointer watches poll.
#include "platform/pointermotion.h"

namespace sentari::platform {

std::unique_ptr<PointerMotion> PointerMotion::create()
{
    return nullptr;
}

} // namespace sentari::platform
