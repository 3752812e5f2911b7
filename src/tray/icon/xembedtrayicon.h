#pragma once

// Sentari's own icon window docked into an X11 system tray by the XEmbed protocol: unlike
// the other kinds of tray icon it receives real enter, motion and button events, so it can
// report hovers. Built only with X11 support.

#include "tray/icon/trayicon.h"

#include <memory>

namespace sentari::tray {

// Null when the program does not run on X11 or was built without X11 support.
std::unique_ptr<TrayIconFactory> xembedTrayIconFactory();

} // namespace sentari::tray
