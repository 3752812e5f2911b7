#include "tray/frmquote.h"

#include "platform/apppaths.h"
#include "platform/helppages.h"
#include "platform/qtstring.h"
#include "settings/settingsstore.h"
#include "tray/popupposition.h"
#include "tray/popups.h"
#include "tray/trayiconwindow.h"

#ifdef SENTARI_HAVE_X11
#include "platform/xembedtray.h"
#endif

#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <cstdio>

namespace sentari::tray {

namespace {
constexpr int PopupTolerance = 15; // pixels the pointer may wander before the pop-up goes
constexpr int MenuOffset = 10;     // the menu opens this far right of the cursor
const bool traceHover = qEnvironmentVariableIsSet("SENTARI_TRACE_HOVER");

struct MenuItem {
    const char* name;
    const char* caption;
    void (FrmQuote::*handler)();
};

// Clears a flag however the scope is left, so a failure can never leave the icon deaf.
struct FlagGuard {
    bool& flag;
    explicit FlagGuard(bool& f) : flag(f) { flag = true; }
    ~FlagGuard() { flag = false; }
};

// Reports on stderr how long a hover took from the X event to the pop-up's first painted
// frame: a measuring aid, off unless SENTARI_TRACE_HOVER is set.
class HoverTrace : public QObject {
public:
    HoverTrace(QWidget* quoteLabel, QElapsedTimer clock) : QObject(quoteLabel), clock_(clock)
    {
        quoteLabel->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Runs once the painted frame has been flushed to the X server.
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "sentari: hover to painted pop-up %.3f ms\n",
                             clock_.nsecsElapsed() / 1e6);
            });
        }
        return false;
    }

private:
    QElapsedTimer clock_;
};
} // namespace

// Scopes nest, as a question's loop may let another callback or command in; only the
// outermost tells.
class FrmQuote::Serving {
public:
    explicit Serving(FrmQuote& owner) : owner_(owner)
    {
        if (owner_.servingDepth_++ == 0 && owner_.serving)
            owner_.serving(true);
    }
    ~Serving()
    {
        if (--owner_.servingDepth_ == 0 && owner_.serving)
            owner_.serving(false);
    }
    Serving(const Serving&) = delete;
    Serving& operator=(const Serving&) = delete;

private:
    FrmQuote& owner_;
};

static const MenuItem menuItems[] = {
    {"help", "&Help", &FrmQuote::help},
    {"screensaver", "Sentari screensa&ver", &FrmQuote::RunScreenSaver},
    {"name4", "-", nullptr},
    {"Addclipboard", "Add quote to &Clipboard", &FrmQuote::addQuoteToClipboard},
    {"Adddatabase", "Add clipboard to Sentari &Data", &FrmQuote::addClipboardToData},
    {"QuoteDelete", "&Delete quote", &FrmQuote::deleteQuote},
    {"name", "-", nullptr},
    {"ChangeQuoteFile", "Change &Sentari data file", &FrmQuote::changeQuoteFile},
    {"name2", "-", nullptr},
    {"ChangeSignature", "Change &Signature", &FrmQuote::changeSignature},
    {"AddSignature", "Add signature to &Clipboard", &FrmQuote::addSignatureToClipboard},
    {"name3", "-", nullptr},
    {"exit", "E&xit", &FrmQuote::exitProgram},
};

FrmQuote::FrmQuote(SettingsStore& store, platform::Desktop& desktop, QuoteKeeper& keeper)
    : store_(store), desktop_(desktop), keeper_(keeper)
{
    // At the system timer's resolution; it runs only while a pop-up is open.
    Timer1.setInterval(5);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &FrmQuote::timer1Tick);
    runMenu = [this] { openMenu(); };
    dockCheck_.setSingleShot(true);
    connect(&dockCheck_, &QTimer::timeout, this, &FrmQuote::checkDocked);
}

FrmQuote::~FrmQuote()
{
    closePopup();
    removeIcon();
    delete waitNotice_;
}

QMenu* FrmQuote::menu()
{
    if (!menu_)
        buildMenu();
    changeSignatureAction_->setEnabled(static_cast<bool>(signatureWindow));
    return menu_.get();
}

void FrmQuote::buildMenu()
{
    menu_ = std::make_unique<QMenu>();
    menu_->setTitle(QStringLiteral("PopupQuote"));
    menu_->setWindowTitle(menu_->title());
    menu_->setObjectName(QStringLiteral("PopupQuote"));
    for (const MenuItem& item : menuItems) {
        const QString caption = QString::fromLatin1(item.caption);
        QAction* action =
            caption == QLatin1String("-") ? menu_->addSeparator() : menu_->addAction(caption);
        action->setObjectName(QString::fromLatin1(item.name));
        // The chosen command runs after the menu has closed and the callback has returned,
        // so a message box it shows does not find the tray still marked busy.
        if (item.handler) {
            auto handler = item.handler;
            connect(
                action, &QAction::triggered, this,
                [this, handler] {
                    Serving serving(*this);
                    (this->*handler)();
                },
                Qt::QueuedConnection);
        }
        if (QLatin1String(item.name) == QLatin1String("ChangeSignature"))
            changeSignatureAction_ = action;
    }
}

void FrmQuote::trayCallback(int message)
{
    if (traceHover)
        callbackClock_.start();
    if (TrayBusy)
        return;
    // Ends after TrayBusy is cleared: what waited is served with the icon listening again.
    Serving serving(*this);
    FlagGuard busy(TrayBusy);
    switch (message) {
    case LeftButtonDown:
        changeQuote();
        break;
    case LeftButtonUp:
    case LeftButtonDoubleClick:
    case RightButtonUp:
    case RightButtonDoubleClick:
        break;
    case RightButtonDown:
        runMenu();
        break;
    default:
        hover();
        break;
    }
}

void FrmQuote::hover()
{
    if (Timer1.isActive())
        return;
    if (!keeper_.current().text.isEmpty())
        showPopup();
    ++HoverCount;
    if (HoverCount > 5 && changeQuote())
        HoverCount = 0;
}

bool FrmQuote::changeQuote()
{
    if (keeper_.nextQuote(false) == QuoteKeeper::Outcome::Quit) {
        exitProgram();
        return false;
    }
    ModifyIcon();
    return true;
}

void FrmQuote::showPopup()
{
    const QPointF tpp = desktop_.twipsPerPixel();
    auto* popup = new FrmPopup(keeper_.current().text, tpp);
    popup_ = popup;
    PopupAnchor = desktop_.cursorPos();
    const QPoint at = PopupPosition(PopupAnchor, desktop_.screenGeometry(), desktop_.workArea(),
                                    tpp, popup->sizeTwips());
    if (traceHover)
        new HoverTrace(popup->quotePopup(), callbackClock_);
    popup->showAt(at);
    Timer1.start();
}

void FrmQuote::timer1Tick()
{
    const QPoint p = desktop_.cursorPos();
    if (qAbs(p.x() - PopupAnchor.x()) > PopupTolerance ||
        qAbs(p.y() - PopupAnchor.y()) > PopupTolerance)
        closePopup();
}

void FrmQuote::closePopup()
{
    Timer1.stop();
    if (popup_) {
        popup_->hide();
        popup_->deleteLater();
        popup_ = nullptr;
    }
}

void FrmQuote::openMenu()
{
    QMenu* m = menu();
    PopupAnchor = desktop_.cursorPos();
    const QRect screen = desktop_.screenGeometry();
    // Flush with the bottom edge of the screen, as a menu opened at the screen's height is
    // moved up by the system to fit.
    const QSize size = m->sizeHint();
    m->exec(QPoint(PopupAnchor.x() + MenuOffset, screen.y() + screen.height() - size.height()));
}

void FrmQuote::OpenHelpFile(const QString& name)
{
    platform::openHelpPage(desktop_, name);
}

void FrmQuote::help()
{
    OpenHelpFile(QStringLiteral("help.htm"));
}

void FrmQuote::RunScreenSaver()
{
    const QString program = platform::siblingProgram(QStringLiteral("sentarisaver"));
    const QFileInfo info(program);
    if (info.isFile() && info.isExecutable() &&
        desktop_.startDetached(program, {QStringLiteral("/s")}))
        return;
    desktop_.message(QStringLiteral("SentariSaver not installed."),
                     platform::MessageStyle::Information);
}

void FrmQuote::addQuoteToClipboard()
{
    const QString text = keeper_.current().text;
    QByteArray rtf;
    try {
        rtf = QByteArray::fromStdString(store_.textToRtf(u8(text), "arial", 0, 12));
    } catch (const StoreError& e) {
        desktop_.message(qs(e.what()), platform::MessageStyle::Warning);
        return;
    }
    desktop_.setClipboard(text, rtf);
}

void FrmQuote::addClipboardToData()
{
    keeper_.addClipboard();
}

void FrmQuote::deleteQuote()
{
    // The keeper refreshes the icon itself after a delete.
    if (keeper_.deleteQuote() == QuoteKeeper::Outcome::Quit)
        exitProgram();
}

void FrmQuote::changeQuoteFile()
{
    keeper_.changeQuoteFile();
    changeQuote();
}

void FrmQuote::changeSignature()
{
    if (signatureWindow)
        signatureWindow();
}

void FrmQuote::addSignatureToClipboard()
{
    const CurrentQuote& c = keeper_.current();
    desktop_.setClipboard(c.signatureText, c.signatureRtf);
}

void FrmQuote::exitProgram()
{
    closePopup();
    removeIcon();
    removed_ = true;
    if (ended)
        ended();
}

void FrmQuote::ModifyIcon()
{
    if (systemTrayIcon_)
        systemTrayIcon_->setToolTip(keeper_.current().text);
}

bool FrmQuote::iconShown() const
{
    return (iconWindow_ && iconWindow_->isVisible()) ||
           (systemTrayIcon_ && systemTrayIcon_->isVisible());
}

WId FrmQuote::iconWindow() const
{
    return iconWindow_ ? iconWindow_->winId() : 0;
}

void FrmQuote::AddIcon()
{
    removed_ = false;
#ifdef SENTARI_HAVE_X11
    if (platform::XEmbedTray::available()) {
        if (!xembed_) {
            xembed_ = new platform::XEmbedTray(this);
            connect(xembed_, &platform::XEmbedTray::managerAppeared, this, [this] {
                dockXEmbed();
                // A tray that has just announced itself may drop an icon that comes too
                // early; a tray that was there before is ready and gets one request only,
                // since a second one for the same window confuses some trays.
                redock_ = true;
                dockCheck_.setInterval(1000);
            });
            connect(xembed_, &platform::XEmbedTray::docked, this, [this](WId w) {
                if (iconWindow_ && iconWindow_->winId() == w)
                    iconWindow_->show();
            });
            connect(xembed_, &platform::XEmbedTray::undocked, this, [this](WId w) {
                // The tray went away and handed our window back to the root window: keep
                // it out of sight until the next tray takes it.
                if (iconWindow_ && iconWindow_->winId() == w)
                    iconWindow_->hide();
            });
        }
        if (xembed_->managerExists()) {
            dockXEmbed();
            return;
        }
        // A StatusNotifierItem host without an XEmbed tray: the plain tray icon works there.
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            useSystemTrayIcon();
            return;
        }
        tellWaiting();
        return;
    }
#endif
    useSystemTrayIcon();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        tellWaiting();
}

void FrmQuote::tellWaiting()
{
    if (toldWaiting_)
        return;
    toldWaiting_ = true;
    // Not modal: a modal box would run its own loop inside AddIcon and keep the icon, once
    // docked, from answering the mouse until OK is pressed.
    auto* notice =
        new QMessageBox(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("Sentari waits for a notification area (system tray).\n"
                                       "Its icon appears as soon as one starts."),
                        QMessageBox::Ok);
    notice->setObjectName(QStringLiteral("waitNotice"));
    notice->setWindowModality(Qt::NonModal);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    waitNotice_ = notice;
    notice->show();
}

void FrmQuote::dockXEmbed()
{
#ifdef SENTARI_HAVE_X11
    if (removed_ || !xembed_)
        return;
    // A fresh window for every tray: the old one may still sit in a dead tray's socket.
    iconWindow_ = std::make_unique<TrayIconWindow>([this](int message) { trayCallback(message); });
    if (!xembed_->dock(iconWindow_->winId(), iconMinimumSize())) {
        iconWindow_.reset();
        return;
    }
    // Shown once the tray has taken it: mapped any earlier, the window can be caught by the
    // tray's reparenting in a state that makes trayer give it a one-pixel slot.
    dockAttempts_ = 0;
    redock_ = false;
    dockCheck_.setInterval(300);
    dockCheck_.start();
    if (systemTrayIcon_) {
        systemTrayIcon_->hide();
        systemTrayIcon_.reset();
    }
#endif
}

QSize FrmQuote::iconMinimumSize() const
{
    // The tray counts device pixels.
    return iconWindow_->minimumSize() * iconWindow_->devicePixelRatioF();
}

void FrmQuote::checkDocked()
{
#ifdef SENTARI_HAVE_X11
    if (!iconWindow_ || !xembed_)
        return;
    if (xembed_->embedded(iconWindow_->winId())) {
        iconWindow_->show();
        return;
    }
    if (!redock_) {
        // A tray that was there before answers in its own time: only look again.
        if (++dockAttempts_ <= 5) {
            dockCheck_.setInterval(dockCheck_.interval() * 2);
            dockCheck_.start();
        }
        return;
    }
    if (++dockAttempts_ > 5 || !xembed_->dock(iconWindow_->winId(), iconMinimumSize()))
        return;
    dockCheck_.setInterval(dockCheck_.interval() * 2);
    dockCheck_.start();
#endif
}

void FrmQuote::useSystemTrayIcon()
{
    if (systemTrayIcon_)
        return;
    systemTrayIcon_ = std::make_unique<QSystemTrayIcon>(trayIcon());
    systemTrayIcon_->setToolTip(keeper_.current().text);
    connect(systemTrayIcon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Handled after the host's call has been answered: the menu and any message
                // run nested loops that would keep a StatusNotifierItem host waiting.
                const int message = reason == QSystemTrayIcon::Trigger   ? LeftButtonDown
                                    : reason == QSystemTrayIcon::Context ? RightButtonDown
                                                                         : 0;
                if (message)
                    QTimer::singleShot(0, this, [this, message] { trayCallback(message); });
            });
    systemTrayIcon_->show();
}

void FrmQuote::removeIcon()
{
    dockCheck_.stop();
    iconWindow_.reset();
    if (systemTrayIcon_) {
        systemTrayIcon_->hide();
        systemTrayIcon_.reset();
    }
}

} // namespace sentari::tray
