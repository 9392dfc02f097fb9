// Snapshots into a slow folder, whose every write takes 500 ms: how long the user-interface
// thread stalls while a single snapshot is written, and the longest gap between camera frames
// through the grabber at 25 fps while a continuous run writes a picture every second.
//
// What a bench of its own needs to drive the same: ImageCanvas::setSnapshotWriteFunction (a write
// function that sleeps, then ImageCanvas's default SnapshotWriter::writeJpeg), then snapshotDir,
// continuousSnapshot and startSnapshot() as the window's snapshot command does; the shot is done
// when snapshotSaved(path) (or snapshotFailed()) arrives on the user-interface thread.
#include "ICaptureCB.h"
#include "ImageCanvas.h"
#include "SnapshotWriter.h"
#include "media/GrabberElement.h"
#include "media/GstRuntime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <gst/gst.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

const int SlowWriteMs = 500;
const int ProbeIntervalMs = 5;
const int CameraSeconds = 6;

bool slowWrite(const QImage &picture, const QString &path)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(SlowWriteMs));
    return SnapshotWriter::writeJpeg(picture, path);
}

// A 5 ms timer on the user-interface thread; the longest gap between its ticks is the longest the
// thread was kept from its events.
class StallProbe
{
public:
    StallProbe()
    {
        timer.setInterval(ProbeIntervalMs);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            longest = std::max(longest, since.restart());
        });
        since.start();
        timer.start();
    }
    qint64 longestMs() const { return std::max(longest, since.elapsed()); }

private:
    QTimer timer;
    QElapsedTimer since;
    qint64 longest = 0;
};

// Sits between the grabber and the canvas and notes the longest gap between two frames.
class FrameGapMeter : public ICaptureCB
{
public:
    explicit FrameGapMeter(ImageCanvas *canvas)
        : canvas(canvas)
    {
    }

    void processFrame(uchar *data, int width, int height, bool bottomUp, bool rgb32) override
    {
        processSample(data, width, height, bottomUp, rgb32);
    }
    void processImage(const QImage &image) override { canvas->processImage(image); }
    void processSample(uchar *data, int width, int height, bool bottomUp, bool rgb32) override
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (frames > 0)
                longest = std::max(longest, since.nsecsElapsed());
            since.start();
            ++frames;
        }
        canvas->processSample(data, width, height, bottomUp, rgb32);
    }

    void reset()
    {
        std::lock_guard<std::mutex> lock(mutex);
        longest = 0;
        frames = 0;
    }
    double longestGapMs()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return longest * 1e-6;
    }
    int frameCount()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return frames;
    }

private:
    ImageCanvas *canvas;
    std::mutex mutex;
    QElapsedTimer since;
    qint64 longest = 0;
    int frames = 0;
};

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// One single snapshot of a 1080p frame into the slow folder, the frame given on the user-interface
// thread as a photograph would be.
void singleSnapshotSlowFolder(benchmark::State &state)
{
    QTemporaryDir dir;
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    canvas.show();
    canvas.setSnapshotWriteFunction(slowWrite);
    canvas.snapshotDir = dir.path();
    QImage frame(1920, 1080, QImage::Format_RGB888);
    frame.fill(QColor(40, 90, 160));
    canvas.processImage(frame);
    runEventLoopFor(100);

    for (auto _ : state) {
        QEventLoop loop;
        QElapsedTimer untilFile;
        const auto saved = QObject::connect(&canvas, &ImageCanvas::snapshotSaved, &loop, &QEventLoop::quit);
        const auto failed = QObject::connect(&canvas, &ImageCanvas::snapshotFailed, &loop, &QEventLoop::quit);
        StallProbe probe;
        canvas.continuousSnapshot = false;
        canvas.stopSnapshot();
        canvas.startSnapshot();
        untilFile.start();
        QElapsedTimer call;
        call.start();
        canvas.processImage(frame);
        const double callMs = call.nsecsElapsed() * 1e-6;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(saved);
        QObject::disconnect(failed);
        state.counters["ui_longest_stall_ms"] = probe.longestMs();
        state.counters["frame_call_ms"] = callMs;
        state.counters["until_file_ms"] = untilFile.elapsed();
    }
}

// A 1280 x 720 live test source at 25 fps through the grabber into a canvas, measured for six
// seconds after a second to settle, with a continuous run writing a snapshot every second into the
// slow folder (or, for comparison, without snapshots).
void cameraGaps(benchmark::State &state, bool snapshots)
{
    GstRuntime::ensureInitialised();
    QTemporaryDir dir;
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    canvas.show();
    canvas.setSnapshotWriteFunction(slowWrite);

    for (auto _ : state) {
        FrameGapMeter meter(&canvas);
        GError *error = nullptr;
        GstElement *pipeline = gst_parse_launch(
            "videotestsrc is-live=true pattern=ball ! video/x-raw,format=BGRx,width=1280,height=720,"
            "framerate=25/1 ! videoconvert name=convert ! fakesink name=sink sync=true",
            &error);
        if (error) {
            state.SkipWithError(error->message);
            g_clear_error(&error);
            return;
        }
        GstElement *grabber = GrabberElement::create(&meter, false);
        GstElement *convert = gst_bin_get_by_name(GST_BIN(pipeline), "convert");
        GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
        gst_bin_add(GST_BIN(pipeline), grabber);
        gst_element_unlink(convert, sink);
        gst_element_link_many(convert, grabber, sink, nullptr);
        gst_object_unref(convert);
        gst_object_unref(sink);

        gst_element_set_state(pipeline, GST_STATE_PLAYING);
        runEventLoopFor(1000);

        canvas.snapshotDir = dir.path();
        canvas.continuousSnapshot = true;
        canvas.snapshotInterval = 1;
        canvas.snapshotDuration = std::numeric_limits<quint64>::max();
        if (snapshots)
            canvas.startSnapshot();
        int written = 0;
        const auto counting = QObject::connect(&canvas, &ImageCanvas::snapshotSaved, [&written] { ++written; });
        meter.reset();
        StallProbe probe;
        runEventLoopFor(CameraSeconds * 1000);
        const double uiStall = probe.longestMs();
        canvas.stopSnapshot();
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
        canvas.waitForSnapshotFiles();
        QCoreApplication::processEvents();
        QObject::disconnect(counting);

        state.counters["longest_frame_gap_ms"] = meter.longestGapMs();
        state.counters["frames"] = meter.frameCount();
        state.counters["snapshots_written"] = written;
        state.counters["ui_longest_stall_ms"] = uiStall;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    benchmark::RegisterBenchmark("SingleSnapshot/SlowFolder500ms", singleSnapshotSlowFolder)
        ->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CameraGaps/25fps/NoSnapshots", cameraGaps, false)
        ->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CameraGaps/25fps/SlowFolder500ms", cameraGaps, true)
        ->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
