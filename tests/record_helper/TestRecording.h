// Test cameras and microphones on GStreamer test sources, and a reader that decodes every frame
// of a recorded AVI or MP4: shared by the fault and repair tests and by the recording helper program.
#ifndef TESTRECORDING_H
#define TESTRECORDING_H

#include "Config.h"
#include "ICaptureCB.h"
#include "LiveSource.h"
#include "media/CameraControls.h"
#include "media/CaptureFormat.h"
#include "media/GstCameraBackend.h"
#include "../tst_pipelines.h"

#include <QDebug>
#include <QFileInfo>
#include <QString>

#include <gst/gst.h>

#include <atomic>
#include <memory>

namespace TestRecording {

const char *const RedCamera = "videotestsrc is-live=true pattern=red";
const char *const Microphone = "audiotestsrc is-live=true wave=silence";
const char *const CameraName = "Test camera (usb#vid_04fc&pid_5330)";

// Counts the frames and leaves them as they are.
class CountingReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override { ++frames; }

    std::atomic<int> frames{0};
};

class FakeControls : public CameraControls
{
public:
    bool hasBrightness() override { return true; }
    std::optional<int> brightness() override { return 0; }
    void setBrightness(int) override {}
    QPair<int, int> brightnessRange() override { return {0, 0}; }
    std::optional<int> focus() override { return 0; }
    void setFocus(int, bool) override {}
    int setExtensionControl(int, const void *, int) override { return 0; }
    int getExtensionControl(int, void *, int) override { return 0; }
};

using testpipelines::sourceFrom;

inline CaptureDevice device(const QString &name, const QByteArray &description)
{
    CaptureDevice device;
    device.displayName = name;
    device.createSource = [description] { return sourceFrom(description.constData()); };
    return device;
}

// The recorder writes what the settings name: the format the file's extension calls for.
inline void recordAsNamed(const QString &file)
{
    Config::setRecordingFormat(QFileInfo(file).suffix());
}

inline bool isMp4(const QString &file)
{
    return QFileInfo(file).suffix() == QLatin1String("mp4");
}

// The real GStreamer back end on a camera and a microphone made of test sources; an empty
// microphone description gives a machine without sound input.
inline std::unique_ptr<CameraBackend> backend(const QByteArray &camera, const QByteArray &microphone)
{
    GstCameraBackend::Devices devices;
    const CaptureDevice cameraDevice = device(QString::fromLatin1(CameraName), camera);
    devices.videoInputs = [cameraDevice] { return QList<CaptureDevice>{cameraDevice}; };
    devices.audioInputs = [microphone] {
        if (microphone.isEmpty())
            return QList<CaptureDevice>();
        return QList<CaptureDevice>{device(QStringLiteral("Test microphone"), microphone)};
    };
    devices.openControls = [](const CaptureDevice &) {
        return std::unique_ptr<CameraControls>(new FakeControls);
    };
    return std::unique_ptr<CameraBackend>(new GstCameraBackend(devices));
}

// A live source on the test devices, already past its two-second wait and open.
inline LiveSource *openSource(ICaptureCB *receiver, const QSize &size, const QByteArray &camera,
                              const QByteArray &microphone = QByteArray(Microphone))
{
    auto now = std::make_shared<qint64>(0);
    LiveSource *source = new LiveSource(backend(camera, microphone), receiver, size.width(),
                                        size.height(), size.width(), size.height(), nullptr,
                                        [now] { return *now; });
    *now = LiveSource::StabilityWaitMs + 1;
    source->checkExistance();
    return source;
}

// What a full read of a recording found: every video chunk the demuxer gave and every picture the
// decoder (JPEG or H.264) made of them.
struct Frames
{
    bool reachedEnd = false;
    QString error;
    int demuxed = 0;
    int decoded = 0;
    int audioBuffers = 0;

    bool allDecode() const { return reachedEnd && demuxed > 0 && decoded == demuxed; }
    QString describe() const
    {
        return QStringLiteral("end %1, %2 demuxed, %3 decoded, %4 sound buffers %5")
            .arg(reachedEnd)
            .arg(demuxed)
            .arg(decoded)
            .arg(audioBuffers)
            .arg(error);
    }
};

namespace detail {

inline GstPadProbeReturn count(GstPad *pad, GstPadProbeInfo *info, gpointer counter)
{
    const ThreadHandOver::InCallback callback(testpipelines::pipelineOf(pad));
    if (GST_PAD_PROBE_INFO_TYPE(info) & GST_PAD_PROBE_TYPE_BUFFER)
        ++*static_cast<std::atomic<int> *>(counter);
    return GST_PAD_PROBE_OK;
}

struct Reading
{
    GstElement *pipeline;
    QByteArray decoder;
    std::atomic<int> demuxed{0};
    std::atomic<int> decoded{0};
    std::atomic<int> audio{0};
};

inline void probe(GstElement *bin, const char *element, std::atomic<int> *counter)
{
    GstElement *named = gst_bin_get_by_name(GST_BIN(bin), element);
    GstPad *pad = gst_element_get_static_pad(named, "sink");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, count, counter, nullptr);
    gst_object_unref(pad);
    gst_object_unref(named);
}

inline void onPad(GstElement *demux, GstPad *pad, gpointer data)
{
    const ThreadHandOver::InCallback callback(testpipelines::pipelineOf(demux));
    Reading *reading = static_cast<Reading *>(data);
    const bool video = QByteArray(GST_PAD_NAME(pad)).startsWith("video");
    // The decoder stops the read at the first picture it cannot decode (max-errors 0).
    const QByteArray decoding = "queue name=in ! " + reading->decoder + " max-errors=0 ! fakesink name=out sync=false";
    GstElement *branch = sourceFrom(video ? decoding.constData() : "queue name=in ! fakesink sync=false");
    gst_bin_add(GST_BIN(reading->pipeline), branch);
    gst_element_sync_state_with_parent(branch);
    GstPad *sink = gst_element_get_static_pad(branch, "sink");
    gst_pad_link(pad, sink);
    gst_object_unref(sink);
    probe(branch, "in", video ? &reading->demuxed : &reading->audio);
    if (video)
        probe(branch, "out", &reading->decoded);
}

} // namespace detail

inline Frames readFrames(const QString &path)
{
    Frames frames;
    detail::Reading reading;
    reading.pipeline = gst_pipeline_new("reader");
    reading.decoder = isMp4(path) ? installedH264Decoder() : QByteArray("jpegdec");
    GstElement *file = gst_element_factory_make("filesrc", nullptr);
    GstElement *demux = gst_element_factory_make(isMp4(path) ? "qtdemux" : "avidemux", nullptr);
    g_object_set(file, "location", path.toLocal8Bit().constData(), nullptr);
    gst_bin_add_many(GST_BIN(reading.pipeline), file, demux, nullptr);
    gst_element_link(file, demux);
    g_signal_connect(demux, "pad-added", G_CALLBACK(detail::onPad), &reading);

    frames.reachedEnd = testpipelines::runToEnd(reading.pipeline, 30 * GST_SECOND, &frames.error);
    frames.demuxed = reading.demuxed;
    frames.decoded = reading.decoded;
    frames.audioBuffers = reading.audio;
    return frames;
}

} // namespace TestRecording

#endif
