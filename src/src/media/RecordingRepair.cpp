#include "RecordingRepair.h"

#include "AviFileCheck.h"
#include "GstErrorText.h"
#include "GstRuntime.h"
#include "Mp4FileCheck.h"
#include "RecordingFormat.h"
#include "ThreadHandOver.h"

#include <QDateTime>
#include <QDebug>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gst/gst.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const TemporarySuffix = ".repair";

// Generous queues: avidemux hands out the streams of an interleaved file in time order, and
// avimux needs a buffer on every input before it writes, so a stream must never block the other.
const guint64 QueueNanoseconds = 10 * GST_SECOND;

bool isMp4(const QString &path)
{
    return QFileInfo(path).suffix() == QLatin1String("mp4");
}

bool isComplete(const QString &file, bool mp4)
{
    if (mp4)
        return Mp4FileCheck::inspect(file) == Mp4FileCheck::State::Complete;
    return AviFileCheck::inspect(file) == AviFileCheck::State::Complete;
}

// The reasons go to the debug log and to the caller's list of files left as they were.
QString reason(const char *text)
{
    return QString::fromLatin1(text);
}

// Flushes the file's data, and the folder entry a rename changed, to the disk.
bool syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

QString RecordingRepair::temporaryName(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(TemporarySuffix));
}

QString RecordingRepair::originalName(const QString &temporaryFileName)
{
    const QLatin1String suffix(TemporarySuffix);
    if (!temporaryFileName.startsWith(QLatin1Char('.')) || !temporaryFileName.endsWith(suffix))
        return QString();
    return temporaryFileName.mid(1, temporaryFileName.size() - 1 - suffix.size());
}

bool RecordingRepair::isCutOff(const QString &path)
{
    if (isMp4(path))
        return Mp4FileCheck::inspect(path) == Mp4FileCheck::State::MissingIndex;
    return AviFileCheck::inspect(path) == AviFileCheck::State::MissingIndex;
}

QString RecordingRepair::error() const
{
    return lastError;
}

bool RecordingRepair::fail(const QString &message)
{
    lastError = message;
    return false;
}

bool RecordingRepair::repair(const QString &path, const Progress &progress)
{
    lastError.clear();
    const QFileInfo original(path);
    if (!original.isFile())
        return fail(reason("The file does not exist."));
    const QDateTime modified = original.lastModified();
    const QString temporary = temporaryName(path);
    QFile::remove(temporary);

    const bool whole = remux(path, temporary, progress)
        && (isComplete(temporary, isMp4(path))
            || fail(reason("The repaired file came out incomplete.")));
    if (!whole) {
        QFile::remove(temporary);
        return false;
    }

    {
        QFile written(temporary);
        if (written.open(QIODevice::ReadWrite))
            written.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    if (!syncToDisk(temporary)) {
        QFile::remove(temporary);
        return fail(reason("The repaired file could not be written to the disk."));
    }
    // rename() replaces the old file in one step: a reader sees either the old or the new file.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return fail(reason("The repaired file could not take the place of the damaged one."));
    }
    syncToDisk(original.absolutePath());
    return true;
}

bool RecordingRepair::remux(const QString &source, const QString &target, const Progress &progress)
{
    GstRuntime::ensureInitialised();
    pipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("repair")));
    GstElement *file = gst_element_factory_make("filesrc", nullptr);
    // The new file is of the old one's format.
    const bool mp4 = isMp4(source);
    GstElement *demuxer = gst_element_factory_make(mp4 ? "qtdemux" : "avidemux", nullptr);
    muxer = gst_element_factory_make(mp4 ? "mp4mux" : "avimux", nullptr);
    if (mp4 && muxer)
        g_object_set(muxer, "fragment-duration", RecordingFormat::FragmentMs, nullptr);
    GstElement *sink = gst_element_factory_make("filesink", nullptr);
    if (!file || !demuxer || !muxer || !sink) {
        for (GstElement *element : {file, demuxer, muxer, sink}) {
            if (element)
                gst_object_unref(gst_object_ref_sink(element));
        }
        gst_object_unref(pipeline);
        pipeline = nullptr;
        return fail(reason("A GStreamer element needed for the repair (a reader or writer of the "
                           "file's format) is not installed."));
    }
    g_object_set(file, "location", QFile::encodeName(source).constData(), nullptr);
    g_object_set(sink, "location", QFile::encodeName(target).constData(), nullptr);
    gst_bin_add_many(GST_BIN(pipeline), file, demuxer, muxer, sink, nullptr);
    if (!gst_element_link(file, demuxer) || !gst_element_link(muxer, sink)) {
        gst_object_unref(pipeline);
        pipeline = nullptr;
        muxer = nullptr;
        return fail(reason("The repair pipeline could not be linked."));
    }
    linkFailed = false;
    g_signal_connect(demuxer, "pad-added", G_CALLBACK(&RecordingRepair::padAdded), this);

    bool finished = false;
    GstBus *bus = gst_element_get_bus(pipeline);
    ThreadHandOver::beforeCallbacks(this);
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        fail(reason("The file could not be read as a video."));
    else {
        qint64 lastPosition = -1;
        QDeadlineTimer stall(StallTimeoutMs);
        // Progress is told before each wait, so even a repair that ends within one wait has a
        // moment to be cancelled.
        while (true) {
            qint64 position = -1;
            const int permille = permilleDone(&position);
            if (progress && !progress(permille)) {
                fail(reason("The repair was cancelled."));
                break;
            }
            GstMessage *message = gst_bus_timed_pop_filtered(
                bus, GstClockTime(ProgressIntervalMs) * GST_MSECOND,
                GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
            if (message) {
                finished = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
                if (!finished) {
                    const QString error = GstErrorText::of(message, "Repair error from");
                    fail(reason("The file could not be read to its end: %1").arg(error));
                }
                gst_message_unref(message);
                break;
            }
            if (position != lastPosition) {
                lastPosition = position;
                stall.setRemainingTime(StallTimeoutMs);
            }
            if (stall.hasExpired()) {
                fail(reason("The repair made no headway."));
                break;
            }
        }
    }
    if (finished && linkFailed)
        finished = fail(reason("A stream of the file could not be copied."));

    gst_element_set_state(pipeline, GST_STATE_NULL);
    ThreadHandOver::afterCallbacks(this);
    gst_object_unref(bus);
    {
        std::lock_guard<std::mutex> guard(padLock);
        if (progressPad)
            gst_object_unref(progressPad);
        progressPad = nullptr;
    }
    gst_object_unref(pipeline);
    pipeline = nullptr;
    muxer = nullptr;
    return finished;
}

// On the demuxer's streaming thread, before it sends the first buffer of the stream.
void RecordingRepair::padAdded(GstElement *, GstPad *pad, void *data)
{
    RecordingRepair *self = static_cast<RecordingRepair *>(data);
    const ThreadHandOver::InCallback callback(self);
    GstCaps *caps = gst_pad_get_current_caps(pad);
    if (!caps)
        caps = gst_pad_query_caps(pad, nullptr);
    const QByteArray kind = caps && gst_caps_get_size(caps) > 0
        ? QByteArray(gst_structure_get_name(gst_caps_get_structure(caps, 0)))
        : QByteArray();
    if (caps)
        gst_caps_unref(caps);

    const char *muxerPad = kind.startsWith("audio/") ? "audio_%u"
        : (kind.startsWith("video/") || kind.startsWith("image/")) ? "video_%u"
                                                                   : nullptr;
    if (!muxerPad) {
        qDebug() << "Repair leaves out a stream of kind" << kind;
        return;
    }
    GstElement *queue = gst_element_factory_make("queue", nullptr);
    if (!queue) {
        qDebug() << "Repair has no queue element for a stream of kind" << kind;
        self->linkFailed = true;
        return;
    }
    g_object_set(queue, "max-size-buffers", 0u, "max-size-bytes", 0u, "max-size-time",
                 QueueNanoseconds, nullptr);
    gst_bin_add(GST_BIN(self->pipeline), queue);
    GstPad *queueIn = gst_element_get_static_pad(queue, "sink");
    GstPad *queueOut = gst_element_get_static_pad(queue, "src");
    GstPad *input = gst_element_request_pad_simple(self->muxer, muxerPad);
    const bool linked = input && gst_pad_link(queueOut, input) == GST_PAD_LINK_OK
        && gst_element_sync_state_with_parent(queue)
        && gst_pad_link(pad, queueIn) == GST_PAD_LINK_OK;
    if (!linked) {
        qDebug() << "Repair could not link a stream of kind" << kind;
        self->linkFailed = true;
    }
    if (input)
        gst_object_unref(input);
    gst_object_unref(queueIn);
    gst_object_unref(queueOut);
    std::lock_guard<std::mutex> guard(self->padLock);
    if (linked && !self->progressPad)
        self->progressPad = GST_PAD(gst_object_ref(pad));
}

// The share of the film copied so far, from the first stream's position against its length.
int RecordingRepair::permilleDone(qint64 *position)
{
    GstPad *pad = nullptr;
    {
        std::lock_guard<std::mutex> guard(padLock);
        if (progressPad)
            pad = GST_PAD(gst_object_ref(progressPad));
    }
    if (!pad)
        return 0;
    gint64 at = -1;
    gint64 duration = -1;
    gst_pad_query_position(pad, GST_FORMAT_TIME, &at);
    gst_pad_query_duration(pad, GST_FORMAT_TIME, &duration);
    gst_object_unref(pad);
    *position = at;
    if (duration <= 0 || at <= 0)
        return 0;
    // A damaged file can report any position: at * 1000 would overflow.
    if (at >= duration)
        return 1000;
    return int(double(at) * 1000 / double(duration));
}
