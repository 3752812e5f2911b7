#pragma once

// The two windows that show the current quote: the small pop-up beside the tray icon and
// the large QuickShow window.

#include <QLabel>
#include <QPointF>
#include <QSize>
#include <QWidget>

namespace sentari::tray {

// Arial where installed, else its metric twin.
QString quoteFontFamily();

// Puts as much of the quote into the word-wrapping label as fits in maxHeight: at `width`
// when it fits there, else at the least width up to maxWidth at which it fits, else at
// maxWidth with the start of the quote ended by "…". A quote too long to fit anywhere is cut
// before it is laid out, so even megabytes of text cost little. Returns the label's size.
QSize fitQuote(QLabel* label, const QString& quote, int width, int maxWidth, int maxHeight);
// The window title of a quote window: the whole quote for screen readers, within reason.
QString quoteTitle(const QString& quote);

class QuotePopupWindow : public QWidget {
    Q_OBJECT
public:
    // Lays the quote out for the screen's twips per pixel, to fit the work area (in logical
    // pixels; empty: no limit); position it with showAt().
    QuotePopupWindow(const QString& quote, QPointF twipsPerPixel, QRect workArea = {});
    // Shows the pop-up topmost at a point in pixels without taking the focus.
    void showAt(QPoint topLeft);

    QLabel* quoteLabel() const { return quote_; }
    QLabel* frame() const { return frame_; }

private:
    QLabel* frame_;
    QLabel* quote_;
};

class QuickShowWindow : public QWidget {
    Q_OBJECT
public:
    // screen and workArea: those of the screen to show on, in logical pixels. The window
    // stays inside the work area.
    QuickShowWindow(const QString& quote, QRect screen, QRect workArea);

    QLabel* quoteLabel() const { return quote_; }

signals:
    // The mouse moved over the quote for the first time; the window has hidden itself.
    void mouseMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* quote_;
    bool done_ = false;
};

} // namespace sentari::tray
