#include "FilmSource.h"

#include "ICaptureCB.h"
#include "media/GstPlaybackBackend.h"
#include "media/PlaybackBackend.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QTimer>

namespace {
// One millisecond in the 100 ns units of film positions.
constexpr qint64 UnitsPerMillisecond = 10000;
} // namespace

FilmSource::FilmSource(ICaptureCB *receiver, QObject *parent)
    : FilmSource(receiver, new GstPlaybackBackend(receiver), parent)
{
}

FilmSource::FilmSource(ICaptureCB *receiver, PlaybackBackend *backend, QObject *parent)
    : QObject(parent)
    , receiver(receiver)
    , backend(backend)
    , tickTimer(new QTimer(this))
{
    backend->setParent(this);
    connect(backend, SIGNAL(openFinished(bool)), this, SLOT(backendOpened(bool)));
    connect(backend, SIGNAL(failed(QString)), this, SLOT(backendFailed(QString)));
    tickTimer->setInterval(TickInterval);
    connect(tickTimer, SIGNAL(timeout()), this, SLOT(tickEvent()));
    speedClock.start();
}

FilmSource::~FilmSource()
{
    close();
}

void FilmSource::startOpen(const QString &fileName)
{
    const bool hadFilm = opened || (opening && refreshAfterRefusal);
    close();
    // A fast step left over from the last film would seek against the new one as it runs.
    step = NormalStep;
    refreshAfterRefusal = hadFilm;
    opening = true;
    currentFile = fileName;
    backend->startOpen(fileName);
}

bool FilmSource::open(const QString &fileName)
{
    startOpen(fileName);
    const quint64 request = openRequest;
    while (opening && request == openRequest)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return opened && request == openRequest;
}

void FilmSource::backendOpened(bool ready)
{
    if (!opening)
        return;
    opening = false;
    if (!ready || !backend->hasVideo()) {
        backend->close();
        // Nothing is loaded now: the canvas keeps showing (and refreshing) its last picture.
        if (refreshAfterRefusal)
            startRefresh();
        emit openFinished(false);
        return;
    }

    audio = backend->hasAudio();
    if (audio)
        backend->setVolume(0);
    duration = backend->duration();
    backend->run();
    opened = true;
    playing = true;
    awaitingPicture = true;
    ticksWithoutPicture = 0;
    tickTimer->start();
    stopRefresh();
    // Film mode was left while the file loaded: the film waits there, as one already playing would.
    if (modeLeft)
        pauseCapture();
    emit openFinished(true);
}

void FilmSource::close()
{
    if (opened || opening)
        backend->close();
    ++openRequest;
    opening = false;
    opened = false;
    playing = false;
    audio = false;
    duration = 0;
    currentFile.clear();
    awaitingPicture = false;
    tickTimer->stop();
}

void FilmSource::play()
{
    if (!opened)
        return;
    step = NormalStep;
    playing = true;
    backend->run();
    tickTimer->start();
    restartSpeedClock();
    stopRefresh();
}

void FilmSource::pause()
{
    if (!opened)
        return;
    backend->pause();
    tickTimer->stop();
    startRefresh();
}

void FilmSource::stop()
{
    if (!opened)
        return;
    backend->pause();
    backend->seek(0);
    emit tick();
    tickTimer->stop();
    startRefresh();
}

void FilmSource::backward()
{
    if (!playing)
        return;
    step = qMax(step - 1, 0);
    applyStep();
}

void FilmSource::forward()
{
    if (!playing)
        return;
    step = qMin(step + 1, SpeedSteps - 1);
    applyStep();
}

int FilmSource::position()
{
    if (!opened || duration <= 0)
        return 0;
    return int(backend->position() * 100 / duration);
}

bool FilmSource::isRunning() const
{
    return opened && playing && tickTimer->isActive();
}

qint64 FilmSource::positionMs() const
{
    if (!opened)
        return 0;
    return qMax<qint64>(backend->position(), 0) / UnitsPerMillisecond;
}

qint64 FilmSource::durationMs() const
{
    if (!opened)
        return 0;
    const qint64 length = duration > 0 ? duration : backend->duration();
    return qMax<qint64>(length, 0) / UnitsPerMillisecond;
}

void FilmSource::seekBy(qint64 ms)
{
    if (!opened)
        return;
    qint64 target = qMax<qint64>(backend->position() + ms * UnitsPerMillisecond, 0);
    if (duration > 0)
        target = qMin(target, duration - 1);
    backend->seek(target);
    emit tick();
}

void FilmSource::setPosition(int position)
{
    if (!opened)
        return;
    backend->seek(qint64(duration * (position / 100.0)));
}

void FilmSource::setVolume(int volume)
{
    if (!opened || !audio)
        return;
    backend->setVolume((volume - 100) * 100);
}

void FilmSource::resumeCapture()
{
    modeLeft = false;
    startRefresh();
}

void FilmSource::pauseCapture()
{
    modeLeft = true;
    if (opened) {
        backend->pause();
        tickTimer->stop();
        startRefresh();
    }
    stopRefresh();
}

void FilmSource::tickEvent()
{
    if (!opened)
        return;
    // Some files only tell their length once they have been played to the end.
    if (duration <= 0)
        duration = backend->duration();

    qint64 position = backend->position();
    const int factor = rate();
    const qint64 elapsed = speedClockElapsed();
    if (playing && factor != 1 && elapsed >= TickInterval) {
        position += elapsed * factor * UnitsPerMillisecond;
        restartSpeedClock();
        backend->seek(position);
    }

    const bool lengthUnknown = duration <= 0;
    if (position >= 0 && (position < duration || lengthUnknown)) {
        watchForPicture(false);
        emit tick();
        return;
    }
    watchForPicture(position >= duration);
    restAtStart();
}

// Some films load and play, and their picture never comes: the decoder makes nothing of it. The
// canvas would go on showing whatever it showed before, so the user is told.
void FilmSource::watchForPicture(bool atEnd)
{
    if (!awaitingPicture)
        return;
    if (backend->framesShown() > 0) {
        awaitingPicture = false;
        return;
    }
    if (playing)
        ++ticksWithoutPicture;
    if (!atEnd && ticksWithoutPicture < PictureWaitTicks)
        return;
    awaitingPicture = false;
    qDebug() << "Film shows no picture";
    emit pictureMissing(tr("The film has no picture this computer can show."));
}

QStringList FilmSource::missingPlugins() const
{
    return backend->missingPlugins();
}

qint64 FilmSource::speedClockElapsed() const
{
    return speedClock.elapsed();
}

void FilmSource::restartSpeedClock()
{
    speedClock.restart();
}

void FilmSource::backendFailed(const QString &detail)
{
    if (!opened)
        return;
    qDebug() << "Film playback failed:" << detail;
    playing = false;
    backend->pause();
    tickTimer->stop();
    startRefresh();
    emit tick();
    emit playbackFailed(tr("The film cannot be played any further. The file may be damaged."));
}

void FilmSource::applyStep()
{
    if (rate() == 1) {
        backend->run();
        return;
    }
    backend->pause();
    restartSpeedClock();
}

// The film ran off one of its ends: it waits at its start, paused, with the tick still running.
void FilmSource::restAtStart()
{
    playing = false;
    backend->seek(0);
    backend->pause();
    startRefresh();
    emit tick();
}

void FilmSource::startRefresh()
{
    if (receiver)
        receiver->startAutoRefresh();
}

void FilmSource::stopRefresh()
{
    if (receiver)
        receiver->stopAutoRefresh();
}
