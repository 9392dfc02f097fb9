#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool RegularFile::isRegular(const QString &path)
{
    struct stat status;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0
        && S_ISREG(status.st_mode);
}

int RegularFile::openDescriptor(const QString &path, int accessFlags)
{
    // Devices are not even opened (an open alone can rewind a tape or reset a serial line); the
    // check of the open descriptor catches a file swapped for something else in between.
    if (!isRegular(path)) {
        errno = EINVAL;
        return -1;
    }
    const int fd = ::open(QFile::encodeName(path).constData(),
                          accessFlags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    // Reads of a regular file never wait on O_NONBLOCK, but locks and later users should see the
    // descriptor as an ordinary one.
    const int statusFlags = ::fcntl(fd, F_GETFL);
    if (statusFlags >= 0)
        ::fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK);
    return fd;
}

bool RegularFile::openForReading(QFile &file, const QString &path)
{
    const int fd = openDescriptor(path, O_RDONLY);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}
