#ifndef THUMBNAILLOADER_H
#define THUMBNAILLOADER_H

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <mutex>

// Makes the thumbnails of the strip off the user-interface thread, one at a time, and hands
// each back through thumbnailRead() on the thread that owns the loader. A thumbnail comes from
// the desktop's shared cache when it holds one for the picture as it is now, else from the
// picture's EXIF thumbnail, else from decoding the picture; the last two fill the cache.
//
// A pass works through a list of jobs that belongs to the loader: the strip hands it over and
// may reorder it (the thumbnails on screen first) or replace it at any time without waiting.
class ThumbnailLoader : public QThread
{
    Q_OBJECT

public:
    static constexpr qint64 UnknownTime = -1;

    struct Job
    {
        int index = 0;
        QString path;
        // The modification time the strip's thumbnail was made for; a picture still modified
        // then is skipped.
        qint64 madeFor = UnknownTime;
    };

    ThumbnailLoader(const QSize &bound, QObject *parent);
    ~ThumbnailLoader() override;

    // Starts pass number pass over jobs, in their order, replacing whatever is left of the pass
    // in progress; a thumbnail being made for the old pass is still handed over, under its old
    // number.
    void startPass(int pass, const QList<Job> &jobs);
    // Moves the jobs for indices first .. last ahead of the others still waiting.
    void prefer(int first, int last);
    // Ends a pass in progress after the thumbnail being made; returns once the thread has returned.
    void finishPass();

    // The thumbnail of the picture at path, modified at modified, fitted into bound; null when the
    // picture cannot be read.
    static QImage makeThumbnail(const QString &path, qint64 modified, const QSize &bound);

signals:
    // modified is the picture's modification time the thumbnail was made for; image is null for
    // a picture that cannot be read.
    void thumbnailRead(int pass, int index, const QImage &image, qint64 modified);

protected:
    void run() override;

private:
    const QSize bound;
    std::mutex lock;
    QList<Job> jobs;
    int pass = 0;
    bool stop = false;
    // The thread is between start() and the moment it finds no more work. That moment is marked
    // under the lock, which orders the thread's work before whatever waits for it (Qt's own
    // wait() does not show that to the thread sanitizer).
    bool running = false;
    std::condition_variable ended;
};

#endif
