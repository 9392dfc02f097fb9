#ifndef CAMERACONTROLS_H
#define CAMERACONTROLS_H

#include <QPair>

#include <optional>

// The picture controls of an opened camera: brightness, focus and the vendor's extension unit.
// Values are in the camera's own units; extension calls return 0 or a negative errno.
class CameraControls
{
public:
    virtual ~CameraControls();

    virtual bool hasBrightness() = 0;
    // Empty when the camera did not answer (busy, an I/O error): no value to build on.
    virtual std::optional<int> brightness() = 0;
    virtual void setBrightness(int value) = 0;
    virtual QPair<int, int> brightnessRange() = 0;
    virtual std::optional<int> focus() = 0;
    // Manual focus sets the value; automatic hands focusing back to the camera.
    virtual void setFocus(int value, bool automatic) = 0;
    virtual int setExtensionControl(int selector, const void *data, int size) = 0;
    virtual int getExtensionControl(int selector, void *data, int size) = 0;
    // True for a sensor that delivers only grey pictures (infrared, depth): no document camera.
    virtual bool offersOnlyGrey();
};

#endif
