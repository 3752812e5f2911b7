// Built without X11 support: Qt's own tray icon is the only kind.
#include "tray/icon/xembedtrayicon.h"

namespace sentari::tray {

std::unique_ptr<TrayIconFactory> xembedTrayIconFactory()
{
    return nullptr;
}

} // namespace sentari::tray
