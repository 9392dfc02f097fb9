#include "GstCameraBackend.h"

#include "AudioInputDevices.h"
#include "SysfsVideoDevices.h"
#include "V4l2Controls.h"

#include <cerrno>

GstCameraBackend::GstCameraBackend(Devices devices, QObject *parent)
    : CameraBackend(parent)
    , devices(std::move(devices))
    , pipeline(this)
{
    connect(&pipeline, SIGNAL(failed(CameraBackend::Failure, QString)), this,
            SIGNAL(failed(CameraBackend::Failure, QString)));
    connect(&pipeline, SIGNAL(recordingStarted()), this, SIGNAL(recordingStarted()));
    connect(&pipeline, SIGNAL(recordingFinished()), this, SIGNAL(recordingFinished()));
    if (this->devices.monitor)
        connect(this->devices.monitor.get(), &VideoDeviceMonitor::changed, this,
                [this] { videoInputsCurrent = false; });
}

GstCameraBackend::~GstCameraBackend()
{
    pipeline.stop();
}

std::unique_ptr<CameraBackend> GstCameraBackend::forSystem()
{
    Devices system = systemDevices(DeviceFiles());
    system.monitor = VideoDeviceMonitor::forUdev();
    return std::unique_ptr<CameraBackend>(new GstCameraBackend(std::move(system)));
}

GstCameraBackend::Devices GstCameraBackend::systemDevices(const DeviceFiles &files)
{
    Devices system;
    system.videoInputs = [files] { return SysfsVideoDevices(files).captureDevices(); };
    system.audioInputs = [] { return AudioInputDevices::list(); };
    system.openControls = [files](const CaptureDevice &device) {
        return V4l2Controls::open(device.path, files.openNode);
    };
    return system;
}

QList<CaptureDevice> GstCameraBackend::videoInputDevices()
{
    if (!devices.videoInputs)
        return QList<CaptureDevice>();
    if (!devices.monitor)
        return devices.videoInputs();
    if (!videoInputsCurrent) {
        videoInputs = devices.videoInputs();
        videoInputsCurrent = true;
    }
    return videoInputs;
}

QList<CaptureDevice> GstCameraBackend::audioInputDevices()
{
    return devices.audioInputs ? devices.audioInputs() : QList<CaptureDevice>();
}

CameraBackend::OpenResult GstCameraBackend::openCamera(const CaptureDevice &device)
{
    releaseCamera();
    std::unique_ptr<CameraControls> opened = devices.openControls ? devices.openControls(device) : nullptr;
    if (!opened)
        return OpenResult::NoExtensionUnit;
    const bool greyOnly = opened->offersOnlyGrey();
    controls = std::move(opened);
    camera = device;
    return greyOnly ? OpenResult::GreyOnly : OpenResult::Opened;
}

void GstCameraBackend::releaseCamera()
{
    controls.reset();
    camera = CaptureDevice();
}

bool GstCameraBackend::startPreview(ICaptureCB *receiver, const QSize &size)
{
    CapturePipeline::Settings settings;
    settings.createVideoSource = camera.createSource;
    settings.receiver = receiver;
    settings.size = size;
    error.clear();
    if (pipeline.start(settings))
        return true;
    error = pipeline.error();
    return false;
}

// The recording joins the running preview: the camera is not opened again for it.
bool GstCameraBackend::startRecording(ICaptureCB *, const QSize &, const QString &fileName,
                                      const CaptureDevice *audioInput, RecordingFormat format)
{
    error.clear();
    if (pipeline.startRecording(fileName,
                                audioInput ? audioInput->createSource : std::function<GstElement *()>(),
                                format))
        return true;
    error = pipeline.error();
    return false;
}

void GstCameraBackend::stopRecording()
{
    pipeline.stopRecording();
}

void GstCameraBackend::stop()
{
    pipeline.stop();
}

QString GstCameraBackend::lastError() const
{
    return error;
}

std::optional<int> GstCameraBackend::brightness()
{
    return controls ? controls->brightness() : std::nullopt;
}

void GstCameraBackend::setBrightness(int value)
{
    if (controls)
        controls->setBrightness(value);
}

QPair<int, int> GstCameraBackend::brightnessRange()
{
    return controls ? controls->brightnessRange() : QPair<int, int>(0, 0);
}

std::optional<int> GstCameraBackend::focus()
{
    return controls ? controls->focus() : std::nullopt;
}

void GstCameraBackend::setFocus(int value, FocusMode mode)
{
    if (controls)
        controls->setFocus(value, mode == FocusMode::Auto);
}

int GstCameraBackend::setExtensionControl(int selector, const void *data, int size)
{
    return controls ? controls->setExtensionControl(selector, data, size) : -ENODEV;
}

int GstCameraBackend::getExtensionControl(int selector, void *data, int size)
{
    return controls ? controls->getExtensionControl(selector, data, size) : -ENODEV;
}
