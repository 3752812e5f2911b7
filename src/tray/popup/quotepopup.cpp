#include "tray/popup/quotepopup.h"

#include "platform/desktop.h"
#include "tray/popup/popupposition.h"
#include "tray/popup/quotewindows.h"

namespace sentari::tray {

namespace {
constexpr int PointerTolerance = 15; // pixels the pointer may wander before the pop-up goes
// Long enough for the icon's report of the motion that closed the pop-up to arrive.
constexpr qint64 SameMotionMs = 500;
} // namespace

QuotePopup::QuotePopup(platform::Desktop& desktop, QObject* parent)
    : QObject(parent), desktop_(desktop), watch_(desktop, PointerTolerance)
{
    connect(&watch_, &PointerWatch::movedAway, this, [this](QPoint where) {
        close();
        closedAt_ = where;
        sinceClosed_.start();
    });
}

QuotePopup::~QuotePopup()
{
    close();
}

bool QuotePopup::closedByMotionTo(QPoint cursor) const
{
    return closedAt_ == cursor && sinceClosed_.elapsed() < SameMotionMs;
}

void QuotePopup::open(const QString& quote)
{
    closedAt_.reset();
    const QRect workArea = desktop_.workArea();
    auto* window = new QuotePopupWindow(quote, desktop_.twipsPerPixel(), workArea);
    window_ = window;
    const QPoint anchor = desktop_.cursorPos();
    const QPoint at = popupPosition(anchor, desktop_.screenGeometry(), workArea, window->size());
    emit aboutToShow(window);
    window->showAt(at);
    watch_.start(anchor);
}

void QuotePopup::close()
{
    watch_.stop();
    if (window_) {
        window_->hide();
        window_->deleteLater();
        window_ = nullptr;
    }
}

} // namespace sentari::tray
