#pragma once

// Tells when the pointer has moved away from a point. It asks the desktop for the cursor
// every 5 ms (at the system timer's resolution) while it watches, and not at all otherwise.

#include <QObject>
#include <QPoint>
#include <QTimer>

namespace sentari::platform {
class Desktop;
}

namespace sentari::tray {

class PointerWatch : public QObject {
    Q_OBJECT
public:
    // tolerance: how many pixels the pointer may move in x or in y and still be near.
    PointerWatch(platform::Desktop& desktop, int tolerance, QObject* parent = nullptr);

    void start(QPoint anchor);
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }
    QPoint anchor() const { return anchor_; }
    // Measures from another point from now on.
    void setAnchor(QPoint anchor) { anchor_ = anchor; }

signals:
    // The pointer is farther than the tolerance from the anchor; the watch has stopped.
    void movedAway();

private:
    void look();

    platform::Desktop& desktop_;
    const int tolerance_;
    QPoint anchor_;
    QTimer timer_;
};

} // namespace sentari::tray
