#pragma once

#include "platform/foreignwindow.h"
#include "saverengine.h"

#include <QObject>
#include <memory>

namespace sentari::saver {

// Quotes drawn into a window a screen-saver host handed over. The host does the locking
// and watches the input, so there is nothing to grab and no password.
class HostedSaver : public QObject {
    Q_OBJECT
public:
    HostedSaver(std::unique_ptr<platform::ForeignWindow> window, const SaverSettings& settings,
                QPointF twipsPerPixel, CycleHooks hooks);
    void start();
    SaverEngine& engine() { return *engine_; }

private:
    std::unique_ptr<platform::ForeignWindow> window_;
    std::unique_ptr<SaverEngine> engine_;
};

} // namespace sentari::saver
