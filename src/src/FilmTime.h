#ifndef FILMTIME_H
#define FILMTIME_H

#include <QCoreApplication>
#include <QString>

// The texts beside the film position bar: where the film stands against its length, and the
// fast-forward or rewind step while one is running.
class FilmTime
{
    Q_DECLARE_TR_FUNCTIONS(FilmTime)

public:
    // "0:07 / 0:15"; hours appear once the film is an hour long ("1:02:03 / 1:30:00").
    static QString text(qint64 positionMs, qint64 durationMs);
    // One time as the texts above write it, with hours when withHours is set.
    static QString clock(qint64 ms, bool withHours);
    // "2×", "−2×"; empty for the normal rate 1.
    static QString rateText(int rate);
};

#endif
