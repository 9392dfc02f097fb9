#ifndef PHOTOGRAPHSOURCE_H
#define PHOTOGRAPHSOURCE_H

#include <QDir>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTimer>

class ICaptureCB;
class PictureDecoder;

// Shows the pictures of one folder on the photograph canvas, one at a time, in name order:
// manual steps, selection by number and a slide show that wraps from the last to the first.
//
// Pictures are decoded on a thread of their own: the selection changes at once
// (photographChanged), and the picture reaches the canvas when it has been decoded
// (photographShown), at once when it was decoded ahead. The pictures before and after the shown
// one are decoded ahead and kept while memory allows, so stepping and the slide show find them
// ready. A picture decoded for a selection the user has moved on from never reaches the canvas.
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
    // Scans dir; when fileName is one of its pictures, makes dir the current folder, emits
    // folderChanged (the thumbnail strip reloads) and shows that picture. Otherwise changes nothing.
    bool open(const QDir &dir, const QString &fileName);
    // Whether the picture of the current selection is on the canvas.
    bool isShown() const { return awaited.isEmpty(); }

    // Memory for the pictures decoded ahead, the shown one not counted.
    static constexpr qint64 AheadBytes = qint64(256) << 20;

signals:
    void photographChanged(int id);
    void playDone();
    // The picture of selection id has reached the canvas.
    void photographShown(int id);
    // open() found a new list: the thumbnail strip reloads.
    void folderChanged();

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
    void pictureDecoded(const QString &path, const QImage &image, quint64 request);
    void show(const QImage &image);
    QString pathOf(int id) const;
    QStringList neighbourPaths() const;
    void keepOnly(const QStringList &paths);
    void decodeWhatIsMissing();

    int interval = 1000;
    int current = 0;
    QTimer slideTimer;
    QStringList fileNames;
    QDir folder;
    bool opened = false;
    QString fileName;
    ICaptureCB *receiver;
    PictureDecoder *decoder;
    // Decoded pictures of the current selection and its neighbours, by path.
    QHash<QString, QImage> ready;
    // Path of the selection whose picture is not on the canvas yet; empty when it is.
    QString awaited;
    // Requests to the decoder are numbered; a rescan ends everything asked before it.
    quint64 request = 0;
    quint64 firstValidRequest = 0;
};

#endif
