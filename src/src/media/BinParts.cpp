#include "BinParts.h"

#include <QDebug>

#include <gst/gst.h>

GstElement *BinParts::add(GstElement *bin, const char *factory)
{
    GstElement *element = gst_element_factory_make(factory, nullptr);
    if (!element) {
        qDebug() << "GStreamer element missing:" << factory;
        return nullptr;
    }
    gst_bin_add(GST_BIN(bin), element);
    return element;
}

GstElement *BinParts::addCapsFilter(GstElement *bin, GstCaps *caps)
{
    GstElement *filter = add(bin, "capsfilter");
    if (filter)
        g_object_set(filter, "caps", caps, nullptr);
    gst_caps_unref(caps);
    return filter;
}
