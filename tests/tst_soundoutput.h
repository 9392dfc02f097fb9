#ifndef TST_SOUNDOUTPUT_H
#define TST_SOUNDOUTPUT_H

// A sound output that opens but refuses every stream, after a while, as a sound server that has
// gone away does. While a BrokenSoundOutput lives, it is the output autoaudiosink chooses.

#include "ThreadHandOver.h"

#include <gst/base/gstbasesink.h>
#include <gst/gst.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace testsound {

inline std::atomic<int> &refusalDelayMs()
{
    static std::atomic<int> delay{0};
    return delay;
}

// Ends the sink's wait when the pipeline stops. Standard locks, which the thread sanitizer sees.
struct Gate
{
    std::mutex lock;
    std::condition_variable wake;
    bool unlocked = false;
};

struct BrokenSink
{
    GstBaseSink parent;
    Gate *gate;
};

struct BrokenSinkClass
{
    GstBaseSinkClass parent;
};

G_DEFINE_TYPE(BrokenSink, broken_sink, GST_TYPE_BASE_SINK)

inline GstFlowReturn brokenSinkPreroll(GstBaseSink *base, GstBuffer *)
{
    const ThreadHandOver::InCallback callback(base);
    Gate *gate = reinterpret_cast<BrokenSink *>(base)->gate;
    bool unlocked = false;
    {
        std::unique_lock<std::mutex> locker(gate->lock);
        gate->wake.wait_for(locker, std::chrono::milliseconds(refusalDelayMs()),
                            [gate] { return gate->unlocked; });
        unlocked = gate->unlocked;
    }
    if (unlocked)
        return GST_FLOW_FLUSHING;
    GST_ELEMENT_ERROR(base, RESOURCE, WRITE, ("The sound device refused the stream."), (nullptr));
    return GST_FLOW_ERROR;
}

// The pipeline is being stopped: the wait ends at once.
inline gboolean brokenSinkUnlock(GstBaseSink *base)
{
    const ThreadHandOver::InCallback callback(base);
    Gate *gate = reinterpret_cast<BrokenSink *>(base)->gate;
    std::lock_guard<std::mutex> locker(gate->lock);
    gate->unlocked = true;
    gate->wake.notify_all();
    return TRUE;
}

inline gboolean brokenSinkUnlockStop(GstBaseSink *base)
{
    const ThreadHandOver::InCallback callback(base);
    Gate *gate = reinterpret_cast<BrokenSink *>(base)->gate;
    std::lock_guard<std::mutex> locker(gate->lock);
    gate->unlocked = false;
    return TRUE;
}

inline void brokenSinkFinalize(GObject *object)
{
    ThreadHandOver::afterCallbacks(object);
    delete reinterpret_cast<BrokenSink *>(object)->gate;
    G_OBJECT_CLASS(broken_sink_parent_class)->finalize(object);
}

inline void broken_sink_init(BrokenSink *self)
{
    self->gate = new Gate;
    // The element is made on one streaming thread and runs on others.
    ThreadHandOver::beforeCallbacks(self);
}

inline void broken_sink_class_init(BrokenSinkClass *klass)
{
    static GstStaticPadTemplate sinkTemplate =
        GST_STATIC_PAD_TEMPLATE("sink", GST_PAD_SINK, GST_PAD_ALWAYS, GST_STATIC_CAPS("audio/x-raw"));
    GstElementClass *element = GST_ELEMENT_CLASS(klass);
    gst_element_class_add_static_pad_template(element, &sinkTemplate);
    gst_element_class_set_static_metadata(element, "Broken sound output", "Sink/Audio",
                                          "Opens, then refuses every stream", "tests");
    GstBaseSinkClass *sink = GST_BASE_SINK_CLASS(klass);
    sink->preroll = brokenSinkPreroll;
    sink->unlock = brokenSinkUnlock;
    sink->unlock_stop = brokenSinkUnlockStop;
    G_OBJECT_CLASS(klass)->finalize = brokenSinkFinalize;
}

// Puts the broken output ahead of every real one, and back out of reach when it goes.
class BrokenSoundOutput
{
public:
    explicit BrokenSoundOutput(int refusalDelay)
    {
        static const bool registered =
            gst_element_register(nullptr, "brokenaudiosink", GST_RANK_NONE, broken_sink_get_type());
        refusalDelayMs() = refusalDelay;
        factory = registered ? gst_element_factory_find("brokenaudiosink") : nullptr;
        if (factory)
            gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(factory), GST_RANK_PRIMARY + 1000);
    }
    ~BrokenSoundOutput()
    {
        if (!factory)
            return;
        gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(factory), GST_RANK_NONE);
        gst_object_unref(factory);
    }
    BrokenSoundOutput(const BrokenSoundOutput &) = delete;
    BrokenSoundOutput &operator=(const BrokenSoundOutput &) = delete;

    bool isInstalled() const { return factory != nullptr; }

private:
    GstElementFactory *factory = nullptr;
};

} // namespace testsound

#endif
