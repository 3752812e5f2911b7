#include "tray/icon/xembedtrayicon.h"

#include "platform/x11/xembedtray.h"
#include "tray/icon/systemtrayicon.h"
#include "tray/icon/trayiconwindow.h"

#include <QTimer>

namespace sentari::tray {

namespace {

// How often a dock request is looked after (at doubling intervals) before giving up.
constexpr int DockChecks = 5;

class XEmbedTrayIcon : public TrayIcon {
public:
    // trayJustStarted: a tray that has just announced itself may drop an icon that comes too
    // early, so the request is repeated until it holds; a tray that was there before is ready
    // and gets one request only, since a second one for the same window confuses some trays.
    XEmbedTrayIcon(platform::XEmbedTray& tray, bool trayJustStarted)
        : tray_(tray), repeatRequest_(trayJustStarted),
          window_(tray.offersAlphaVisual() ? TrayIconWindow::Background::Transparent
                                           : TrayIconWindow::Background::Parent)
    {
        if (!tray_.offersAlphaVisual()) {
            tray_.useParentBackground(window_.winId());
            connect(&window_, &TrayIconWindow::backgroundNeeded, this,
                    [this] { tray_.clearBackground(window_.winId()); });
        }
        // Told from the event loop, not from inside the window's event handler: the menu runs
        // a nested loop, and a tray that restarts meanwhile has this icon and its window
        // replaced, which must not pull the window out from under its own press handler.
        connect(&window_, &TrayIconWindow::hovered, this, &TrayIcon::hovered, Qt::QueuedConnection);
        connect(&window_, &TrayIconWindow::leftPressed, this, &TrayIcon::leftPressed,
                Qt::QueuedConnection);
        connect(&window_, &TrayIconWindow::rightPressed, this, &TrayIcon::rightPressed,
                Qt::QueuedConnection);
        connect(&tray_, &platform::XEmbedTray::docked, this, [this](WId w) {
            if (w == window_.winId())
                showDocked();
        });
        connect(&tray_, &platform::XEmbedTray::undocked, this, [this](WId w) {
            // The tray went away and handed the window back to the root window: keep it out
            // of sight until the next tray takes it.
            if (w == window_.winId())
                window_.hide();
        });
        check_.setSingleShot(true);
        connect(&check_, &QTimer::timeout, this, [this] { checkDocked(); });
    }

    // False when no tray takes requests.
    bool requestDock()
    {
        if (!tray_.dock(window_.winId(), minimumSize()))
            return false;
        // Shown once the tray has taken it: mapped any earlier, the window can be caught by the
        // tray's reparenting in a state that makes trayer give it a one-pixel slot.
        check_.setInterval(repeatRequest_ ? 1000 : 300);
        check_.start();
        return true;
    }

    bool isShown() const override { return window_.isVisible(); }
    void showQuote(const QString& /*quote*/) override {} // the pop-up shows it on a hover

private:
    QSize minimumSize() const
    {
        // The tray counts device pixels.
        return window_.minimumSize() * window_.devicePixelRatioF();
    }

    void showDocked()
    {
        if (window_.isVisible())
            return;
        window_.show();
        emit shown();
    }

    void checkDocked()
    {
        if (tray_.embedded(window_.winId())) {
            showDocked();
            return;
        }
        if (++checks_ > DockChecks)
            return;
        // A tray that was there before answers in its own time: only look again.
        if (repeatRequest_ && !tray_.dock(window_.winId(), minimumSize()))
            return;
        check_.setInterval(check_.interval() * 2);
        check_.start();
    }

    platform::XEmbedTray& tray_;
    const bool repeatRequest_;
    // A fresh window for every icon: an old one may still sit in a dead tray's socket.
    TrayIconWindow window_;
    QTimer check_;
    int checks_ = 0;
};

class XEmbedTrayIconFactory : public TrayIconFactory {
public:
    XEmbedTrayIconFactory()
    {
        connect(&tray_, &platform::XEmbedTray::managerAppeared, this, [this] {
            trayJustStarted_ = true;
            emit trayStarted();
            trayJustStarted_ = false;
        });
    }

    std::unique_ptr<TrayIcon> create() override
    {
        if (trayJustStarted_ || tray_.managerExists()) {
            auto icon = std::make_unique<XEmbedTrayIcon>(tray_, trayJustStarted_);
            if (!icon->requestDock())
                return nullptr;
            return icon;
        }
        // A StatusNotifierItem host without an XEmbed tray: Qt's tray icon works there.
        if (QSystemTrayIcon::isSystemTrayAvailable())
            return std::make_unique<SystemTrayIcon>();
        return nullptr;
    }

    bool notificationAreaExists() const override
    {
        return tray_.managerExists() || QSystemTrayIcon::isSystemTrayAvailable();
    }

private:
    platform::XEmbedTray tray_;
    bool trayJustStarted_ = false;
};

} // namespace

std::unique_ptr<TrayIconFactory> xembedTrayIconFactory()
{
    if (!platform::XEmbedTray::available())
        return nullptr;
    return std::make_unique<XEmbedTrayIconFactory>();
}

} // namespace sentari::tray
