#include "RecordingWatch.h"

#include <QDebug>
#include <QFileInfo>
#include <QStorageInfo>

RecordingWatch::RecordingWatch(QObject *parent)
    : QObject(parent)
    , timer(this)
    , freeSpace(&RecordingWatch::systemFreeSpace)
{
    timer.setInterval(PollIntervalMs);
    connect(&timer, SIGNAL(timeout()), this, SLOT(check()));
}

void RecordingWatch::setFreeSpaceQuery(FreeSpaceQuery query)
{
    freeSpace = query ? std::move(query) : FreeSpaceQuery(&RecordingWatch::systemFreeSpace);
}

void RecordingWatch::setMinimumFreeBytes(qint64 bytes)
{
    minimumFree = bytes;
}

qint64 RecordingWatch::minimumFreeBytes() const
{
    return minimumFree;
}

qint64 RecordingWatch::systemFreeSpace(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}

bool RecordingWatch::hasRoom(const QString &folderPath) const
{
    const qint64 available = freeSpace(folderPath);
    return available < 0 || available >= minimumFree;
}

void RecordingWatch::start(const QString &fileName)
{
    file = fileName;
    folder = QFileInfo(fileName).absolutePath();
    fileSeen = QFileInfo::exists(file);
    timer.start();
}

void RecordingWatch::stop()
{
    timer.stop();
    file.clear();
    folder.clear();
}

bool RecordingWatch::isWatching() const
{
    return timer.isActive();
}

void RecordingWatch::check()
{
    if (!isWatching())
        return;
    const bool exists = QFileInfo::exists(file);
    fileSeen = fileSeen || exists;
    if (fileSeen && !exists) {
        qDebug() << "The recording file went away:" << file;
        stop();
        emit fileRemoved();
        return;
    }
    if (!hasRoom(folder)) {
        qDebug() << "Less than" << minimumFree << "bytes free for the recording in" << folder;
        stop();
        emit lowDiskSpace();
    }
}
