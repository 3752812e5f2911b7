#include "tray/trayiconwindow.h"

#include "tray/trayicon.h"

#include <QMouseEvent>
#include <QPainter>

namespace sentari::tray {

TrayIconWindow::TrayIconWindow()
    // Kept from the window manager: a window it framed in a race with the tray would be
    // pulled out of the frame by the tray and left unmapped.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
{
    setObjectName(QStringLiteral("SentariTrayIcon"));
    setWindowTitle(QStringLiteral("Sentari"));
    setMouseTracking(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Some trays (trayer) size the slot from the minimum size hint alone.
    setMinimumSize(22, 22);
    resize(22, 22);
}

void TrayIconWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setRenderHint(QPainter::Antialiasing);
    // Square and centred: trays may hand out a wider or taller slot than asked for.
    const int side = qMin(width(), height());
    paintSentariIcon(p, QRect((width() - side) / 2, (height() - side) / 2, side, side));
}

void TrayIconWindow::enterEvent(QEnterEvent*)
{
    emit hovered();
}

void TrayIconWindow::mouseMoveEvent(QMouseEvent*)
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

void TrayIconWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click is no new press: a double click does nothing.
}

} // namespace sentari::tray
