#ifndef CAPTUREPIPELINE_H
#define CAPTUREPIPELINE_H

#include "CameraBackend.h"
#include "CaptureFormat.h"
#include "RecordingFormat.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class ICaptureCB;
typedef struct _GstBus GstBus;
typedef struct _GstCaps GstCaps;
typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstObject GstObject;
typedef struct _GstPad GstPad;

// One camera pipeline built on source elements handed in by the caller, with a recording added to
// it and taken off again while the preview goes on:
//
//   camera -> capture format -> [jpegdec | [h264parse] -> H.264 decoder] -> videoconvert -> BGRx
//          -> grabber -> tee -> fakesink
//                           \-> recording: videorate 25/1 -> queue -> encoder -> muxer -> filesink
//                               sound -> audioconvert -> audioresample -> encoder -> queue -> muxer
//
// The recording's encoders and muxer are those of its RecordingFormat: MJPEG in AVI, or H.264 in
// fragmented MP4.
//
// The grabber sits before the tee: it writes the canvas's picture into the buffer in place, and
// the preview and the recording both pass that picture on.
//
// The camera is asked for one format of those it offers (CaptureFormat::choose): the configured
// size or the nearest it has, at 25 frames per second where it can. Nothing is scaled.
//
// A recording starts and ends on threads of its own: the file is opened and the sound input
// started there, and its end-of-stream is sent into the recording alone and awaited there (at most
// FinishTimeoutMs), so neither the window nor the camera waits for a disk. recordingStarted(),
// recordingFinished() and failed() arrive on the owner's thread. Bus messages are taken by a sync
// handler on the thread that posts them and handed over from there.
class CapturePipeline : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        std::function<GstElement *()> createVideoSource;
        ICaptureCB *receiver = nullptr;
        QSize size;
    };

    static constexpr int FramesPerSecond = 25;
    static constexpr int FinishTimeoutMs = 4000;

    explicit CapturePipeline(QObject *parent = nullptr);
    ~CapturePipeline() override;

    // Builds and runs the camera's preview in place of the running pipeline; false with error()
    // set when it could not run, and then nothing is left running.
    bool start(const Settings &settings);
    // Ends everything; a recording is finished first, waiting for its file (bounded).
    void stop();
    bool isRunning() const;
    // A recording is attached: starting, running or finishing.
    bool isRecording() const;
    QString error() const;

    // Adds a recording into the file to the running preview. False, with error() set, when there
    // is no preview or an element is missing; otherwise recordingStarted() follows once the file
    // is being written, or failed(RecordingNotStarted). A sound input that does not start is left
    // out and the picture recorded alone; createAudioSource may be empty.
    bool startRecording(const QString &fileName, const std::function<GstElement *()> &createAudioSource,
                        RecordingFormat format = RecordingFormat::Avi);
    // Ends the recording; the preview goes on. recordingFinished() follows once the file is
    // complete, or has been closed as it is when the end did not come in time.
    void stopRecording();

signals:
    void failed(CameraBackend::Failure failure, const QString &message);
    void recordingStarted();
    void recordingFinished();

private:
    struct Branch;

    bool build(const Settings &settings);
    GstElement *add(const char *factory);
    GstElement *addCapsFilter(GstCaps *caps);
    CaptureFormat chooseCaptureFormat(const QSize &size);
    bool addDecoder(const CaptureFormat &format, std::vector<GstElement *> &chain);
    bool fail(const QString &message);
    QString takeBusError();
    void release();

    static bool buildBranch(Branch &branch, GstElement *audioSource, QString *error);
    void runStart(const std::shared_ptr<Branch> &branch);
    bool attach(Branch &branch, QString *error);
    void startClockOf(Branch &branch);
    void detach(Branch &branch);
    void runFinish(const std::shared_ptr<Branch> &branch);
    void startWorker(std::function<void()> work);
    void reapWorkers(bool all);
    void forget(const std::shared_ptr<Branch> &branch);

    void handleMessage(GstMessage *message);
    void noteForwarded(GstMessage *message);
    void noteError(GstMessage *message);
    std::shared_ptr<Branch> branchOf(GstObject *origin);
    void report(CameraBackend::Failure failure, const QString &message);
    void noteCameraEnded();

    GstElement *pipeline = nullptr;
    GstElement *videoSource = nullptr;
    GstElement *tee = nullptr;
    GstBus *bus = nullptr;
    QString lastError;
    bool cameraFailureReported = false;
    // Tells the pipelines apart, so a late report of one that is gone is ignored.
    std::atomic<int> generation{0};

    // The recording the window knows of (starting or running); null when there is none.
    std::shared_ptr<Branch> current;
    // Every recording still attached, the finishing ones too, for the bus handler to tell whose
    // message it has; guarded by branchLock.
    std::mutex branchLock;
    std::vector<std::shared_ptr<Branch>> branches;

    struct Worker
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::mutex workerLock;
    std::vector<Worker> workers;
};

#endif
