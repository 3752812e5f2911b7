#include "platform/pointermotion.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdlib>
#include <xcb/record.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace sentari::platform {

namespace {

// What a recorded reply carries (the protocol's categories).
constexpr std::uint8_t RecordedFromServer = 0;

// The X server's RECORD extension reports every pointer motion it processes, whatever
// window the pointer is over, whoever grabs it, and whatever moved it: a device, XTEST
// (remote desktops, xdotool) or a warp. Raw XInput 2 motion would miss the last two.
// Two connections of its own: one controls the recording, the other receives it, and its
// socket wakes the program only when the pointer really moves.
class RecordedPointerMotion : public PointerMotion {
public:
    RecordedPointerMotion(xcb_connection_t* control, xcb_connection_t* data,
                          xcb_record_context_t context)
        : control_(control), data_(data), context_(context),
          notifier_(xcb_get_file_descriptor(data), QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &RecordedPointerMotion::read);
    }
    RecordedPointerMotion(const RecordedPointerMotion&) = delete;
    RecordedPointerMotion& operator=(const RecordedPointerMotion&) = delete;
    ~RecordedPointerMotion() override
    {
        xcb_record_free_context(control_, context_);
        xcb_flush(control_);
        xcb_disconnect(data_);
        xcb_disconnect(control_);
    }

    void start() override
    {
        if (recording_)
            return;
        recording_ = true;
        enabled_ = xcb_record_enable_context(data_, context_).sequence;
        xcb_flush(data_);
    }
    void stop() override
    {
        if (!recording_)
            return;
        recording_ = false;
        xcb_record_disable_context(control_, context_);
        xcb_flush(control_);
    }

private:
    void read()
    {
        bool moved = false;
        void* reply = nullptr;
        xcb_generic_error_t* error = nullptr;
        while (xcb_poll_for_reply(data_, enabled_, &reply, &error) && (reply || error)) {
            auto* r = static_cast<xcb_record_enable_context_reply_t*>(reply);
            if (r && r->category == RecordedFromServer &&
                xcb_record_enable_context_data_length(r) > 0)
                moved = true;
            std::free(reply);
            std::free(error);
            reply = nullptr;
            error = nullptr;
        }
        // Anything else on the connection (there should be nothing) is dropped.
        while (xcb_generic_event_t* event = xcb_poll_for_event(data_))
            std::free(event);
        if (xcb_connection_has_error(data_))
            notifier_.setEnabled(false);
        if (moved && recording_)
            emit this->moved();
    }

    xcb_connection_t* control_;
    xcb_connection_t* data_;
    xcb_record_context_t context_;
    unsigned int enabled_ = 0;
    bool recording_ = false;
    QSocketNotifier notifier_;
};

xcb_connection_t* connectToDisplay()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return nullptr;
    }
    return c;
}

} // namespace

std::unique_ptr<PointerMotion> PointerMotion::create()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    xcb_connection_t* control = connectToDisplay();
    if (!control)
        return nullptr;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(control, &xcb_record_id);
    const xcb_record_context_t context = xcb_generate_id(control);
    xcb_record_range_t range{};
    range.device_events.first = XCB_MOTION_NOTIFY;
    range.device_events.last = XCB_MOTION_NOTIFY;
    const xcb_record_client_spec_t clients = XCB_RECORD_CS_ALL_CLIENTS;
    xcb_generic_error_t* error =
        ext && ext->present
            ? xcb_request_check(control, xcb_record_create_context_checked(control, context, 0, 1,
                                                                           1, &clients, &range))
            : nullptr;
    xcb_connection_t* data = ext && ext->present && !error ? connectToDisplay() : nullptr;
    std::free(error);
    if (!data) {
        xcb_disconnect(control);
        return nullptr;
    }
    return std::make_unique<RecordedPointerMotion>(control, data, context);
}

} // namespace sentari::platform
