#ifndef DEVICEFILES_H
#define DEVICEFILES_H

#include <QByteArray>
#include <QString>

#include <functional>

// Where the kernel (sysfs) and udev (its run-time database) describe the devices, and the two
// ways the program touches them: reading a file's text and opening a device node. The program
// uses the system's; a test hands in a tree of its own and can count the opens.
struct DeviceFiles
{
    QString sysRoot = QStringLiteral("/sys");
    QString runRoot = QStringLiteral("/run");
    QString devRoot = QStringLiteral("/dev");
    // The whole text of a small file; empty when it cannot be read.
    std::function<QByteArray(const QString &path)> readText = &DeviceFiles::readSystemFile;
    // A descriptor open for reading and writing, or -1; the caller closes it.
    std::function<int(const QString &node)> openNode = &DeviceFiles::openSystemNode;

    static QByteArray readSystemFile(const QString &path);
    static int openSystemNode(const QString &node);
};

#endif
