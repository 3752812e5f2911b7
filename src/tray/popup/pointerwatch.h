#pragma once

// Tells when the pointer has moved away from a point. While it watches, it asks the desktop
// for the cursor each time the X server reports a pointer motion, so a pointer at rest costs
// nothing; without an X server it asks every 5 ms instead. It asks nothing otherwise.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <memory>

namespace sentari::platform {
class Desktop;
class PointerMotion;
} // namespace sentari::platform

namespace sentari::tray {

class PointerWatch : public QObject {
    Q_OBJECT
public:
    // tolerance: how many pixels the pointer may move in x or in y and still be near.
    PointerWatch(platform::Desktop& desktop, int tolerance, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PointerWatch)
    ~PointerWatch() override;

    void start(QPoint anchor);
    void stop();
    bool isActive() const { return active_; }
    QPoint anchor() const { return anchor_; }
    // Measures from another point from now on.
    void setAnchor(QPoint anchor) { anchor_ = anchor; }

signals:
    // The pointer is farther than the tolerance from the anchor, at `where`; the watch has
    // stopped.
    void movedAway(QPoint where);

private:
    void look();

    platform::Desktop& desktop_;
    const int tolerance_;
    QPoint anchor_;
    bool active_ = false;
    bool triedEvents_ = false;
    std::unique_ptr<platform::PointerMotion> motion_; // null: the timer polls
    QTimer timer_;
};

} // namespace sentari::tray
