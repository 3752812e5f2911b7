#pragma once

#include "platform/foreignwindow.h"
#include "saver/saverengine.h"

#include <QObject>
#include <memory>

namespace sentari::saver {

// Quotes drawn into a window a screen-saver host handed over. The host does the locking
// and watches the input, so there is nothing to grab and no password.
class HostedSaver : public QObject {
    Q_OBJECT
public:
    // Ends the program when the host takes the window away or there is no data file.
    HostedSaver(std::unique_ptr<platform::ForeignWindow> window, const SaverSettings& settings,
                const platform::TwipsScale& twips, QuoteSource fetchQuote);
    void start();
    SaverEngine& engine() { return *engine_; }

private:
    std::unique_ptr<platform::ForeignWindow> window_;
    std::unique_ptr<SaverEngine> engine_;
};

} // namespace sentari::saver
