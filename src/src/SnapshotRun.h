#ifndef SNAPSHOTRUN_H
#define SNAPSHOTRUN_H

#include <QDateTime>
#include <QString>

// The timing of one armed snapshot: a single shot, or a continuous run that takes a picture every
// interval seconds until it is stopped or its duration is over. It only decides which frames are
// taken; SnapshotWriter names and writes the files away from the frame path.
//
// Each start and stop begins a new run number, so what the writer says later about a shot of an
// earlier run changes nothing.
class SnapshotRun
{
public:
    void start(const QString &folder, bool continuous, quint64 intervalSeconds,
               quint64 durationSeconds);
    void stop();
    bool isArmed() const;

    // One frame, given the milliseconds since start: is this picture taken? A single shot disarms
    // when it is taken.
    bool takesThisFrame(qint64 elapsedMs);

    // A taken shot of the given run did not reach a file (its folder was missing, or the writer
    // had no room for a single shot): a single shot is armed again, a continuous run takes the
    // next frame whatever its interval says.
    void takeAgain(quint64 run);

    quint64 run() const { return runNumber; }
    QString folder() const { return runFolder; }
    bool isContinuous() const { return continuous; }

    // "yyyy-MM-dd_hh-mm-ss", the name of a snapshot file without its suffix.
    static QString baseName(const QDateTime &localTime);

private:
    QString runFolder;
    quint64 runNumber = 0;
    bool continuous = false;
    quint64 interval = 0;
    quint64 duration = 0;
    bool armed = false;
    bool retryNextFrame = false;
    qint64 lastShotSecond = 0;
};

#endif
