#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace sentari::tray {

// Where the quote pop-up goes: the corner of the work area nearest the tray icon, judged by
// which half of the screen the pointer is in across and down. All positions and sizes are
// logical pixels. The pop-up always lies inside the work area (the screen when there is no
// work area), so it never covers a panel or leaves the screen.
QPoint popupPosition(QPoint pointer, QRect screen, QRect workArea, QSize popup);

// Where the tray menu goes: 10 pixels right of the pointer, above it in the lower half of the
// screen (a bottom panel) and below it in the upper half (a top panel), moved to the other
// side when it does not fit there, and always inside the work area.
QPoint menuPosition(QPoint pointer, QRect screen, QRect workArea, QSize menu);

} // namespace sentari::tray
