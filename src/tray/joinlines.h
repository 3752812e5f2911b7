#pragma once

#include <QString>

namespace sentari::tray {

// Joins clipboard text into one line: cut at CR LF, leading empty lines dropped, every
// later part appended after one space.
QString joinLines(const QString& source);

} // namespace sentari::tray
