#include "LiveSourceBase.h"

LiveSourceBase::LiveSourceBase(QObject *parent)
    : QObject(parent)
{
}

void LiveSourceBase::brightnessDown()
{
    stepBrightness(-BrightnessStep);
}

void LiveSourceBase::brightnessUp()
{
    stepBrightness(BrightnessStep);
}

// A step is relative to what the camera has now; without an answer there is nothing to step from.
void LiveSourceBase::stepBrightness(int step)
{
    if (!isOpen())
        return;
    if (const std::optional<int> current = brightness())
        setBrightness(*current + step);
}

int LiveSourceBase::brightnessLevel()
{
    if (!isOpen())
        return 0;
    return brightness().value_or(0) / BrightnessStep;
}

int LiveSourceBase::brightnessMinLevel()
{
    if (!isOpen())
        return 0;
    return brightnessRange().first / BrightnessStep;
}

int LiveSourceBase::brightnessMaxLevel()
{
    if (!isOpen())
        return 0;
    return brightnessRange().second / BrightnessStep;
}

void LiveSourceBase::setMacro(bool on)
{
    // The supported cameras have no macro switch worth sending; the command is acknowledged only.
    Q_UNUSED(on);
}
