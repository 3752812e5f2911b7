#pragma once

// The tray program's invisible owner: the tray icon and its callback, the tray menu and
// its actions, the quote pop-up with Timer1 that closes it.

#include "platform/desktop.h"
#include "tray/quotekeeper.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace sentari {
class SettingsStore;
}
namespace sentari::platform {
class XEmbedTray;
}

namespace sentari::tray {

class FrmPopup;
class TrayIconWindow;

class FrmQuote : public QObject {
    Q_OBJECT
public:
    FrmQuote(SettingsStore& store, platform::Desktop& desktop, QuoteKeeper& keeper);
    ~FrmQuote() override;

    // Puts the icon into the notification area (or waits for one to appear).
    void AddIcon();
    // Refreshes the icon after a quote change: the tooltip of a plain tray icon is the quote.
    void ModifyIcon();

    // The tray callback: a mouse message that happened over the icon.
    void trayCallback(int message);

    // Menu actions.
    void help();
    void OpenHelpFile(const QString& name);
    void RunScreenSaver();
    void addQuoteToClipboard();
    void addClipboardToData();
    void deleteQuote();
    void changeQuoteFile();
    void changeSignature();
    void addSignatureToClipboard();
    // Removes the pop-up and the icon, then calls ended.
    void exitProgram();

    bool popupOpen() const { return Timer1.isActive(); }
    FrmPopup* popup() const { return popup_; }
    int hoverCount() const { return HoverCount; }
    bool trayBusy() const { return TrayBusy; }
    QPoint popupAnchor() const { return PopupAnchor; }
    bool iconShown() const;
    WId iconWindow() const;
    QMenu* menu();
    // The notice that Sentari waits for a notification area, while it is shown.
    QWidget* waitNotice() const { return waitNotice_; }

    // Opens the tray menu and returns when it closes; tests replace it.
    std::function<void()> runMenu;
    // Opens the signature window; the "Change Signature" item is usable only when set.
    std::function<void()> signatureWindow;
    // The program ends (exit item, close request).
    std::function<void()> ended;
    // True when the tray starts serving the user (a press, a hover, a menu command with its
    // questions), false when it is done; other requests wait meanwhile.
    std::function<void(bool)> serving;

private:
    class Serving;

    void hover();
    // A new quote (ask flag off) and the icon refreshed; false when the program ends instead.
    bool changeQuote();
    void showPopup();
    void timer1Tick();
    void closePopup();
    void openMenu();
    void buildMenu();
    void dockXEmbed();
    void checkDocked();
    QSize iconMinimumSize() const;
    void removeIcon();
    void useSystemTrayIcon();
    void tellWaiting();

    SettingsStore& store_;
    platform::Desktop& desktop_;
    QuoteKeeper& keeper_;

    bool TrayBusy = false;
    int servingDepth_ = 0;
    QPoint PopupAnchor;
    qint16 HoverCount = 0;
    QTimer Timer1;
    QElapsedTimer callbackClock_; // only while hovers are traced
    QPointer<FrmPopup> popup_;
    QPointer<QWidget> waitNotice_;

    std::unique_ptr<QMenu> menu_;
    QAction* changeSignatureAction_ = nullptr;
    platform::XEmbedTray* xembed_ = nullptr;
    std::unique_ptr<TrayIconWindow> iconWindow_;
    std::unique_ptr<QSystemTrayIcon> systemTrayIcon_;
    QTimer dockCheck_;
    int dockAttempts_ = 0;
    bool redock_ = false;
    bool toldWaiting_ = false;
    bool removed_ = false;
};

} // namespace sentari::tray
