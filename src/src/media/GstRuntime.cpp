#include "GstRuntime.h"

#include "GrabberElement.h"

#include <gst/gst.h>

#include <mutex>

void GstRuntime::ensureInitialised()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gst_init(nullptr, nullptr);
        GrabberElement::registerElement();
    });
}
