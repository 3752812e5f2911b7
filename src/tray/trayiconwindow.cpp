#include "tray/trayiconwindow.h"

#include <QIcon>
#include <QIconEngine>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace sentari::tray {

namespace {
QSvgRenderer& iconRenderer()
{
    static QSvgRenderer renderer(QStringLiteral(":/sentari/sentari.svg"));
    return renderer;
}

// Renders the SVG for every size and pixel ratio a host asks for.
class SvgIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        iconRenderer().render(painter, rect);
    }
    QIconEngine* clone() const override { return new SvgIconEngine; }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, pm.rect(), mode, state);
        return pm;
    }
};
} // namespace

QIcon trayIcon()
{
    return QIcon(new SvgIconEngine);
}

TrayIconWindow::TrayIconWindow(std::function<void(int)> callback)
    // Kept from the window manager: a window it framed in a race with the tray would be
    // pulled out of the frame by the tray and left unmapped.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint),
      callback_(std::move(callback))
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
    const QRect r((width() - side) / 2, (height() - side) / 2, side, side);
    iconRenderer().render(&p, r);
}

void TrayIconWindow::enterEvent(QEnterEvent*)
{
    callback_(MouseMove);
}

void TrayIconWindow::mouseMoveEvent(QMouseEvent*)
{
    callback_(MouseMove);
}

void TrayIconWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        callback_(LeftButtonDown);
    else if (event->button() == Qt::RightButton)
        callback_(RightButtonDown);
    else if (event->button() == Qt::MiddleButton)
        callback_(MiddleButtonDown);
}

void TrayIconWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        callback_(LeftButtonUp);
    else if (event->button() == Qt::RightButton)
        callback_(RightButtonUp);
}

void TrayIconWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        callback_(LeftButtonDoubleClick);
    else if (event->button() == Qt::RightButton)
        callback_(RightButtonDoubleClick);
}

} // namespace sentari::tray
