#include "xembedtray.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <xcb/xcb.h>

namespace sentari::platform {

namespace {
constexpr std::uint32_t SystemTrayRequestDock = 0;
constexpr std::uint32_t XEmbedVersion = 0;
constexpr std::uint32_t XEmbedMapped = 1;

xcb_connection_t* xcbConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
} // namespace

bool XEmbedTray::available()
{
    return xcbConnection() != nullptr;
}

XEmbedTray::XEmbedTray(QObject* parent) : QObject(parent)
{
    auto* c = xcbConnection();
    connection_ = c;
    if (!c)
        return;
    int screenNumber = 0;
    if (const char* display = std::getenv("DISPLAY")) {
        if (const char* dot = std::strrchr(display, '.'); dot && std::strchr(display, ':') < dot)
            screenNumber = std::atoi(dot + 1);
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    root_ = it.data->root;

    // All requests first, then the replies: one round trip to the server instead of five.
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber);
    const char* const names[] = {selection.constData(), "MANAGER", "_NET_SYSTEM_TRAY_OPCODE",
                                 "_XEMBED_INFO", "_NET_SYSTEM_TRAY_VISUAL"};
    std::uint32_t* const atoms[] = {&selectionAtom_, &managerAtom_, &opcodeAtom_, &xembedInfoAtom_,
                                    &visualAtom_};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i)
        cookies[i] =
            xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    // A tray that starts later announces itself on the root window with a MANAGER message
    // sent for StructureNotify; keep whatever else the toolkit already selected there.
    const auto attrsCookie = xcb_get_window_attributes(c, root_);
    for (std::size_t i = 0; i < std::size(names); ++i) {
        auto* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        *atoms[i] = reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    auto* attrs = xcb_get_window_attributes_reply(c, attrsCookie, nullptr);
    const std::uint32_t mask =
        (attrs ? attrs->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    std::free(attrs);
    xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    QCoreApplication::instance()->installNativeEventFilter(this);
}

XEmbedTray::~XEmbedTray()
{
    if (auto* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool XEmbedTray::managerExists() const
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return false;
    auto* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selectionAtom_), nullptr);
    const bool exists = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return exists;
}

bool XEmbedTray::dock(WId window, QSize minimumSize)
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return false;
    auto* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selectionAtom_), nullptr);
    const xcb_window_t owner = reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    if (owner == XCB_WINDOW_NONE)
        return false;

    const auto w = static_cast<xcb_window_t>(window);
    setMinimumSize(window, minimumSize);

    const std::uint32_t info[2] = {XEmbedVersion, XEmbedMapped};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, xembedInfoAtom_, xembedInfoAtom_, 32, 2, info);

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = owner;
    event.type = opcodeAtom_;
    event.data.data32[0] = XCB_CURRENT_TIME;
    event.data.data32[1] = SystemTrayRequestDock;
    event.data.data32[2] = w;
    xcb_send_event(c, 0, owner, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    if (!docked_.contains(w))
        docked_.append(w);
    return true;
}

void XEmbedTray::setMinimumSize(WId window, QSize minimumSize)
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return;
    const auto w = static_cast<xcb_window_t>(window);
    // WM_NORMAL_HINTS with only the minimum (and base) size: flags, 4 unused, min w/h, max
    // w/h, increments, aspects, base w/h, gravity.
    constexpr std::uint32_t PMinSize = 1u << 4;
    constexpr std::uint32_t PBaseSize = 1u << 8;
    std::uint32_t hints[18] = {};
    hints[0] = PMinSize | PBaseSize;
    hints[5] = hints[15] = static_cast<std::uint32_t>(minimumSize.width());
    hints[6] = hints[16] = static_cast<std::uint32_t>(minimumSize.height());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);

    xcb_flush(c);
}

bool XEmbedTray::embedded(WId window) const
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return false;
    auto* reply =
        xcb_query_tree_reply(c, xcb_query_tree(c, static_cast<xcb_window_t>(window)), nullptr);
    const bool inside = reply && reply->parent != root_;
    std::free(reply);
    return inside;
}

bool XEmbedTray::offersAlphaVisual() const
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return false;
    auto* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selectionAtom_), nullptr);
    const xcb_window_t manager = owner ? owner->owner : xcb_window_t(XCB_WINDOW_NONE);
    std::free(owner);
    if (manager == XCB_WINDOW_NONE)
        return false;
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, manager, visualAtom_, XCB_ATOM_VISUALID, 0, 1), nullptr);
    xcb_visualid_t visual = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        visual = *static_cast<const xcb_visualid_t*>(xcb_get_property_value(reply));
    std::free(reply);
    if (!visual)
        return false;
    // The visual's depth tells: 32 bits carry alpha.
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(c)); screens.rem;
         xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == visual)
                    return depths.data->depth == 32;
        }
    }
    return false;
}

void XEmbedTray::useParentBackground(WId window)
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return;
    const std::uint32_t parentRelative = XCB_BACK_PIXMAP_PARENT_RELATIVE;
    xcb_change_window_attributes(c, static_cast<xcb_window_t>(window), XCB_CW_BACK_PIXMAP,
                                 &parentRelative);
    xcb_flush(c);
}

void XEmbedTray::clearBackground(WId window)
{
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (!c)
        return;
    xcb_clear_area(c, 0, static_cast<xcb_window_t>(window), 0, 0, 0, 0);
    xcb_flush(c);
}

bool XEmbedTray::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_CLIENT_MESSAGE: {
        auto* cm = reinterpret_cast<xcb_client_message_event_t*>(event);
        if (cm->window == root_ && cm->type == managerAtom_ && cm->data.data32[1] == selectionAtom_)
            emit managerAppeared();
        break;
    }
    case XCB_REPARENT_NOTIFY: {
        auto* rn = reinterpret_cast<xcb_reparent_notify_event_t*>(event);
        if (!docked_.contains(rn->window))
            break;
        if (rn->parent == root_) {
            docked_.removeAll(rn->window);
            emit undocked(rn->window);
        } else {
            emit docked(rn->window);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace sentari::platform
