// The tray program proper, loaded by the `sentari` launcher for everything but
// --print-quote.

#include "trayentry.h"

#include "platform/failure.h"
#include "platform/qtdesktop.h"
#include "platform/readwatch.h"
#include "platform/startup.h"
#include "platform/translations.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "signature/signaturewindowopener.h"
#include "tray/askoncedialog.h"
#include "tray/automation.h"
#include "tray/icon/trayicon.h"
#include "tray/popup/quotewindows.h"
#include "tray/quotekeeper.h"
#include "tray/quoteperread.h"
#include "tray/scaling.h"
#include "tray/traycontroller.h"

#include <QApplication>
#include <QLockFile>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

// The icon lives in sentari_tray_core's resources; a static library's resources need a nudge.
static void initResources()
{
    Q_INIT_RESOURCE(tray);
}

namespace {

using namespace sentari;

int signalPipe[2] = {-1, -1};

void onTerminate(int /*signal*/)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[0], &c, 1);
}

// A session that ends sends SIGTERM (or SIGHUP): leave as the Exit item does, so the
// icon is taken out of the tray first.
void onSessionEnd(QObject* owner, const std::function<void()>& handler)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier, handler] {
        char c = 0;
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

// The first quote, with the busy pointer until the store has answered.
tray::QuoteKeeper::Outcome fetchFirstQuote(tray::QuoteKeeper& keeper, platform::Desktop& desktop)
{
    std::optional<platform::BusyPointer> busy(std::in_place, desktop);
    const QMetaObject::Connection fetched =
        QObject::connect(&keeper, &tray::QuoteKeeper::quoteFetched, [&busy] { busy.reset(); });
    const tray::QuoteKeeper::Outcome first = keeper.nextQuote(true);
    QObject::disconnect(fetched);
    return first;
}

bool quickShowWanted(SettingsStore& store, platform::Desktop& desktop)
{
    std::string quickShow;
    platform::reportingFailures<StoreError>(
        desktop, [&] { quickShow = store.readSetting(keys::QuickShow); });
    return quickShow == keys::QuickShowOn;
}

// One sentari per session: the bus name is the lock; without a bus, a lock file for this
// display in the user's runtime folder. False when another one holds it.
bool serveAutomation(tray::Automation& automation, std::unique_ptr<QLockFile>& sessionLock)
{
    switch (tray::registerAutomation(automation)) {
    case tray::ServiceStart::AlreadyRunning:
        return false;
    case tray::ServiceStart::NoBus: {
        std::fprintf(stderr, "sentari: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "sentari", "no session D-Bus; other programs cannot change the quote")));
        QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
        for (QChar& c : display)
            if (!c.isLetterOrNumber())
                c = QLatin1Char('_');
        sessionLock =
            platform::runtimeLock(QStringLiteral("sentari-") + display + QStringLiteral(".lock"));
        if (!sessionLock) {
            std::fprintf(stderr, "sentari: %s\n",
                         qPrintable(QCoreApplication::translate(
                             "sentari", "Sentari runs on this display already")));
            return false;
        }
        break;
    }
    case tray::ServiceStart::Registered:
        break;
    }
    return true;
}

int runTray(int argc, char** argv)
{
    tray::useOneScaleFactor();
    const auto app = platform::openDisplay(argc, argv, "sentari",
                                           "start it inside a desktop session (sentari "
                                           "--print-quote works without one)");
    QApplication::setApplicationName(QStringLiteral("Sentari"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sentari"));
    QApplication::setDesktopFileName(QStringLiteral("sentari"));
    platform::installTranslations();
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();

    platform::QtDesktop desktop;
    std::unique_ptr<SettingsStore> store;
    if (!platform::reportingFailures<StoreError>(
            desktop, [&] { store = std::make_unique<SettingsStore>(); }))
        return 1;

    tray::AskOnceWithDialog askOnce(*store, desktop);
    tray::QuoteKeeper keeper(*store, desktop, askOnce);
    tray::TrayController controller(*store, desktop, keeper);
    tray::Automation automation(keeper);
    // exit() before exec() would be lost, so remember that the program is to end.
    bool ending = false;
    const auto end = [&ending, &automation] {
        ending = true;
        automation.programEnds();
        QCoreApplication::exit(0);
    };
    QObject::connect(&controller, &tray::TrayController::ended, end);
    QObject::connect(&automation, &tray::Automation::exitRequested, &controller,
                     &tray::TrayController::exitProgram);
    // Calls wait for the first quote only, not for the start-up's questions after it.
    QObject::connect(&keeper, &tray::QuoteKeeper::quoteChanged, &automation,
                     &tray::Automation::setReady);
    QObject::connect(&controller, &tray::TrayController::serving, &automation,
                     [&automation](bool on) { on ? automation.hold() : automation.release(); });
    // Opened from the menu and by a yes to the start-up offer; not modal, so the icon and
    // D-Bus calls are answered while it is open. Each save gives every signature a new quote.
    signature::SignatureWindowOpener signatureWindow(*store, desktop, tray::sentariIcon());
    const auto openSignatureWindow = [&signatureWindow] { signatureWindow.open(); };
    QObject::connect(&controller.menu(), &tray::TrayMenu::signatureWindowWanted, &signatureWindow,
                     openSignatureWindow);
    QObject::connect(&keeper, &tray::QuoteKeeper::signatureWindowWanted, &signatureWindow,
                     openSignatureWindow);
    QObject::connect(&signatureWindow, &signature::SignatureWindowOpener::saved, &controller,
                     &tray::TrayController::changeQuoteAfterSave);
    // The window's own Open reads signature files; no reader's read while it is open.
    const std::unique_ptr<platform::ReadWatch> readWatch = platform::ReadWatch::create();
    tray::QuotePerRead quotePerRead(*store, keeper, readWatch.get(), [&signatureWindow] {
        return signatureWindow.window() != nullptr;
    });
    QObject::connect(&signatureWindow, &signature::SignatureWindowOpener::newQuoteAfterReadChanged,
                     &quotePerRead, &tray::QuotePerRead::reload);

    std::unique_ptr<QLockFile> sessionLock;
    if (!serveAutomation(automation, sessionLock))
        return 0;
    onSessionEnd(&controller, [&controller] { controller.exitProgram(); });

    if (fetchFirstQuote(keeper, desktop) == tray::QuoteKeeper::Outcome::Quit)
        return 0;
    std::optional<tray::QuickShowWindow> quickShow;
    if (quickShowWanted(*store, desktop)) {
        quickShow.emplace(keeper.current().text, desktop.screenGeometry(), desktop.workArea());
        QObject::connect(&*quickShow, &tray::QuickShowWindow::mouseMoved, end);
        quickShow->show();
    } else {
        controller.showIcon();
    }
    quotePerRead.reload();
    automation.setReady();
    if (ending)
        return 0;
    return app->exec();
}

} // namespace

// The names are the module's ABI.
// NOLINTBEGIN(readability-identifier-naming)

const char* sentari_tray_text(const char* context, const char* english)
{
    static QByteArray text;
    text = sentari::platform::translatedText(context, english).toLocal8Bit();
    return text.constData();
}

int sentari_tray_main(int argc, char** argv)
{
    if (hasArgument(argc, argv, "--change-quote")) {
        QCoreApplication app(argc, argv);
        sentari::platform::installTranslations(); // for its failure messages
        return sentari::tray::callChangeActiveQuote();
    }
    return runTray(argc, argv);
}
// NOLINTEND(readability-identifier-naming)
