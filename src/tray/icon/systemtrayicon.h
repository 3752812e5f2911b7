#pragma once

// Qt's own tray icon: a StatusNotifierItem where a host for those runs, else whatever Qt finds.
// Clicks and the context menu work; hovers are never reported, so the tooltip shows the quote.

#include "tray/icon/trayicon.h"

#include <QSystemTrayIcon>

namespace sentari::tray {

class SystemTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    explicit SystemTrayIcon(QObject* parent = nullptr);

    bool isShown() const override { return icon_.isVisible(); }
    void showQuote(const QString& quote) override { icon_.setToolTip(quote); }
    // Exported as the item's D-Bus menu, so hosts that show the menu themselves show ours.
    void setMenu(QMenu* menu) override { icon_.setContextMenu(menu); }

private:
    QSystemTrayIcon icon_;
};

class SystemTrayIconFactory : public TrayIconFactory {
    Q_OBJECT
public:
    using TrayIconFactory::TrayIconFactory;
    // Qt shows the icon as soon as a notification area appears, so there is always one.
    std::unique_ptr<TrayIcon> create() override { return std::make_unique<SystemTrayIcon>(); }
    bool notificationAreaExists() const override
    {
        return QSystemTrayIcon::isSystemTrayAvailable();
    }
};

} // namespace sentari::tray
