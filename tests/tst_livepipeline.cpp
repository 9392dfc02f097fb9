#include "Config.h"
#include "ICaptureCB.h"
#include "ImageCanvas.h"
#include "LiveSource.h"
#include "media/AviFileCheck.h"
#include "media/CaptureFormat.h"
#include "media/CapturePipeline.h"
#include "media/GstRuntime.h"
#include "record_helper/TestRecording.h"
#include "tst_v4l2list.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/gst.h>

#include <atomic>
#include <future>
#include <mutex>

namespace {

const QSize CaptureSize(320, 240);

// A receiver that counts frames, notes their layout and inverts each picture, for the cases that
// need no real canvas.
class InvertingReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *data, int width, int height, bool bottomUp, bool rgb32) override
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            size = QSize(width, height);
            topDown = !bottomUp;
            fourBytes = rgb32;
        }
        const int bytes = width * height * 4;
        for (int i = 0; i < bytes; i += 4) {
            data[i] = uchar(255 - data[i]);
            data[i + 1] = uchar(255 - data[i + 1]);
            data[i + 2] = uchar(255 - data[i + 2]);
            data[i + 3] = 255;
        }
        ++frames;
    }

    std::atomic<int> frames{0};
    std::mutex lock;
    QSize size;
    bool topDown = false;
    bool fourBytes = false;
};

using testpipelines::sourceFrom;

// What the demuxer finds in a recorded file, AVI or MP4, read to its end.
struct AviContents
{
    bool complete = false;
    int videoFrames = 0;
    int audioBuffers = 0;
    QString videoCaps;
    QString audioCaps;
    QImage firstFrame;
};

GstPadProbeReturn countBuffers(GstPad *pad, GstPadProbeInfo *info, gpointer counter)
{
    const ThreadHandOver::InCallback callback(testpipelines::pipelineOf(pad));
    if (GST_PAD_PROBE_INFO_TYPE(info) & GST_PAD_PROBE_TYPE_BUFFER)
        ++*static_cast<int *>(counter);
    return GST_PAD_PROBE_OK;
}

GstPadProbeReturn keepFirstFrame(GstPad *pad, GstPadProbeInfo *info, gpointer target)
{
    const ThreadHandOver::InCallback callback(testpipelines::pipelineOf(pad));
    QImage *image = static_cast<QImage *>(target);
    if (!image->isNull())
        return GST_PAD_PROBE_OK;
    GstCaps *caps = gst_pad_get_current_caps(pad);
    const GstStructure *structure = gst_caps_get_structure(caps, 0);
    int width = 0;
    int height = 0;
    gst_structure_get_int(structure, "width", &width);
    gst_structure_get_int(structure, "height", &height);
    gst_caps_unref(caps);
    GstMapInfo map;
    GstBuffer *buffer = GST_PAD_PROBE_INFO_BUFFER(info);
    gst_buffer_map(buffer, &map, GST_MAP_READ);
    *image = QImage(map.data, width, height, width * 4, QImage::Format_RGB32).copy();
    gst_buffer_unmap(buffer, &map);
    return GST_PAD_PROBE_OK;
}

struct Reader
{
    GstElement *pipeline;
    AviContents *contents;
    QByteArray decoder;
};

void onDemuxPad(GstElement *demux, GstPad *pad, gpointer data)
{
    const ThreadHandOver::InCallback callback(testpipelines::pipelineOf(demux));
    Reader *reader = static_cast<Reader *>(data);
    const bool video = QByteArray(GST_PAD_NAME(pad)).startsWith("video");
    const QByteArray decoding = "queue name=q ! " + reader->decoder
                                + " ! videoconvert ! video/x-raw,format=BGRx ! fakesink name=s sync=false";
    GstElement *branch = sourceFrom(video ? decoding.constData() : "queue name=q ! fakesink sync=false");
    gst_bin_add(GST_BIN(reader->pipeline), branch);
    gst_element_sync_state_with_parent(branch);
    GstPad *sink = gst_element_get_static_pad(branch, "sink");
    gst_pad_link(pad, sink);
    gst_object_unref(sink);

    GstCaps *caps = gst_pad_get_current_caps(pad);
    gchar *text = gst_caps_to_string(caps);
    (video ? reader->contents->videoCaps : reader->contents->audioCaps) = QString::fromUtf8(text);
    g_free(text);
    gst_caps_unref(caps);

    GstElement *queue = gst_bin_get_by_name(GST_BIN(branch), "q");
    GstPad *queueIn = gst_element_get_static_pad(queue, "sink");
    gst_pad_add_probe(queueIn, GST_PAD_PROBE_TYPE_BUFFER, countBuffers,
                      video ? &reader->contents->videoFrames : &reader->contents->audioBuffers, nullptr);
    gst_object_unref(queueIn);
    gst_object_unref(queue);
    if (!video)
        return;
    GstElement *decoded = gst_bin_get_by_name(GST_BIN(branch), "s");
    GstPad *decodedIn = gst_element_get_static_pad(decoded, "sink");
    gst_pad_add_probe(decodedIn, GST_PAD_PROBE_TYPE_BUFFER, keepFirstFrame,
                      &reader->contents->firstFrame, nullptr);
    gst_object_unref(decodedIn);
    gst_object_unref(decoded);
}

AviContents readAvi(const QString &path)
{
    AviContents contents;
    GstElement *pipeline = gst_pipeline_new("reader");
    GstElement *file = gst_element_factory_make("filesrc", nullptr);
    const bool mp4 = TestRecording::isMp4(path);
    GstElement *demux = gst_element_factory_make(mp4 ? "qtdemux" : "avidemux", nullptr);
    g_object_set(file, "location", path.toLocal8Bit().constData(), nullptr);
    gst_bin_add_many(GST_BIN(pipeline), file, demux, nullptr);
    gst_element_link(file, demux);
    Reader reader{pipeline, &contents, mp4 ? installedH264Decoder() : QByteArray("jpegdec")};
    g_signal_connect(demux, "pad-added", G_CALLBACK(onDemuxPad), &reader);

    contents.complete = testpipelines::runToEnd(pipeline, 20 * GST_SECOND);
    return contents;
}

bool isNear(QRgb pixel, int red, int green, int blue)
{
    const int tolerance = 40;
    return qAbs(qRed(pixel) - red) < tolerance && qAbs(qGreen(pixel) - green) < tolerance
        && qAbs(qBlue(pixel) - blue) < tolerance;
}

// A real webcam's raw list cut down to its 4:3 sizes, played by a test source: a camera that has
// no picture in the shape of a 16:9 capture size.
GstCaps *fourByThreeWebcam()
{
    GstCaps *listed = v4l2list::parseFile(v4l2list::camerasFolder() + QStringLiteral("/06-logitech-c310.txt"));
    GstCaps *kept = gst_caps_new_empty();
    for (guint i = 0; listed && i < gst_caps_get_size(listed); ++i) {
        const GstStructure *structure = gst_caps_get_structure(listed, i);
        int width = 0;
        int height = 0;
        gst_structure_get_int(structure, "width", &width);
        gst_structure_get_int(structure, "height", &height);
        if (gst_structure_has_name(structure, "video/x-raw") && width * 3 == height * 4)
            gst_caps_append_structure(kept, gst_structure_copy(structure));
    }
    if (listed)
        gst_caps_unref(listed);
    return kept;
}

QByteArray cameraPlaying(GstCaps *caps)
{
    gchar *text = gst_caps_to_string(caps);
    const QByteArray description = QByteArray("videotestsrc is-live=true pattern=red ! capsfilter caps=\"")
        + QByteArray(text) + "\"";
    g_free(text);
    return description;
}

using TestRecording::RedCamera;
const char *const TestMicrophone = "audiotestsrc is-live=true wave=sine";

} // namespace

class TestLivePipeline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void previewFramesReachTheReceiver();
    void previewFramesReachTheCanvas();
    void compressedCameraIsDecoded_data();
    void compressedCameraIsDecoded();
    void cameraKeepsItsOwnSizeAndShape();
    void recordingHoldsWhatTheCanvasShows_data();
    void recordingHoldsWhatTheCanvasShows();
    void errorWhileRecordingLeavesPlayableFile();
    void recordingIntoMissingFolderIsReported();
    void closingWhileRecordingFinishesTheFile();
    void endedStreamIsFinishedAtOnceAndPipelineIsOwned();
    void missingCapsFilterIsReported();

    void stopCompletesTheFileWhileTheWindowRuns();
    void previewRunsOnAcrossARecording();

private:
    void stopRecordingAndWait();
    void openSource(const char *cameraDescription, ICaptureCB *target = nullptr,
                    const QSize &size = CaptureSize);

    QTemporaryDir folder;
    InvertingReceiver *receiver = nullptr;
    ImageCanvas *canvas = nullptr;
    LiveSource *source = nullptr;
    qint64 now = 0;
};

void TestLivePipeline::initTestCase()
{
    GstRuntime::ensureInitialised();
    qRegisterMetaType<CameraBackend::Failure>();
    QVERIFY(folder.isValid());
}

void TestLivePipeline::init()
{
    receiver = new InvertingReceiver;
    canvas = new ImageCanvas;
}

// The source goes first: its pipeline calls into the receiver until it is released.
void TestLivePipeline::cleanup()
{
    Config::setRecordingFormat(QStringLiteral("avi"));
    delete source;
    source = nullptr;
    delete receiver;
    receiver = nullptr;
    delete canvas;
    canvas = nullptr;
}

// A camera and a microphone that the program takes for a supported visualiser and a line input;
// the poll sees the camera at 0 ms and opens it on the poll after the two-second wait.
void TestLivePipeline::openSource(const char *cameraDescription, ICaptureCB *target, const QSize &size)
{
    now = 0;
    source = new LiveSource(TestRecording::backend(cameraDescription, TestMicrophone),
                            target ? target : receiver, size.width(), size.height(), size.width(),
                            size.height(), nullptr, [this] { return now; });
    now = 2001;
    source->checkExistance();
    QVERIFY(source->isOpen());
}

void TestLivePipeline::stopRecordingAndWait()
{
    QSignalSpy ended(source, SIGNAL(recordingEnded()));
    source->stopRecording();
    QVERIFY(ended.wait(CapturePipeline::FinishTimeoutMs + 2000));
}

void TestLivePipeline::previewFramesReachTheReceiver()
{
    openSource(RedCamera);
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames >= 5, 5000);
    std::lock_guard<std::mutex> guard(receiver->lock);
    QCOMPARE(receiver->size, CaptureSize);
    QVERIFY(receiver->topDown);
    QVERIFY(receiver->fourBytes);
}

void TestLivePipeline::previewFramesReachTheCanvas()
{
    openSource(RedCamera, canvas);
    QTRY_COMPARE_WITH_TIMEOUT(canvas->sourceSize(), CaptureSize, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(isNear(canvas->currentImage().pixel(160, 120), 255, 0, 0), 5000);
}

void TestLivePipeline::compressedCameraIsDecoded_data()
{
    QTest::addColumn<QByteArray>("encoder");
    QTest::newRow("MJPEG") << QByteArray("jpegenc");
    QTest::newRow("H.264") << QByteArray("x264enc tune=zerolatency key-int-max=5");
}

void TestLivePipeline::compressedCameraIsDecoded()
{
    QFETCH(QByteArray, encoder);
    openSource("videotestsrc is-live=true ! video/x-raw,width=320,height=240,framerate=25/1 ! " + encoder);
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames >= 5, 5000);
    std::lock_guard<std::mutex> guard(receiver->lock);
    QCOMPARE(receiver->size, CaptureSize);
}

// Asked for a 16:9 size it lacks, the camera gives the nearest of its own, and the canvas and the
// recording get that picture unstretched.
void TestLivePipeline::cameraKeepsItsOwnSizeAndShape()
{
    const QSize wanted(640, 360);
    GstCaps *camera = fourByThreeWebcam();
    QVERIFY(!gst_caps_is_empty(camera));
    const QSize chosen = CaptureFormat::choose(camera, wanted).size;
    const QByteArray description = cameraPlaying(camera);
    gst_caps_unref(camera);
    QVERIFY(chosen != wanted);
    QCOMPARE(chosen.width() * 3, chosen.height() * 4);

    openSource(description.constData(), canvas, wanted);
    QTRY_COMPARE_WITH_TIMEOUT(canvas->sourceSize(), chosen, 5000);

    const QString file = folder.filePath(QStringLiteral("own-size.avi"));
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    source->startRecording(file);
    QVERIFY(source->isRecording());
    // A second of pictures once the file is being written.
    QVERIFY(started.wait(5000));
    QTest::qWait(1000);
    stopRecordingAndWait();
    const AviContents avi = readAvi(file);
    QVERIFY(avi.complete);
    QVERIFY(avi.videoFrames > 0);
    QVERIFY2(avi.videoCaps.contains(QStringLiteral("width=(int)%1").arg(chosen.width())), qPrintable(avi.videoCaps));
    QVERIFY2(avi.videoCaps.contains(QStringLiteral("height=(int)%1").arg(chosen.height())), qPrintable(avi.videoCaps));
    QCOMPARE(avi.firstFrame.size(), chosen);
}

void TestLivePipeline::recordingHoldsWhatTheCanvasShows_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("sound");
    QTest::newRow("AVI") << QStringLiteral("two-seconds.avi") << QStringLiteral("image/jpeg")
                         << QStringLiteral("audio/x-raw, format=(string)S16LE");
    QTest::newRow("MP4") << QStringLiteral("two-seconds.mp4") << QStringLiteral("video/x-h264")
                         << QStringLiteral("audio/mpeg, mpegversion=(int)4");
}

void TestLivePipeline::recordingHoldsWhatTheCanvasShows()
{
    QFETCH(QString, file);
    QFETCH(QString, video);
    QFETCH(QString, sound);
    file = folder.filePath(file);
    if (TestRecording::isMp4(file) && !RecordingFormat(RecordingFormat::Mp4).isInstalled())
        QSKIP("no H.264 encoder or MP4 writer installed");
    TestRecording::recordAsNamed(file);
    canvas->effect = 2; // negative
    openSource(RedCamera, canvas);
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    QElapsedTimer recorded;
    recorded.start();
    source->startRecording(file);
    QVERIFY(source->isRecording());
    // Two seconds of pictures once the file is being written.
    QVERIFY(started.wait(5000));
    QTest::qWait(2000);
    stopRecordingAndWait();
    // A busy machine may wake the test late; the camera goes on at 25 pictures a second meanwhile.
    const int mostFrames = int(recorded.elapsed() / 40) + 10;
    QVERIFY(!source->isRecording());
    QCOMPARE(failed.count(), 0);

    const AviContents avi = readAvi(file);
    QVERIFY(avi.complete);
    QVERIFY2(avi.videoCaps.startsWith(video), qPrintable(avi.videoCaps));
    QVERIFY(avi.videoCaps.contains("width=(int)320"));
    QVERIFY(avi.videoCaps.contains("height=(int)240"));
    QVERIFY(avi.videoCaps.contains("framerate=(fraction)25/1"));
    QVERIFY2(avi.videoFrames >= 40 && avi.videoFrames <= mostFrames, qPrintable(QString::number(avi.videoFrames)));
    QVERIFY2(avi.audioCaps.startsWith(sound), qPrintable(avi.audioCaps));
    QVERIFY(avi.audioBuffers > 0);

    // The camera is red; the canvas shows it negative, and that is what was recorded.
    QCOMPARE(avi.firstFrame.size(), CaptureSize);
    QVERIFY(isNear(avi.firstFrame.pixel(160, 120), 0, 255, 255));
    QVERIFY(isNear(avi.firstFrame.pixel(160, 239), 0, 255, 255));
}

void TestLivePipeline::errorWhileRecordingLeavesPlayableFile()
{
    // The camera fails after a second and a half of pictures, as an unplugged one would.
    openSource("videotestsrc is-live=true pattern=red ! identity error-after=40");
    // The poll keeps running while the test waits; from the loss on, every poll it makes sees
    // the camera first at this time, whichever event loop it happens to run in.
    now = 10000;
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    const QString file = folder.filePath(QStringLiteral("cut-short.avi"));
    source->startRecording(file);
    QVERIFY(lost.wait(10000));
    QVERIFY(!source->isOpen());
    QVERIFY(!source->isRecording());
    QTRY_COMPARE(failed.count(), 1);

    const AviContents avi = readAvi(file);
    QVERIFY(avi.complete);
    QVERIFY2(avi.videoFrames >= 20, qPrintable(QString::number(avi.videoFrames)));
    QVERIFY(avi.audioBuffers > 0);
    QVERIFY(isNear(avi.firstFrame.pixel(10, 10), 0, 255, 255));

    // Back in waiting: the poll opens the camera again once it has been there for two seconds.
    source->checkExistance();
    QVERIFY(!source->isOpen());
    now = 12001;
    source->checkExistance();
    QVERIFY(source->isOpen());
}

void TestLivePipeline::recordingIntoMissingFolderIsReported()
{
    openSource(RedCamera);
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(folder.filePath(QStringLiteral("no/such/folder/a.avi")));
    QVERIFY(failed.wait(2000));
    QVERIFY(!source->isRecording());
    QVERIFY(source->isOpen());
    const int before = receiver->frames;
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames > before + 3, 5000);
}

void TestLivePipeline::closingWhileRecordingFinishesTheFile()
{
    openSource(RedCamera);
    const QString file = folder.filePath(QStringLiteral("closed.avi"));
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    source->startRecording(file);
    QVERIFY(started.wait(5000));
    // Some pictures into the file: counted at the canvas, which the recording follows.
    const int before = receiver->frames;
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames > before + 12, 5000);
    delete source;
    source = nullptr;

    const AviContents avi = readAvi(file);
    QVERIFY(avi.complete);
    QVERIFY(avi.videoFrames > 5);
}

// Starts a recording on a pipeline of its own and waits until its file is being written.
bool startRecordingOn(CapturePipeline &pipeline, const QString &file)
{
    QSignalSpy started(&pipeline, SIGNAL(recordingStarted()));
    return pipeline.startRecording(file, [] { return sourceFrom(TestMicrophone); })
        && started.wait(5000);
}

GstPadProbeReturn holdBuffers(GstPad *, GstPadProbeInfo *, gpointer)
{
    return GST_PAD_PROBE_OK;
}

// A camera that ends its stream by itself ends the recording's picture there and then; the
// recording is still finished when asked, without waiting in vain for a second end from a source
// that has stopped. The pipeline is owned, not floating, from the start.
void TestLivePipeline::endedStreamIsFinishedAtOnceAndPipelineIsOwned()
{
    GstElement *camera = sourceFrom("videotestsrc num-buffers=10 ! "
                                    "capsfilter caps=video/x-raw,width=320,height=240,framerate=25/1");
    QVERIFY(camera);
    // Held at its first picture until the recording runs.
    GstPad *cameraOut = gst_element_get_static_pad(camera, "src");
    const gulong hold = gst_pad_add_probe(cameraOut, GST_PAD_PROBE_TYPE_BLOCK_DOWNSTREAM, holdBuffers,
                                          nullptr, nullptr);
    CapturePipeline pipeline;
    CapturePipeline::Settings settings;
    settings.createVideoSource = [camera] { return camera; };
    settings.receiver = receiver;
    settings.size = CaptureSize;
    QSignalSpy lost(&pipeline, SIGNAL(failed(CameraBackend::Failure, QString)));
    QVERIFY(pipeline.start(settings));
    GstObject *top = gst_object_get_parent(GST_OBJECT(camera));
    QVERIFY(top);
    QVERIFY(!g_object_is_floating(top));
    gst_object_unref(top);

    const QString file = folder.filePath(QStringLiteral("ended.avi"));
    QSignalSpy started(&pipeline, SIGNAL(recordingStarted()));
    QVERIFY(pipeline.startRecording(file, nullptr));
    QVERIFY(started.wait(5000));
    gst_pad_remove_probe(cameraOut, hold);
    gst_object_unref(cameraOut);
    QVERIFY(lost.wait(10000));
    QCOMPARE(lost.first().first().value<CameraBackend::Failure>(), CameraBackend::Failure::CameraLost);

    QSignalSpy finished(&pipeline, SIGNAL(recordingFinished()));
    QElapsedTimer stopping;
    stopping.start();
    pipeline.stopRecording();
    QVERIFY(finished.wait(CapturePipeline::FinishTimeoutMs));
    QVERIFY2(stopping.elapsed() < CapturePipeline::FinishTimeoutMs / 4,
             qPrintable(QStringLiteral("stopping took %1 ms").arg(stopping.elapsed())));
    QCOMPARE(AviFileCheck::inspect(file), AviFileCheck::State::Complete);
}

// The window's loop keeps running while the recording is finished: a 5 ms timer goes on firing
// between the stop and its end, and the file is whole when the end is told.
void TestLivePipeline::stopCompletesTheFileWhileTheWindowRuns()
{
    openSource(RedCamera);
    const QString file = folder.filePath(QStringLiteral("responsive.avi"));
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    source->startRecording(file);
    QVERIFY(started.wait(5000));
    QTest::qWait(1500); // a recording of some length to finish

    int ticks = 0;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&ticks] { ++ticks; });
    AviFileCheck::State stateAtEnd = AviFileCheck::State::NotAvi;
    int ticksAtEnd = 0;
    QObject::connect(source, &LiveSource::recordingEnded, [&] {
        stateAtEnd = AviFileCheck::inspect(file);
        ticksAtEnd = ticks;
    });
    QSignalSpy ended(source, SIGNAL(recordingEnded()));
    probe.start();
    QElapsedTimer stopping;
    stopping.start();
    source->stopRecording();
    const qint64 blocked = stopping.elapsed();
    QVERIFY(!source->isRecording());
    QCOMPARE(ended.count(), 0);
    QVERIFY(ended.wait(CapturePipeline::FinishTimeoutMs + 2000));
    QVERIFY2(blocked < 50, qPrintable(QStringLiteral("the stop held the loop for %1 ms").arg(blocked)));
    QVERIFY2(ticksAtEnd > 0, "the timer never fired while the file was finished");
    QCOMPARE(stateAtEnd, AviFileCheck::State::Complete);
    const AviContents avi = readAvi(file);
    QVERIFY(avi.complete);
    QVERIFY2(avi.videoFrames >= 20, qPrintable(QString::number(avi.videoFrames)));
    QVERIFY(avi.audioBuffers > 0);
}

// A recording joins the running preview and leaves it again: the camera is opened once, its
// pictures keep coming throughout, and the file holds only the recorded stretch.
void TestLivePipeline::previewRunsOnAcrossARecording()
{
    int opened = 0;
    CapturePipeline pipeline;
    CapturePipeline::Settings settings;
    settings.createVideoSource = [&opened] {
        ++opened;
        return sourceFrom("videotestsrc is-live=true pattern=red ! "
                          "capsfilter caps=video/x-raw,width=320,height=240,framerate=25/1");
    };
    settings.receiver = receiver;
    settings.size = CaptureSize;
    QVERIFY(pipeline.start(settings));
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames >= 25, 5000);

    const QString file = folder.filePath(QStringLiteral("joined.avi"));
    QElapsedTimer recorded;
    recorded.start();
    QVERIFY(startRecordingOn(pipeline, file));
    int before = receiver->frames;
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames >= before + 25, 5000);
    QSignalSpy finished(&pipeline, SIGNAL(recordingFinished()));
    pipeline.stopRecording();
    before = receiver->frames;
    QVERIFY(finished.wait(CapturePipeline::FinishTimeoutMs + 2000));
    const qint64 mostFrames = recorded.elapsed() / 40 + 10;
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames >= before + 10, 5000);
    QCOMPARE(opened, 1);
    QVERIFY(pipeline.isRunning());

    const AviContents avi = readAvi(file);
    QVERIFY(avi.complete);
    QVERIFY2(avi.videoFrames >= 20 && avi.videoFrames <= mostFrames,
             qPrintable(QString::number(avi.videoFrames)));
    QVERIFY(avi.audioBuffers > 0);
}

// Without the capsfilter element the pipeline is refused as missing an element, not linked with
// holes in it.
void TestLivePipeline::missingCapsFilterIsReported()
{
    GstElement *camera = sourceFrom("videotestsrc is-live=true ! capsfilter caps=video/x-raw,width=320,height=240");
    QVERIFY(camera);
    GstRegistry *registry = gst_registry_get();
    GstElementFactory *capsFilter = gst_element_factory_find("capsfilter");
    QVERIFY(capsFilter);
    gst_registry_remove_feature(registry, GST_PLUGIN_FEATURE(capsFilter));

    CapturePipeline pipeline;
    CapturePipeline::Settings settings;
    settings.createVideoSource = [camera] { return camera; };
    settings.receiver = receiver;
    settings.size = CaptureSize;
    const bool started = pipeline.start(settings);
    gst_registry_add_feature(registry, GST_PLUGIN_FEATURE(capsFilter));
    gst_object_unref(capsFilter);

    QVERIFY(!started);
    QVERIFY(!pipeline.isRunning());
    QVERIFY2(pipeline.error().contains(QStringLiteral("not installed")), qPrintable(pipeline.error()));
}

QTEST_MAIN(TestLivePipeline)
#include "tst_livepipeline.moc"
