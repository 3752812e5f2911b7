#include "saverpreview.h"

#include "platform/colour.h"
#include "platform/twips.h"
#include "saver/saverengine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace sentari::saver {

SaverPreview::SaverPreview(QuoteSource quotes, QWidget* parent)
    : QWidget(parent), quotes_(std::move(quotes))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SaverPreview::~SaverPreview() = default;

void SaverPreview::showSettings(const SaverSettings& settings)
{
    settings_ = settings;
    settings_.password.clear();
    if (isVisible())
        restart();
}

const QImage* SaverPreview::picture() const
{
    return engine_ ? &engine_->image() : nullptr;
}

void SaverPreview::restart()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->size() : QSize(1024, 768);
    const platform::TwipsScale twips(platform::twipsPerPixel(screen));
    engine_.reset(); // one at a time: the old one's timer stops with it
    engine_ = std::make_unique<SaverEngine>(settings_, area, twips, quotes_);
    connect(engine_.get(), &SaverEngine::frameReady, this, [this] { update(); });
    engine_->start();
    update();
}

void SaverPreview::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    if (!engine_) {
        p.fillRect(rect(), platform::toQColor(settings_.background));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), engine_->image());
}

void SaverPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    restart();
}

void SaverPreview::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    engine_.reset();
}

} // namespace sentari::saver
