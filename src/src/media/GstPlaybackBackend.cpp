#include "GstPlaybackBackend.h"

#include "GrabberElement.h"
#include "GstErrorText.h"
#include "GstRuntime.h"
#include "ThreadHandOver.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <gst/gst.h>
#include <gst/pbutils/missing-plugins.h>

#include <cmath>
#include <iterator>

namespace {

constexpr qint64 NanosecondsPerUnit = 100;
constexpr int Silence = -10000;

GstElement *makeElement(const char *factory, const char *name = nullptr)
{
    GstElement *element = gst_element_factory_make(factory, name);
    if (!element)
        qWarning() << "GStreamer element missing:" << factory;
    return element;
}

bool isKind(GstPad *pad, const char *prefix)
{
    GstCaps *caps = gst_pad_get_current_caps(pad);
    if (!caps)
        caps = gst_pad_query_caps(pad, nullptr);
    bool match = false;
    if (caps && gst_caps_get_size(caps) > 0)
        match = g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), prefix);
    if (caps)
        gst_caps_unref(caps);
    return match;
}

// Adds the elements to the pipeline, links them in order, brings them to the pipeline's state and
// links the stream's pad to the first. On failure the elements are taken out again.
bool attachChain(GstElement *pipeline, GstPad *pad, std::initializer_list<GstElement *> chain)
{
    for (GstElement *element : chain) {
        if (!element) {
            for (GstElement *other : chain) {
                if (other)
                    gst_object_unref(gst_object_ref_sink(other));
            }
            return false;
        }
    }
    for (GstElement *element : chain)
        gst_bin_add(GST_BIN(pipeline), element);

    bool linked = true;
    GstElement *previous = nullptr;
    for (GstElement *element : chain) {
        if (previous && !gst_element_link(previous, element))
            linked = false;
        previous = element;
    }
    GstPad *input = gst_element_get_static_pad(*chain.begin(), "sink");
    if (linked)
        linked = gst_pad_link(pad, input) == GST_PAD_LINK_OK;
    gst_object_unref(input);

    for (auto it = std::rbegin(chain); it != std::rend(chain); ++it) {
        if (!linked) {
            gst_element_set_state(*it, GST_STATE_NULL);
            gst_bin_remove(GST_BIN(pipeline), *it);
            continue;
        }
        gst_element_sync_state_with_parent(*it);
    }
    return linked;
}

// autoaudiosink settles for a fakesink of its own when no output opens; we want to know that.
bool fellBackToFake(GstElement *output)
{
    if (!GST_IS_BIN(output))
        return false;
    bool fake = false;
    GstIterator *children = gst_bin_iterate_elements(GST_BIN(output));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(children, &item) == GST_ITERATOR_OK) {
        GstElement *child = GST_ELEMENT(g_value_get_object(&item));
        GstElementFactory *factory = gst_element_get_factory(child);
        if (factory && g_strcmp0(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), "fakesink") == 0)
            fake = true;
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(children);
    return fake;
}

} // namespace

GstPlaybackBackend::GstPlaybackBackend(ICaptureCB *receiver, QObject *parent)
    : PlaybackBackend(parent)
    , probe(new FilmProbe(this))
    , prerollTimer(new QTimer(this))
{
    GstRuntime::ensureInitialised();
    // One grabber serves every film; each pipeline borrows it.
    grabber = GrabberElement::create(receiver, false);
    if (grabber) {
        gst_object_ref_sink(grabber);
        GstPad *output = gst_element_get_static_pad(grabber, "src");
        gst_pad_add_probe(output, GST_PAD_PROBE_TYPE_BUFFER, GstPadProbeCallback(frameShown), this, nullptr);
        gst_object_unref(output);
    }
    connect(probe, SIGNAL(finished(FilmProbe::Verdict)), this, SLOT(probeFinished(FilmProbe::Verdict)));
    prerollTimer->setSingleShot(true);
    prerollTimer->setInterval(PrerollTimeoutMs);
    connect(prerollTimer, SIGNAL(timeout()), this, SLOT(prerollTimedOut()));
}

GstPlaybackBackend::~GstPlaybackBackend()
{
    close();
    if (grabber)
        gst_object_unref(grabber);
}

void GstPlaybackBackend::startOpen(const QString &fileName)
{
    close();
    missing.clear();
    opening = true;
    openingFile = fileName;
    // Only plain files: opening a named pipe or a device would block in filesrc.
    if (!grabber || !QFileInfo(fileName).isFile()) {
        finishOpen(false);
        return;
    }
    if (probing) {
        probe->start(fileName, PrerollTimeoutMs);
        return;
    }
    attemptOpen(false);
}

void GstPlaybackBackend::probeFinished(FilmProbe::Verdict verdict)
{
    if (!opening)
        return;
    if (verdict == FilmProbe::Died || verdict == FilmProbe::TimedOut) {
        qDebug() << "Film refused: it took its trial process down or did not load in time";
        finishOpen(false);
        return;
    }
    // Without the helper the file is loaded as it is: it is still only a damaged file that can
    // take the program down, whereas refusing would leave no film playable at all.
    if (verdict == FilmProbe::Unavailable) {
        attemptOpen(false);
        return;
    }
    const FilmProbe::Answer answer = probe->answer();
    qDebug() << "Film probe:" << openingFile << "prerolled" << answer.prerolled << "video" << answer.video
             << "audio" << answer.audio << answer.pictureSize << "duration" << answer.duration;
    if (!answer.prerolled || !answer.video) {
        // The child loaded it as this process would, with its sound into a fakesink: loading it
        // here again could only fail the same way.
        missing = answer.missing;
        finishOpen(false);
        return;
    }
    attemptOpen(false);
}

// Builds the pipeline and sets it going towards its first frame; the bus tells how that ends.
void GstPlaybackBackend::attemptOpen(bool fakeAudio)
{
    closePipeline();
    bool built = false;
    {
        // The streaming threads' callbacks read what is set up here under the same lock.
        std::lock_guard<std::mutex> locker(padLock);
        forceFakeAudio = fakeAudio;
        built = build(openingFile);
    }
    if (!built) {
        finishOpen(false);
        return;
    }
    watchBus();

    frames = 0;
    ThreadHandOver::beforeCallbacks(this);
    prerollTimer->start();
    const GstStateChangeReturn change = gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (change == GST_STATE_CHANGE_FAILURE) {
        drainFailure();
        attemptFailed();
    } else if (change != GST_STATE_CHANGE_ASYNC) {
        finishOpen(true);
    }
}

// A sound output that opens but then refuses the film's sound must not cost the picture: the
// second attempt plays the sound into a clocked fakesink.
void GstPlaybackBackend::attemptFailed()
{
    bool retry = false;
    {
        std::lock_guard<std::mutex> locker(padLock);
        retry = audioOutputFailed && !forceFakeAudio;
    }
    if (retry)
        attemptOpen(true);
    else
        finishOpen(false);
}

void GstPlaybackBackend::prerollTimedOut()
{
    if (!opening)
        return;
    qDebug() << "Film did not become ready in time";
    finishOpen(false);
}

// Settles the load now (a refused film is dropped at once, so its pipeline says no more) and
// tells the outcome from the event loop, never from within the caller's own call.
void GstPlaybackBackend::finishOpen(bool ready)
{
    prerollTimer->stop();
    opening = false;
    if (!ready)
        closePipeline();
    const quint64 request = openRequest;
    QMetaObject::invokeMethod(
        this,
        [this, request, ready] {
            if (request == openRequest)
                emit openFinished(ready);
        },
        Qt::QueuedConnection);
}

bool GstPlaybackBackend::build(const QString &fileName)
{
    pipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("film")));
    GstElement *source = makeElement("filesrc", "source");
    GstElement *decoder = makeElement("decodebin", "decoder");
    if (!source || !decoder) {
        if (source)
            gst_object_unref(gst_object_ref_sink(source));
        if (decoder)
            gst_object_unref(gst_object_ref_sink(decoder));
        return false;
    }
    g_object_set(source, "location", QFile::encodeName(fileName).constData(), nullptr);
    gst_bin_add_many(GST_BIN(pipeline), source, decoder, nullptr);
    if (!gst_element_link(source, decoder))
        return false;
    g_signal_connect(decoder, "pad-added", G_CALLBACK(padAdded), this);
    g_signal_connect(decoder, "no-more-pads", G_CALLBACK(noMorePads), this);
    return true;
}

// The state change failed at once (a missing file, for one); the reason is on the bus already.
void GstPlaybackBackend::drainFailure()
{
    GstBus *bus = gst_element_get_bus(pipeline);
    while (GstMessage *message =
               gst_bus_pop_filtered(bus, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_ELEMENT))) {
        const bool error = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
        if (error)
            noteOpenError(message);
        else
            noteMissingPlugin(message);
        gst_message_unref(message);
        if (error)
            break;
    }
    gst_object_unref(bus);
}

void GstPlaybackBackend::noteOpenError(GstMessage *message)
{
    GstErrorText::of(message, "Film cannot be opened, error from");
    std::lock_guard<std::mutex> locker(padLock);
    if (audioOutput && !forceFakeAudio && realAudioOutput
        && gst_object_has_as_ancestor(GST_MESSAGE_SRC(message), GST_OBJECT(audioOutput)))
        audioOutputFailed = true;
}

// decodebin tells of each stream it has nothing to decode with in an element message, before it
// gives up on the stream (or, with no stream left, on the whole file).
void GstPlaybackBackend::noteMissingPlugin(GstMessage *message)
{
    if (!gst_is_missing_plugin_message(message))
        return;
    gchar *description = gst_missing_plugin_message_get_description(message);
    const QString text = QString::fromUtf8(description);
    g_free(description);
    if (!text.isEmpty() && !missing.contains(text))
        missing << text;
}

QStringList GstPlaybackBackend::missingPlugins() const
{
    return missing;
}

quint64 GstPlaybackBackend::framesShown() const
{
    return frames;
}

int GstPlaybackBackend::frameShown(GstPad *, void *, void *self)
{
    auto *backend = static_cast<GstPlaybackBackend *>(self);
    const ThreadHandOver::InCallback callback(backend);
    ++backend->frames;
    return GST_PAD_PROBE_OK;
}

void GstPlaybackBackend::close()
{
    ++openRequest;
    opening = false;
    probe->cancel();
    prerollTimer->stop();
    closePipeline();
}

void GstPlaybackBackend::closePipeline()
{
    if (pipeline) {
        if (busWatch) {
            g_source_destroy(busWatch);
            g_source_unref(busWatch);
            busWatch = nullptr;
        }
        gst_element_set_state(pipeline, GST_STATE_NULL);
        ThreadHandOver::afterCallbacks(this);
        if (grabber && GST_OBJECT_PARENT(grabber) == GST_OBJECT(pipeline))
            gst_bin_remove(GST_BIN(pipeline), grabber);
        gst_object_unref(pipeline);
        pipeline = nullptr;
    }
    std::lock_guard<std::mutex> locker(padLock);
    for (GstPad *pad : videoPads + audioPads)
        gst_object_unref(pad);
    videoPads.clear();
    audioPads.clear();
    padsComplete = false;
    video = false;
    audio = false;
    realAudioOutput = false;
    audioOutputFailed = false;
    audioOutput = nullptr;
    videoRenderer = nullptr;
    volume = nullptr;
    atEnd = false;
    failing = false;
    seekWhileRunning = false;
    seekInFlight = false;
    seekPending = false;
    seekTarget = 0;
    endPosition = 0;
    failedAt = 0;
    seekSeqnum = GST_SEQNUM_INVALID;
}

bool GstPlaybackBackend::hasVideo() const
{
    std::lock_guard<std::mutex> locker(padLock);
    return video;
}

bool GstPlaybackBackend::hasAudio() const
{
    std::lock_guard<std::mutex> locker(padLock);
    return audio;
}

void GstPlaybackBackend::run()
{
    if (!pipeline)
        return;
    // After a failure the streams have stopped; a flushing seek where the film stands starts them
    // again (and brings the failure back if the damage is right there).
    if (failing)
        seek(position());
    seekWhileRunning = false;
    forgetSettledSeek();
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
}

void GstPlaybackBackend::pause()
{
    if (!pipeline)
        return;
    forgetSettledSeek();
    gst_element_set_state(pipeline, GST_STATE_PAUSED);
    // A seek made a moment ago while the film ran lands wherever the running pipeline has got to
    // when it pauses; seeking again, paused, brings up the very frame that was asked for.
    if (seekWhileRunning && !failing)
        flushingSeek(seekTarget);
    seekWhileRunning = false;
}

qint64 GstPlaybackBackend::duration() const
{
    if (!pipeline)
        return 0;
    gint64 nanoseconds = -1;
    if (gst_element_query_duration(pipeline, GST_FORMAT_TIME, &nanoseconds) && nanoseconds > 0)
        return nanoseconds / NanosecondsPerUnit;
    return atEnd ? endPosition : 0;
}

qint64 GstPlaybackBackend::position() const
{
    if (!pipeline)
        return 0;
    if (atEnd)
        return endPosition;
    if (failing)
        return failedAt;
    // Until the pipeline has settled after a seek its sinks report old positions, or none.
    if (seekInFlight && settling())
        return seekTarget;
    gint64 nanoseconds = -1;
    if (gst_element_query_position(pipeline, GST_FORMAT_TIME, &nanoseconds) && nanoseconds >= 0)
        return nanoseconds / NanosecondsPerUnit;
    return 0;
}

void GstPlaybackBackend::seek(qint64 position)
{
    if (!pipeline)
        return;
    position = qMax<qint64>(position, 0);
    const qint64 length = duration();
    if (length > 0)
        position = qMin(position, length);
    // Dragging the position bar asks for a new place at every mouse move. While the pipeline is
    // still flushing towards the last place, another seek would only throw that work away: keep
    // the newest place and go there once the pipeline has landed.
    if (seekInFlight && !failing && settling()) {
        seekTarget = position;
        seekPending = true;
        atEnd = false;
        return;
    }
    if (!flushingSeek(position))
        return;
    seekWhileRunning = GST_STATE_TARGET(pipeline) == GST_STATE_PLAYING;
    failing = false;
}

bool GstPlaybackBackend::flushingSeek(qint64 position)
{
    const auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    GstEvent *event = gst_event_new_seek(1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET,
                                         position * NanosecondsPerUnit, GST_SEEK_TYPE_NONE, 0);
    const guint32 seqnum = gst_event_get_seqnum(event);
    // Sent to the pipeline, a seek goes upstream from every sink and the demuxer performs it once
    // per stream; from the picture's sink it is performed once and still moves every stream.
    GstElement *target = videoRenderer ? videoRenderer : pipeline;
    if (!gst_element_send_event(target, event))
        return false;
    seekSeqnum = seqnum;
    seekTarget = position;
    seekInFlight = true;
    seekPending = false;
    atEnd = false;
    return true;
}

void GstPlaybackBackend::forgetSettledSeek()
{
    if (seekInFlight && !settling())
        seekInFlight = false;
}

// A flushing seek (like a pause) takes the pipeline's state away until the frame at the new place
// is ready.
bool GstPlaybackBackend::settling() const
{
    return gst_element_get_state(pipeline, nullptr, nullptr, 0) == GST_STATE_CHANGE_ASYNC;
}

void GstPlaybackBackend::setVolume(int hundredthsOfDecibel)
{
    std::lock_guard<std::mutex> locker(padLock);
    if (!volume)
        return;
    const int level = qMin(hundredthsOfDecibel, 0);
    const double gain = level <= Silence ? 0.0 : std::pow(10.0, level / 2000.0);
    g_object_set(volume, "volume", gain, nullptr);
}

double GstPlaybackBackend::audioGain() const
{
    std::lock_guard<std::mutex> locker(padLock);
    if (!volume)
        return 0.0;
    double gain = 0.0;
    g_object_get(volume, "volume", &gain, nullptr);
    return gain;
}

// The bus is read in the main loop of the user-interface thread: Qt's event dispatcher there runs
// GLib's default main context.
void GstPlaybackBackend::watchBus()
{
    GstBus *bus = gst_element_get_bus(pipeline);
    busWatch = gst_bus_create_watch(bus);
    gst_object_unref(bus);
    g_source_set_callback(busWatch, GSourceFunc(busMessage), this, nullptr);
    // A message box opened from a message's handler runs a loop of its own; the film's later
    // messages do not wait for it to close.
    g_source_set_can_recurse(busWatch, TRUE);
    g_source_attach(busWatch, nullptr);
}

int GstPlaybackBackend::busMessage(GstBus *, GstMessage *message, void *self)
{
    static_cast<GstPlaybackBackend *>(self)->handleMessage(message);
    return G_SOURCE_CONTINUE;
}

void GstPlaybackBackend::handleMessage(GstMessage *message)
{
    if (!pipeline)
        return;
    if (opening) {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ELEMENT:
            noteMissingPlugin(message);
            break;
        case GST_MESSAGE_ASYNC_DONE:
            if (GST_MESSAGE_SRC(message) == GST_OBJECT(pipeline))
                finishOpen(true);
            break;
        case GST_MESSAGE_ERROR:
            noteOpenError(message);
            attemptFailed();
            break;
        default:
            break;
        }
        return;
    }

    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ASYNC_DONE:
        // The pipeline has its frame again after a seek or a pause: a seek made while the film ran
        // has landed, and positions are the pipeline's own again, unless a newer place is waiting.
        if (seekPending && !failing) {
            flushingSeek(seekTarget);
            break;
        }
        seekWhileRunning = false;
        forgetSettledSeek();
        break;
    case GST_MESSAGE_EOS: {
        // An end reached before the latest seek was flushed away by it; after a seek the end
        // carries that seek's number.
        if (seekSeqnum != GST_SEQNUM_INVALID && gst_message_get_seqnum(message) != seekSeqnum)
            break;
        gint64 nanoseconds = -1;
        if (gst_element_query_duration(pipeline, GST_FORMAT_TIME, &nanoseconds) && nanoseconds > 0)
            endPosition = nanoseconds / NanosecondsPerUnit;
        else if (gst_element_query_position(pipeline, GST_FORMAT_TIME, &nanoseconds) && nanoseconds > 0)
            endPosition = nanoseconds / NanosecondsPerUnit;
        atEnd = true;
        break;
    }
    case GST_MESSAGE_ERROR:
        // One failure often shows as several errors (the decoder, then the demuxer): tell once.
        if (failing)
            break;
        failedAt = position();
        failing = true;
        emit failed(GstErrorText::withSource(message, "Film error from"));
        break;
    default:
        break;
    }
}

void GstPlaybackBackend::padAdded(GstElement *, GstPad *pad, void *self)
{
    auto *backend = static_cast<GstPlaybackBackend *>(self);
    const ThreadHandOver::InCallback callback(backend);
    std::lock_guard<std::mutex> locker(backend->padLock);
    if (backend->padsComplete) {
        // A stream that turns up late is not played, only drained.
        backend->discard(pad);
        return;
    }
    if (isKind(pad, "video/"))
        backend->videoPads << GST_PAD(gst_object_ref(pad));
    else if (isKind(pad, "audio/"))
        backend->audioPads << GST_PAD(gst_object_ref(pad));
    else
        backend->discard(pad);
}

// All streams are known: the last video and the last audio stream are played, the rest drained.
void GstPlaybackBackend::noMorePads(GstElement *, void *self)
{
    auto *backend = static_cast<GstPlaybackBackend *>(self);
    const ThreadHandOver::InCallback callback(backend);
    std::lock_guard<std::mutex> locker(backend->padLock);
    backend->padsComplete = true;
    for (int i = 0; i + 1 < backend->videoPads.size(); ++i)
        backend->discard(backend->videoPads[i]);
    for (int i = 0; i + 1 < backend->audioPads.size(); ++i)
        backend->discard(backend->audioPads[i]);
    if (!backend->videoPads.isEmpty())
        backend->video = backend->linkVideo(backend->videoPads.last());
    if (!backend->audioPads.isEmpty()) {
        backend->audio = backend->linkAudio(backend->audioPads.last());
        if (!backend->audio)
            backend->discard(backend->audioPads.last());
    }
}

bool GstPlaybackBackend::linkVideo(GstPad *pad)
{
    GstElement *filter = makeElement("capsfilter");
    if (filter) {
        GstCaps *caps = gst_caps_from_string("video/x-raw,format=BGRx");
        g_object_set(filter, "caps", caps, nullptr);
        gst_caps_unref(caps);
    }
    GstElement *renderer = makeElement("fakesink", "video-renderer");
    if (renderer)
        g_object_set(renderer, "sync", TRUE, nullptr);
    // The pipeline takes a reference of its own on the grabber; ours keeps it for the next film.
    if (!attachChain(pipeline, pad, {makeElement("videoconvert"), filter, grabber, renderer}))
        return false;
    videoRenderer = renderer;
    return true;
}

bool GstPlaybackBackend::linkAudio(GstPad *pad)
{
    GstElement *output = makeAudioOutput();
    GstElement *gain = makeElement("volume", "volume");
    if (!attachChain(pipeline, pad,
                     {makeElement("audioconvert"), makeElement("audioresample"), gain, output}))
        return false;
    volume = gain;
    audioOutput = output;
    return true;
}

void GstPlaybackBackend::discard(GstPad *pad)
{
    GstElement *drain = makeElement("fakesink");
    if (drain)
        g_object_set(drain, "sync", FALSE, "async", FALSE, nullptr);
    attachChain(pipeline, pad, {drain});
}

GstElement *GstPlaybackBackend::makeAudioOutput()
{
    if (!forceFakeAudio) {
        GstElement *output = gst_element_factory_make("autoaudiosink", "audio-output");
        if (output) {
            const bool opened = gst_element_set_state(output, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE
                                && !fellBackToFake(output);
            if (opened) {
                realAudioOutput = true;
                return output;
            }
            gst_element_set_state(output, GST_STATE_NULL);
            gst_object_unref(gst_object_ref_sink(output));
        }
    }
    GstElement *stand_in = makeElement("fakesink", "audio-output");
    if (stand_in)
        g_object_set(stand_in, "sync", TRUE, nullptr);
    return stand_in;
}
