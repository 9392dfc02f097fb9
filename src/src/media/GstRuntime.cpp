#include "GstRuntime.h"

#include "GrabberElement.h"

#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include <mutex>

void GstRuntime::ensureInitialised()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gst_init(nullptr, nullptr);
        // Names of missing plug-ins are looked up in the utilities' tables.
        gst_pb_utils_init();
        GrabberElement::registerElement();
    });
}
