#include "VideoDeviceMonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

VideoDeviceMonitor::VideoDeviceMonitor(QObject *parent)
    : QObject(parent)
{
}

VideoDeviceMonitor::~VideoDeviceMonitor()
{
    delete notifier;
    if (monitor)
        udev_monitor_unref(monitor);
    if (context)
        udev_unref(context);
}

std::unique_ptr<VideoDeviceMonitor> VideoDeviceMonitor::forUdev()
{
    std::unique_ptr<VideoDeviceMonitor> watcher(new VideoDeviceMonitor);
    watcher->context = udev_new();
    if (!watcher->context)
        return nullptr;
    // "udev" rather than "kernel": the announcement comes after udev has written the device's
    // database entry, which the enumeration reads.
    watcher->monitor = udev_monitor_new_from_netlink(watcher->context, "udev");
    if (!watcher->monitor)
        return nullptr;
    if (udev_monitor_filter_add_match_subsystem_devtype(watcher->monitor, "video4linux", nullptr) < 0
        || udev_monitor_enable_receiving(watcher->monitor) < 0)
        return nullptr;
    const int fd = udev_monitor_get_fd(watcher->monitor);
    if (fd < 0)
        return nullptr;
    watcher->notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    connect(watcher->notifier, SIGNAL(activated(int)), watcher.get(), SLOT(readUdevEvents()));
    return watcher;
}

void VideoDeviceMonitor::notifyChange()
{
    emit changed();
}

// The monitor's socket does not block: read every waiting announcement, then report once.
void VideoDeviceMonitor::readUdevEvents()
{
    bool any = false;
    while (udev_device *device = udev_monitor_receive_device(monitor)) {
        udev_device_unref(device);
        any = true;
    }
    if (any)
        emit changed();
}
