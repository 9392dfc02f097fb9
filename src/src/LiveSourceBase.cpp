#include "LiveSourceBase.h"

LiveSourceBase::LiveSourceBase(QObject *parent)
    : QObject(parent)
{
}

void LiveSourceBase::brightnessDown()
{
    if (!isOpen())
        return;
    setBrightness(brightness() - BrightnessStep);
}

void LiveSourceBase::brightnessUp()
{
    if (!isOpen())
        return;
    setBrightness(brightness() + BrightnessStep);
}

int LiveSourceBase::brightnessLevel()
{
    if (!isOpen())
        return 0;
    return brightness() / BrightnessStep;
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
