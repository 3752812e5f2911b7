#pragma once

// Measuring aids for developers, each off unless its environment variable is set.

#include <QElapsedTimer>

class QWidget;

namespace sentari::tray {

// SENTARI_TRACE_HOVER: reports on stderr how long a hover took from the pointer event to the
// pop-up's first painted frame.
class HoverTrace {
public:
    HoverTrace();

    // The pointer event has arrived.
    void start();
    // Reports once the widget's first frame has been painted.
    void stopOnFirstPaint(QWidget* widget) const;

private:
    const bool enabled_;
    QElapsedTimer clock_;
};

} // namespace sentari::tray
