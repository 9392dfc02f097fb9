#include "DeviceFiles.h"

#include <QFile>

#include <fcntl.h>

namespace {

// Attributes and udev database entries are a few hundred bytes; nothing read here is larger.
const qint64 MaxFileSize = 64 * 1024;

} // namespace

QByteArray DeviceFiles::readSystemFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(MaxFileSize);
}

int DeviceFiles::openSystemNode(const QString &node)
{
    if (node.isEmpty())
        return -1;
    return ::open(node.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}
