#include "launch.h"

#include "sentaristore/settings/keys.h"

namespace sentari::saver {

namespace {

std::optional<std::uint64_t> windowId(const QString& text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const std::uint64_t id = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                 ? t.mid(2).toULongLong(&ok, 16)
                                 : t.toULongLong(&ok, 10);
    if (!ok || id == 0)
        return std::nullopt;
    return id;
}

// xscreensaver 6 hands its options over with two dashes ("--root"), older ones with one.
qsizetype optionAt(const QStringList& arguments, QLatin1String name)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == name || (a.startsWith(QLatin1String("--")) && QStringView(a).mid(1) == name))
            return i;
    }
    return -1;
}

// "--effect 3": the number after the option, when it lies in 0..highest.
std::optional<int> choice(const QStringList& arguments, QLatin1String name, int highest,
                          QString& rejected)
{
    const auto at = optionAt(arguments, name);
    if (at < 0)
        return std::nullopt;
    bool ok = false;
    const int value = at + 1 < arguments.size() ? arguments[at + 1].toInt(&ok) : 0;
    if (ok && value >= 0 && value <= highest)
        return value;
    rejected = name;
    return std::nullopt;
}

Launch only(SaverMode mode)
{
    Launch launch;
    launch.mode = mode;
    return launch;
}

Launch hosted(const QStringList& arguments, std::optional<std::uint64_t> window)
{
    Launch launch = only(SaverMode::Hosted);
    launch.window = window;
    launch.effect =
        choice(arguments, QLatin1String("-effect"), int(keys::TransitionEffects), launch.rejected);
    launch.speed = choice(arguments, QLatin1String("-speed"), 2, launch.rejected);
    launch.wait = choice(arguments, QLatin1String("-wait"), 2, launch.rejected);
    return launch;
}

} // namespace

Launch parseCommandLine(const QStringList& arguments, const QString& hostWindow)
{
    // xscreensaver hands its hacks a window by option or by environment.
    const auto at = optionAt(arguments, QLatin1String("-window-id"));
    if (at >= 0) {
        const auto id = at + 1 < arguments.size() ? windowId(arguments[at + 1]) : std::nullopt;
        return id ? hosted(arguments, id) : only(SaverMode::Nothing);
    }
    if (optionAt(arguments, QLatin1String("-root")) >= 0 ||
        (!hostWindow.isEmpty() &&
         (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-'))))) {
        return hosted(arguments, hostWindow.isEmpty() ? std::nullopt : windowId(hostWindow));
    }

    // The desktop's switches: only the first two characters of the command line count.
    const QString line = arguments.join(QLatin1Char(' ')).left(2).toLower();
    if (line == QLatin1String("/p"))
        return only(SaverMode::Preview);
    if (line == QLatin1String("/a"))
        return only(SaverMode::Activate);
    if (line == QLatin1String("/c") || line.isEmpty())
        return only(SaverMode::Configure);
    if (line == QLatin1String("/s"))
        return only(SaverMode::Run);
    return only(SaverMode::Nothing);
}

} // namespace sentari::saver
