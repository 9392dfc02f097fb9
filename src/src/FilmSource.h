#ifndef FILMSOURCE_H
#define FILMSOURCE_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class ICaptureCB;
class PlaybackBackend;
class QTimer;

// Plays a video file into the film canvas: play, pause, stop, stepped fast-forward and rewind,
// seeking by percent, volume, and a 100 ms tick for the position slider.
//
// Rate 1 is the running film itself; every other rate pauses the film and seeks it from the
// tick. Whenever the film rests (paused, stopped, at its end, or after a playback failure) the
// canvas refreshes its held frame on its own; while the film plays at rate 1 it does not.
class FilmSource : public QObject
{
    Q_OBJECT

public:
    // Plays through the system's media framework.
    explicit FilmSource(ICaptureCB *receiver, QObject *parent = nullptr);
    // Plays through the given back end, which the source takes over.
    FilmSource(ICaptureCB *receiver, PlaybackBackend *backend, QObject *parent = nullptr);
    ~FilmSource() override;

    // Closes the current film and starts loading the file; openFinished() tells the outcome, and
    // a film that loads plays from the start at rate 1. Returns at once.
    void startOpen(const QString &fileName);
    // startOpen(), then waits for the outcome in a nested event loop (the back end bounds how
    // long a file may take). For callers that need the answer in hand.
    bool open(const QString &fileName);
    void close();
    void play();
    void pause();
    void stop();
    void backward();
    void forward();
    // Percent of the film played, 0 to 100.
    int position();
    void resumeCapture();
    void pauseCapture();

    bool isOpening() const { return opening; }
    bool isOpened() const { return opened; }
    bool isPlaying() const { return playing; }
    bool hasAudio() const { return audio; }
    int speedStep() const { return step; }
    int rate() const { return SpeedTable[step]; }
    // What the file of the last open() needs that is not installed, for telling the user.
    QStringList missingPlugins() const;
    // The film moves on by itself: played at any rate, not paused, stopped or resting at its end.
    bool isRunning() const;
    // Where the film stands and how long it is, in milliseconds; 0 without a film.
    qint64 positionMs() const;
    qint64 durationMs() const;
    // Seeks by the given milliseconds from where the film stands, kept within the film.
    void seekBy(qint64 ms);
    // The file of the film asked for last, whether it has loaded yet or not.
    QString fileName() const { return currentFile; }

    static constexpr int SpeedSteps = 8;
    static constexpr int SpeedTable[SpeedSteps] = {-2, 1, 2, 4, 8, 16, 32, 100};
    static constexpr int NormalStep = 1;
    static constexpr int TickInterval = 100;
    // Ticks of playing after which a film that has not shown one frame is said to have no picture.
    static constexpr int PictureWaitTicks = 20;

signals:
    void tick();
    // The outcome of the latest startOpen(): the film is playing, or nothing is loaded. Not sent
    // for a load that close() or a newer startOpen() abandoned.
    void openFinished(bool opened);
    // The open film stopped on damaged data and now rests paused on its last good frame.
    void playbackFailed(const QString &message);
    // The film has played for two seconds, or to its end, without one frame reaching the canvas:
    // its picture cannot be decoded here. Sent once per film; its sound, if any, plays on.
    void pictureMissing(const QString &message);

public slots:
    void setPosition(int position);
    void setVolume(int volume);
    void tickEvent();

protected:
    // The clock that measures the time between fast seeks; tests drive their own.
    virtual qint64 speedClockElapsed() const;
    virtual void restartSpeedClock();

private slots:
    void backendOpened(bool ready);
    void backendFailed(const QString &detail);

private:
    void applyStep();
    void watchForPicture(bool atEnd);
    void restAtStart();
    void startRefresh();
    void stopRefresh();

    ICaptureCB *receiver;
    PlaybackBackend *backend;
    bool audio = false;
    bool opening = false;
    // A film was loaded when this load began: a refused file gives the canvas back its own
    // refresh.
    bool refreshAfterRefusal = false;
    quint64 openRequest = 0;
    // Between pauseCapture() and resumeCapture(): the film canvas is not on screen.
    bool modeLeft = false;
    bool opened = false;
    bool playing = false;
    int step = NormalStep;
    qint64 duration = 0;
    QString currentFile;
    // Until the film's first frame has been seen, or its absence told: ticks played without one.
    bool awaitingPicture = false;
    int ticksWithoutPicture = 0;
    QTimer *tickTimer;
    QElapsedTimer speedClock;
};

#endif
