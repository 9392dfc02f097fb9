#include "RecordingFileKeeper.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const qint64 CopyChunk = 1 << 20;

} // namespace

RecordingFileKeeper::~RecordingFileKeeper()
{
    if (fd >= 0)
        ::close(fd);
}

bool RecordingFileKeeper::tryLock(int descriptor, bool exclusive)
{
    int result;
    do {
        result = ::flock(descriptor, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool RecordingFileKeeper::hold(const QString &path)
{
    release();
    restoredTo.clear();
    fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        qDebug() << "Cannot hold the recording" << path << ":" << strerror(errno);
        return false;
    }
    if (!tryLock(fd, false))
        qDebug() << "Cannot lock the recording" << path << ":" << strerror(errno);
    heldPath = path;
    return true;
}

bool RecordingFileKeeper::isHolding() const
{
    return fd >= 0;
}

QString RecordingFileKeeper::path() const
{
    return heldPath;
}

QString RecordingFileKeeper::restoredPath() const
{
    return restoredTo;
}

bool RecordingFileKeeper::isRemoved() const
{
    if (fd < 0)
        return false;
    struct stat held;
    struct stat named;
    if (::fstat(fd, &held) != 0)
        return false;
    if (::stat(QFile::encodeName(heldPath).constData(), &named) != 0)
        return true;
    return held.st_dev != named.st_dev || held.st_ino != named.st_ino;
}

RecordingFileKeeper::Outcome RecordingFileKeeper::release()
{
    if (fd < 0)
        return Outcome::NotHeld;
    restoredTo.clear();
    Outcome outcome = Outcome::Kept;
    if (isRemoved())
        outcome = restore() ? Outcome::Restored : Outcome::Lost;
    ::close(fd);
    fd = -1;
    heldPath.clear();
    return outcome;
}

// Copies the held contents to the file's name. A file that took the name meanwhile is not
// written over: the contents then go under a numbered name beside it.
bool RecordingFileKeeper::restore()
{
    const QFileInfo info(heldPath);
    if (!QDir().mkpath(info.absolutePath())) {
        qDebug() << "Cannot make the folder again for" << heldPath;
        return false;
    }
    QString target = heldPath;
    for (int number = 2; QFileInfo::exists(target); ++number)
        target = info.dir().filePath(info.completeBaseName() + QStringLiteral("_%1.").arg(number)
                                     + info.suffix());

    QFile source;
    if (!source.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) || !source.seek(0))
        return false;
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunk);
        if (chunk.isEmpty() || copy.write(chunk) != chunk.size()) {
            copy.cancelWriting();
            return false;
        }
    }
    if (!copy.commit()) {
        qDebug() << "Cannot write the recording back to" << target << ":" << copy.errorString();
        return false;
    }
    restoredTo = target;
    qDebug() << "The removed recording was written back to" << target;
    return true;
}
