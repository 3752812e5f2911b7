#pragma once

// Sentari's life in the notification area: it puts the icon there and answers it. A hover
// shows the quote pop-up (and every sixth one changes the quote), a left press changes the
// quote, a right press opens the menu.

#include "tray/popup/quotepopup.h"
#include "tray/tracing.h"
#include "tray/traymenu.h"
#include "tray/waitnotice.h"

#include <QObject>
#include <memory>

namespace sentari::tray {

class TrayIcon;
class TrayIconFactory;

class TrayController : public QObject {
    Q_OBJECT
public:
    TrayController(SettingsStore& store, platform::Desktop& desktop, QuoteKeeper& keeper,
                   QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TrayController)
    ~TrayController() override;

    // Puts the icon into the notification area, or tells the user that Sentari waits for one.
    void showIcon();
    // Takes the pop-up and the icon away, then says that the program ends.
    void exitProgram();

    // What the icon reports. While one is being answered (the menu is open, a question is
    // asked) the others are dropped.
    void hover();
    void leftPress();
    void rightPress();
    // A signature was saved: every signature file gets a new quote, as after a left press,
    // whether or not the icon is being answered. The failure to write unwrittenFile has been
    // told already.
    void changeQuoteAfterSave(const QString& unwrittenFile);

    TrayMenu& menu() { return menu_; }
    const QuotePopup& popup() const { return popup_; }
    const WaitNotice& waitNotice() const { return waitNotice_; }
    bool iconShown() const;
    int hoversSinceChange() const { return hoversSinceChange_; }
    bool busy() const { return busy_; }

signals:
    // True when the tray starts serving the user (an icon report or a menu action, with the
    // questions they ask), false when it is done; other requests wait meanwhile.
    void serving(bool on);
    // The program ends (the Exit item, or no data file chosen).
    void ended();

private:
    class Answering;

    void useIcon(std::unique_ptr<TrayIcon> icon);
    void showQuotePopup();
    // A new quote; false when the program ends instead.
    bool changeQuote(const QString& reportedFile = {});
    void beginServing();
    void endServing();

    platform::Desktop& desktop_;
    QuoteKeeper& keeper_;

    std::unique_ptr<TrayIconFactory> icons_;
    std::unique_ptr<TrayIcon> icon_;
    TrayMenu menu_;
    QuotePopup popup_;
    WaitNotice waitNotice_;
    HoverTrace hoverTrace_;

    bool busy_ = false;
    int servingDepth_ = 0;
    int hoversSinceChange_ = 0;
    bool removed_ = false;
};

} // namespace sentari::tray
