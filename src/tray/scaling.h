#pragma once

// Qt multiplies the scale it derives from Xft.dpi by QT_SCALE_FACTOR, and QT_SCALE_FACTOR by
// QT_SCREEN_SCALE_FACTORS: a desktop that asks for twice the size in two places gets four
// times. Sentari scales once: a per-screen factor wins, else a global factor stands in for
// the one derived from the screen's DPI instead of multiplying it.

#include <QByteArray>

namespace sentari::tray {

struct ScaleSettings {
    QByteArray scaleFactor;        // QT_SCALE_FACTOR, empty when not set
    QByteArray screenScaleFactors; // QT_SCREEN_SCALE_FACTORS, empty when not set
    bool operator==(const ScaleSettings&) const = default;
};

ScaleSettings oneScaleFactor(const ScaleSettings& given);

// Applies oneScaleFactor() to the environment; call before the application object exists.
void useOneScaleFactor();

} // namespace sentari::tray
