// A pad probe counts buffers on a GStreamer streaming thread in a plain integer that the main
// thread reads while the stream runs and again at its end, with no lock between them.
// ThreadSanitizer must report the race; CTest passes this program only when the report names this
// file, which shows that the suppressions leave races in this program's own streaming-thread
// callbacks visible, however deep in GStreamer the thread that runs them was started.
#include <gst/gst.h>

#include <cstdio>

namespace {

int buffersSeen = 0;

GstPadProbeReturn countBuffer(GstPad *, GstPadProbeInfo *, gpointer)
{
    buffersSeen = buffersSeen + 1;
    return GST_PAD_PROBE_OK;
}

} // namespace

int main(int argc, char **argv)
{
    gst_init(&argc, &argv);
    GError *error = nullptr;
    GstElement *pipeline = gst_parse_launch(
        "videotestsrc name=source num-buffers=200 ! video/x-raw,width=64,height=48 "
        "! fakesink sync=false",
        &error);
    if (!pipeline) {
        std::fprintf(stderr, "no pipeline: %s\n", error ? error->message : "?");
        return 1;
    }
    gst_object_ref_sink(pipeline);
    GstElement *source = gst_bin_get_by_name(GST_BIN(pipeline), "source");
    GstPad *pad = gst_element_get_static_pad(source, "src");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, countBuffer, nullptr, nullptr);
    gst_object_unref(pad);
    gst_object_unref(source);

    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    std::printf("buffers seen while running: %d\n", buffersSeen);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *end = gst_bus_timed_pop_filtered(
        bus, 30 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    std::printf("buffers seen at the end: %d (%s)\n", buffersSeen,
                end && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS ? "end of stream" : "no end");
    if (end)
        gst_message_unref(end);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return 0;
}
