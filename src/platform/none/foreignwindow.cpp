// Built without X11: there is no other program's window to draw into.
#include "platform/foreignwindow.h"

namespace sentari::platform {

std::unique_ptr<ForeignWindow> ForeignWindow::open(std::optional<std::uint64_t> /*window*/)
{
    return nullptr;
}

} // namespace sentari::platform
