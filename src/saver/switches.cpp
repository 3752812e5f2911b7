#include "switches.h"

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

} // namespace

Launch parseCommandLine(const QStringList& arguments, const QString& hostWindow)
{
    // xscreensaver hands its hacks a window by option or by environment.
    const auto at = optionAt(arguments, QLatin1String("-window-id"));
    if (at >= 0) {
        const auto id = at + 1 < arguments.size() ? windowId(arguments[at + 1]) : std::nullopt;
        return id ? Launch{SaverMode::Hosted, id} : Launch{SaverMode::Nothing, {}};
    }
    if (optionAt(arguments, QLatin1String("-root")) >= 0 ||
        (arguments.isEmpty() && !hostWindow.isEmpty())) {
        return Launch{SaverMode::Hosted,
                      hostWindow.isEmpty() ? std::nullopt : windowId(hostWindow)};
    }

    // The desktop's switches: only the first two characters of the command line count.
    const QString line = arguments.join(QLatin1Char(' ')).left(2).toLower();
    if (line == QLatin1String("/p"))
        return {SaverMode::Preview, {}};
    if (line == QLatin1String("/a"))
        return {SaverMode::Activate, {}};
    if (line == QLatin1String("/c") || line.isEmpty())
        return {SaverMode::Configure, {}};
    if (line == QLatin1String("/s"))
        return {SaverMode::Run, {}};
    return {SaverMode::Nothing, {}};
}

} // namespace sentari::saver
