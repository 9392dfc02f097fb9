#include "SnapshotRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace {

const int JpegQuality = 100;

} // namespace

void SnapshotRun::start(const QString &snapshotFolder, bool continuousRun, quint64 intervalSeconds,
                        quint64 durationSeconds)
{
    folder = snapshotFolder;
    continuous = continuousRun;
    interval = intervalSeconds;
    duration = durationSeconds;
    armed = true;
    lastShotSecond = 0;
    secondBase.clear();
    secondPath.clear();
    failureReported = false;
    failurePending = false;
}

void SnapshotRun::stop()
{
    armed = false;
}

bool SnapshotRun::isArmed() const
{
    return armed;
}

QString SnapshotRun::baseName(const QDateTime &localTime)
{
    return localTime.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
}

bool SnapshotRun::writeJpeg(const QImage &picture, const QString &path)
{
    QImageWriter writer(path);
    writer.setQuality(JpegQuality);
    return writer.write(picture);
}

bool SnapshotRun::takesThisFrame(qint64 elapsedMs)
{
    if (!continuous) {
        armed = false;
        return true;
    }
    const qint64 now = elapsedMs / 1000;
    const qint64 sinceLast = now - lastShotSecond;
    const bool due = sinceLast >= 0 && quint64(sinceLast) >= interval;
    if (due)
        lastShotSecond = now;
    if (now >= 0 && quint64(now) >= duration)
        armed = false;
    return due;
}

QString SnapshotRun::pathFor(const QString &base) const
{
    if (continuous && base == secondBase && !secondPath.isEmpty())
        return secondPath;
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".jpg"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(base + QStringLiteral("_%1.jpg").arg(n));
    return path;
}

SnapshotRun::Outcome SnapshotRun::step(const QImage &picture, qint64 elapsedMs,
                                       const QDateTime &localTime)
{
    if (!armed || !QFileInfo(folder).isDir())
        return NothingWritten;
    if (!takesThisFrame(elapsedMs))
        return NothingWritten;

    const QString base = baseName(localTime);
    const QString path = pathFor(base);
    if (!writeJpeg(picture, path)) {
        // Whatever is there now is a remnant of this attempt: the name was free or ours.
        QFile::remove(path);
        secondBase.clear();
        secondPath.clear();
        failurePending = true;
        return Failed;
    }
    secondBase = base;
    secondPath = path;
    return Written;
}

bool SnapshotRun::takeFailureReport()
{
    if (!failurePending)
        return false;
    failurePending = false;
    if (continuous && failureReported)
        return false;
    failureReported = true;
    return true;
}

QString SnapshotRun::lastWrittenPath() const
{
    return secondPath;
}
