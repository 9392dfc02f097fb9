#ifndef CAPTUREPIPELINE_H
#define CAPTUREPIPELINE_H

#include "CameraBackend.h"
#include "CaptureFormat.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class ICaptureCB;
typedef struct _GstBus GstBus;
typedef struct _GstCaps GstCaps;
typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

// One camera pipeline, preview or recording, built on source elements handed in by the caller.
//
//   preview:   camera -> capture format -> [jpegdec | [h264parse] -> H.264 decoder] -> videoconvert
//              -> BGRx -> grabber -> fakesink
//   recording: ... grabber -> videorate 25/1 -> queue -> jpegenc -> avimux -> filesink
//              audio -> audioconvert -> audioresample -> S16LE -> queue -> avimux
//
// The camera is asked for one format of those it offers (CaptureFormat::choose): the configured
// size or the nearest it has, at 25 frames per second where it can. Nothing is scaled: the canvas,
// snapshots and recordings get the camera's picture in its true size and shape.
//
// The bus is read on the user-interface thread; the first error is reported through failed() and
// the pipeline is left for stop(), which finishes a recording with an end-of-stream before
// releasing everything.
class CapturePipeline : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        std::function<GstElement *()> createVideoSource;
        std::function<GstElement *()> createAudioSource; // empty: a recording without sound
        ICaptureCB *receiver = nullptr;
        QSize size;
        QString recordFile; // empty: preview
    };

    static constexpr int FramesPerSecond = 25;
    static constexpr int FinishTimeoutMs = 4000;
    static constexpr int BusPollMs = 50;

    explicit CapturePipeline(QObject *parent = nullptr);
    ~CapturePipeline() override;

    // Builds and runs a pipeline in place of the running one; false with error() set when it
    // could not run, and then nothing is left running.
    bool start(const Settings &settings);
    void stop();
    bool isRunning() const;
    bool isRecording() const;
    QString error() const;

signals:
    void failed(CameraBackend::Failure failure, const QString &message);

private slots:
    void pollBus();

private:
    bool build(const Settings &settings);
    GstElement *add(const char *factory, const char *name = nullptr);
    GstElement *addCapsFilter(GstCaps *caps);
    bool linkChain(const std::vector<GstElement *> &chain);
    CaptureFormat chooseCaptureFormat(const QSize &size);
    bool addDecoder(const CaptureFormat &format, std::vector<GstElement *> &chain);
    bool buildRecordingTail(GstElement *grabber, const Settings &settings);
    bool buildAudioBranch(GstElement *mux, const Settings &settings);
    bool fail(const QString &message);
    QString takeBusError();
    void noteError(GstMessage *message);
    void finishRecording();
    void release();

    GstElement *pipeline = nullptr;
    GstElement *videoSource = nullptr;
    GstElement *muxer = nullptr;
    GstElement *fileSink = nullptr;
    // The muxer or the file writer failed (a full disk, a vanished drive): nothing more reaches the
    // file, and a branch may hang in the muxer, so the recording is not ended by end-of-stream.
    bool writerFailed = false;
    // The pipeline posted its end-of-stream: every sink, the file writer too, has finished.
    bool endOfStream = false;
    GstBus *bus = nullptr;
    QTimer busTimer;
    bool recording = false;
    QString lastError;
};

#endif
