#include "SysfsVideoDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <fcntl.h>
#include <gst/gst.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The USB device sits a few folders above its video node; the walk stops well before the root.
const int MaxFoldersUp = 12;

QString readLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readLine(256)).trimmed();
}

int nodeNumber(const QString &entry)
{
    return entry.mid(int(qstrlen("video"))).toInt();
}

} // namespace

SysfsVideoDevices::SysfsVideoDevices(const QString &sysRoot, const QString &devRoot,
                                     CaptureCheck isCaptureNode)
    : sysRoot(sysRoot)
    , devRoot(devRoot)
    , isCapture(std::move(isCaptureNode))
{
}

QList<CaptureDevice> SysfsVideoDevices::captureDevices() const
{
    const QString classFolder = sysRoot + QStringLiteral("/class/video4linux");
    QStringList entries = QDir(classFolder).entryList({QStringLiteral("video*")},
                                                      QDir::Dirs | QDir::Files | QDir::System);
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return nodeNumber(a) < nodeNumber(b);
    });

    QList<CaptureDevice> devices;
    for (const QString &entry : entries) {
        const QString node = devRoot + QLatin1Char('/') + entry;
        if (isCapture && !isCapture(node))
            continue;
        const QString entryPath = classFolder + QLatin1Char('/') + entry;
        quint16 vendor = 0;
        quint16 product = 0;
        const bool usb = findUsbIds(entryPath, &vendor, &product);
        QString name = readLine(entryPath + QStringLiteral("/name"));
        if (name.isEmpty())
            name = entry;

        CaptureDevice device;
        device.displayName = usb ? displayName(name, vendor, product, node) : name + QLatin1Char(' ') + node;
        device.path = node;
        device.createSource = [node]() -> GstElement * {
            GstElement *source = gst_element_factory_make("v4l2src", nullptr);
            if (source)
                g_object_set(source, "device", node.toLocal8Bit().constData(), nullptr);
            return source;
        };
        devices << device;
    }
    return devices;
}

bool SysfsVideoDevices::findUsbIds(const QString &entry, quint16 *vendor, quint16 *product) const
{
    QString folder = QFileInfo(entry).canonicalFilePath();
    const QString top = QFileInfo(sysRoot).canonicalFilePath();
    for (int up = 0; up < MaxFoldersUp && !folder.isEmpty() && folder != top; ++up) {
        const QString vendorText = readLine(folder + QStringLiteral("/idVendor"));
        const QString productText = readLine(folder + QStringLiteral("/idProduct"));
        if (!vendorText.isEmpty() && !productText.isEmpty()) {
            bool vendorOk = false;
            bool productOk = false;
            *vendor = vendorText.toUShort(&vendorOk, 16);
            *product = productText.toUShort(&productOk, 16);
            return vendorOk && productOk;
        }
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    return false;
}

bool SysfsVideoDevices::isCaptureNode(const QString &node)
{
    const int fd = ::open(node.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    v4l2_capability capability = {};
    const bool queried = ioctl(fd, VIDIOC_QUERYCAP, &capability) == 0;
    ::close(fd);
    if (!queried)
        return false;
    const quint32 caps = (capability.capabilities & V4L2_CAP_DEVICE_CAPS) ? capability.device_caps
                                                                           : capability.capabilities;
    return caps & V4L2_CAP_VIDEO_CAPTURE;
}

QString SysfsVideoDevices::displayName(const QString &name, quint16 vendor, quint16 product,
                                       const QString &node)
{
    return QStringLiteral("%1 (usb#vid_%2&pid_%3) %4")
        .arg(name)
        .arg(vendor, 4, 16, QLatin1Char('0'))
        .arg(product, 4, 16, QLatin1Char('0'))
        .arg(node);
}
