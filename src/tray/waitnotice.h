#pragma once

// Tells the user, once, that Sentari waits for a notification area to put its icon into.

#include <QPointer>
#include <QWidget>

namespace sentari::tray {

class WaitNotice {
public:
    WaitNotice() = default;
    ~WaitNotice();
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

    // Shows the notice unless it has been shown before. It does not wait for OK: a modal box
    // would keep the icon, once docked, from answering the mouse until OK is pressed.
    void showOnce();
    // The icon has found a notification area: the notice is no longer true.
    void close();
    // The notice while it is on screen, else null.
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
    bool shown_ = false;
};

} // namespace sentari::tray
