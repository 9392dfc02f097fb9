#ifndef GSTPLAYBACKBACKEND_H
#define GSTPLAYBACKBACKEND_H

#include "PlaybackBackend.h"

#include "FilmProbe.h"

#include <QList>

#include <atomic>
#include <mutex>

class ICaptureCB;
class QTimer;
typedef struct _GSource GSource;
typedef struct _GstBus GstBus;
typedef struct _GstElement GstElement;
typedef struct _GstPad GstPad;
typedef struct _GstMessage GstMessage;

// Plays films with GStreamer: filesrc -> decodebin; the video stream through videoconvert (BGRx)
// and the grabber (no dropping) into a clocked fakesink, the audio stream, when there is one,
// through audioconvert, audioresample and volume into the system's audio output, or into a clocked
// fakesink where no output can be opened, so the picture still runs at the film's speed.
// The pipeline's bus is watched from the GLib main loop that Qt's event dispatcher runs on the
// user-interface thread; nothing there waits on the pipeline.
class GstPlaybackBackend : public PlaybackBackend
{
    Q_OBJECT

public:
    explicit GstPlaybackBackend(ICaptureCB *receiver, QObject *parent = nullptr);
    ~GstPlaybackBackend() override;

    void startOpen(const QString &fileName) override;
    void close() override;
    bool hasVideo() const override;
    bool hasAudio() const override;
    void run() override;
    void pause() override;
    qint64 duration() const override;
    qint64 position() const override;
    void seek(qint64 position) override;
    void setVolume(int hundredthsOfDecibel) override;
    QStringList missingPlugins() const override;
    quint64 framesShown() const override;

    // Each file is first tried in a child process (FilmProbe), and refused if that dies or hangs;
    // on by default. The time limit is the one for loading.
    void setProbing(bool enabled) { probing = enabled; }

    // The linear gain the volume element applies, for checking the decibel mapping.
    double audioGain() const;

    // How long each attempt at loading a file may take to bring up its first frame.
    static constexpr int PrerollTimeoutMs = 5000;

protected:
    // The film's pipeline while one is loaded, for tests that act on it from outside.
    GstElement *pipelineElement() const { return pipeline; }

private slots:
    void prerollTimedOut();
    void probeFinished(FilmProbe::Verdict verdict);

private:
    static void padAdded(GstElement *decoder, GstPad *pad, void *self);
    static void noMorePads(GstElement *decoder, void *self);
    // A GstBusFunc: int is gboolean.
    static int busMessage(GstBus *bus, GstMessage *message, void *self);
    // A GstPadProbeCallback on the grabber's output: counts the frames it has handed over.
    static int frameShown(GstPad *pad, void *info, void *self);

    void attemptOpen(bool fakeAudio);
    void attemptFailed();
    void finishOpen(bool ready);
    void closePipeline();
    void watchBus();
    bool build(const QString &fileName);
    void drainFailure();
    void noteOpenError(GstMessage *message);
    void noteMissingPlugin(GstMessage *message);
    bool linkVideo(GstPad *pad);
    bool linkAudio(GstPad *pad);
    void discard(GstPad *pad);
    GstElement *makeAudioOutput();
    void handleMessage(GstMessage *message);
    bool flushingSeek(qint64 position);
    bool settling() const;
    void forgetSettledSeek();

    GstElement *grabber;
    GstElement *pipeline = nullptr;
    FilmProbe *probe;
    bool probing = true;
    std::atomic<quint64> frames{0};
    GSource *busWatch = nullptr;
    QTimer *prerollTimer;

    // The file being loaded, until the outcome is known; a close() or a new load counts the
    // request on, so an outcome on its way for an older one is dropped.
    QString openingFile;
    bool opening = false;
    quint64 openRequest = 0;

    // Filled on the streaming thread while the pipeline prerolls, read after. A standard mutex,
    // which the thread sanitizer sees (it cannot see Qt 5's futex-based QMutex).
    mutable std::mutex padLock;
    QList<GstPad *> videoPads;
    QList<GstPad *> audioPads;
    bool padsComplete = false;
    bool video = false;
    bool audio = false;
    GstElement *videoRenderer = nullptr;
    GstElement *volume = nullptr;
    GstElement *audioOutput = nullptr;
    bool forceFakeAudio = false;
    bool realAudioOutput = false;
    bool audioOutputFailed = false;

    bool atEnd = false;
    bool failing = false;
    bool seekWhileRunning = false;
    bool seekInFlight = false;
    bool seekPending = false;   // seekTarget is still to be sent, when the last seek has landed
    qint64 seekTarget = 0;
    qint64 endPosition = 0;
    qint64 failedAt = 0;
    quint32 seekSeqnum = 0;
    QStringList missing;
};

#endif
