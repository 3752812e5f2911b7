#include "platform/desktop.h"
#include "platform/foreignwindow.h"
#include "platform/qtdesktop.h"
#include "platform/qtstring.h"
#include "platform/startup.h"
#include "platform/translations.h"
#include "platform/twips.h"
#include "saver/hostedsaver.h"
#include "saver/launch.h"
#include "saver/options/optionsdialog.h"
#include "saver/passwordcode.h"
#include "saver/saversettings.h"
#include "saver/saverwindow.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLockFile>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace sentari;
using namespace sentari::saver;

namespace {

constexpr auto ActivateMessage =
    QT_TRANSLATE_NOOP("sentarisaver", "Activate password protection in Sentarisaver settings.");

constexpr auto Usage = QT_TRANSLATE_NOOP(
    "sentarisaver",
    "Usage: sentarisaver [/s | /c | /p | /a]\n"
    "       sentarisaver -root | -window-id ID\n"
    "\n"
    "  /s              show the screen saver full-screen\n"
    "  /c              open the options (also without a switch)\n"
    "  /p              preview: ends at once\n"
    "  /a              tell where password protection is set\n"
    "  -root           draw into the window xscreensaver hands over (XSCREENSAVER_WINDOW),\n"
    "                  or into the root window (also --root)\n"
    "  -window-id ID   draw into the X window ID (also --window-id)\n"
    "  -effect N       with -root or -window-id: effect N (0 random, 1 to 8) instead of\n"
    "                  the stored one; -speed N and -wait N (0 to 2) likewise\n"
    "  --help, --version  print this text or the version and exit\n");

// One line on standard error, in the user's language.
void complain(const char* english, const QString& value = {})
{
    QString text = QCoreApplication::translate("sentarisaver", english);
    if (!value.isNull())
        text = text.arg(value);
    std::fprintf(stderr, "sentarisaver: %s\n", qPrintable(text));
}

// One Sentarisaver at a time, whatever it was started for: a saver must not start while
// the options are open, nor options over a running saver. Hosted runs stay out of this:
// a host may run one per screen.
std::unique_ptr<QLockFile> takeInstanceLock()
{
    return platform::runtimeLock(QStringLiteral("sentarisaver.lock"));
}

std::vector<std::string> fontFamilies()
{
    std::vector<std::string> out;
    for (const QString& family : platform::installedFontFamilies())
        out.push_back(u8(family));
    return out;
}

// The store with the installed fonts known. A settings file that cannot be read now is
// not worth refusing to start for: the keys' first values stand in.
void prepareStore(SettingsStore& store)
{
    store.setFontFamiliesProvider(fontFamilies);
    try {
        store.prepare();
    } catch (const StoreError&) {
    }
}

// How long the process ran before main(), in milliseconds (10 ms steps), for the stats.
qint64 runBeforeMain()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray s = stat.readAll();
    const auto fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double up = uptime.readAll().split(' ').value(0).toDouble();
    if (fields.size() < 20)
        return 0;
    const double startedAt = fields[19].toDouble() / double(sysconf(_SC_CLK_TCK));
    return qint64((up - startedAt) * 1000);
}

qint64 beforeMain = 0;

// With SENTARISAVER_STATS set, the speed figures go to standard error at the end.
void reportStats(const SaverEngine& engine, qint64 startedToShown)
{
    if (qEnvironmentVariableIsEmpty("SENTARISAVER_STATS"))
        return;
    std::fprintf(
        stderr,
        "sentarisaver: start to first character %lld ms (window shown after %lld ms, "
        "%lld ms before main); worst frame late %lld ms; frames %lld\n",
        static_cast<long long>(engine.firstDrawMicros() / 1000 + startedToShown + beforeMain),
        static_cast<long long>(startedToShown + beforeMain), static_cast<long long>(beforeMain),
        static_cast<long long>(engine.worstFrameLateMicros() / 1000),
        static_cast<long long>(engine.framesPresented()));
}

int runSaver(QElapsedTimer& started)
{
    SettingsStore store;
    prepareStore(store);
    const SaverSettings settings = SaverSettings::read(store);
    if (!settings.password.isEmpty() && !decodePassword(settings.password))
        complain(QT_TRANSLATE_NOOP("sentarisaver",
                                   "the stored password is damaged and could never be typed, so "
                                   "the screen is not locked; set a new password with "
                                   "sentarisaver /c"));

    platform::QtDesktop desktop;
    SaverServices services;
    services.fetchQuote = storeQuotes(store);
    services.readPassword = [&store, fallback = settings.password] {
        try {
            return qs(store.readSetting(keys::Password));
        } catch (const StoreError&) {
            return fallback; // never unlock just because the file could not be read
        }
    };
    services.message = [&desktop](const QString& text) {
        desktop.message(text, platform::MessageStyle::Information);
    };
    SaverWindow window(settings, services);
    window.begin();
    const qint64 shown = started.elapsed();
    const int rc = QApplication::exec();
    reportStats(*window.engine(), shown);
    return rc;
}

int runHosted(const Launch& launch)
{
    auto target = platform::ForeignWindow::open(launch.window);
    if (!target) {
        complain(QT_TRANSLATE_NOOP("sentarisaver", "cannot draw into that window"));
        return 1;
    }
    SettingsStore store;
    prepareStore(store);
    auto settings = SaverSettings::read(store);
    if (!launch.rejected.isEmpty())
        complain(QT_TRANSLATE_NOOP("sentarisaver",
                                   "%1 takes a number in its range; the stored setting is used"),
                 launch.rejected);
    settings.transition = launch.effect.value_or(settings.transition);
    settings.speed = launch.speed.value_or(settings.speed);
    if (launch.wait)
        settings.pause = *launch.wait;
    const platform::TwipsScale twips(platform::twipsPerPixel(QGuiApplication::primaryScreen()));
    HostedSaver saver(std::move(target), settings, twips, storeQuotes(store));
    saver.start();
    const int rc = QApplication::exec();
    reportStats(saver.engine(), 0);
    return rc;
}

int runOptions(platform::Desktop& desktop)
{
    SettingsStore store;
    prepareStore(store);
    OptionsDialog dialog(store, desktop, platform::installedFontFamilies());
    dialog.exec();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto rc = platform::answerHelpOrVersion(argc, argv, "sentarisaver", Usage))
        return *rc;
    QElapsedTimer started;
    started.start();
    if (!qEnvironmentVariableIsEmpty("SENTARISAVER_STATS"))
        beforeMain = runBeforeMain();
    const auto app =
        platform::openDisplay(argc, argv, "sentarisaver", "run it inside a desktop session");
    QApplication::setApplicationName(QStringLiteral("Sentarisaver"));
    platform::installTranslations();
    QApplication::setQuitOnLastWindowClosed(false);

    const Launch launch = parseCommandLine(QApplication::arguments().mid(1),
                                           qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    std::unique_ptr<QLockFile> instance;
    if (launch.mode == SaverMode::Run || launch.mode == SaverMode::Configure ||
        launch.mode == SaverMode::Activate) {
        instance = takeInstanceLock();
        if (!instance) {
            // The screen-saver service starts the saver again and again: that one ends quietly.
            if (launch.mode != SaverMode::Run)
                complain(QT_TRANSLATE_NOOP("sentarisaver", "Sentarisaver is already running"));
            return 0;
        }
    }
    switch (launch.mode) {
    case SaverMode::Preview:
    case SaverMode::Nothing:
        return 0;
    case SaverMode::Activate: {
        platform::QtDesktop desktop;
        desktop.message(QCoreApplication::translate("sentarisaver", ActivateMessage),
                        platform::MessageStyle::Information);
        return 0;
    }
    case SaverMode::Configure: {
        platform::QtDesktop desktop;
        return runOptions(desktop);
    }
    case SaverMode::Run:
        return runSaver(started);
    case SaverMode::Hosted:
        return runHosted(launch);
    }
    return 0;
}
