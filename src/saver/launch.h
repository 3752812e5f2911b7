#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace sentari::saver {

enum class SaverMode {
    Preview,   // "/p": nothing to draw into here
    Activate,  // "/a": password protection is set in the options
    Configure, // "/c" or nothing: the options dialog
    Run,       // "/s": the full-screen saver
    Hosted,    // the xscreensaver way: draw into a window handed over
    Nothing,   // anything else
};

struct Launch {
    SaverMode mode = SaverMode::Nothing;
    // Hosted only: the window to draw into; nothing means the root window.
    std::optional<std::uint64_t> window;
    // Hosted only: xscreensaver's choices, over the saver's stored ones.
    std::optional<int> effect; // 0 random, 1..8 one effect
    std::optional<int> speed;  // 0..2
    std::optional<int> wait;   // 0..2
    // An option given with a value outside its range, which is then left out.
    QString rejected;
};

// arguments: without the program name. hostWindow: the XSCREENSAVER_WINDOW variable.
Launch parseCommandLine(const QStringList& arguments, const QString& hostWindow);

} // namespace sentari::saver
