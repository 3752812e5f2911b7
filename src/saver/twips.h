#pragma once

#include <QGuiApplication>
#include <QPointF>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace sentari::saver {

// Twips per pixel of a screen in x and y: 1440 divided by its logical dots per inch.
inline QPointF twipsPerPixel(const QScreen* screen = QGuiApplication::primaryScreen())
{
    const double dx = screen ? screen->logicalDotsPerInchX() : 96;
    const double dy = screen ? screen->logicalDotsPerInchY() : 96;
    return {1440 / (dx > 0 ? dx : 96), 1440 / (dy > 0 ? dy : 96)};
}

// Design sizes in twips to pixels of the primary screen.
class Twips {
public:
    Twips() : perPixel_(twipsPerPixel()) {}
    int x(int twips) const { return int(twips / perPixel_.x() + 0.5); }
    int y(int twips) const { return int(twips / perPixel_.y() + 0.5); }
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

    // Centres a top-level window on the primary screen.
    static void centre(QWidget* w)
    {
        if (const QScreen* s = QGuiApplication::primaryScreen()) {
            QRect r(QPoint(0, 0), w->size());
            r.moveCenter(s->availableGeometry().center());
            w->move(r.topLeft());
        }
    }

private:
    QPointF perPixel_;
};

} // namespace sentari::saver
