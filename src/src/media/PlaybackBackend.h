#ifndef PLAYBACKBACKEND_H
#define PLAYBACKBACKEND_H

#include <QObject>
#include <QString>
#include <QStringList>

// What the film player needs from a media framework. Times are in 100 ns units, the volume in
// hundredths of a decibel (0 is full volume, -10000 silence). Every call is made on the
// user-interface thread and returns without waiting on the film; decoded frames go to the film
// canvas on the framework's own thread.
class PlaybackBackend : public QObject
{
    Q_OBJECT

public:
    explicit PlaybackBackend(QObject *parent = nullptr);
    ~PlaybackBackend() override;

    // Starts loading the file. openFinished() tells, later and never from within this call,
    // whether its first frame is ready (paused) or the file cannot be read as a film; what was
    // built for a refused file is dropped by then. A close() or another startOpen() before then
    // abandons the loading without a word.
    virtual void startOpen(const QString &fileName) = 0;
    // Stops playback and drops the loaded film. Harmless when nothing is loaded.
    virtual void close() = 0;

    virtual bool hasVideo() const = 0;
    virtual bool hasAudio() const = 0;

    virtual void run() = 0;
    virtual void pause() = 0;

    virtual qint64 duration() const = 0;
    // Reads the duration once the film has run to its end.
    virtual qint64 position() const = 0;
    // Absolute seek; the position is kept within the film. Paused, it brings up the frame there.
    virtual void seek(qint64 position) = 0;

    virtual void setVolume(int hundredthsOfDecibel) = 0;

    // How many frames of the loaded film have reached the film canvas since it was loaded.
    virtual quint64 framesShown() const = 0;

    // What the film of the last open() needs that is not installed (decoders, demuxers), in the
    // framework's own words for the user; empty when nothing was missing. Kept after close().
    virtual QStringList missingPlugins() const { return QStringList(); }

signals:
    // The outcome of the latest startOpen(): the film is loaded and paused on its first frame, or
    // nothing is loaded.
    void openFinished(bool ready);
    // The loaded film cannot be played on (damaged data, a decoder giving up). Sent once per
    // failure; the detail is the framework's own text, for the log.
    void failed(const QString &detail);
};

#endif
