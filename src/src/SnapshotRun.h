#ifndef SNAPSHOTRUN_H
#define SNAPSHOTRUN_H

#include <QDateTime>
#include <QImage>
#include <QString>

// One armed snapshot: a single shot, or a continuous run that writes a picture every interval
// seconds until it is stopped or its duration is over. Files are JPEG, quality 100, named by the
// local time of writing, "yyyy-MM-dd_hh-mm-ss.jpg".
//
// A file is never written over unless this run wrote it: when the name of this second is taken,
// "_2", "_3", ... are added. Within a continuous run the file of the current second is rewritten
// by later frames of that second.
class SnapshotRun
{
public:
    enum Outcome {
        NothingWritten,
        Written,
        Failed
    };

    void start(const QString &folder, bool continuous, quint64 intervalSeconds,
               quint64 durationSeconds);
    void stop();
    bool isArmed() const;

    // One frame: decides from the seconds elapsed since start whether this picture is taken, and
    // takes it. A folder that does not exist (any more) leaves the run armed.
    Outcome step(const QImage &picture, qint64 elapsedMs, const QDateTime &localTime);

    // After a failure: true once per single shot, and once per continuous run.
    bool takeFailureReport();
    QString lastWrittenPath() const;

    static QString baseName(const QDateTime &localTime);
    static bool writeJpeg(const QImage &picture, const QString &path);

private:
    bool takesThisFrame(qint64 elapsedMs);
    QString pathFor(const QString &base) const;

    QString folder;
    bool continuous = false;
    quint64 interval = 0;
    quint64 duration = 0;
    bool armed = false;
    qint64 lastShotSecond = 0;
    QString secondBase;      // the second this run last wrote a file for, and that file
    QString secondPath;
    bool failureReported = false;
    bool failurePending = false;
};

#endif
