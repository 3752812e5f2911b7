#include "tray/pointerwatch.h"

#include "platform/desktop.h"

namespace sentari::tray {

PointerWatch::PointerWatch(platform::Desktop& desktop, int tolerance, QObject* parent)
    : QObject(parent), desktop_(desktop), tolerance_(tolerance)
{
    timer_.setInterval(5);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PointerWatch::look);
}

void PointerWatch::start(QPoint anchor)
{
    anchor_ = anchor;
    timer_.start();
}

void PointerWatch::look()
{
    const QPoint p = desktop_.cursorPos();
    if (qAbs(p.x() - anchor_.x()) > tolerance_ || qAbs(p.y() - anchor_.y()) > tolerance_) {
        timer_.stop();
        emit movedAway();
    }
}

} // namespace sentari::tray
