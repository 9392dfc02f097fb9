#ifndef TST_GAPPROBE_H
#define TST_GAPPROBE_H

// A 5 ms timer on the user-interface thread that remembers the longest time between two of its
// beats: how long the event loop was kept from running while something else went on.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace testprobe {

class GapProbe : public QObject
{
public:
    static constexpr int IntervalMs = 5;

    GapProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(IntervalMs);
        connect(&timer, &QTimer::timeout, this, &GapProbe::beat);
    }

    void start()
    {
        longest = 0;
        beats = 0;
        clock.start();
        last = 0;
        timer.start();
    }

    // The longest gap in milliseconds, counting the one up to now.
    qint64 stop()
    {
        beat();
        timer.stop();
        return longest;
    }

    qint64 elapsedMs() const { return clock.elapsed(); }
    int beatCount() const { return beats; }

private:
    void beat()
    {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
        ++beats;
    }

    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    int beats = 0;
};

} // namespace testprobe

#endif
