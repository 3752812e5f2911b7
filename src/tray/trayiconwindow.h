#pragma once

// The window that stands in the X11 system tray. It draws the icon at whatever size the
// tray gives it and reports the pointer as the tray callback's mouse messages.

#include <QWidget>
#include <functional>

class QIcon;

namespace sentari::tray {

// Mouse message numbers of the tray callback.
enum TrayMouseMessage : int {
    MouseMove = 0x200,
    LeftButtonDown = 0x201,
    LeftButtonUp = 0x202,
    LeftButtonDoubleClick = 0x203,
    RightButtonDown = 0x204,
    RightButtonUp = 0x205,
    RightButtonDoubleClick = 0x206,
    MiddleButtonDown = 0x207, // no action of its own: counts as a hover
};

// The icon's picture, scalable, for a plain tray icon.
QIcon trayIcon();

class TrayIconWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrayIconWindow(std::function<void(int)> callback);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void(int)> callback_;
};

} // namespace sentari::tray
