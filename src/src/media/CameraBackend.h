#ifndef CAMERABACKEND_H
#define CAMERABACKEND_H

#include "CaptureDevice.h"
#include "RecordingFormat.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>

#include <optional>

class ICaptureCB;

// What the live camera needs from the platform: the input devices, one opened camera with its
// controls, and one running pipeline at a time (preview or recording). All calls come from the
// user-interface thread; frames reach the receiver on the pipeline's streaming thread.
class CameraBackend : public QObject
{
    Q_OBJECT

public:
    // NoExtensionUnit: the camera's controls cannot be reached (its node does not open).
    // GreyOnly: the camera delivers only grey pictures (an infrared or depth sensor); it is open,
    // and the caller releases it unless it wants it anyway.
    enum class OpenResult { Opened, NoExtensionUnit, GreyOnly };
    // RecordingNotStarted: a recording that was being started could not open its file.
    enum class Failure { CameraLost, RecordingFailed, RecordingNotStarted };
    Q_ENUM(Failure)
    enum class FocusMode { Auto = 1, Manual = 2 };

    explicit CameraBackend(QObject *parent = nullptr);
    ~CameraBackend() override;

    // The video inputs present now. Listing them opens no device.
    virtual QList<CaptureDevice> videoInputDevices() = 0;
    virtual QList<CaptureDevice> audioInputDevices() = 0;

    // Opens the camera's controls; the camera stays open until releaseCamera(). A camera without
    // brightness or focus controls opens too: those controls then do nothing.
    virtual OpenResult openCamera(const CaptureDevice &device) = 0;
    virtual void releaseCamera() = 0;

    // Runs the preview in place of the running pipeline; false when it could not run, with the
    // reason in lastError() and nothing left running.
    virtual bool startPreview(ICaptureCB *receiver, const QSize &size) = 0;
    // Starts recording what the preview shows, in the given format; false, with the reason in
    // lastError(), when it cannot even be tried. A true answer is followed by recordingStarted() once the file is
    // being written, or by failed(RecordingNotStarted).
    virtual bool startRecording(ICaptureCB *receiver, const QSize &size, const QString &fileName,
                                const CaptureDevice *audioInput, RecordingFormat format) = 0;
    // Ends the recording and goes on previewing; recordingFinished() follows once the file is
    // complete. Without a pipeline of its own to finish, a back end has finished at once.
    virtual void stopRecording();
    // Ends the running pipeline; a recording is finished first, so its file is complete when this
    // returns (a bounded wait: meant for closing, after stopRecording() where there is time).
    virtual void stop() = 0;
    virtual QString lastError() const = 0;

    // Empty when there is no camera or it did not answer.
    virtual std::optional<int> brightness() = 0;
    virtual void setBrightness(int value) = 0;
    virtual QPair<int, int> brightnessRange() = 0;
    virtual std::optional<int> focus() = 0;
    virtual void setFocus(int value, FocusMode mode) = 0;
    virtual int setExtensionControl(int selector, const void *data, int size) = 0;
    virtual int getExtensionControl(int selector, void *data, int size) = 0;

signals:
    // The running pipeline broke. The pipeline is still there: stop() finishes a recording.
    void failed(CameraBackend::Failure failure, const QString &message);
    void recordingStarted();
    void recordingFinished();
};

#endif
