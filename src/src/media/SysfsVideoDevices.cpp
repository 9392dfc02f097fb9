#include "SysfsVideoDevices.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <gst/gst.h>

namespace {

// The USB device sits a few folders above its video node; the walk stops well before the root.
const int MaxFoldersUp = 12;
const char *const UvcInterfaceClass = "0e";

int nodeNumber(const QString &entry)
{
    return entry.mid(int(qstrlen("video"))).toInt();
}

// The value of an "E:KEY=value" line of a udev database entry; null when the key is absent.
QString udevProperty(const QByteArray &data, const QByteArray &key)
{
    const QByteArray prefix = "E:" + key + '=';
    for (const QByteArray &line : data.split('\n')) {
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size()));
    }
    return QString();
}

QString identityOf(quint16 vendor, quint16 product, const QString &serial, const QString &port)
{
    const QString ids = QStringLiteral("usb:%1:%2:")
                            .arg(vendor, 4, 16, QLatin1Char('0'))
                            .arg(product, 4, 16, QLatin1Char('0'));
    if (!serial.isEmpty())
        return ids + QStringLiteral("serial:") + serial;
    return ids + QStringLiteral("port:") + port;
}

} // namespace

SysfsVideoDevices::SysfsVideoDevices(DeviceFiles files)
    : files(std::move(files))
{
}

QList<CaptureDevice> SysfsVideoDevices::captureDevices() const
{
    const QString classFolder = files.sysRoot + QStringLiteral("/class/video4linux");
    QStringList entries = QDir(classFolder).entryList({QStringLiteral("video*")},
                                                      QDir::Dirs | QDir::Files | QDir::System);
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return nodeNumber(a) < nodeNumber(b);
    });

    QList<CaptureDevice> devices;
    for (const QString &entry : entries) {
        const QString entryPath = classFolder + QLatin1Char('/') + entry;
        if (!isCaptureNode(entryPath))
            continue;
        const QString node = files.devRoot + QLatin1Char('/') + entry;
        QString cardName = attribute(entryPath, "name");
        if (cardName.isEmpty())
            cardName = entry;

        CaptureDevice device;
        device.path = node;
        UsbDevice usb;
        if (findUsbDevice(entryPath, &usb)) {
            device.displayName = displayName(cardName, usb.vendor, usb.product, node);
            device.name = usb.productName.isEmpty() ? cardName : usb.productName;
            device.identity = identityOf(usb.vendor, usb.product, usb.serial,
                                         QFileInfo(usb.folder).fileName());
            device.kind = kindOf(usb, cardName);
        } else {
            device.displayName = cardName + QLatin1Char(' ') + node;
            device.name = cardName;
            device.identity = platformIdentity(entryPath, cardName);
            device.kind = nameSaysInfrared(cardName) ? CaptureDevice::Kind::Infrared
                                                     : CaptureDevice::Kind::Other;
        }
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

// A device not on USB (a platform or virtual camera) is named by the folder the kernel keeps it
// in, e.g. "sys:/devices/platform/vivid.0:vivid", which stays while the machine stays the same.
QString SysfsVideoDevices::platformIdentity(const QString &entryPath, const QString &cardName) const
{
    const QString nodeFolder = QFileInfo(entryPath).canonicalFilePath();
    const QString deviceFolder = QFileInfo(QFileInfo(nodeFolder).path()).path();
    const QString top = QFileInfo(files.sysRoot).canonicalFilePath();
    return QStringLiteral("sys:") + deviceFolder.mid(top.size()) + QLatin1Char(':') + cardName;
}

QString SysfsVideoDevices::attribute(const QString &folder, const char *name) const
{
    return QString::fromUtf8(files.readText(folder + QLatin1Char('/') + QLatin1String(name))).trimmed();
}

// udev's v4l_id asked the node once, when it appeared, and wrote down whether it captures. Without
// udev (containers) the node's index tells: a UVC interface's capture node is index 0, its
// metadata node index 1.
bool SysfsVideoDevices::isCaptureNode(const QString &entryPath) const
{
    const QString dev = attribute(entryPath, "dev");
    if (!dev.isEmpty()) {
        const QByteArray data = files.readText(files.runRoot + QStringLiteral("/udev/data/c") + dev);
        const QString capabilities = udevProperty(data, "ID_V4L_CAPABILITIES");
        if (!capabilities.isNull())
            return capabilities.contains(QLatin1String(":capture:"));
    }
    const QString index = attribute(entryPath, "index");
    return index.isEmpty() || index == QLatin1String("0");
}

bool SysfsVideoDevices::findUsbDevice(const QString &entryPath, UsbDevice *usb) const
{
    QString folder = QFileInfo(entryPath).canonicalFilePath();
    QString below;
    const QString top = QFileInfo(files.sysRoot).canonicalFilePath();
    for (int up = 0; up < MaxFoldersUp && !folder.isEmpty() && folder != top; ++up) {
        const QString vendorText = attribute(folder, "idVendor");
        const QString productText = attribute(folder, "idProduct");
        if (!vendorText.isEmpty() && !productText.isEmpty()) {
            bool vendorOk = false;
            bool productOk = false;
            usb->vendor = vendorText.toUShort(&vendorOk, 16);
            usb->product = productText.toUShort(&productOk, 16);
            usb->folder = folder;
            usb->serial = attribute(folder, "serial");
            usb->productName = attribute(folder, "product");
            usb->removable = attribute(folder, "removable");
            if (!below.isEmpty())
                usb->interfaceClass = attribute(below, "bInterfaceClass");
            return vendorOk && productOk;
        }
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        below = folder;
        folder = parent;
    }
    return false;
}

CaptureDevice::Kind SysfsVideoDevices::kindOf(const UsbDevice &usb, const QString &cardName) const
{
    const QString names = cardName + QLatin1Char(' ') + usb.productName;
    if (nameSaysInfrared(names))
        return CaptureDevice::Kind::Infrared;
    if (usb.interfaceClass != QLatin1String(UvcInterfaceClass))
        return CaptureDevice::Kind::Other;
    if (usb.removable == QLatin1String("fixed"))
        return CaptureDevice::Kind::BuiltIn;
    if (usb.removable == QLatin1String("removable"))
        return CaptureDevice::Kind::External;
    // "unknown", or a kernel that does not say: most firmware leaves laptop cameras unknown, and
    // their names usually tell.
    return nameSaysBuiltIn(names) ? CaptureDevice::Kind::BuiltIn : CaptureDevice::Kind::External;
}

bool SysfsVideoDevices::nameSaysBuiltIn(const QString &name)
{
    static const QRegularExpression builtIn(QStringLiteral("integrated|built[- ]?in|internal"),
                                            QRegularExpression::CaseInsensitiveOption);
    return builtIn.match(name).hasMatch();
}

bool SysfsVideoDevices::nameSaysInfrared(const QString &name)
{
    // "IR" only as a word of its own and in capitals, so "Mirror" or "Ir..." are not taken for it.
    static const QRegularExpression infrared(QStringLiteral("(^|[^A-Za-z])IR([^A-Za-z]|$)"));
    return infrared.match(name).hasMatch() || name.contains(QLatin1String("infrared"), Qt::CaseInsensitive);
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
