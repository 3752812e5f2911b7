#include "monitors.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#ifdef SENTARI_XINERAMA
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <xcb/xinerama.h>
#endif

namespace sentari::platform {

namespace {

#ifdef SENTARI_XINERAMA
std::vector<QRect> xineramaHeads()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return {};
    struct Free {
        void operator()(void* p) const { std::free(p); }
    };
    const std::unique_ptr<xcb_xinerama_is_active_reply_t, Free> active(
        xcb_xinerama_is_active_reply(c, xcb_xinerama_is_active(c), nullptr));
    if (!active || !active->state)
        return {};
    const std::unique_ptr<xcb_xinerama_query_screens_reply_t, Free> screens(
        xcb_xinerama_query_screens_reply(c, xcb_xinerama_query_screens(c), nullptr));
    if (!screens)
        return {};
    // The toolkit's pixels are the server's divided by the scale it applies.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const qreal scale = primary ? primary->devicePixelRatio() : 1.0;
    std::vector<QRect> heads;
    const auto* info = xcb_xinerama_query_screens_screen_info(screens.get());
    const int count = xcb_xinerama_query_screens_screen_info_length(screens.get());
    heads.reserve(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        heads.emplace_back(qRound(info[i].x_org / scale), qRound(info[i].y_org / scale),
                           qRound(info[i].width / scale), qRound(info[i].height / scale));
    return heads;
}
#endif

} // namespace

std::vector<QRect> monitorAreas()
{
    std::vector<QRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.push_back(primary->geometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas.push_back(screen->geometry());
#ifdef SENTARI_XINERAMA
    std::vector<QRect> heads = xineramaHeads();
    if (heads.size() > areas.size()) {
        // The head where the primary screen starts stays first.
        const QPoint origin = primary ? primary->geometry().topLeft() : QPoint();
        const auto first = std::find_if(heads.begin(), heads.end(),
                                        [&](const QRect& h) { return h.contains(origin); });
        if (first != heads.end())
            std::rotate(heads.begin(), first, first + 1);
        return heads;
    }
#endif
    return areas;
}

} // namespace sentari::platform
