#include "AudioInputDevices.h"

#include "GstRuntime.h"

#include <gst/gst.h>

#include <memory>

namespace {

QString property(const GstStructure *properties, const char *key)
{
    if (!properties || !gst_structure_has_field_typed(properties, key, G_TYPE_STRING))
        return QString();
    return QString::fromUtf8(gst_structure_get_string(properties, key));
}

// Sound servers write the ids as "04fc" or "0x04fc"; both come out as four lower-case digits.
bool parseId(QString text, quint16 *id)
{
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    bool ok = false;
    *id = text.toUShort(&ok, 16);
    return ok && !text.isEmpty();
}

} // namespace

QList<CaptureDevice> AudioInputDevices::list()
{
    GstRuntime::ensureInitialised();
    GstDeviceMonitor *monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Audio/Source", nullptr);
    GList *found = gst_device_monitor_get_devices(monitor);

    QList<CaptureDevice> devices;
    for (GList *item = found; item; item = item->next) {
        GstDevice *device = GST_DEVICE(item->data);
        GstStructure *properties = gst_device_get_properties(device);
        if (!isMonitor(properties)) {
            gchar *name = gst_device_get_display_name(device);
            CaptureDevice input;
            input.displayName = displayName(QString::fromUtf8(name), properties);
            g_free(name);
            std::shared_ptr<GstDevice> held(GST_DEVICE(gst_object_ref(device)), gst_object_unref);
            input.createSource = [held] { return gst_device_create_element(held.get(), nullptr); };
            devices << input;
        }
        if (properties)
            gst_structure_free(properties);
    }
    g_list_free_full(found, gst_object_unref);
    gst_object_unref(monitor);
    return devices;
}

bool AudioInputDevices::isMonitor(const GstStructure *properties)
{
    return property(properties, "device.class") == QLatin1String("monitor");
}

QString AudioInputDevices::displayName(const QString &name, const GstStructure *properties)
{
    quint16 vendor = 0;
    quint16 product = 0;
    if (!parseId(property(properties, "device.vendor.id"), &vendor)
        || !parseId(property(properties, "device.product.id"), &product))
        return name;
    return QStringLiteral("%1 (usb#vid_%2&pid_%3)")
        .arg(name)
        .arg(vendor, 4, 16, QLatin1Char('0'))
        .arg(product, 4, 16, QLatin1Char('0'));
}
