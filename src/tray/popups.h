#pragma once

// The two windows that show the current quote: frmPopup beside the tray icon and the
// QuickShow window frmQuoteOnce.

#include <QLabel>
#include <QPointF>
#include <QSize>
#include <QWidget>
#include <functional>

namespace sentari::tray {

// Arial where installed, else its metric twin.
QString quoteFontFamily();

class FrmPopup : public QWidget {
    Q_OBJECT
public:
    // Lays the quote out for the screen's twips per pixel; position it with showAt().
    FrmPopup(const QString& quote, QPointF twipsPerPixel);

    // The window's size in twips, for PopupPosition.
    QSize sizeTwips() const { return sizeTwips_; }
    // Shows the pop-up topmost at a point in pixels without taking the focus.
    void showAt(QPoint topLeft);

    QLabel* quotePopup() const { return quotePopup_; }
    QLabel* quoteBorder() const { return quoteBorder_; }

private:
    QLabel* quoteBorder_;
    QLabel* quotePopup_;
    QSize sizeTwips_;
};

class FrmQuoteOnce : public QWidget {
    Q_OBJECT
public:
    // screen: the geometry of the screen to show on, in pixels.
    FrmQuoteOnce(const QString& quote, QRect screen);

    QLabel* quote() const { return quote_; }
    // Called on the first mouse move over the quote.
    std::function<void()> mouseMoved;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* quote_;
    bool done_ = false;
};

} // namespace sentari::tray
