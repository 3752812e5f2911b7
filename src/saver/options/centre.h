#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace sentari::saver {

// Centres a top-level dialog on the primary screen's work area before it is shown (Qt's
// own placement guesses a frame even where no window manager draws one).
inline void centreOnScreen(QWidget* dialog)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), dialog->size());
        r.moveCenter(screen->availableGeometry().center());
        dialog->move(r.topLeft());
    }
}

} // namespace sentari::saver
