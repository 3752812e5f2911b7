#include "hostedsaver.h"

#include <QCoreApplication>

namespace sentari::saver {

HostedSaver::HostedSaver(std::unique_ptr<platform::ForeignWindow> window,
                         const SaverSettings& settings, const platform::TwipsScale& twips,
                         QuoteSource fetchQuote)
    : window_(std::move(window))
{
    engine_ =
        std::make_unique<SaverEngine>(settings, window_->size(), twips, std::move(fetchQuote));
    connect(engine_.get(), &SaverEngine::noDataFile, this, [] { QCoreApplication::exit(0); });
    connect(engine_.get(), &SaverEngine::frameReady, this,
            [this](const QRect& dirty) { window_->put(engine_->image(), dirty); });
    connect(window_.get(), &platform::ForeignWindow::resized, engine_.get(), &SaverEngine::resize);
    connect(window_.get(), &platform::ForeignWindow::exposed, this,
            [this](const QRect& rect) { window_->put(engine_->image(), rect); });
    // The host destroyed the window: nothing left to draw into.
    connect(window_.get(), &platform::ForeignWindow::closed, this,
            [] { QCoreApplication::exit(0); });
}

void HostedSaver::start()
{
    window_->put(engine_->image(), engine_->image().rect());
    engine_->start();
}

} // namespace sentari::saver
