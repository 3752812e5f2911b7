#include "tray/icon/trayicon.h"

#include "tray/icon/systemtrayicon.h"
#include "tray/icon/xembedtrayicon.h"

#include <QIcon>
#include <QIconEngine>
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
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override
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

QIcon sentariIcon()
{
    return QIcon(new SvgIconEngine);
}

void paintSentariIcon(QPainter& painter, const QRect& rect)
{
    iconRenderer().render(&painter, rect);
}

std::unique_ptr<TrayIconFactory> TrayIconFactory::forThisDesktop()
{
    // SENTARI_TRAY_ICON=statusnotifier: Qt's icon even where an X11 tray runs, for panels that
    // serve both kinds (Xfce's) when the user prefers their notifier items, and for measuring.
    if (qEnvironmentVariable("SENTARI_TRAY_ICON") == QLatin1String("statusnotifier"))
        return std::make_unique<SystemTrayIconFactory>();
    if (auto xembed = xembedTrayIconFactory())
        return xembed;
    return std::make_unique<SystemTrayIconFactory>();
}

} // namespace sentari::tray
