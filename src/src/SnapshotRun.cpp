#include "SnapshotRun.h"

void SnapshotRun::start(const QString &snapshotFolder, bool continuousRun, quint64 intervalSeconds,
                        quint64 durationSeconds)
{
    runFolder = snapshotFolder;
    ++runNumber;
    continuous = continuousRun;
    interval = intervalSeconds;
    duration = durationSeconds;
    armed = true;
    retryNextFrame = false;
    lastShotSecond = 0;
}

void SnapshotRun::stop()
{
    ++runNumber;
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

bool SnapshotRun::takesThisFrame(qint64 elapsedMs)
{
    if (!armed)
        return false;
    if (!continuous) {
        armed = false;
        return true;
    }
    const qint64 now = elapsedMs / 1000;
    const qint64 sinceLast = now - lastShotSecond;
    const bool due = retryNextFrame || (sinceLast >= 0 && quint64(sinceLast) >= interval);
    if (due) {
        lastShotSecond = now;
        retryNextFrame = false;
    }
    if (now >= 0 && quint64(now) >= duration)
        armed = false;
    return due;
}

void SnapshotRun::takeAgain(quint64 run)
{
    if (run != runNumber)
        return;
    if (continuous)
        retryNextFrame = true;
    else
        armed = true;
}
