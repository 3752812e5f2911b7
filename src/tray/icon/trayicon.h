#pragma once

// Sentari's icon in the notification area, whatever puts it there. The tray program sees
// only this interface; which kind of icon the desktop gets is decided by TrayIconFactory.

#include <QObject>
#include <QString>
#include <memory>

class QIcon;
class QMenu;
class QPainter;
class QRect;

namespace sentari::tray {

// The icon's picture, drawn from its SVG at any size.
QIcon sentariIcon();
void paintSentariIcon(QPainter& painter, const QRect& rect);

class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether the icon stands in a notification area now.
    virtual bool isShown() const = 0;
    // The current quote changed. An icon that cannot report hovers shows it as its tooltip.
    virtual void showQuote(const QString& quote) = 0;
    // The tray menu, for hosts that show an icon's menu themselves (StatusNotifierItem hosts
    // read it over D-Bus); an icon that reports right presses need not keep it.
    virtual void setMenu(QMenu* /*menu*/) {}

signals:
    // The icon stands in a notification area now.
    void shown();
    // The pointer entered or moved over the icon, or pressed a button that has no action of
    // its own.
    void hovered();
    void leftPressed();
    void rightPressed();
};

// Makes the icon for the notification area the desktop has now, and says when a tray starts
// or restarts so that a new icon can go into it.
class TrayIconFactory : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Docking into an X11 system tray where one can run (only such an icon sees hovers),
    // Qt's own tray icon otherwise.
    static std::unique_ptr<TrayIconFactory> forThisDesktop();

    // An icon for the notification area there is now; null when none takes one yet.
    virtual std::unique_ptr<TrayIcon> create() = 0;
    // Whether there is a notification area at all; the icon waits for one otherwise.
    virtual bool notificationAreaExists() const = 0;

signals:
    // A tray started (or restarted after a crash) and takes a new icon from create().
    void trayStarted();
};

} // namespace sentari::tray
