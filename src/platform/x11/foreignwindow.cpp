#include "platform/foreignwindow.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace sentari::platform {

namespace {

class XcbForeignWindow : public ForeignWindow, public QAbstractNativeEventFilter {
public:
    XcbForeignWindow(xcb_connection_t* c, xcb_window_t w, QSize size, std::uint8_t depth)
        : c_(c), window_(w), size_(size), depth_(depth), gc_(xcb_generate_id(c))
    {
        xcb_create_gc(c_, gc_, window_, 0, nullptr);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    XcbForeignWindow(const XcbForeignWindow&) = delete;
    XcbForeignWindow& operator=(const XcbForeignWindow&) = delete;
    ~XcbForeignWindow() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        xcb_free_gc(c_, gc_);
        xcb_flush(c_);
    }

    QSize size() const override { return size_; }

    void put(const QImage& image, const QRect& rect) override
    {
        const QRect r = rect.intersected(image.rect()).intersected(QRect(QPoint(0, 0), size_));
        if (r.isEmpty())
            return;
        // Strips small enough for any server's request size limit.
        const int rowBytes = r.width() * 4;
        const int rowsPerStrip = std::max(1, (200 * 1024) / rowBytes);
        for (int top = r.top(); top <= r.bottom(); top += rowsPerStrip) {
            const int rows = std::min(rowsPerStrip, r.bottom() + 1 - top);
            buffer_.resize(std::size_t(rowBytes) * std::size_t(rows));
            for (int row = 0; row < rows; ++row)
                std::memcpy(buffer_.data() + std::size_t(row) * std::size_t(rowBytes),
                            image.constScanLine(top + row) + std::ptrdiff_t(r.left()) * 4,
                            std::size_t(rowBytes));
            xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, std::uint16_t(r.width()),
                          std::uint16_t(rows), std::int16_t(r.left()), std::int16_t(top), 0, depth_,
                          std::uint32_t(buffer_.size()), buffer_.data());
        }
        xcb_flush(c_);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_CONFIGURE_NOTIFY: {
            const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
            if (e->window != window_ || QSize(e->width, e->height) == size_)
                return false;
            size_ = QSize(e->width, e->height);
            emit resized(size_);
            return false;
        }
        case XCB_EXPOSE: {
            const auto* e = reinterpret_cast<const xcb_expose_event_t*>(event);
            if (e->window == window_)
                emit exposed(QRect(e->x, e->y, e->width, e->height));
            return false;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* e = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
            if (e->window == window_)
                emit closed();
            return false;
        }
        default:
            return false;
        }
    }

private:
    xcb_connection_t* c_;
    xcb_window_t window_;
    QSize size_;
    std::uint8_t depth_;
    xcb_gcontext_t gc_;
    std::vector<std::uint8_t> buffer_;
};

// Asks for the window's resizes, exposures and destruction. The event mask is per client,
// and Qt shares this connection: add to what it selected (on the root).
void selectEvents(xcb_connection_t* c, xcb_window_t window)
{
    std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_EXPOSURE;
    const auto cookie = xcb_get_window_attributes(c, window);
    if (auto* attrs = xcb_get_window_attributes_reply(c, cookie, nullptr)) {
        mask |= attrs->your_event_mask;
        std::free(attrs);
    }
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

} // namespace

std::unique_ptr<ForeignWindow> ForeignWindow::open(std::optional<std::uint64_t> id)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return nullptr;
    xcb_window_t window =
        id ? xcb_window_t(*id) : xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // Before the size is read, so that no resize slips in between.
    selectEvents(c, window);
    auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry)
        return nullptr;
    const QSize size(geometry->width, geometry->height);
    const std::uint8_t depth = geometry->depth;
    std::free(geometry);
    // Only the 24- and 32-bit visuals match the image's pixel layout.
    if (depth != 24 && depth != 32)
        return nullptr;
    return std::make_unique<XcbForeignWindow>(c, window, size, depth);
}

} // namespace sentari::platform
