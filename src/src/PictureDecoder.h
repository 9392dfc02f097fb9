#ifndef PICTUREDECODER_H
#define PICTUREDECODER_H

#include <QImage>
#include <QList>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <mutex>

// Decodes photographs through PictureReader on a thread of its own, one at a time, in the order
// last asked for. Each picture comes back through decoded() on the thread that owns the decoder,
// stamped with the request it was decoded for, so the owner can tell a picture that is still
// wanted from one it has moved on from.
class PictureDecoder : public QThread
{
    Q_OBJECT

public:
    // Pictures come back in format (QImage::Format_Invalid: as the decoder made them).
    explicit PictureDecoder(QImage::Format format, QObject *parent = nullptr);
    ~PictureDecoder() override;

    // Replaces whatever is still waiting to be decoded by paths, first one first. A picture
    // being decoded when this is called is finished; when paths name it again it is not decoded
    // twice but reported under the new request.
    void decode(const QStringList &paths, quint64 request);

signals:
    void decoded(const QString &path, const QImage &image, quint64 request);

protected:
    void run() override;

private:
    struct Job
    {
        QString path;
        quint64 request = 0;
    };

    const QImage::Format format;
    std::mutex lock;
    std::condition_variable wake;
    QList<Job> waiting;
    Job inProgress;
    bool busy = false;
    bool quitting = false;
    // Between start() and the end of run(). The end is marked under the lock so the thread's
    // last steps are ordered before the destructor's, which Qt's own wait() does not show to the
    // thread sanitizer.
    bool running = false;
    std::condition_variable ended;
};

#endif
