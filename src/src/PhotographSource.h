#ifndef PHOTOGRAPHSOURCE_H
#define PHOTOGRAPHSOURCE_H

#include <QDir>
#include <QObject>
#include <QStringList>
#include <QTimer>

class ICaptureCB;

// Shows the pictures of one folder on the photograph canvas, one at a time, in name order:
// manual steps, selection by number and a slide show that wraps from the last to the first.
// Everything runs on the user-interface thread.
class PhotographSource : public QObject
{
    Q_OBJECT

public:
    PhotographSource(ICaptureCB *receiver, QObject *parent);

    // Period of the slide show in ms; a running show keeps its period until the next play().
    void setInterval(int ms);
    int slideInterval() const { return interval; }
    bool isPlaying() const { return slideTimer.isActive(); }
    int count() const;
    QStringList filePaths() const;
    // Scans dir; when fileName is one of its pictures, makes dir the current folder, reloads the
    // thumbnail strip of the owner and shows that picture. Otherwise changes nothing.
    bool open(const QDir &dir, const QString &fileName);

signals:
    void photographChanged(int id);
    void playDone();

public slots:
    void selectPhotograph(int id);
    void pauseCapture();
    void resumeCapture();
    void play();
    void stop();
    void previous();
    void next();

private slots:
    void nextPhotograph();

private:
    void reloadThumbnails();

    int interval = 1000;
    int current = 0;
    QTimer slideTimer;
    QStringList fileNames;
    QDir folder;
    bool opened = false;
    QString fileName;
    ICaptureCB *receiver;
    QObject *owner;
};

#endif
