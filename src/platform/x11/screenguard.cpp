#include "platform/screenguard.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace sentari::platform {

namespace {

constexpr int GrabRetryMs = 100;
// Failed grabs in a row before the user is told: our own window may still be mapping.
constexpr int FailuresBeforeNotice = 3;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_window_t rootOf(xcb_connection_t* c, int screen)
{
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen && it.rem > 0; ++i)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data->root : XCB_NONE;
}

} // namespace

ScreenGuard::ScreenGuard(QWidget* main, QObject* parent) : QObject(parent), main_(main)
{
    grabRetry_.setInterval(GrabRetryMs);
    connect(&grabRetry_, &QTimer::timeout, this, &ScreenGuard::tryGrabs);
    // Several events in one batch make one raise and one focus check.
    for (QTimer* soon : {&raiseSoon_, &focusSoon_}) {
        soon->setSingleShot(true);
        soon->setInterval(0);
    }
    connect(&raiseSoon_, &QTimer::timeout, this, &ScreenGuard::raiseAbove);
    connect(&focusSoon_, &QTimer::timeout, this, &ScreenGuard::takeFocus);
}

ScreenGuard::~ScreenGuard()
{
    stop();
}

void ScreenGuard::start()
{
    if (running_ || !main_)
        return;
    running_ = true;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection()) {
        const xcb_setup_t* setup = xcb_get_setup(x11->connection());
        idBase_ = setup->resource_id_base;
        idMask_ = setup->resource_id_mask;
        int screen = 0;
        watch_ = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(watch_)) {
            xcb_disconnect(watch_);
            watch_ = nullptr;
        } else {
            root_ = rootOf(watch_, screen);
            // Masks are per client: these add to nobody else's.
            const std::uint32_t children = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
            xcb_change_window_attributes(watch_, root_, XCB_CW_EVENT_MASK, &children);
            const std::uint32_t focus = XCB_EVENT_MASK_FOCUS_CHANGE;
            xcb_change_window_attributes(watch_, mainWindow(), XCB_CW_EVENT_MASK, &focus);
            xcb_flush(watch_);
            watchNotifier_ =
                new QSocketNotifier(xcb_get_file_descriptor(watch_), QSocketNotifier::Read, this);
            connect(watchNotifier_, &QSocketNotifier::activated, this, &ScreenGuard::readEvents);
        }
    }
    tryGrabs();
    raiseAbove();
    focusSoon_.start();
}

void ScreenGuard::stop()
{
    if (!running_)
        return;
    running_ = false;
    grabRetry_.stop();
    raiseSoon_.stop();
    focusSoon_.stop();
    if (main_ && main_->windowHandle()) {
        main_->windowHandle()->setKeyboardGrabEnabled(false);
        main_->windowHandle()->setMouseGrabEnabled(false);
    }
    keyboardHeld_ = pointerHeld_ = false;
    closeWatch();
    if (blocked_) {
        blocked_ = false;
        emit inputBlocked(false);
    }
}

void ScreenGuard::tryGrabs()
{
    QWindow* window = main_ ? main_->windowHandle() : nullptr;
    if (!running_ || !window)
        return;
    if (!keyboardHeld_)
        keyboardHeld_ = window->setKeyboardGrabEnabled(true);
    if (!pointerHeld_) {
        // The toolkit's pointer grab says yes even when another client holds the pointer, so
        // it counts only when the pointer was free before and is no longer free after.
        if (!watch_)
            pointerHeld_ = window->setMouseGrabEnabled(true);
        else if (pointerGrabbable())
            pointerHeld_ = window->setMouseGrabEnabled(true) && !pointerGrabbable();
    }
    // Only X11 tells who holds the input; elsewhere one request is all there is.
    if (!idMask_)
        return;
    const bool held = keyboardHeld_ && pointerHeld_;
    if (held) {
        grabRetry_.stop();
        failedGrabs_ = 0;
    } else {
        ++failedGrabs_;
        if (!grabRetry_.isActive())
            grabRetry_.start();
    }
    const bool blocked = !held && failedGrabs_ >= FailuresBeforeNotice;
    if (blocked != blocked_) {
        blocked_ = blocked;
        emit inputBlocked(blocked);
    }
}

bool ScreenGuard::pointerGrabbable() const
{
    const Reply<xcb_grab_pointer_reply_t> reply(xcb_grab_pointer_reply(
        watch_,
        xcb_grab_pointer(watch_, 0, root_, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE,
                         XCB_NONE, XCB_CURRENT_TIME),
        nullptr));
    if (!reply || reply->status != XCB_GRAB_STATUS_SUCCESS)
        return false;
    xcb_ungrab_pointer(watch_, XCB_CURRENT_TIME);
    // A round trip: the server has let go before the toolkit's connection asks for the grab.
    const Reply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(watch_, xcb_get_input_focus(watch_), nullptr));
    return true;
}

void ScreenGuard::readEvents()
{
    if (!watch_)
        return;
    while (xcb_generic_event_t* event = xcb_poll_for_event(watch_)) {
        handleEvent(event);
        std::free(event);
    }
    // A broken connection stays readable and never yields an event again.
    if (xcb_connection_has_error(watch_))
        closeWatch();
}

void ScreenGuard::closeWatch()
{
    // Later: this may run inside the notifier's own signal.
    if (watchNotifier_) {
        watchNotifier_->setEnabled(false);
        watchNotifier_->deleteLater();
        watchNotifier_ = nullptr;
    }
    if (watch_) {
        xcb_disconnect(watch_);
        watch_ = nullptr;
    }
}

void ScreenGuard::handleEvent(const void* message)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (e->window == mainWindow())
            focusSoon_.start();
        else if (!ours(e->window))
            raiseSoon_.start(); // a newer window maps above everything
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (!ours(e->window) && e->above_sibling != XCB_NONE && ours(e->above_sibling))
            raiseSoon_.start();
        break;
    }
    case XCB_CIRCULATE_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_circulate_notify_event_t*>(event);
        if (!ours(e->window) && e->place == XCB_PLACE_ON_TOP)
            raiseSoon_.start();
        break;
    }
    case XCB_FOCUS_OUT: {
        const auto* e = reinterpret_cast<const xcb_focus_out_event_t*>(event);
        // Our own grabs move the focus about too; those are no other client's doing.
        if (e->mode != XCB_NOTIFY_MODE_GRAB && e->mode != XCB_NOTIFY_MODE_UNGRAB &&
            e->detail != XCB_NOTIFY_DETAIL_POINTER && e->detail != XCB_NOTIFY_DETAIL_INFERIOR)
            focusSoon_.start();
        break;
    }
    default:
        break;
    }
}

void ScreenGuard::raiseAbove()
{
    if (!running_ || !watch_)
        return;
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(watch_, mainWindow(), XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_flush(watch_);
}

void ScreenGuard::takeFocus()
{
    if (!running_ || !watch_)
        return;
    const xcb_window_t window = mainWindow();
    const Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(watch_, xcb_get_input_focus(watch_), nullptr));
    if (focus && focus->focus != window) {
        const Reply<xcb_get_window_attributes_reply_t> attrs(xcb_get_window_attributes_reply(
            watch_, xcb_get_window_attributes(watch_, window), nullptr));
        // Only a viewable window can take the focus; its map brings us back here. The
        // current time comes after whatever time the other client gave.
        if (attrs && attrs->map_state == XCB_MAP_STATE_VIEWABLE)
            xcb_set_input_focus(watch_, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        xcb_flush(watch_);
    }
    // Waiting for the replies may have queued events the notifier will not announce.
    readEvents();
}

bool ScreenGuard::ours(std::uint32_t window) const
{
    return (window & ~idMask_) == idBase_;
}

std::uint32_t ScreenGuard::mainWindow() const
{
    return main_ ? std::uint32_t(main_->winId()) : XCB_NONE;
}

} // namespace sentari::platform
