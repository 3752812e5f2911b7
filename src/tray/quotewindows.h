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

class QuotePopupWindow : public QWidget {
    Q_OBJECT
public:
    // Lays the quote out for the screen's twips per pixel; position it with showAt().
    QuotePopupWindow(const QString& quote, QPointF twipsPerPixel);

    // The window's size in twips, for popupPosition().
    QSize sizeTwips() const { return sizeTwips_; }
    // Shows the pop-up topmost at a point in pixels without taking the focus.
    void showAt(QPoint topLeft);

    QLabel* quoteLabel() const { return quote_; }
    QLabel* frame() const { return frame_; }

private:
    QLabel* frame_;
    QLabel* quote_;
    QSize sizeTwips_;
};

class QuickShowWindow : public QWidget {
    Q_OBJECT
public:
    // screen: the geometry of the screen to show on, in pixels.
    QuickShowWindow(const QString& quote, QRect screen);

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
