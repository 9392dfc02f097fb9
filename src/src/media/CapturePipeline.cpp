#include "CapturePipeline.h"

#include "GrabberElement.h"
#include "GstRuntime.h"

#include <QDeadlineTimer>
#include <QDebug>

#include <gst/gst.h>

#include <algorithm>

namespace {

// Buffers queued in front of the encoder: enough to ride out a slow frame, few enough that a
// lasting backlog turns into dropped frames at the grabber rather than into delay.
const guint EncoderQueueFrames = 8;

QString errorText(GstMessage *message)
{
    GError *error = nullptr;
    gchar *debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    const QString text = QString::fromUtf8(error ? error->message : "unknown error");
    qDebug() << "GStreamer error from" << GST_OBJECT_NAME(GST_MESSAGE_SRC(message)) << ":" << text
             << (debug ? debug : "");
    g_clear_error(&error);
    g_free(debug);
    return text;
}

} // namespace

CapturePipeline::CapturePipeline(QObject *parent)
    : QObject(parent)
    , busTimer(this)
{
    busTimer.setInterval(BusPollMs);
    connect(&busTimer, SIGNAL(timeout()), this, SLOT(pollBus()));
}

CapturePipeline::~CapturePipeline()
{
    stop();
}

bool CapturePipeline::isRunning() const
{
    return pipeline != nullptr;
}

bool CapturePipeline::isRecording() const
{
    return pipeline && recording;
}

QString CapturePipeline::error() const
{
    return lastError;
}

bool CapturePipeline::start(const Settings &settings)
{
    stop();
    GstRuntime::ensureInitialised();
    lastError.clear();
    recording = !settings.recordFile.isEmpty();
    // Owned from the start: a pipeline left floating would be freed by the first unref of anyone.
    pipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("camera")));
    bus = gst_element_get_bus(pipeline);
    if (!build(settings))
        return false;
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        const QString busError = takeBusError();
        return fail(busError.isEmpty() ? tr("The camera pipeline could not be started.") : busError);
    }
    busTimer.start();
    return true;
}

void CapturePipeline::stop()
{
    if (!pipeline)
        return;
    busTimer.stop();
    if (recording)
        finishRecording();
    release();
}

bool CapturePipeline::build(const Settings &settings)
{
    videoSource = settings.createVideoSource ? settings.createVideoSource() : nullptr;
    if (!videoSource)
        return fail(tr("The camera could not be opened."));
    gst_bin_add(GST_BIN(pipeline), videoSource);

    const CaptureFormat format = chooseCaptureFormat(settings.size);
    if (!format.isValid()) {
        const QString busError = takeBusError();
        return fail(busError.isEmpty() ? tr("The camera offers no picture format this program can use.")
                                       : busError);
    }
    qDebug() << "The camera gives" << describe(format);
    GstElement *formatFilter = addCapsFilter(format.toCaps());
    if (!formatFilter)
        return fail(tr("A GStreamer element the camera needs is not installed."));
    std::vector<GstElement *> chain{videoSource, formatFilter};
    if (!addDecoder(format, chain))
        return fail(tr("A GStreamer element the camera needs is not installed."));
    GstElement *convert = add("videoconvert");
    // Only the pixel layout is fixed here: the picture keeps the camera's own size and shape.
    GstElement *rgbFilter =
        addCapsFilter(gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", nullptr));
    GstElement *grabber = GrabberElement::create(settings.receiver, true);
    if (grabber)
        gst_bin_add(GST_BIN(pipeline), grabber);
    if (!convert || !rgbFilter || !grabber)
        return fail(tr("A GStreamer element the camera needs is not installed."));
    chain.insert(chain.end(), {convert, rgbFilter, grabber});
    if (!linkChain(chain))
        return fail(tr("The camera pipeline could not be linked."));

    if (recording)
        return buildRecordingTail(grabber, settings);

    GstElement *sink = add("fakesink");
    if (!sink)
        return fail(tr("A GStreamer element the camera needs is not installed."));
    g_object_set(sink, "sync", FALSE, "async", FALSE, "enable-last-sample", FALSE, nullptr);
    return linkChain({grabber, sink}) || fail(tr("The camera pipeline could not be linked."));
}

bool CapturePipeline::buildRecordingTail(GstElement *grabber, const Settings &settings)
{
    // avimux keeps no time stamps: frames the grabber drops are filled in here so that picture
    // and sound stay together.
    GstElement *rate = add("videorate");
    GstElement *rateFilter = addCapsFilter(gst_caps_new_simple(
        "video/x-raw", "framerate", GST_TYPE_FRACTION, FramesPerSecond, 1, nullptr));
    GstElement *queue = add("queue");
    GstElement *encoder = add("jpegenc");
    GstElement *mux = add("avimux");
    GstElement *sink = add("filesink");
    muxer = mux;
    fileSink = sink;
    if (!rate || !rateFilter || !queue || !encoder || !mux || !sink)
        return fail(tr("A GStreamer element needed for recording (JPEG encoder or AVI writer) is "
                       "not installed."));
    g_object_set(queue, "max-size-buffers", EncoderQueueFrames, "max-size-bytes", 0u,
                 "max-size-time", guint64(0), nullptr);
    g_object_set(sink, "location", settings.recordFile.toLocal8Bit().constData(), "async", FALSE,
                 nullptr);

    if (!linkChain({grabber, rate, rateFilter, queue, encoder}) || !linkChain({mux, sink}))
        return fail(tr("The recording pipeline could not be linked."));
    GstPad *muxVideo = gst_element_request_pad_simple(mux, "video_%u");
    GstPad *encoderOut = gst_element_get_static_pad(encoder, "src");
    const bool videoLinked = muxVideo && gst_pad_link(encoderOut, muxVideo) == GST_PAD_LINK_OK;
    gst_object_unref(encoderOut);
    if (muxVideo)
        gst_object_unref(muxVideo);
    if (!videoLinked)
        return fail(tr("The recording pipeline could not be linked."));
    return buildAudioBranch(mux, settings);
}

bool CapturePipeline::buildAudioBranch(GstElement *mux, const Settings &settings)
{
    if (!settings.createAudioSource)
        return true;
    GstElement *source = settings.createAudioSource();
    if (!source) {
        qDebug() << "The audio input could not be opened; recording without sound";
        return true;
    }
    gst_bin_add(GST_BIN(pipeline), source);
    GstElement *convert = add("audioconvert");
    GstElement *resample = add("audioresample");
    GstElement *pcm = addCapsFilter(
        gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", nullptr));
    GstElement *queue = add("queue");
    if (!convert || !resample || !pcm || !queue || !linkChain({source, convert, resample, pcm, queue}))
        return fail(tr("The sound of the recording could not be set up."));
    GstPad *muxAudio = gst_element_request_pad_simple(mux, "audio_%u");
    GstPad *queueOut = gst_element_get_static_pad(queue, "src");
    const bool linked = muxAudio && gst_pad_link(queueOut, muxAudio) == GST_PAD_LINK_OK;
    gst_object_unref(queueOut);
    if (muxAudio)
        gst_object_unref(muxAudio);
    return linked || fail(tr("The sound of the recording could not be set up."));
}

GstElement *CapturePipeline::add(const char *factory, const char *name)
{
    GstElement *element = gst_element_factory_make(factory, name);
    if (!element) {
        qDebug() << "GStreamer element missing:" << factory;
        return nullptr;
    }
    gst_bin_add(GST_BIN(pipeline), element);
    return element;
}

// Null, with the caps let go, when the capsfilter element is missing.
GstElement *CapturePipeline::addCapsFilter(GstCaps *caps)
{
    GstElement *filter = add("capsfilter");
    if (filter)
        g_object_set(filter, "caps", caps, nullptr);
    gst_caps_unref(caps);
    return filter;
}

bool CapturePipeline::linkChain(const std::vector<GstElement *> &chain)
{
    GstElement *previous = nullptr;
    for (GstElement *element : chain) {
        if (previous && !gst_element_link(previous, element)) {
            qDebug() << "Could not link" << GST_OBJECT_NAME(previous) << "to" << GST_OBJECT_NAME(element);
            return false;
        }
        previous = element;
    }
    return true;
}

// Compressed pictures are decoded on the way to the converter. H.264 goes through a parser where
// one is installed (it is in a plugin set many systems lack); without it the decoder takes the
// camera's byte stream of whole pictures as it comes.
bool CapturePipeline::addDecoder(const CaptureFormat &format, std::vector<GstElement *> &chain)
{
    if (format.mediaType == QLatin1String("image/jpeg")) {
        GstElement *decoder = add("jpegdec");
        chain.push_back(decoder);
        return decoder;
    }
    if (format.mediaType == QLatin1String("video/x-h264")) {
        if (GstElementFactory *parserFactory = gst_element_factory_find("h264parse")) {
            gst_object_unref(parserFactory);
            chain.push_back(add("h264parse"));
        }
        const QByteArray decoderName = installedH264Decoder();
        chain.push_back(decoderName.isEmpty() ? nullptr : add(decoderName.constData()));
        return std::find(chain.begin(), chain.end(), nullptr) == chain.end();
    }
    return true;
}

// Opens the camera far enough to ask what it delivers and picks the format to capture in.
CaptureFormat CapturePipeline::chooseCaptureFormat(const QSize &size)
{
    if (gst_element_set_state(videoSource, GST_STATE_READY) == GST_STATE_CHANGE_FAILURE)
        return {};
    GstPad *pad = gst_element_get_static_pad(videoSource, "src");
    if (!pad)
        return {};
    GstCaps *offered = gst_pad_query_caps(pad, nullptr);
    gst_object_unref(pad);
    const CaptureFormat chosen = CaptureFormat::choose(offered, size);
    gst_caps_unref(offered);
    return chosen;
}

bool CapturePipeline::fail(const QString &message)
{
    lastError = message;
    qDebug() << "Camera pipeline not started:" << message;
    release();
    return false;
}

// Popping with a filter drops every message that does not match, so an end-of-stream that is
// already queued is taken here too and remembered, not lost.
QString CapturePipeline::takeBusError()
{
    QString text;
    while (GstMessage *message = gst_bus_pop_filtered(
               bus, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS))) {
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
            endOfStream = true;
            gst_message_unref(message);
            continue;
        }
        noteError(message);
        if (text.isEmpty())
            text = errorText(message);
        gst_message_unref(message);
    }
    return text;
}

void CapturePipeline::noteError(GstMessage *message)
{
    GstObject *origin = GST_MESSAGE_SRC(message);
    for (GstElement *writer : {muxer, fileSink}) {
        if (writer && origin == GST_OBJECT(writer))
            writerFailed = true;
    }
}

// An AVI is complete only after end-of-stream: the index is written then. The wait is bounded so
// a stuck device cannot hang the program; what was written stays readable either way.
//
// When the writer has failed there is no end-of-stream: the muxer holds the branch that brought
// the last buffer and waits for the other, so the live source behind it is stuck in its push, and
// handing a source the event would wait for that push for ever. Stopping the pipeline releases
// all of them; the file keeps what reached it, without an index, which a later start repairs.
void CapturePipeline::finishRecording()
{
    takeBusError();
    if (writerFailed) {
        qDebug() << "The recording's file cannot be written any more; it is closed as it is";
        return;
    }
    // The stream has already ended everywhere, so the file is finished: a new end-of-stream
    // would never come back from sources that have stopped.
    if (endOfStream)
        return;
    gst_element_send_event(pipeline, gst_event_new_eos());
    QDeadlineTimer deadline(FinishTimeoutMs);
    while (!deadline.hasExpired()) {
        GstMessage *message = gst_bus_timed_pop_filtered(
            bus, GstClockTime(deadline.remainingTime()) * GST_MSECOND,
            GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        if (!message)
            break;
        const bool done = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
        if (!done)
            errorText(message);
        gst_message_unref(message);
        if (done)
            return;
    }
    qDebug() << "The recording did not finish in time; its file may lack the index";
}

void CapturePipeline::release()
{
    busTimer.stop();
    if (pipeline) {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
    }
    if (bus)
        gst_object_unref(bus);
    pipeline = nullptr;
    bus = nullptr;
    videoSource = nullptr;
    muxer = nullptr;
    fileSink = nullptr;
    writerFailed = false;
    endOfStream = false;
    recording = false;
}

void CapturePipeline::pollBus()
{
    if (!bus)
        return;
    while (GstMessage *message = gst_bus_pop_filtered(
               bus, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS))) {
        const bool isError = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
        if (isError)
            noteError(message);
        else
            endOfStream = true;
        GstObject *origin = GST_MESSAGE_SRC(message);
        const bool fromCamera = origin == GST_OBJECT(videoSource)
            || gst_object_has_as_ancestor(origin, GST_OBJECT(videoSource));
        const QString text = isError ? errorText(message) : tr("The camera ended its stream.");
        gst_message_unref(message);

        // One report per pipeline; the listener decides when to stop it.
        busTimer.stop();
        const auto failure = (fromCamera || !isError || !recording)
            ? CameraBackend::Failure::CameraLost
            : CameraBackend::Failure::RecordingFailed;
        emit failed(failure, text);
        return;
    }
}
