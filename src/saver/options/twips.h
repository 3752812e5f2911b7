#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace sentari::saver {

// Design sizes in twips to pixels of the primary screen.
class Twips {
public:
    Twips()
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        const double dx = s ? s->logicalDotsPerInchX() : 96;
        const double dy = s ? s->logicalDotsPerInchY() : 96;
        x_ = (dx > 0 ? dx : 96) / 1440;
        y_ = (dy > 0 ? dy : 96) / 1440;
    }
    int x(int twips) const { return int(twips * x_ + 0.5); }
    int y(int twips) const { return int(twips * y_ + 0.5); }
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
    double x_;
    double y_;
};

} // namespace sentari::saver
