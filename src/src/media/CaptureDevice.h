#ifndef CAPTUREDEVICE_H
#define CAPTUREDEVICE_H

#include <QString>

#include <functional>

typedef struct _GstElement GstElement;

// One video or audio input as the enumeration found it.
struct CaptureDevice
{
    // Readable name; carries "vid_xxxx" and "pid_xxxx" (lower-case hex) when the USB ids are known,
    // which is what the supported-camera rule reads.
    QString displayName;
    // Device node of a camera (/dev/videoN), where its controls are reached; empty for audio.
    QString path;
    // Makes a new source element that captures from this device.
    std::function<GstElement *()> createSource;
};

#endif
