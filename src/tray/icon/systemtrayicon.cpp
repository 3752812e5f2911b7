#include "tray/icon/systemtrayicon.h"

#include <QTimer>

namespace sentari::tray {

SystemTrayIcon::SystemTrayIcon(QObject* parent) : TrayIcon(parent), icon_(sentariIcon())
{
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Told after the host's call has been answered: the menu and any message run
                // nested loops that would keep a StatusNotifierItem host waiting.
                if (reason == QSystemTrayIcon::Trigger)
                    QTimer::singleShot(0, this, &TrayIcon::leftPressed);
                else if (reason == QSystemTrayIcon::Context)
                    QTimer::singleShot(0, this, &TrayIcon::rightPressed);
            });
    icon_.show();
    // Qt puts the icon into a notification area as soon as there is one.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QTimer::singleShot(0, this, &TrayIcon::shown);
}

} // namespace sentari::tray
