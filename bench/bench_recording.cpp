// Recording at 1920 x 1080 from a live test source for ten seconds: how many of the frames the
// source offered went through the grabber and into the file.
//
// The source delivers YUY2, as a raw UVC camera does, so the conversion to 32-bit RGB is paid as
// in the program. The receiver copies each frame in and writes a picture back, as the canvas does
// with no tool active.

#include "ICaptureCB.h"
#include "media/CapturePipeline.h"
#include "media/GstRuntime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <gst/gst.h>

#include <atomic>
#include <cstring>
#include <vector>

namespace {

const int Width = 1920;
const int Height = 1080;
const int RecordingMs = 10000;

class CopyingReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *data, int width, int height, bool, bool) override
    {
        const size_t bytes = size_t(width) * size_t(height) * 4;
        held.resize(bytes);
        std::memcpy(held.data(), data, bytes);
        std::memcpy(data, held.data(), bytes);
        ++frames;
    }

    std::vector<uchar> held;
    std::atomic<int> frames{0};
};

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

void BM_Recording1080p(benchmark::State &state)
{
    GstRuntime::ensureInitialised();
    QTemporaryDir folder;
    for (auto _ : state) {
        std::atomic<int> offered{0};
        CopyingReceiver receiver;
        CapturePipeline pipeline;
        CapturePipeline::Settings settings;
        settings.createVideoSource = [&offered] { return countingCamera(&offered); };
        settings.createAudioSource = [] {
            return gst_element_factory_make("audiotestsrc", nullptr);
        };
        settings.receiver = &receiver;
        settings.size = QSize(Width, Height);
        settings.recordFile = folder.filePath(QStringLiteral("bench.avi"));
        bool failed = false;
        QObject::connect(&pipeline, &CapturePipeline::failed, [&failed] { failed = true; });
        if (!pipeline.start(settings)) {
            state.SkipWithError(pipeline.error().toUtf8().constData());
            return;
        }
        waitMs(RecordingMs);
        pipeline.stop();
        if (failed) {
            state.SkipWithError("the pipeline reported an error");
            return;
        }
        state.PauseTiming();
        const int offeredFrames = offered;
        const int passed = receiver.frames;
        state.counters["offered"] = offeredFrames;
        state.counters["through_grabber"] = passed;
        state.counters["dropped"] = offeredFrames - passed;
        state.counters["in_file"] = framesInFile(settings.recordFile);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Recording1080p)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
