#include "GrabberElement.h"

#include "GstRuntime.h"
#include "ICaptureCB.h"
#include "ThreadHandOver.h"

#include <gst/base/gstbasetransform.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Everything the streaming thread and the user-interface thread share sits behind one lock; the
// receiver is called with it held so that swapping the receiver waits for a frame in flight.
struct GrabberState
{
    std::mutex lock;
    ICaptureCB *receiver = nullptr;
    bool throttle = true;
    bool anchored = false;
    int lateCount = 0;
    GstVideoInfo info; // of the negotiated caps: size and row stride
    // Packed copy of a frame whose rows are padded; kept across frames, resized with the picture.
    std::vector<uchar> packed;
    gint64 clockOffset = 0; // pipeline running time minus buffer end time at the anchor
};

struct DocumentCameraGrabber
{
    GstBaseTransform parent;
    GrabberState *state;
};

struct DocumentCameraGrabberClass
{
    GstBaseTransformClass parent_class;
};

enum { PropZero, PropReceiver, PropThrottle };

GType documentCameraGrabberType();

DocumentCameraGrabber *asGrabber(gpointer object)
{
    return G_TYPE_CHECK_INSTANCE_CAST(object, documentCameraGrabberType(), DocumentCameraGrabber);
}

GrabberState &stateOf(gpointer object)
{
    return *asGrabber(object)->state;
}

gpointer grabberParentClass = nullptr;

GstStaticPadTemplate sinkTemplate = GST_STATIC_PAD_TEMPLATE(
    "sink", GST_PAD_SINK, GST_PAD_ALWAYS, GST_STATIC_CAPS(GST_VIDEO_CAPS_MAKE("{ BGRx, BGRA }")));
GstStaticPadTemplate srcTemplate = GST_STATIC_PAD_TEMPLATE(
    "src", GST_PAD_SRC, GST_PAD_ALWAYS, GST_STATIC_CAPS(GST_VIDEO_CAPS_MAKE("{ BGRx, BGRA }")));

bool isTime(GstClockTime time)
{
    return GST_CLOCK_TIME_IS_VALID(time);
}

// Running time of a stream time, or the plain value where the segment is not in time format.
gint64 runningTime(const GstSegment &segment, GstClockTime time)
{
    if (segment.format != GST_FORMAT_TIME)
        return gint64(time);
    const GstClockTime running = gst_segment_to_running_time(&segment, GST_FORMAT_TIME, time);
    return isTime(running) ? gint64(running) : -1;
}

// Decides whether a buffer is too late to be worth showing. A buffer without time stamps counts
// as starting and ending at 0.
bool isLate(GstBaseTransform *trans, GstBuffer *buffer, GrabberState &state)
{
    GstClock *clock = gst_element_get_clock(GST_ELEMENT(trans));
    if (!clock)
        return false; // not running against a clock: nothing can be late
    const GstClockTime clockTime = gst_clock_get_time(clock);
    gst_object_unref(clock);
    const gint64 now = gint64(clockTime) - gint64(gst_element_get_base_time(GST_ELEMENT(trans)));

    gint64 start = 0;
    gint64 end = 0;
    const GstClockTime pts = GST_BUFFER_PTS(buffer);
    if (isTime(pts)) {
        start = std::max<gint64>(runningTime(trans->segment, pts), 0);
        end = start;
        const GstClockTime duration = GST_BUFFER_DURATION(buffer);
        if (isTime(duration)) {
            const gint64 runningEnd = runningTime(trans->segment, pts + duration);
            end = runningEnd >= 0 ? runningEnd : start;
        }
    }
    if (start > end)
        return true;

    if (!state.anchored || GST_BUFFER_FLAG_IS_SET(buffer, GST_BUFFER_FLAG_DISCONT)
        || state.lateCount >= GrabberElement::MaxLateInARow) {
        state.clockOffset = now - end;
        state.anchored = true;
    }
    const gint64 deadline = end + state.clockOffset;
    if (now > deadline) {
        ++state.lateCount;
        return true;
    }
    state.lateCount = 0;
    return false;
}

// The receiver takes packed rows. Padded rows are packed into the scratch buffer for it, and what
// it drew is copied back into the frame.
void handOver(GrabberState &state, GstVideoFrame &frame)
{
    const int width = GST_VIDEO_FRAME_WIDTH(&frame);
    const int height = GST_VIDEO_FRAME_HEIGHT(&frame);
    const gsize rowBytes = gsize(width) * 4;
    const gint stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
    auto *pixels = static_cast<uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
    if (gsize(stride) == rowBytes) {
        state.receiver->processSample(pixels, width, height, false, true);
        return;
    }
    state.packed.resize(rowBytes * gsize(height));
    uchar *packed = state.packed.data();
    for (int row = 0; row < height; ++row)
        std::memcpy(packed + row * rowBytes, pixels + gssize(row) * stride, rowBytes);
    state.receiver->processSample(packed, width, height, false, true);
    for (int row = 0; row < height; ++row)
        std::memcpy(pixels + gssize(row) * stride, packed + row * rowBytes, rowBytes);
}

GstFlowReturn transformInPlace(GstBaseTransform *trans, GstBuffer *buffer)
{
    const ThreadHandOver::InCallback callback(trans);
    GrabberState &state = stateOf(trans);
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.throttle && isLate(trans, buffer, state))
        return GST_BASE_TRANSFORM_FLOW_DROPPED;

    GstVideoFrame frame;
    const bool mapped = GST_VIDEO_INFO_FORMAT(&state.info) != GST_VIDEO_FORMAT_UNKNOWN
        && gst_video_frame_map(&frame, &state.info, buffer, GST_MAP_READWRITE);
    if (!mapped) {
        GST_ELEMENT_ERROR(trans, STREAM, FORMAT, (nullptr),
                          ("Could not map a %dx%d frame of %" G_GSIZE_FORMAT " bytes writable",
                           GST_VIDEO_INFO_WIDTH(&state.info), GST_VIDEO_INFO_HEIGHT(&state.info),
                           gst_buffer_get_size(buffer)));
        return GST_FLOW_ERROR;
    }

    // The bottom line of the camera's picture is unreliable; show the line above it twice.
    const int height = GST_VIDEO_FRAME_HEIGHT(&frame);
    const gint stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
    auto *pixels = static_cast<uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
    if (height >= 2)
        std::memcpy(pixels + gssize(height - 1) * stride, pixels + gssize(height - 2) * stride,
                    gsize(GST_VIDEO_FRAME_WIDTH(&frame)) * 4);
    if (state.receiver)
        handOver(state, frame);
    gst_video_frame_unmap(&frame);
    return GST_FLOW_OK;
}

gboolean setCaps(GstBaseTransform *trans, GstCaps *incaps, GstCaps *outcaps)
{
    (void)outcaps;
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, incaps))
        return FALSE;
    const ThreadHandOver::InCallback callback(trans);
    GrabberState &state = stateOf(trans);
    std::lock_guard<std::mutex> guard(state.lock);
    state.info = info;
    return TRUE;
}

gboolean start(GstBaseTransform *trans)
{
    const ThreadHandOver::InCallback callback(trans);
    GrabberState &state = stateOf(trans);
    std::lock_guard<std::mutex> guard(state.lock);
    state.anchored = false;
    state.lateCount = 0;
    return TRUE;
}

void setProperty(GObject *object, guint id, const GValue *value, GParamSpec *spec)
{
    GrabberState &state = stateOf(object);
    std::lock_guard<std::mutex> guard(state.lock);
    switch (id) {
    case PropReceiver:
        state.receiver = static_cast<ICaptureCB *>(g_value_get_pointer(value));
        break;
    case PropThrottle:
        state.throttle = g_value_get_boolean(value);
        break;
    default:
        G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, spec);
    }
}

void getProperty(GObject *object, guint id, GValue *value, GParamSpec *spec)
{
    GrabberState &state = stateOf(object);
    std::lock_guard<std::mutex> guard(state.lock);
    switch (id) {
    case PropReceiver:
        g_value_set_pointer(value, state.receiver);
        break;
    case PropThrottle:
        g_value_set_boolean(value, state.throttle);
        break;
    default:
        G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, spec);
    }
}

// The last reference is gone, so no streaming thread is in the element any more.
void finalize(GObject *object)
{
    ThreadHandOver::afterCallbacks(object);
    delete asGrabber(object)->state;
    G_OBJECT_CLASS(grabberParentClass)->finalize(object);
}

void classInit(gpointer klass, gpointer)
{
    grabberParentClass = g_type_class_peek_parent(klass);
    GObjectClass *objectClass = G_OBJECT_CLASS(klass);
    objectClass->set_property = setProperty;
    objectClass->get_property = getProperty;
    objectClass->finalize = finalize;
    g_object_class_install_property(
        objectClass, PropReceiver,
        g_param_spec_pointer("receiver", "Receiver", "ICaptureCB that gets every frame passed on",
                             GParamFlags(G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS)));
    g_object_class_install_property(
        objectClass, PropThrottle,
        g_param_spec_boolean("throttle", "Throttle", "Drop frames that arrive late against the clock",
                             TRUE, GParamFlags(G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS)));

    GstElementClass *elementClass = GST_ELEMENT_CLASS(klass);
    gst_element_class_add_static_pad_template(elementClass, &sinkTemplate);
    gst_element_class_add_static_pad_template(elementClass, &srcTemplate);
    gst_element_class_set_static_metadata(elementClass, "Document camera grabber", "Filter/Video",
                                          "Hands each frame to the canvas and passes on what it drew",
                                          "Document Camera");

    GstBaseTransformClass *transformClass = GST_BASE_TRANSFORM_CLASS(klass);
    transformClass->transform_ip = transformInPlace;
    transformClass->set_caps = setCaps;
    transformClass->start = start;
    transformClass->passthrough_on_same_caps = FALSE;
}

void instanceInit(GTypeInstance *instance, gpointer)
{
    DocumentCameraGrabber *grabber = reinterpret_cast<DocumentCameraGrabber *>(instance);
    grabber->state = new GrabberState;
    gst_video_info_init(&grabber->state->info);
    GstBaseTransform *trans = GST_BASE_TRANSFORM(instance);
    gst_base_transform_set_in_place(trans, TRUE);
    gst_base_transform_set_passthrough(trans, FALSE);
    // Lateness is judged here by our own rule; the base class's QoS would skip frames on its own.
    gst_base_transform_set_qos_enabled(trans, FALSE);
    // Built on the thread that makes the element; its streaming functions run on the pipeline's.
    ThreadHandOver::beforeCallbacks(instance);
}

GType documentCameraGrabberType()
{
    static GType type = [] {
        const GTypeInfo info = {
            sizeof(DocumentCameraGrabberClass), nullptr, nullptr, classInit, nullptr, nullptr,
            sizeof(DocumentCameraGrabber), 0, instanceInit, nullptr,
        };
        return g_type_register_static(GST_TYPE_BASE_TRANSFORM, "DocumentCameraGrabber", &info,
                                      GTypeFlags(0));
    }();
    return type;
}

} // namespace

void GrabberElement::registerElement()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gst_element_register(nullptr, FactoryName, GST_RANK_NONE, documentCameraGrabberType());
    });
}

GstElement *GrabberElement::create(ICaptureCB *receiver, bool throttle)
{
    GstRuntime::ensureInitialised();
    GstElement *element = gst_element_factory_make(FactoryName, nullptr);
    if (!element)
        return nullptr;
    g_object_set(element, "receiver", static_cast<gpointer>(receiver), "throttle", gboolean(throttle),
                 nullptr);
    return element;
}

void GrabberElement::setReceiver(GstElement *element, ICaptureCB *receiver)
{
    g_object_set(element, "receiver", static_cast<gpointer>(receiver), nullptr);
}

void GrabberElement::setThrottle(GstElement *element, bool throttle)
{
    g_object_set(element, "throttle", gboolean(throttle), nullptr);
}
