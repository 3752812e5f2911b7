#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace sentari::tray {

// Where the quote pop-up goes: the corner of the work area nearest the tray icon, judged
// by which quarter of the screen the cursor is in. All positions are logical pixels;
// popupTwips is the pop-up's size in twips. An empty workArea (not available) gives the
// screen's top-left corner, and so does a cursor in the top-left quarter.
QPoint popupPosition(QPoint cursor, QRect screen, QRect workArea, QPointF twipsPerPixel,
                     QSize popupTwips);

} // namespace sentari::tray
