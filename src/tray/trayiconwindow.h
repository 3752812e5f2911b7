#pragma once

// The window that stands in an X11 system tray. It draws the icon at whatever size the tray
// gives it and tells what the pointer does over it.

#include <QWidget>

namespace sentari::tray {

class TrayIconWindow : public QWidget {
    Q_OBJECT
public:
    TrayIconWindow();

signals:
    // The pointer entered or moved, or the middle button (no action of its own) was pressed.
    void hovered();
    void leftPressed();
    void rightPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace sentari::tray
