#include "hostedsaver.h"

namespace sentari::saver {

HostedSaver::HostedSaver(std::unique_ptr<platform::ForeignWindow> window, const SaverSettings& settings,
                         QPointF twipsPerPixel, CycleHooks hooks)
    : window_(std::move(window))
{
    engine_ = std::make_unique<SaverEngine>(settings, window_->size(), twipsPerPixel, std::move(hooks));
    connect(engine_.get(), &SaverEngine::frameReady, this,
            [this](const QRect& dirty) { window_->put(engine_->image(), dirty); });
}

void HostedSaver::start()
{
    window_->put(engine_->image(), engine_->image().rect());
    engine_->start();
}

} // namespace sentari::saver
