// document-camera-film-probe FILE
//
// Loads a film the way the program's film player does (filesrc -> decodebin, the picture through
// videoconvert to BGRx, the sound through audioconvert and audioresample, each into a fakesink)
// until its first frame is ready, and tells on standard output what it found:
//
//   prerolled 0|1
//   video 0|1
//   audio 0|1
//   width N
//   height N
//   duration NANOSECONDS      (-1 when the file does not tell)
//   missing DESCRIPTION       (one line for each thing the film needs that is not installed)
//
// A damaged file can make a demuxer ask for gigabytes in one allocation, which GLib answers by
// aborting the process. Here that costs only this process: it runs with its address space limited
// to about a gigabyte above what it had when it started, and with CPU and wall-clock limits in
// case the program that started it is gone. The program kills it when it takes too long, and
// takes anything but a complete answer as a film not to be opened.
//
// It links GStreamer only, so it starts in a few milliseconds.

#include <gst/gst.h>
#include <gst/pbutils/missing-plugins.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <malloc.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define FILM_PROBE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define FILM_PROBE_SANITIZED 1
#endif
#endif

#ifdef FILM_PROBE_SANITIZED
// The sanitizers reserve terabytes of address space for their shadow memory when the process
// starts, so an address-space limit cannot be set in an instrumented build. Their own allocator
// refuses a single allocation above this size instead (and aborts, as GLib does when the kernel
// refuses), which is the failure a hostile film provokes.
extern "C" const char *__asan_default_options()
{
    return "max_allocation_size_mb=1024";
}
extern "C" const char *__tsan_default_options()
{
    return "max_allocation_size_mb=1024";
}
#endif

namespace {

constexpr rlim_t AddressSpaceHeadroom = rlim_t(1) << 30;
// Twice what the program waits for the answer: only ever reached when nobody waits any more.
constexpr unsigned BackstopSeconds = 10;
constexpr GstClockTime PrerollLimit = 10 * GST_SECOND;

// What the streaming threads found, read by the main thread once the pipeline has settled.
struct Streams
{
    std::mutex lock;
    bool video = false;
    bool audio = false;
    int width = 0;
    int height = 0;
};

Streams streams;

long addressSpaceInUse()
{
    long pages = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return pages * sysconf(_SC_PAGESIZE);
}

void limitResources()
{
    // The program is the only reason to run: end with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // glibc gives each thread an arena that reserves 64 MiB of address space; a few arenas are
    // plenty here and keep the limit below about what the film asks for.
    mallopt(M_ARENA_MAX, 2);
#ifndef FILM_PROBE_SANITIZED
    const rlim_t addressSpace = rlim_t(addressSpaceInUse()) + AddressSpaceHeadroom;
    const rlimit memory = {addressSpace, addressSpace};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu = {BackstopSeconds, BackstopSeconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    alarm(BackstopSeconds);
}

GstElement *chainInto(GstElement *pipeline, GstPad *pad, std::initializer_list<const char *> factories,
                      const char *caps = nullptr)
{
    std::vector<GstElement *> chain;
    for (const char *factory : factories) {
        GstElement *element = gst_element_factory_make(factory, nullptr);
        if (!element) {
            for (GstElement *made : chain)
                gst_object_unref(gst_object_ref_sink(made));
            return nullptr;
        }
        chain.push_back(element);
    }
    if (caps) {
        GstCaps *format = gst_caps_from_string(caps);
        g_object_set(chain.back(), "caps", format, nullptr);
        gst_caps_unref(format);
    }
    GstElement *sink = gst_element_factory_make("fakesink", nullptr);
    if (!sink) {
        for (GstElement *made : chain)
            gst_object_unref(gst_object_ref_sink(made));
        return nullptr;
    }
    chain.push_back(sink);
    for (GstElement *element : chain)
        gst_bin_add(GST_BIN(pipeline), element);
    bool linked = true;
    for (size_t i = 1; i < chain.size(); ++i)
        linked = linked && gst_element_link(chain[i - 1], chain[i]);
    GstPad *input = gst_element_get_static_pad(chain.front(), "sink");
    linked = linked && gst_pad_link(pad, input) == GST_PAD_LINK_OK;
    gst_object_unref(input);
    for (GstElement *element : chain)
        gst_element_sync_state_with_parent(element);
    return linked ? sink : nullptr;
}

bool hasPrefix(GstPad *pad, const char *prefix)
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

// Runs on a streaming thread. Everything it needs it asks of the decoder, so it shares nothing
// with the main thread but the streams it found.
void padAdded(GstElement *decoder, GstPad *pad, void *)
{
    GstElement *pipeline = GST_ELEMENT(gst_element_get_parent(decoder));
    if (hasPrefix(pad, "video/")) {
        const bool linked = chainInto(pipeline, pad, {"videoconvert", "capsfilter"}, "video/x-raw,format=BGRx");
        std::lock_guard<std::mutex> locker(streams.lock);
        streams.video = streams.video || linked;
    } else if (hasPrefix(pad, "audio/")) {
        const bool linked = chainInto(pipeline, pad, {"audioconvert", "audioresample"});
        std::lock_guard<std::mutex> locker(streams.lock);
        streams.audio = streams.audio || linked;
    } else {
        chainInto(pipeline, pad, {"identity"});
    }
    gst_object_unref(pipeline);
}

// The picture's size from the caps the converter settled on.
void readPictureSize(GstElement *pipeline)
{
    GstIterator *sinks = gst_bin_iterate_sinks(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(sinks, &item) == GST_ITERATOR_OK) {
        GstElement *sink = GST_ELEMENT(g_value_get_object(&item));
        GstPad *pad = gst_element_get_static_pad(sink, "sink");
        if (GstCaps *caps = gst_pad_get_current_caps(pad)) {
            const GstStructure *format = gst_caps_get_structure(caps, 0);
            int width = 0;
            int height = 0;
            if (g_str_has_prefix(gst_structure_get_name(format), "video/")
                && gst_structure_get_int(format, "width", &width)
                && gst_structure_get_int(format, "height", &height)) {
                std::lock_guard<std::mutex> locker(streams.lock);
                streams.width = width;
                streams.height = height;
            }
            gst_caps_unref(caps);
        }
        gst_object_unref(pad);
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(sinks);
}

void noteMissing(GstMessage *message, std::vector<std::string> &missing)
{
    if (!gst_is_missing_plugin_message(message))
        return;
    gchar *description = gst_missing_plugin_message_get_description(message);
    if (description)
        missing.emplace_back(description);
    g_free(description);
}

} // namespace

int main(int argc, char *argv[])
{
    limitResources();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    gst_init(nullptr, nullptr);

    GstElement *pipeline = gst_pipeline_new("probe");
    GstElement *source = gst_element_factory_make("filesrc", nullptr);
    GstElement *decoder = gst_element_factory_make("decodebin", nullptr);
    if (!source || !decoder)
        return 3;
    g_object_set(source, "location", argv[1], nullptr);
    gst_bin_add_many(GST_BIN(pipeline), source, decoder, nullptr);
    gst_element_link(source, decoder);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(padAdded), nullptr);
    {
        // What the streaming threads write later is ordered after this.
        std::lock_guard<std::mutex> locker(streams.lock);
        streams.video = streams.audio = false;
    }

    std::vector<std::string> missing;
    bool prerolled = false;
    GstBus *bus = gst_element_get_bus(pipeline);
    if (gst_element_set_state(pipeline, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE) {
        const auto wanted = GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR | GST_MESSAGE_ELEMENT);
        const gint64 deadline = g_get_monotonic_time() + gint64(PrerollLimit / GST_USECOND);
        bool settled = false;
        while (!settled) {
            const gint64 left = deadline - g_get_monotonic_time();
            GstMessage *message = left > 0 ? gst_bus_timed_pop_filtered(bus, GstClockTime(left) * GST_USECOND, wanted)
                                           : nullptr;
            if (!message)
                break;
            switch (GST_MESSAGE_TYPE(message)) {
            case GST_MESSAGE_ASYNC_DONE:
                prerolled = GST_MESSAGE_SRC(message) == GST_OBJECT(pipeline);
                settled = prerolled;
                break;
            case GST_MESSAGE_ERROR:
                settled = true;
                break;
            default:
                noteMissing(message, missing);
                break;
            }
            gst_message_unref(message);
        }
    } else {
        while (GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ELEMENT)) {
            noteMissing(message, missing);
            gst_message_unref(message);
        }
    }

    gint64 duration = -1;
    if (prerolled) {
        readPictureSize(pipeline);
        if (!gst_element_query_duration(pipeline, GST_FORMAT_TIME, &duration))
            duration = -1;
    }
    {
        std::lock_guard<std::mutex> locker(streams.lock);
        std::printf("prerolled %d\nvideo %d\naudio %d\nwidth %d\nheight %d\nduration %lld\n", prerolled ? 1 : 0,
                    streams.video ? 1 : 0, streams.audio ? 1 : 0, streams.width, streams.height,
                    static_cast<long long>(duration));
    }
    for (const std::string &description : missing)
        std::printf("missing %s\n", description.c_str());
    std::fflush(stdout);
    // The answer is out. Tearing the pipeline down would only give damaged data another chance
    // to do harm (and the leak checker of an instrumented build something to say about the
    // libraries): the process ends here, as it stands.
    _exit(0);
}
