#ifndef AUDIOINPUTDEVICES_H
#define AUDIOINPUTDEVICES_H

#include "CaptureDevice.h"

#include <QList>

typedef struct _GstStructure GstStructure;

// The sound inputs GStreamer's device monitor knows (PulseAudio, PipeWire or ALSA), without the
// monitors of outputs. Names carry "vid_"/"pid_" where the sound server knows the USB ids, so
// the camera's own microphone can be told apart.
class AudioInputDevices
{
public:
    static QList<CaptureDevice> list();

    static bool isMonitor(const GstStructure *properties);
    static QString displayName(const QString &name, const GstStructure *properties);
};

#endif
