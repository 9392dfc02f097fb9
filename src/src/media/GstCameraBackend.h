#ifndef GSTCAMERABACKEND_H
#define GSTCAMERABACKEND_H

#include "CameraBackend.h"
#include "CameraControls.h"
#include "CapturePipeline.h"
#include "DeviceFiles.h"
#include "VideoDeviceMonitor.h"

#include <functional>
#include <memory>

// The camera on GStreamer: devices and controls come from the functions it is given (the system's
// V4L2 nodes and audio inputs in the program, test sources in the suite); each device brings the
// source element its pipelines start from.
class GstCameraBackend : public CameraBackend
{
    Q_OBJECT

public:
    struct Devices
    {
        std::function<QList<CaptureDevice>()> videoInputs;
        std::function<QList<CaptureDevice>()> audioInputs;
        // Null when the camera's controls cannot be reached.
        std::function<std::unique_ptr<CameraControls>(const CaptureDevice &)> openControls;
        // Announces changes of the video inputs, so the list is read again only then; without one
        // it is read on every call.
        std::shared_ptr<VideoDeviceMonitor> monitor;
    };

    explicit GstCameraBackend(Devices devices, QObject *parent = nullptr);
    ~GstCameraBackend() override;

    // The back end on this machine's capture nodes and audio inputs, told of hot-plugs by udev.
    static std::unique_ptr<CameraBackend> forSystem();
    // The capture nodes described under the given roots, with their controls opened through the
    // given file layer; no monitor.
    static Devices systemDevices(const DeviceFiles &files);

    QList<CaptureDevice> videoInputDevices() override;
    QList<CaptureDevice> audioInputDevices() override;
    OpenResult openCamera(const CaptureDevice &device) override;
    void releaseCamera() override;
    bool startPreview(ICaptureCB *receiver, const QSize &size) override;
    bool startRecording(ICaptureCB *receiver, const QSize &size, const QString &fileName,
                        const CaptureDevice *audioInput, RecordingFormat format) override;
    void stopRecording() override;
    void stop() override;
    QString lastError() const override;

    std::optional<int> brightness() override;
    void setBrightness(int value) override;
    QPair<int, int> brightnessRange() override;
    std::optional<int> focus() override;
    void setFocus(int value, FocusMode mode) override;
    int setExtensionControl(int selector, const void *data, int size) override;
    int getExtensionControl(int selector, void *data, int size) override;

private:
    Devices devices;
    QList<CaptureDevice> videoInputs;
    bool videoInputsCurrent = false;
    CaptureDevice camera;
    std::unique_ptr<CameraControls> controls;
    CapturePipeline pipeline;
    QString error;
};

#endif
