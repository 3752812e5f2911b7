#pragma once

// A fresh quote for every message when signatures are files: with "NewQuoteAfterRead" on,
// a program that reads a signature file (a mail program taking it into a message) makes the
// quote change, so that the next message gets another one.

#include <QElapsedTimer>
#include <QObject>
#include <chrono>
#include <functional>

namespace sentari {
class SettingsStore;
}
namespace sentari::platform {
class ReadWatch;
}

namespace sentari::tray {

class QuoteKeeper;

class QuotePerRead : public QObject {
    Q_OBJECT
public:
    // watch may be null (a system that cannot tell reads): then the setting does nothing.
    // While paused() is true reads count nothing (Sentari itself may be reading the files).
    // Reads within `together` of a counted one count with it.
    QuotePerRead(SettingsStore& store, QuoteKeeper& keeper, platform::ReadWatch* watch,
                 std::function<bool()> paused,
                 std::chrono::milliseconds together = std::chrono::seconds(1),
                 QObject* parent = nullptr);

    // Reads the setting and the list of signature files again.
    void reload();

private:
    void fileRead();

    SettingsStore& store_;
    QuoteKeeper& keeper_;
    platform::ReadWatch* watch_;
    std::function<bool()> paused_;
    std::chrono::milliseconds together_;
    QElapsedTimer lastCounted_;
    bool enabled_ = false;
};

} // namespace sentari::tray
