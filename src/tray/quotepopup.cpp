#include "tray/quotepopup.h"

#include "platform/desktop.h"
#include "tray/popupposition.h"
#include "tray/quotewindows.h"

namespace sentari::tray {

namespace {
constexpr int PointerTolerance = 15; // pixels the pointer may wander before the pop-up goes
} // namespace

QuotePopup::QuotePopup(platform::Desktop& desktop, QObject* parent)
    : QObject(parent), desktop_(desktop), watch_(desktop, PointerTolerance)
{
    connect(&watch_, &PointerWatch::movedAway, this, &QuotePopup::close);
}

QuotePopup::~QuotePopup()
{
    close();
}

void QuotePopup::open(const QString& quote)
{
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
