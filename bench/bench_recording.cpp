// Recording at 1920 x 1080 from a live test source for ten seconds, in both formats side by side:
// how many of the frames the source offered went through the grabber and into the file, the
// pictures a second the preview kept up while recording, the process's processor time as a share
// of one core, the file's bytes per minute, and the longest the window's loop was held while the
// recording was added to the running preview and while it was finished.
//
// The source delivers YUY2, as a raw UVC camera does, so the conversion to 32-bit RGB is paid as
// in the program. The frames go through the real canvas: plain (no tool active) and heavy (turned
// a quarter turn, zoom 2, a drawing on the layer, mosaic, circle mask).
//
// Then a minute of a page being written on, in both formats: a still ruled page with a line of
// handwriting that grows a few pixels each frame, and the bytes an hour of it would take.

#include "ImageCanvas.h"
#include "media/CapturePipeline.h"
#include "media/GstRuntime.h"
#include "media/RecordingFormat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <gst/gst.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

#include <sys/resource.h>

namespace {

const int Width = 1920;
const int Height = 1080;
const int RecordingMs = 10000;
const int HandwritingMs = 60000;
const int FramesPerSecond = CapturePipeline::FramesPerSecond;

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
    const QByteArray demuxer = QFileInfo(path).suffix() == QLatin1String("mp4") ? "qtdemux" : "avidemux";
    const QByteArray description = "filesrc location=\"" + path.toLocal8Bit() + "\" ! " + demuxer
        + " name=d d.video_0 ! queue ! fakesink name=v sync=false"
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

// Processor time of the whole process, user and system, in milliseconds.
double processorMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// A ruled page with a few printed lines, and a pen that writes along the rules a little further
// each frame: what a document camera sees while a teacher writes.
class HandwrittenPage
{
public:
    HandwrittenPage()
        : page(Width, Height, QImage::Format_RGB32)
    {
        page.fill(QColor(250, 250, 246));
        QPainter painter(&page);
        painter.setPen(QPen(QColor(170, 190, 230), 2));
        for (int y = RuleTop; y < Height; y += RuleStep)
            painter.drawLine(0, y, Width, y);
        painter.setPen(Qt::black);
        painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 22));
        painter.drawText(QRect(Margin, 20, Width - 2 * Margin, RuleTop + 2 * RuleStep),
                         QStringLiteral("Exercise 4. Solve for x and show every step of the working."),
                         QTextOption(Qt::AlignLeft));
        pen = QPointF(Margin, RuleTop + 3 * RuleStep - 12);
    }

    // Writes one frame's worth and copies the page into the frame.
    void nextFrame(uchar *bgrx)
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(20, 40, 120), 4, Qt::SolidLine, Qt::RoundCap));
        // About a hand's pace: some 90 pixels a second, in small loops like letters.
        const QPointF next(pen.x() + 3.6, baseline() - 14 - 12 * std::sin(step * 0.7));
        painter.drawLine(pen, next);
        painter.end();
        pen = next;
        ++step;
        if (pen.x() > Width - Margin) {
            line = (line + 1) % LinesWritten;
            pen = QPointF(Margin, baseline() - 14);
        }
        std::memcpy(bgrx, page.constBits(), size_t(Width) * Height * 4);
    }

private:
    static constexpr int Margin = 120;
    static constexpr int RuleTop = 100;
    static constexpr int RuleStep = 64;
    static constexpr int LinesWritten = 12;

    double baseline() const { return RuleTop + (3 + line) * RuleStep; }

    QImage page;
    QPointF pen;
    int line = 0;
    int step = 0;
};

GstPadProbeReturn writeOnPage(GstPad *, GstPadProbeInfo *info, gpointer data)
{
    GstBuffer *buffer = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
    GST_PAD_PROBE_INFO_DATA(info) = buffer;
    GstMapInfo map;
    if (gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
        if (map.size >= size_t(Width) * Height * 4)
            static_cast<HandwrittenPage *>(data)->nextFrame(map.data);
        gst_buffer_unmap(buffer, &map);
    }
    return GST_PAD_PROBE_OK;
}

GstElement *handwritingCamera(std::atomic<int> *offered, HandwrittenPage *page)
{
    GstElement *bin = gst_parse_bin_from_description(
        "videotestsrc is-live=true pattern=white name=camera ! "
        "video/x-raw,format=BGRx,width=1920,height=1080,framerate=25/1 ! identity",
        TRUE, nullptr);
    GstElement *camera = gst_bin_get_by_name(GST_BIN(bin), "camera");
    GstPad *pad = gst_element_get_static_pad(camera, "src");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, countBuffer, offered, nullptr);
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, writeOnPage, page, nullptr);
    gst_object_unref(pad);
    gst_object_unref(camera);
    return bin;
}

// Records for the given time from the source into a file of the format and fills in the counters.
void recordInto(benchmark::State &state, const std::function<GstElement *(std::atomic<int> *)> &camera,
                ImageCanvas &canvas, RecordingFormat format, int milliseconds)
{
    if (!format.isInstalled()) {
        state.SkipWithError("the format's elements are not installed");
        return;
    }
    QTemporaryDir folder;
    std::atomic<int> offered{0};
    std::atomic<int> passed{0};
    // Counted on the canvas's own signal: one per frame it rendered from the camera.
    const QMetaObject::Connection counting =
        QObject::connect(&canvas, &ImageCanvas::updateFromWorker, [&passed] { ++passed; });
    CapturePipeline pipeline;
    CapturePipeline::Settings settings;
    settings.createVideoSource = [&offered, &camera] { return camera(&offered); };
    settings.receiver = &canvas;
    settings.size = QSize(Width, Height);
    const QString file = folder.filePath(QStringLiteral("bench") + format.fileSuffix());
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
        file, [] { return gst_element_factory_make("audiotestsrc", nullptr); }, format);
    if (asked)
        starting.exec();
    state.counters["start_stall_ms"] = startProbe.end();
    const int offeredBefore = offered;
    const int passedBefore = passed;
    const double processorBefore = processorMs();
    QElapsedTimer recording;
    recording.start();
    waitMs(milliseconds);
    const double seconds = recording.elapsed() / 1000.0;
    const double processorUsed = processorMs() - processorBefore;
    const int offeredFrames = offered - offeredBefore;
    const int passedFrames = passed - passedBefore;
    LoopProbe stopProbe;
    QEventLoop finishing;
    QObject::connect(&pipeline, &CapturePipeline::recordingFinished, &finishing, &QEventLoop::quit);
    stopProbe.begin();
    pipeline.stopRecording();
    finishing.exec();
    state.counters["stop_stall_ms"] = stopProbe.end();
    pipeline.stop();
    QObject::disconnect(counting);
    if (failed || !asked) {
        state.SkipWithError("the pipeline reported an error");
        return;
    }
    state.PauseTiming();
    const int inFile = framesInFile(file);
    const double fileSeconds = std::max(1, inFile) / double(FramesPerSecond);
    const double bytes = double(QFileInfo(file).size());
    state.counters["offered"] = offeredFrames;
    state.counters["through_grabber"] = passedFrames;
    state.counters["dropped"] = offeredFrames - passedFrames;
    state.counters["in_file"] = inFile;
    state.counters["preview_fps"] = passedFrames / seconds;
    state.counters["cpu_pct_of_core"] = 100.0 * processorUsed / (seconds * 1000.0);
    state.counters["MB_per_min"] = bytes / fileSeconds * 60 / 1e6;
    state.counters["GB_per_hour"] = bytes / fileSeconds * 3600 / 1e9;
    state.ResumeTiming();
}

RecordingFormat formatOf(const benchmark::State &state, int argument)
{
    return state.range(argument) != 0 ? RecordingFormat::Mp4 : RecordingFormat::Avi;
}

void BM_Recording1080p(benchmark::State &state)
{
    GstRuntime::ensureInitialised();
    const bool heavy = state.range(0) != 0;
    for (auto _ : state) {
        ImageCanvas canvas;
        canvas.resize(Width, Height);
        if (heavy)
            makeHeavy(canvas);
        recordInto(state, countingCamera, canvas, formatOf(state, 1), RecordingMs);
        state.counters["zoom"] = canvas.zoom();
        state.counters["drawn"] = canvas.hasDrawings() ? 1 : 0;
    }
}

void BM_Handwriting1080p(benchmark::State &state)
{
    GstRuntime::ensureInitialised();
    for (auto _ : state) {
        ImageCanvas canvas;
        canvas.resize(Width, Height);
        HandwrittenPage page;
        recordInto(state, [&page](std::atomic<int> *offered) { return handwritingCamera(offered, &page); },
                   canvas, formatOf(state, 0), HandwritingMs);
    }
}

} // namespace

BENCHMARK(BM_Recording1080p)
    ->ArgNames({"heavy", "mp4"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK(BM_Handwriting1080p)
    ->ArgName("mp4")
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
