// Recording at 1920 x 1080 from a live test source for ten seconds: how many of the frames the
// source offered went through the grabber and into the file, and the longest the window's loop
// was held while the recording was added to the running preview and while it was finished.
//
// The source delivers YUY2, as a raw UVC camera does, so the conversion to 32-bit RGB is paid as
// in the program. The frames go through the real canvas: plain (no tool active) and heavy (turned
// a quarter turn, zoom 2, a drawing on the layer, mosaic, circle mask).

#include "ImageCanvas.h"
#include "media/CapturePipeline.h"
#include "media/GstRuntime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <gst/gst.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

namespace {

const int Width = 1920;
const int Height = 1080;
const int RecordingMs = 10000;

// Drags the freehand pen across the canvas, as a presenter underlining a line would.
void drawOn(ImageCanvas &canvas)
{
    const auto send = [&canvas](QEvent::Type type, const QPoint &point, Qt::MouseButtons buttons) {
        QMouseEvent event(type, point, canvas.mapToGlobal(point), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    };
    canvas.setDrawMode(1); // freehand
    send(QEvent::MouseButtonPress, QPoint(400, 300), Qt::LeftButton);
    for (int x = 400; x <= 1400; x += 20)
        send(QEvent::MouseMove, QPoint(x, 300 + (x % 200)), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(1400, 300), Qt::NoButton);
}

void makeHeavy(ImageCanvas &canvas)
{
    std::vector<uchar> frame(size_t(Width) * Height * 4, 128);
    canvas.processFrame(frame.data(), Width, Height, false, true);
    canvas.rotateClockwise();
    while (canvas.zoom() < 2.0 && canvas.zoom() < canvas.minZoom() + 6)
        canvas.zoomIn();
    drawOn(canvas);
    canvas.effect = 3; // mosaic
    canvas.mask = 1;   // circle
}

GstPadProbeReturn countBuffer(GstPad *, GstPadProbeInfo *, gpointer counter)
{
    ++*static_cast<std::atomic<int> *>(counter);
    return GST_PAD_PROBE_OK;
}

GstElement *countingCamera(std::atomic<int> *offered)
{
    GstElement *bin = gst_parse_bin_from_description(
        "videotestsrc is-live=true name=camera ! video/x-raw,format=YUY2 ! identity", TRUE, nullptr);
    GstElement *camera = gst_bin_get_by_name(GST_BIN(bin), "camera");
    GstPad *pad = gst_element_get_static_pad(camera, "src");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, countBuffer, offered, nullptr);
    gst_object_unref(pad);
    gst_object_unref(camera);
    return bin;
}

int framesInFile(const QString &path)
{
    const QByteArray description = "filesrc location=\"" + path.toLocal8Bit()
        + "\" ! avidemux name=d d.video_0 ! queue ! fakesink name=v sync=false"
          " d.audio_0 ! queue ! fakesink sync=false";
    GstElement *pipeline = gst_parse_launch(description.constData(), nullptr);
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "v");
    std::atomic<int> frames{0};
    GstPad *pad = gst_element_get_static_pad(sink, "sink");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, countBuffer, &frames, nullptr);
    gst_object_unref(pad);
    gst_object_unref(sink);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *message = gst_bus_timed_pop_filtered(
        bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool complete = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message)
        gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return complete ? int(frames) : -1;
}

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A 5 ms timer on the window's thread, noting the longest time between two of its ticks.
class LoopProbe
{
public:
    void begin()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            longest = std::max(longest, clock.restart());
        });
        clock.start();
        timer.start();
    }
    // Milliseconds; the time since the last tick counts too.
    double end()
    {
        timer.stop();
        return double(std::max(longest, clock.elapsed()));
    }

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 longest = 0;
};

void BM_Recording1080p(benchmark::State &state)
{
    GstRuntime::ensureInitialised();
    QTemporaryDir folder;
    const bool heavy = state.range(0) != 0;
    for (auto _ : state) {
        std::atomic<int> offered{0};
        std::atomic<int> passed{0};
        ImageCanvas canvas;
        canvas.resize(Width, Height);
        if (heavy)
            makeHeavy(canvas);
        // Counted on the canvas's own signal: one per frame it rendered from the camera.
        QObject::connect(&canvas, &ImageCanvas::updateFromWorker, [&passed] { ++passed; });
        CapturePipeline pipeline;
        CapturePipeline::Settings settings;
        settings.createVideoSource = [&offered] { return countingCamera(&offered); };
        settings.receiver = &canvas;
        settings.size = QSize(Width, Height);
        const QString file = folder.filePath(QStringLiteral("bench.avi"));
        bool failed = false;
        QObject::connect(&pipeline, &CapturePipeline::failed, [&failed] { failed = true; });
        if (!pipeline.start(settings)) {
            state.SkipWithError(pipeline.error().toUtf8().constData());
            return;
        }
        // The longest the window's loop was held while the recording started and while it ended.
        LoopProbe startProbe;
        QEventLoop starting;
        QObject::connect(&pipeline, &CapturePipeline::recordingStarted, &starting, &QEventLoop::quit);
        QObject::connect(&pipeline, &CapturePipeline::failed, &starting, &QEventLoop::quit);
        startProbe.begin();
        const bool asked = pipeline.startRecording(
            file, [] { return gst_element_factory_make("audiotestsrc", nullptr); });
        if (asked)
            starting.exec();
        state.counters["start_stall_ms"] = startProbe.end();
        waitMs(RecordingMs);
        LoopProbe stopProbe;
        QEventLoop finishing;
        QObject::connect(&pipeline, &CapturePipeline::recordingFinished, &finishing, &QEventLoop::quit);
        stopProbe.begin();
        pipeline.stopRecording();
        finishing.exec();
        state.counters["stop_stall_ms"] = stopProbe.end();
        pipeline.stop();
        if (failed || !asked) {
            state.SkipWithError("the pipeline reported an error");
            return;
        }
        state.PauseTiming();
        const int offeredFrames = offered;
        state.counters["offered"] = offeredFrames;
        state.counters["through_grabber"] = int(passed);
        state.counters["dropped"] = offeredFrames - int(passed);
        state.counters["in_file"] = framesInFile(file);
        state.counters["zoom"] = canvas.zoom();
        state.counters["drawn"] = canvas.hasDrawings() ? 1 : 0;
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Recording1080p)
    ->ArgName("heavy")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    // The canvas is a widget but is never shown here; without a display it runs off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
