#ifndef TST_PIPELINESTATE_H
#define TST_PIPELINESTATE_H

// Waiting on what a pipeline reports, for the tests: its state and its bus.

#include <QCoreApplication>
#include <QTest>

#include <gst/gst.h>

namespace testpipelines {

// The pipeline has reached PAUSED with no change pending: each sink holds the buffer it prerolled
// and the streaming threads wait on it, so no further buffer passes until the pipeline is played
// or seeked.
inline bool restsInPaused(GstElement *pipeline)
{
    GstState current = GST_STATE_VOID_PENDING;
    GstState pending = GST_STATE_VOID_PENDING;
    return gst_element_get_state(pipeline, &current, &pending, 0) == GST_STATE_CHANGE_SUCCESS
           && current == GST_STATE_PAUSED && pending == GST_STATE_VOID_PENDING;
}

// Waits until the program's watch on the pipeline's bus has taken every message posted so far
// (a marker posted behind them is gone too), then runs what their handlers queued. Whatever a
// message under way was going to set off has happened once this returns true.
inline bool handleBusMessages(GstElement *pipeline, int timeoutMs = 5000)
{
    GstBus *bus = gst_element_get_bus(pipeline);
    gst_bus_post(bus, gst_message_new_application(GST_OBJECT(pipeline), gst_structure_new_empty("test-marker")));
    const bool drained = QTest::qWaitFor([bus] { return !gst_bus_have_pending(bus); }, timeoutMs);
    gst_object_unref(bus);
    QCoreApplication::sendPostedEvents();
    return drained;
}

} // namespace testpipelines

#endif
