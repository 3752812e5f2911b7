#include "tray/popup/pointerwatch.h"

#include "platform/desktop.h"
#include "platform/pointermotion.h"

namespace sentari::tray {

PointerWatch::PointerWatch(platform::Desktop& desktop, int tolerance, QObject* parent)
    : QObject(parent), desktop_(desktop), tolerance_(tolerance)
{
    timer_.setInterval(5);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PointerWatch::look);
}

PointerWatch::~PointerWatch() = default;

void PointerWatch::start(QPoint anchor)
{
    anchor_ = anchor;
    active_ = true;
    // The event source is opened on the first watch, and kept.
    if (!motion_ && !triedEvents_) {
        triedEvents_ = true;
        motion_ = platform::PointerMotion::create();
        if (motion_)
            connect(motion_.get(), &platform::PointerMotion::moved, this, &PointerWatch::look);
    }
    if (motion_)
        motion_->start();
    else
        timer_.start();
}

void PointerWatch::stop()
{
    active_ = false;
    timer_.stop();
    if (motion_)
        motion_->stop();
}

void PointerWatch::look()
{
    if (!active_)
        return;
    const QPoint p = desktop_.cursorPos();
    if (qAbs(p.x() - anchor_.x()) > tolerance_ || qAbs(p.y() - anchor_.y()) > tolerance_) {
        stop();
        emit movedAway(p);
    }
}

} // namespace sentari::tray
