#include "tray/scaling.h"

#include <QByteArrayList>
#include <QtGlobal>

namespace sentari::tray {

namespace {
// Unnamed per-screen factors go to the screens in order; more than any desktop has.
constexpr int ScreensCovered = 8;
constexpr char ScaleFactorVariable[] = "QT_SCALE_FACTOR";
constexpr char ScreenScaleFactorsVariable[] = "QT_SCREEN_SCALE_FACTORS";
} // namespace

ScaleSettings oneScaleFactor(const ScaleSettings& given)
{
    if (!given.screenScaleFactors.isEmpty())
        return {{}, given.screenScaleFactors};
    bool number = false;
    const double factor = given.scaleFactor.toDouble(&number);
    if (!number || factor <= 0)
        return given; // Qt ignores it too
    if (factor == 1)
        return given; // nothing to multiply; the screen's own factor (Xft.dpi) stays
    QByteArrayList each;
    for (int i = 0; i < ScreensCovered; ++i)
        each << given.scaleFactor.trimmed();
    return {{}, each.join(';')};
}

void useOneScaleFactor()
{
    const ScaleSettings given{qgetenv(ScaleFactorVariable), qgetenv(ScreenScaleFactorsVariable)};
    const ScaleSettings once = oneScaleFactor(given);
    if (once == given)
        return;
    if (once.scaleFactor.isEmpty())
        qunsetenv(ScaleFactorVariable);
    qputenv(ScreenScaleFactorsVariable, once.screenScaleFactors);
}

} // namespace sentari::tray
