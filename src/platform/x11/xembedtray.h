#pragma once

// Docking a window of our own into the X11 system tray by the XEmbed protocol. Unlike a
// shell-drawn tray icon, the docked window receives real enter, motion and button events.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QWindow>
#include <cstdint>

namespace sentari::platform {

class XEmbedTray : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // True when the application runs on X11 (only then may an XEmbedTray be made).
    static bool available();

    explicit XEmbedTray(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(XEmbedTray)
    ~XEmbedTray() override;

    // Whether a tray manager owns the system tray selection of the default screen.
    bool managerExists() const;
    // Asks the tray manager to embed the window; false when there is none. Trays size the
    // slot from the window's minimum size, so that is set first.
    bool dock(WId window, QSize minimumSize);
    // Whether the window sits inside a tray (its parent is not the root window).
    bool embedded(WId window) const;
    // Whether the tray offers a visual with an alpha channel (_NET_SYSTEM_TRAY_VISUAL) for its
    // icons: then an icon's transparent pixels show the panel.
    bool offersAlphaVisual() const;
    // Without such a visual: the window takes its background from the tray's window, and
    // clearBackground() paints that background into it so that it can be read back.
    void useParentBackground(WId window);
    void clearBackground(WId window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // A tray manager started (or restarted) and takes icons now.
    void managerAppeared();
    // The tray took the window into its slot.
    void docked(WId window);
    // A docked window was given back to the root window (its tray went away).
    void undocked(WId window);

private:
    // Trays embedded through a toolkit socket (trayer) size the slot from this hint alone.
    void setMinimumSize(WId window, QSize minimumSize);

    void* connection_ = nullptr; // xcb_connection_t
    std::uint32_t root_ = 0;
    std::uint32_t selectionAtom_ = 0;
    std::uint32_t managerAtom_ = 0;
    std::uint32_t opcodeAtom_ = 0;
    std::uint32_t xembedInfoAtom_ = 0;
    std::uint32_t visualAtom_ = 0;
    QList<std::uint32_t> docked_;
};

} // namespace sentari::platform
