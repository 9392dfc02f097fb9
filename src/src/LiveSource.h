#ifndef LIVESOURCE_H
#define LIVESOURCE_H

#include "LiveSourceBase.h"
#include "RecordingFileKeeper.h"
#include "RecordingWatch.h"
#include "media/CameraBackend.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QTimer>

#include <functional>
#include <memory>

class ICaptureCB;

// The live document camera. It polls for a camera, opens it once it has been present for more
// than two seconds, previews it into the live canvas, records what the canvas shows to AVI or MP4
// files (the format the settings name at each start) and drives the camera's brightness, focus and extension unit.
//
// Which camera: the one the user chose (by its identity), and only that one; or, automatically, a
// supported camera first and else an external USB camera, never a built-in or infrared one. A
// camera that offers only grey pictures is refused once opened and not opened again. The poll
// only looks at the back end's device list, which opens no device: the chosen camera's node is
// opened at the poll that takes it. A camera that goes away before its two seconds are up starts
// them again when it comes back.
//
// A recording joins the running preview and leaves it again without the camera being opened
// anew. Starting and ending one do not wait: recordingStarted() says its file is being written,
// recordingEnded() that it is complete (after an end that was asked for, or a failure, which
// recordingFailed() tells first).
//
// When the camera fails (unplugged, busy, no usable format) a running recording is finished so
// its file stays playable, the source goes back to waiting and the poll opens the camera again
// when it is back. cameraLost() and recordingFailed() tell the window, with a sentence for the user.
//
// A running recording is watched: it is finished and stopped when the free space of its disk falls
// below the watch's minimum, and when its file or folder is removed, in which case the file is
// written back from the handle the source keeps on it.
class LiveSource : public LiveSourceBase
{
    Q_OBJECT

public:
    enum class DeviceCategory { VideoInput, AudioInput };

    struct CameraId
    {
        quint16 vendor;
        quint16 product;
    };
    static const CameraId cameraIdTable[6];

    static constexpr int PollIntervalMs = 500;
    static constexpr qint64 StabilityWaitMs = 2000;

    // Milliseconds on a monotonic clock; the stability wait is measured on it.
    using Clock = std::function<qint64()>;

    LiveSource(ICaptureCB *receiver, int width, int height, int recordingWidth,
               int recordingHeight, QObject *parent = nullptr);
    // Runs on the given back end, and on the given clock when one is passed.
    LiveSource(std::unique_ptr<CameraBackend> backend, ICaptureCB *receiver, int width, int height,
               int recordingWidth, int recordingHeight, QObject *parent = nullptr,
               Clock clock = Clock());
    ~LiveSource() override;

    bool isOpen() const override;
    // A recording is running (not yet asked to end).
    bool isRecording() const;
    // A recording was asked to end and its file is not complete yet.
    bool isFinishingRecording() const;
    QSize resolution() const;
    int setExtensionControl(int selector, const void *data, int size) override;
    int getExtensionControl(int selector, void *data, int size) override;

    void startRecording(const QString &fileName);
    void stopRecording();
    void setResolution(int width, int height);
    void triggerAutoFocus();
    void stopAutoRefresh();

    // The disk-space and file watch of the recordings; tests set its free-space query here.
    RecordingWatch &recordingWatch();

    // The camera to take: empty for the automatic rule, else a camera's identity (see
    // CaptureDevice::identity). A different camera that is open is released (a recording is
    // finished) and the source waits for the chosen one.
    void setCameraChoice(const QString &identity);
    QString cameraChoice() const;
    // The cameras the last poll saw, supported ones marked so and refused ones as infrared;
    // asking opens nothing.
    QList<CaptureDevice> camerasPresent() const;
    // True when a present camera will be taken, by the choice or by the automatic rule.
    bool hasCameraToTake() const;
    // The open camera; an empty device while waiting.
    CaptureDevice cameraInUse() const;

    // Finds the first device of the category the supported-camera rule selects: a supported
    // camera for video (opening it; one that does not open is "cancelled" and the next is
    // tried), anything but a supported camera's microphone for audio.
    bool enumCaptureFilter(DeviceCategory category, CaptureDevice *device);

    static bool isSupportedCamera(quint16 vendor, quint16 product);
    // Reads the four hex digits after "vid_" and "pid_"; a missing marker gives 0.
    static void readUsbIds(const QString &displayName, quint16 *vendor, quint16 *product);

signals:
    void imageCaptured(QImage image);
    // The camera stopped delivering pictures; the source waits for it again.
    void cameraLost(const QString &message);
    // A recording ended by itself or could not start; the file written so far is complete.
    void recordingFailed(const QString &message);
    // The recording's file is open and being written.
    void recordingStarted();
    // The recording has ended and its file is complete (or it never started).
    void recordingEnded();
    // camerasPresent() changed.
    void camerasChanged();
    // A camera was opened or closed, or another camera was chosen.
    void cameraStateChanged();

public slots:
    void checkExistance();

protected:
    std::optional<int> brightness() override;
    void setBrightness(int value) override;
    QPair<int, int> brightnessRange() override;

private slots:
    void backendFailed(CameraBackend::Failure failure, const QString &message);
    void backendRecordingStarted();
    void backendRecordingFinished();
    void stopForLowDiskSpace();
    void stopForRemovedFile();

private:
    void buildGraph(bool record);
    void releaseGraph();
    void finishRecording(std::function<void()> then);
    void restartPreview();
    void loseCamera(const QString &reason);
    void closeCamera();
    void forgetSighting();
    void readPresentCameras();
    QList<int> camerasToTry() const;
    int indexOfChoice() const;
    bool openFirst(const QList<int> &order, CaptureDevice *opened);
    CameraBackend::OpenResult openCandidate(const CaptureDevice &candidate, int index);
    void refuse(int index);
    static QString keyOf(const CaptureDevice &device);
    void reportRecordingFailed(const QString &message);
    qint64 minimumFreeMegabytes() const;

    QTimer pollTimer;
    bool open = false;
    ICaptureCB *receiver = nullptr;
    qint64 firstSeenAt = -1;
    QString timedCamera;
    QString choice;
    QList<CaptureDevice> present;
    QSet<QString> refusedCameras;
    bool audioPresent = false;
    QString recordFile;
    int width = 0;
    int height = 0;
    int recordingWidth = 0;
    int recordingHeight = 0;
    bool recording = false;
    bool finishing = false;
    // What is left to do once the finishing recording's file is complete.
    std::function<void()> afterFinish;
    std::unique_ptr<CameraBackend> backend;
    CaptureDevice videoCapture;
    CaptureDevice audioCapture;
    QElapsedTimer clockStart;
    Clock clock;
    RecordingWatch watch;
    RecordingFileKeeper keeper;
    RecordingFileKeeper::Outcome lastKeep = RecordingFileKeeper::Outcome::Kept;
};

#endif
