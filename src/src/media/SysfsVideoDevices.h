#ifndef SYSFSVIDEODEVICES_H
#define SYSFSVIDEODEVICES_H

#include "CaptureDevice.h"

#include <QList>
#include <QString>

#include <functional>

// The video capture nodes the kernel lists under <sys>/class/video4linux, each named with the USB
// vendor and product ids of the device it belongs to ("vid_04fc", "pid_5330"), in node order.
// Both roots are parameters so a test can hand in a tree of its own.
class SysfsVideoDevices
{
public:
    using CaptureCheck = std::function<bool(const QString &node)>;

    explicit SysfsVideoDevices(const QString &sysRoot = QStringLiteral("/sys"),
                               const QString &devRoot = QStringLiteral("/dev"),
                               CaptureCheck isCaptureNode = &SysfsVideoDevices::isCaptureNode);

    QList<CaptureDevice> captureDevices() const;

    // True for a node that captures video (UVC cameras also have a metadata node that does not).
    static bool isCaptureNode(const QString &node);
    static QString displayName(const QString &name, quint16 vendor, quint16 product,
                               const QString &node);

private:
    bool findUsbIds(const QString &entry, quint16 *vendor, quint16 *product) const;

    QString sysRoot;
    QString devRoot;
    CaptureCheck isCapture;
};

#endif
