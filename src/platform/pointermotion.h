#pragma once

// Tells when the pointer moves anywhere on the screen, from the X server's events: a pointer
// at rest costs nothing, unlike asking for its position on a timer.

#include <QObject>
#include <memory>

namespace sentari::platform {

class PointerMotion : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Null where no X server offers raw motion events (XInput 2), or without X11 support.
    static std::unique_ptr<PointerMotion> create();

    // Only while started does it listen; stopped, the server sends it nothing.
    virtual void start() = 0;
    virtual void stop() = 0;

signals:
    // The pointer moved at least once since the last report; ask the desktop where it is.
    void moved();
};

} // namespace sentari::platform
