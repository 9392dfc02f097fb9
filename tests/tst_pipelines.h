#ifndef TST_PIPELINES_H
#define TST_PIPELINES_H

// GStreamer pipelines of the tests' own: test sources made from descriptions, and films written or
// read to their end.

#include "ThreadHandOver.h"

#include <QDebug>
#include <QString>

#include <gst/gst.h>

namespace testpipelines {

// A bin from a gst-launch style description, its unlinked pads made ghost pads; null when an
// element is missing.
inline GstElement *sourceFrom(const char *description)
{
    GError *error = nullptr;
    GstElement *bin = gst_parse_bin_from_description(description, TRUE, &error);
    if (error) {
        qWarning() << error->message;
        g_clear_error(&error);
    }
    return bin;
}

// The top-level pipeline an element or a pad is part of. runToEnd hands what its caller set up to
// the pipeline's callbacks, and takes back what they did, under this name:
//     const ThreadHandOver::InCallback callback(testpipelines::pipelineOf(pad));
inline const void *pipelineOf(gpointer object)
{
    GstObject *top = GST_OBJECT(gst_object_ref(object));
    while (GstObject *parent = gst_object_get_parent(top)) {
        gst_object_unref(top);
        top = parent;
    }
    gst_object_unref(top);
    return top;
}

// Plays the pipeline until its end or its first error, for at most the timeout, then stops and
// releases it. True when it reached its end; otherwise the error, if any, in *problem.
inline bool runToEnd(GstElement *pipeline, GstClockTime timeout, QString *problem = nullptr)
{
    ThreadHandOver::beforeCallbacks(pipeline);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *message =
        gst_bus_timed_pop_filtered(bus, timeout, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool finished = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message && !finished && problem) {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        *problem = QString::fromUtf8(error->message);
        g_clear_error(&error);
    }
    if (message)
        gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    ThreadHandOver::afterCallbacks(pipeline);
    gst_object_unref(pipeline);
    return finished;
}

// GStreamer's video encoders start their time stamps at 1000 hours (room for reordering); a
// muxer that writes them as they come would make a film 1000 hours long.
inline GstPadProbeReturn restamp(GstPad *, GstPadProbeInfo *info, gpointer)
{
    constexpr GstClockTime Offset = GstClockTime(1000) * 3600 * GST_SECOND;
    GstBuffer *buffer = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
    if (GST_BUFFER_PTS_IS_VALID(buffer) && GST_BUFFER_PTS(buffer) >= Offset)
        GST_BUFFER_PTS(buffer) -= Offset;
    if (GST_BUFFER_DTS_IS_VALID(buffer) && GST_BUFFER_DTS(buffer) >= Offset)
        GST_BUFFER_DTS(buffer) -= Offset;
    GST_PAD_PROBE_INFO_DATA(info) = buffer;
    return GST_PAD_PROBE_OK;
}

// Runs a gst-launch style description to its end, restamping the encoder named "venc" when there
// is one; false, with the reason in *problem, when an element is missing or fails.
inline bool encode(const QString &description, QString *problem = nullptr)
{
    GError *error = nullptr;
    GstElement *pipeline = gst_parse_launch(description.toUtf8().constData(), &error);
    if (error) {
        if (problem)
            *problem = QString::fromUtf8(error->message);
        g_clear_error(&error);
        if (pipeline)
            gst_object_unref(pipeline);
        return false;
    }
    if (GstElement *encoder = gst_bin_get_by_name(GST_BIN(pipeline), "venc")) {
        GstPad *pad = gst_element_get_static_pad(encoder, "src");
        gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, restamp, nullptr, nullptr);
        gst_object_unref(pad);
        gst_object_unref(encoder);
    }
    return runToEnd(pipeline, 30 * GST_SECOND, problem);
}

} // namespace testpipelines

#endif
