// The tray program proper, loaded by the `sentari` launcher for everything but
// --print-quote.

#include "platform/qtdesktop.h"
#include "platform/qtstring.h"
#include "platform/startup.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"
#include "tray/automation.h"
#include "tray/frmmsg.h"
#include "tray/frmquote.h"
#include "tray/popups.h"
#include "tray/quotekeeper.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

// The icon lives in tray_core's resources; a static library's resources need a nudge.
static void initResources()
{
    Q_INIT_RESOURCE(tray);
}

namespace {

using namespace sentari;

int signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[0], &c, 1);
}

// A session that ends sends SIGTERM (or SIGHUP): leave as the Exit item does, so the
// icon is taken out of the tray first.
void onSessionEnd(QObject* owner, std::function<void()> handler)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier, handler] {
        char c;
        [[maybe_unused]] auto n = ::read(signalPipe[1], &c, 1);
        notifier->setEnabled(false);
        handler();
    });
    struct sigaction sa {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

bool hasArgument(int argc, char** argv, const char* wanted)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], wanted) == 0)
            return true;
    return false;
}

int runTray(int argc, char** argv)
{
    const auto app = platform::openDisplay(argc, argv, "sentari",
                                           "start it inside a desktop session (sentari "
                                           "--print-quote works without one)");
    QApplication::setApplicationName(QStringLiteral("Sentari"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sentari"));
    QApplication::setDesktopFileName(QStringLiteral("sentari"));
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();

    platform::QtDesktop desktop;
    std::unique_ptr<SettingsStore> store;
    try {
        store = std::make_unique<SettingsStore>();
    } catch (const StoreError& e) {
        desktop.message(qs(e.what()), platform::MessageStyle::Warning);
        return 1;
    }

    tray::AskOnceDialog askOnce(*store, desktop);
    tray::QuoteKeeper keeper(*store, desktop, askOnce);
    tray::FrmQuote frmQuote(*store, desktop, keeper);
    tray::Automation automation(keeper);
    // exit() before exec() would be lost, so remember that the program is to end.
    bool ending = false;
    auto end = [&ending, &automation] {
        ending = true;
        automation.programEnds();
        QCoreApplication::exit(0);
    };
    frmQuote.ended = end;
    keeper.quoteChanged = [&frmQuote] { frmQuote.ModifyIcon(); };
    // The start-up offer and the menu item open the same window, once there is one.
    keeper.openSignatureWindow = [&frmQuote] {
        if (frmQuote.signatureWindow)
            frmQuote.signatureWindow();
    };

    // One sentari per session: the bus name is the lock.
    automation.changed = [&frmQuote] { frmQuote.ModifyIcon(); };
    automation.quit = [&frmQuote] { frmQuote.exitProgram(); };
    frmQuote.serving = [&automation](bool on) { on ? automation.hold() : automation.release(); };
    switch (tray::registerAutomation(automation)) {
    case tray::ServiceStart::AlreadyRunning:
        return 0;
    case tray::ServiceStart::NoBus:
        std::fprintf(stderr, "sentari: no session D-Bus; other programs cannot change the quote\n");
        break;
    case tray::ServiceStart::Registered:
        break;
    }
    onSessionEnd(&frmQuote, [&frmQuote] { frmQuote.exitProgram(); });

    // Main
    std::optional<platform::BusyPointer> busy(std::in_place, desktop);
    const tray::QuoteKeeper::Outcome first = keeper.nextQuote(true, &busy);
    busy.reset();
    if (first == tray::QuoteKeeper::Outcome::Quit)
        return 0;

    std::optional<tray::FrmQuoteOnce> quoteOnce;
    std::string quickShow;
    try {
        quickShow = store->readSetting(keys::QuickShow);
    } catch (const StoreError& e) {
        desktop.message(qs(e.what()), platform::MessageStyle::Warning);
    }
    if (quickShow == "true") {
        quoteOnce.emplace(keeper.current().text, desktop.screenGeometry());
        quoteOnce->mouseMoved = end;
        quoteOnce->show();
    } else {
        frmQuote.AddIcon();
    }
    automation.setReady();
    if (ending)
        return 0;
    return app->exec();
}

} // namespace

extern "C" __attribute__((visibility("default"))) int sentari_tray_main(int argc, char** argv)
{
    if (hasArgument(argc, argv, "--change-quote")) {
        QCoreApplication app(argc, argv);
        return sentari::tray::callChangeActiveQuote();
    }
    return runTray(argc, argv);
}
