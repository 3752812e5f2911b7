#include "tray/icon/trayiconwindow.h"

#include "tray/icon/trayicon.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace sentari::tray {

TrayIconWindow::TrayIconWindow(Background background)
    // Kept from the window manager: a window it framed in a race with the tray would be
    // pulled out of the frame by the tray and left unmapped.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint),
      background_(background)
{
    setAttribute(Qt::WA_TranslucentBackground, background == Background::Transparent);
    setObjectName(QStringLiteral("SentariTrayIcon"));
    setWindowTitle(QStringLiteral("Sentari"));
    setMouseTracking(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Some trays (trayer) size the slot from the minimum size hint alone.
    setMinimumSize(22, 22);
    resize(22, 22);
}

void TrayIconWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    switch (background_) {
    case Background::Palette:
        p.fillRect(rect(), palette().window());
        break;
    case Background::Transparent:
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case Background::Parent:
        // What the tray shows behind the window, read back from the screen: the backing store
        // has no alpha to let it through.
        emit backgroundNeeded();
        if (QScreen* s = screen())
            p.drawPixmap(rect(), s->grabWindow(winId()));
        break;
    }
    p.setRenderHint(QPainter::Antialiasing);
    // Square and centred: trays may hand out a wider or taller slot than asked for.
    const int side = qMin(width(), height());
    paintSentariIcon(p, QRect((width() - side) / 2, (height() - side) / 2, side, side));
}

void TrayIconWindow::showEvent(QShowEvent* /*event*/)
{
    // A tray may paint its own background only after it has taken the icon: read it again
    // once it surely has.
    if (background_ == Background::Parent)
        for (const int ms : {300, 1500})
            QTimer::singleShot(ms, this, qOverload<>(&QWidget::update));
}

void TrayIconWindow::enterEvent(QEnterEvent* /*event*/)
{
    emit hovered();
}

void TrayIconWindow::mouseMoveEvent(QMouseEvent* /*event*/)
{
    emit hovered();
}

void TrayIconWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
    else if (event->button() == Qt::RightButton)
        emit rightPressed();
    else if (event->button() == Qt::MiddleButton)
        emit hovered();
}

void TrayIconWindow::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    // The second press of a double click is no new press: a double click does nothing.
}

} // namespace sentari::tray
