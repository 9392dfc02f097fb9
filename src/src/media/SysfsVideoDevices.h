#ifndef SYSFSVIDEODEVICES_H
#define SYSFSVIDEODEVICES_H

#include "CaptureDevice.h"
#include "DeviceFiles.h"

#include <QList>
#include <QString>

// The video capture nodes the kernel lists under <sys>/class/video4linux, in node order, read from
// sysfs attributes and udev's database alone: no device node is opened, so listing wakes no camera.
// Each carries the USB vendor and product ids in its display name ("vid_04fc", "pid_5330"), a
// stable identity, and its kind (external, built in, infrared or other; the supported-camera rule
// is the live source's).
class SysfsVideoDevices
{
public:
    explicit SysfsVideoDevices(DeviceFiles files = DeviceFiles());

    QList<CaptureDevice> captureDevices() const;

    static QString displayName(const QString &name, quint16 vendor, quint16 product,
                               const QString &node);
    // Names that say the camera is built into the computer, or sees only infrared.
    static bool nameSaysBuiltIn(const QString &name);
    static bool nameSaysInfrared(const QString &name);

private:
    struct UsbDevice
    {
        QString folder;
        quint16 vendor = 0;
        quint16 product = 0;
        QString serial;
        QString productName;
        QString removable;
        QString interfaceClass;
    };

    QString attribute(const QString &folder, const char *name) const;
    bool isCaptureNode(const QString &entryPath) const;
    QString platformIdentity(const QString &entryPath, const QString &cardName) const;
    bool findUsbDevice(const QString &entryPath, UsbDevice *usb) const;
    CaptureDevice::Kind kindOf(const UsbDevice &usb, const QString &name) const;

    DeviceFiles files;
};

#endif
