#pragma once

// The current quote in a small window beside the tray icon, open while the pointer stays
// near the point where it opened.

#include "tray/popup/pointerwatch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <optional>

namespace sentari::platform {
class Desktop;
}

namespace sentari::tray {

class QuotePopupWindow;

class QuotePopup : public QObject {
    Q_OBJECT
public:
    explicit QuotePopup(platform::Desktop& desktop, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(QuotePopup)
    ~QuotePopup() override;

    // Opens a fresh pop-up with the quote in the corner of the work area nearest the pointer.
    void open(const QString& quote);
    void close();
    bool isOpen() const { return watch_.isActive(); }

    // The pointer's position when the pop-up opened: moved more than 15 pixels from it in x
    // or y, the pointer closes the pop-up.
    QPoint anchor() const { return watch_.anchor(); }
    void setAnchor(QPoint anchor) { watch_.setAnchor(anchor); }

    QuotePopupWindow* window() const { return window_; }

    // Whether a pointer at `cursor` is still where the motion that closed the last pop-up left
    // it, a moment ago: the icon reports that motion too, and it is no new hover.
    bool closedByMotionTo(QPoint cursor) const;

signals:
    // The window is laid out and placed, and is shown right after this.
    void aboutToShow(QuotePopupWindow* window);

private:
    platform::Desktop& desktop_;
    PointerWatch watch_;
    QPointer<QuotePopupWindow> window_;
    std::optional<QPoint> closedAt_;
    QElapsedTimer sinceClosed_;
};

} // namespace sentari::tray
