#pragma once

// The window that stands in an X11 system tray. It draws the icon at whatever size the tray
// gives it and tells what the pointer does over it.

#include <QWidget>

namespace sentari::tray {

class TrayIconWindow : public QWidget {
    Q_OBJECT
public:
    // How the panel shows through around the icon's own pixels.
    enum class Background {
        Palette,     // none: the widget's window colour (outside a tray)
        Transparent, // a visual with alpha, where the tray offers one
        Parent,      // the tray's own background, read back before each paint
    };
    explicit TrayIconWindow(Background background = Background::Palette);

signals:
    // Parent background only: paint the tray's background into the window now.
    void backgroundNeeded();
    // The pointer entered or moved, or the middle button (no action of its own) was pressed.
    void hovered();
    void leftPressed();
    void rightPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Background background_;
};

} // namespace sentari::tray
