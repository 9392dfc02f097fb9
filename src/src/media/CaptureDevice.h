#ifndef CAPTUREDEVICE_H
#define CAPTUREDEVICE_H

#include <QString>

#include <functional>

typedef struct _GstElement GstElement;

// One video or audio input as the enumeration found it.
struct CaptureDevice
{
    // What a camera is for the choice of the one to open. Supported cameras are those of the
    // supported-id table; the enumeration tells the others apart, and a device it knows nothing
    // about (no USB video interface) is Other. Only supported and external cameras are taken
    // without the user choosing them.
    enum class Kind { Other, Supported, External, BuiltIn, Infrared };

    // Readable name; carries "vid_xxxx" and "pid_xxxx" (lower-case hex) when the USB ids are known,
    // which is what the supported-camera rule reads.
    QString displayName;
    // The camera's own name for people: the USB product string, else the V4L2 card name.
    QString name;
    // Stays the same across replugs: "usb:vvvv:pppp:serial:S" when the device has a serial,
    // "usb:vvvv:pppp:port:P" (P the USB port path, e.g. "1-2.3") when it has none.
    QString identity;
    Kind kind = Kind::Other;
    // Device node of a camera (/dev/videoN), where its controls are reached; empty for audio.
    QString path;
    // Makes a new source element that captures from this device.
    std::function<GstElement *()> createSource;
};

#endif
