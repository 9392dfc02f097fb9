#include "FilmTime.h"

#include <QtGlobal>

namespace {
constexpr qint64 MsPerHour = 3600 * 1000;
} // namespace

QString FilmTime::clock(qint64 ms, bool withHours)
{
    const qint64 seconds = qMax<qint64>(ms, 0) / 1000;
    const qint64 s = seconds % 60;
    const qint64 m = seconds / 60 % 60;
    const qint64 h = seconds / 3600;
    if (withHours)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(s, 2, 10, QLatin1Char('0'));
}

QString FilmTime::text(qint64 positionMs, qint64 durationMs)
{
    const bool withHours = durationMs >= MsPerHour || positionMs >= MsPerHour;
    return QStringLiteral("%1 / %2").arg(clock(positionMs, withHours), clock(durationMs, withHours));
}

QString FilmTime::rateText(int rate)
{
    if (rate == 1)
        return QString();
    // A true minus sign, as typeset, not a hyphen.
    const QString number = rate < 0 ? QString(QChar(0x2212)) + QString::number(-rate) : QString::number(rate);
    //: On the film picture while playing faster or backwards: the speed step, e.g. 2× or −2×.
    return tr("%1×").arg(number);
}
