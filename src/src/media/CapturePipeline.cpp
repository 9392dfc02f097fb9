#include "CapturePipeline.h"

#include "BinParts.h"
#include "GrabberElement.h"
#include "GstErrorText.h"
#include "GstRuntime.h"
#include "ThreadHandOver.h"

#include <QDebug>

#include <gst/gst.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <iterator>

namespace {

// Buffers queued in front of the encoder: enough to ride out a slow frame, few enough that a
// lasting backlog turns into dropped frames at the grabber rather than into delay.
const guint EncoderQueueFrames = 8;


bool linkChain(const std::vector<GstElement *> &chain)
{
    GstElement *previous = nullptr;
    for (GstElement *element : chain) {
        if (!element)
            return false;
        if (previous && !gst_element_link(previous, element)) {
            qDebug() << "Could not link" << GST_OBJECT_NAME(previous) << "to" << GST_OBJECT_NAME(element);
            return false;
        }
        previous = element;
    }
    return true;
}

bool linkToRequestPad(GstElement *from, GstElement *to, const char *padTemplate)
{
    GstPad *target = gst_element_request_pad_simple(to, padTemplate);
    GstPad *source = gst_element_get_static_pad(from, "src");
    const bool linked = target && source && gst_pad_link(source, target) == GST_PAD_LINK_OK;
    if (source)
        gst_object_unref(source);
    if (target)
        gst_object_unref(target);
    return linked;
}

// The recording's way in answers every buffer with success, whatever became of it there: a
// recording that failed or has ended must not stop the camera behind the tee. Its failures are
// reported on the bus by the element that had them.
GstFlowReturn shieldedChain(GstPad *pad, GstObject *parent, GstBuffer *buffer)
{
    gst_proxy_pad_chain_default(pad, parent, buffer);
    return GST_FLOW_OK;
}

GstFlowReturn shieldedChainList(GstPad *pad, GstObject *parent, GstBufferList *list)
{
    gst_proxy_pad_chain_list_default(pad, parent, list);
    return GST_FLOW_OK;
}

using Clock = std::chrono::steady_clock;

} // namespace

// A recording attached to the tee. The fields the bus handler and the pad probes read are
// guarded by lock; the element pointers are set before the branch is started and stay until the
// branch is finished.
struct CapturePipeline::Branch
{
    ~Branch()
    {
        if (bin)
            gst_object_unref(bin);
    }

    QString fileName;
    RecordingFormat format;
    GstElement *bin = nullptr;
    GstPad *sinkPad = nullptr; // the bin's own
    GstPad *teePad = nullptr;
    GstElement *audioSource = nullptr;
    GstElement *muxer = nullptr;
    GstElement *fileSink = nullptr;

    std::mutex lock;
    std::condition_variable changed;
    bool starting = true;
    bool started = false;
    bool detached = false;
    // The file writer has finished: the file is complete.
    bool ended = false;
    // The muxer or the file writer failed (a full disk, a vanished drive): nothing more reaches the
    // file, and a stream may hang in the muxer, so the recording is not ended by end-of-stream.
    bool writerFailed = false;
    bool failureReported = false;
    QString startError;
};

CapturePipeline::CapturePipeline(QObject *parent)
    : QObject(parent)
{
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
    return current != nullptr;
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
    cameraFailureReported = false;
    ++generation;
    // Owned from the start: a pipeline left floating would be freed by the first unref of anyone.
    pipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("camera")));
    bus = gst_element_get_bus(pipeline);
    if (!build(settings))
        return false;
    ThreadHandOver::beforeCallbacks(this);
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        const QString busError = takeBusError();
        return fail(busError.isEmpty() ? tr("The camera pipeline could not be started.") : busError);
    }
    // From here on every message is taken on the thread that posts it; what came before is
    // still queued on the bus.
    ThreadHandOver::beforeCallbacks(this);
    gst_bus_set_sync_handler(
        bus,
        [](GstBus *, GstMessage *message, gpointer self) {
            const ThreadHandOver::InCallback callback(self);
            static_cast<CapturePipeline *>(self)->handleMessage(message);
            return GST_BUS_DROP;
        },
        this, nullptr);
    while (GstMessage *message = gst_bus_pop(bus)) {
        handleMessage(message);
        gst_message_unref(message);
    }
    startWorker([] { RecordingFormat::loadPlugins(); });
    return true;
}

void CapturePipeline::stop()
{
    if (current) {
        stopRecording();
    }
    reapWorkers(true);
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
    const QString missing = tr("A GStreamer element the camera needs is not installed.");
    GstElement *formatFilter = addCapsFilter(format.toCaps());
    if (!formatFilter)
        return fail(missing);
    std::vector<GstElement *> chain{videoSource, formatFilter};
    if (!addDecoder(format, chain))
        return fail(missing);
    GstElement *convert = add("videoconvert");
    // Only the pixel layout is fixed here: the picture keeps the camera's own size and shape.
    GstElement *rgbFilter =
        addCapsFilter(gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", nullptr));
    GstElement *grabber = GrabberElement::create(settings.receiver, true);
    if (grabber)
        gst_bin_add(GST_BIN(pipeline), grabber);
    tee = add("tee");
    GstElement *sink = add("fakesink");
    if (!convert || !rgbFilter || !grabber || !tee || !sink)
        return fail(missing);
    g_object_set(tee, "allow-not-linked", TRUE, nullptr);
    g_object_set(sink, "sync", FALSE, "async", FALSE, "enable-last-sample", FALSE, nullptr);
    chain.insert(chain.end(), {convert, rgbFilter, grabber, tee, sink});
    if (!linkChain(chain))
        return fail(tr("The camera pipeline could not be linked."));

    // The camera's own end, seen where it leaves the grabber: the preview's sink alone would not
    // tell while a recording holds the pipeline's end back.
    GstPad *teeIn = gst_element_get_static_pad(tee, "sink");
    gst_pad_add_probe(
        teeIn, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM,
        [](GstPad *, GstPadProbeInfo *info, gpointer self) {
            const ThreadHandOver::InCallback callback(self);
            if (GST_EVENT_TYPE(GST_PAD_PROBE_INFO_EVENT(info)) == GST_EVENT_EOS)
                static_cast<CapturePipeline *>(self)->noteCameraEnded();
            return GST_PAD_PROBE_OK;
        },
        this, nullptr);
    gst_object_unref(teeIn);
    return true;
}

GstElement *CapturePipeline::add(const char *factory)
{
    return BinParts::add(pipeline, factory);
}

GstElement *CapturePipeline::addCapsFilter(GstCaps *caps)
{
    return BinParts::addCapsFilter(pipeline, caps);
}

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

// The first error queued on the bus before the sync handler was set, if any.
QString CapturePipeline::takeBusError()
{
    QString text;
    while (GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
        if (text.isEmpty())
            text = GstErrorText::of(message, "GStreamer error from");
        gst_message_unref(message);
    }
    return text;
}

void CapturePipeline::release()
{
    if (pipeline) {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
    }
    if (bus) {
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        ThreadHandOver::afterCallbacks(this);
    }
    pipeline = nullptr;
    bus = nullptr;
    videoSource = nullptr;
    tee = nullptr;
    std::lock_guard<std::mutex> guard(branchLock);
    branches.clear();
}

// ---- the recording ----

bool CapturePipeline::startRecording(const QString &fileName,
                                     const std::function<GstElement *()> &createAudioSource,
                                  RecordingFormat format)
{
    lastError.clear();
    if (!pipeline || current) {
        lastError = tr("The camera pipeline could not be started.");
        return false;
    }
    auto branch = std::make_shared<Branch>();
    branch->fileName = fileName;
    branch->format = format;
    GstElement *audioSource = createAudioSource ? createAudioSource() : nullptr;
    if (createAudioSource && !audioSource)
        qDebug() << "The audio input could not be opened; recording without sound";
    if (!buildBranch(*branch, audioSource, &lastError))
        return false;
    current = branch;
    {
        std::lock_guard<std::mutex> guard(branchLock);
        branches.push_back(branch);
    }
    startWorker([this, branch] { runStart(branch); });
    return true;
}

void CapturePipeline::stopRecording()
{
    if (!current)
        return;
    const std::shared_ptr<Branch> branch = std::move(current);
    current.reset();
    startWorker([this, branch] { runFinish(branch); });
}

// Builds the recording's bin, not yet part of the pipeline. Safe on any thread.
bool CapturePipeline::buildBranch(Branch &branch, GstElement *audioSource, QString *error)
{
    GstElement *bin = GST_ELEMENT(gst_object_ref_sink(gst_bin_new(nullptr)));
    // The file writer's end-of-stream is kept inside the bin by default; it is what says the file
    // is complete.
    g_object_set(bin, "message-forward", TRUE, nullptr);
    std::lock_guard<std::mutex> guard(branch.lock);
    if (branch.bin)
        gst_object_unref(branch.bin);
    branch.bin = bin;
    branch.audioSource = nullptr;
    branch.sinkPad = nullptr;

    // avimux keeps no time stamps: frames the grabber drops are filled in here so that picture
    // and sound stay together (mp4mux would keep the gaps, but a player shows an even stream
    // better). The first frame opens the file; nothing is made up before it.
    GstElement *rate = BinParts::add(bin, "videorate");
    GstElement *rateFilter = BinParts::addCapsFilter(bin, gst_caps_new_simple(
        "video/x-raw", "framerate", GST_TYPE_FRACTION, FramesPerSecond, 1, nullptr));
    GstElement *queue = BinParts::add(bin, "queue");
    std::vector<GstElement *> video{rate, rateFilter, queue};
    const std::vector<GstElement *> encoder = branch.format.addVideoEncoder(bin);
    video.insert(video.end(), encoder.begin(), encoder.end());
    branch.muxer = branch.format.addMuxer(bin);
    branch.fileSink = branch.format.addFileSink(bin);
    const auto isMissing = [](GstElement *element) { return element == nullptr; };
    if (std::any_of(video.begin(), video.end(), isMissing) || !branch.muxer || !branch.fileSink) {
        if (audioSource)
            gst_object_unref(gst_object_ref_sink(audioSource));
        *error = branch.format.kind() == RecordingFormat::Mp4
                     ? tr("A GStreamer element needed for recording (H.264 encoder or MP4 writer) "
                          "is not installed.")
                     : tr("A GStreamer element needed for recording (JPEG encoder or AVI writer) is "
                          "not installed.");
        return false;
    }
    g_object_set(rate, "skip-to-first", TRUE, nullptr);
    g_object_set(queue, "max-size-buffers", EncoderQueueFrames, "max-size-bytes", 0u,
                 "max-size-time", guint64(0), nullptr);
    g_object_set(branch.fileSink, "location", branch.fileName.toLocal8Bit().constData(), "async",
                 FALSE, nullptr);
    if (!linkChain(video) || !linkChain({branch.muxer, branch.fileSink})
        || !linkToRequestPad(video.back(), branch.muxer, "video_%u")) {
        if (audioSource)
            gst_object_unref(gst_object_ref_sink(audioSource));
        *error = tr("The recording pipeline could not be linked.");
        return false;
    }
    GstPad *rateIn = gst_element_get_static_pad(rate, "sink");
    branch.sinkPad = gst_ghost_pad_new("sink", rateIn);
    gst_object_unref(rateIn);
    gst_pad_set_chain_function(branch.sinkPad, shieldedChain);
    gst_pad_set_chain_list_function(branch.sinkPad, shieldedChainList);
    gst_element_add_pad(bin, branch.sinkPad);

    if (!audioSource)
        return true;
    gst_bin_add(GST_BIN(bin), audioSource);
    std::vector<GstElement *> sound{audioSource, BinParts::add(bin, "audioconvert"), BinParts::add(bin, "audioresample")};
    const std::vector<GstElement *> soundEncoder = branch.format.addSoundEncoder(bin);
    sound.insert(sound.end(), soundEncoder.begin(), soundEncoder.end());
    sound.push_back(BinParts::add(bin, "queue"));
    if (!linkChain(sound) || !linkToRequestPad(sound.back(), branch.muxer, "audio_%u")) {
        *error = tr("The sound of the recording could not be set up.");
        return false;
    }
    branch.audioSource = audioSource;
    return true;
}

// On a worker: opens the file and starts the sound, then joins the recording to the tee. A sound
// input that fails is dropped and the picture recorded alone.
void CapturePipeline::runStart(const std::shared_ptr<Branch> &branch)
{
    QString error;
    bool started = attach(*branch, &error);
    if (!started && branch->audioSource) {
        qDebug() << "The recording did not start with sound (" << error << "); recording without sound";
        detach(*branch);
        {
            std::lock_guard<std::mutex> guard(branch->lock);
            branch->startError.clear();
        }
        started = buildBranch(*branch, nullptr, &error) && attach(*branch, &error);
    }
    if (!started)
        detach(*branch);
    {
        std::lock_guard<std::mutex> guard(branch->lock);
        branch->starting = false;
        branch->started = started;
    }
    branch->changed.notify_all();
    ThreadHandOver::queue(this, [this, branch, started, error] {
        if (started) {
            if (current == branch)
                emit recordingStarted();
            return;
        }
        qDebug() << "The recording did not start:" << error;
        forget(branch);
        if (current == branch) {
            current.reset();
            emit failed(CameraBackend::Failure::RecordingNotStarted, error);
        }
    });
}

// The recording keeps a time of its own that starts with it: a sound source that counts its
// samples from zero and one that reads the clock then agree, and the camera's pictures, which
// carry the preview's time, are moved back by as much as the preview has run.
void CapturePipeline::startClockOf(Branch &branch)
{
    GstClock *clock = gst_element_get_clock(pipeline);
    if (!clock)
        return;
    const GstClockTime now = gst_clock_get_time(clock);
    gst_object_unref(clock);
    const GstClockTime base = gst_element_get_base_time(pipeline);
    gst_element_set_start_time(branch.bin, GST_CLOCK_TIME_NONE);
    gst_element_set_base_time(branch.bin, now);
    gst_pad_set_offset(branch.sinkPad, -gint64(now > base ? now - base : 0));
}

// The file and the sound input are opened first; the recording's time starts as it runs, and
// the pictures join it then.
bool CapturePipeline::attach(Branch &branch, QString *error)
{
    gst_bin_add(GST_BIN(pipeline), branch.bin);
    bool running = gst_element_set_state(branch.bin, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE;
    if (running) {
        startClockOf(branch);
        running = gst_element_set_state(branch.bin, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    }
    if (!running) {
        std::lock_guard<std::mutex> guard(branch.lock);
        *error = branch.startError.isEmpty() ? tr("The recording pipeline could not be started.")
                                             : branch.startError;
        return false;
    }
    GstPad *teePad = gst_element_request_pad_simple(tee, "src_%u");
    if (!teePad || gst_pad_link(teePad, branch.sinkPad) != GST_PAD_LINK_OK) {
        if (teePad) {
            gst_element_release_request_pad(tee, teePad);
            gst_object_unref(teePad);
        }
        *error = tr("The recording pipeline could not be linked.");
        return false;
    }
    std::lock_guard<std::mutex> guard(branch.lock);
    branch.teePad = teePad;
    return true;
}

// Takes the recording out of the pipeline; nothing reaches it any more.
void CapturePipeline::detach(Branch &branch)
{
    GstPad *teePad = nullptr;
    {
        std::lock_guard<std::mutex> guard(branch.lock);
        std::swap(teePad, branch.teePad);
    }
    gst_element_set_state(branch.bin, GST_STATE_NULL);
    if (GST_OBJECT_PARENT(branch.bin))
        gst_bin_remove(GST_BIN(pipeline), branch.bin);
    if (teePad) {
        gst_element_release_request_pad(tee, teePad);
        gst_object_unref(teePad);
    }
}

// On a worker: cuts the recording off the tee once no frame is on its way into it, sends the
// end-of-stream into it alone and waits for its file writer to finish, then takes it out.
//
// When the writer has failed there is no end-of-stream: the muxer may hold one stream while it
// waits for the other, so the sound source behind it is stuck in its push. Stopping the bin
// releases them; the file keeps what reached it, without an index, which a later start repairs.
void CapturePipeline::runFinish(const std::shared_ptr<Branch> &branch)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(FinishTimeoutMs);
    std::unique_lock<std::mutex> lock(branch->lock);
    branch->changed.wait(lock, [&] { return !branch->starting; });
    if (branch->started) {
        lock.unlock();
        const auto cutOff = [](GstPad *pad, GstPadProbeInfo *, gpointer data) {
            const ThreadHandOver::InCallback callback(data);
            Branch *self = static_cast<std::shared_ptr<Branch> *>(data)->get();
            std::lock_guard<std::mutex> guard(self->lock);
            gst_pad_unlink(pad, self->sinkPad);
            self->detached = true;
            self->changed.notify_all();
            return GST_PAD_PROBE_REMOVE;
        };
        auto *held = new std::shared_ptr<Branch>(branch);
        ThreadHandOver::beforeCallbacks(held);
        gst_pad_add_probe(branch->teePad, GST_PAD_PROBE_TYPE_IDLE, cutOff, held,
                          [](gpointer data) { delete static_cast<std::shared_ptr<Branch> *>(data); });
        lock.lock();
        branch->changed.wait_until(lock, deadline, [&] { return branch->detached; });
        const bool sendEnd = !branch->writerFailed && !branch->ended;
        lock.unlock();
        if (sendEnd) {
            gst_pad_send_event(branch->sinkPad, gst_event_new_eos());
            if (branch->audioSource)
                gst_element_send_event(branch->audioSource, gst_event_new_eos());
        }
        lock.lock();
        if (!branch->changed.wait_until(lock, deadline,
                                        [&] { return branch->ended || branch->writerFailed; }))
            qDebug() << "The recording did not finish in time; its file may lack the index";
        if (branch->writerFailed)
            qDebug() << "The recording's file cannot be written any more; it is closed as it is";
        lock.unlock();
        detach(*branch);
    }
    ThreadHandOver::queue(this, [this, branch] {
        forget(branch);
        emit recordingFinished();
    });
}

void CapturePipeline::forget(const std::shared_ptr<Branch> &branch)
{
    std::lock_guard<std::mutex> guard(branchLock);
    branches.erase(std::remove(branches.begin(), branches.end(), branch), branches.end());
}

void CapturePipeline::startWorker(std::function<void()> work)
{
    reapWorkers(false);
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::lock_guard<std::mutex> guard(workerLock);
    workers.push_back({std::thread([work = std::move(work), done] {
                           work();
                           *done = true;
                       }),
                       done});
}

// Joins the workers that are done, or all of them; each one's own waits are bounded.
void CapturePipeline::reapWorkers(bool all)
{
    std::vector<Worker> leaving;
    {
        std::lock_guard<std::mutex> guard(workerLock);
        auto finished = std::partition(workers.begin(), workers.end(),
                                       [all](const Worker &worker) { return !all && !*worker.done; });
        std::move(finished, workers.end(), std::back_inserter(leaving));
        workers.erase(finished, workers.end());
    }
    for (Worker &worker : leaving)
        worker.thread.join();
}

// ---- the bus, on the thread that posts ----

void CapturePipeline::handleMessage(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        noteError(message);
        break;
    case GST_MESSAGE_ELEMENT:
        noteForwarded(message);
        break;
    default:
        break;
    }
}

std::shared_ptr<CapturePipeline::Branch> CapturePipeline::branchOf(GstObject *origin)
{
    std::lock_guard<std::mutex> guard(branchLock);
    for (const std::shared_ptr<Branch> &branch : branches) {
        std::lock_guard<std::mutex> branchGuard(branch->lock);
        if (branch->bin && gst_object_has_as_ancestor(origin, GST_OBJECT(branch->bin)))
            return branch;
    }
    return nullptr;
}

// The recording's file writer posts its end-of-stream once it has written all: the bin hands
// it on wrapped.
void CapturePipeline::noteForwarded(GstMessage *message)
{
    const GstStructure *structure = gst_message_get_structure(message);
    if (!structure || !gst_structure_has_name(structure, "GstBinForwarded"))
        return;
    GstMessage *inner = nullptr;
    gst_structure_get(structure, "message", GST_TYPE_MESSAGE, &inner, nullptr);
    if (!inner)
        return;
    if (GST_MESSAGE_TYPE(inner) == GST_MESSAGE_EOS) {
        if (const std::shared_ptr<Branch> branch = branchOf(GST_MESSAGE_SRC(inner))) {
            std::lock_guard<std::mutex> guard(branch->lock);
            if (GST_MESSAGE_SRC(inner) == GST_OBJECT(branch->fileSink))
                branch->ended = true;
            branch->changed.notify_all();
        }
    }
    gst_message_unref(inner);
}

void CapturePipeline::noteError(GstMessage *message)
{
    GstObject *origin = GST_MESSAGE_SRC(message);
    const QString text = GstErrorText::of(message, "GStreamer error from");
    const std::shared_ptr<Branch> branch = branchOf(origin);
    if (!branch) {
        report(CameraBackend::Failure::CameraLost, text);
        return;
    }
    std::lock_guard<std::mutex> guard(branch->lock);
    if (origin == GST_OBJECT(branch->muxer) || origin == GST_OBJECT(branch->fileSink))
        branch->writerFailed = true;
    branch->changed.notify_all();
    if (branch->starting) {
        if (branch->startError.isEmpty())
            branch->startError = text;
        return;
    }
    if (branch->failureReported)
        return;
    branch->failureReported = true;
    ThreadHandOver::queue(this, [this, branch, text] {
        if (current == branch)
            emit failed(CameraBackend::Failure::RecordingFailed, text);
    });
}

void CapturePipeline::noteCameraEnded()
{
    report(CameraBackend::Failure::CameraLost, tr("The camera ended its stream."));
}

// One report of the camera per pipeline; the listener decides when to stop it.
void CapturePipeline::report(CameraBackend::Failure failure, const QString &message)
{
    const int reporting = generation;
    ThreadHandOver::queue(this, [this, failure, message, reporting] {
        if (!pipeline || generation != reporting || cameraFailureReported)
            return;
        cameraFailureReported = true;
        emit failed(failure, message);
    });
}
