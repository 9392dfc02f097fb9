#include "PictureDecoder.h"

#include "PictureReader.h"
#include "ThreadHandOver.h"

PictureDecoder::PictureDecoder(QImage::Format format, QObject *parent)
    : QThread(parent)
    , format(format)
{
}

PictureDecoder::~PictureDecoder()
{
    {
        std::unique_lock<std::mutex> guard(lock);
        quitting = true;
        waiting.clear();
        wake.notify_all();
        // At most the picture being decoded is finished; what it hands over dies with this object.
        ended.wait(guard, [this] { return !running; });
    }
    wait();
}

void PictureDecoder::decode(const QStringList &paths, quint64 request)
{
    bool starting = false;
    {
        std::lock_guard<std::mutex> guard(lock);
        starting = !running;
        running = true;
        waiting.clear();
        for (const QString &path : paths) {
            if (busy && path == inProgress.path)
                inProgress.request = request;
            else
                waiting.append({path, request});
        }
    }
    wake.notify_all();
    if (starting)
        start();
}

void PictureDecoder::run()
{
    for (;;) {
        QString path;
        {
            std::unique_lock<std::mutex> guard(lock);
            wake.wait(guard, [this] { return quitting || !waiting.isEmpty(); });
            if (quitting) {
                running = false;
                // Notified under the lock: the destructor may go on at once once it sees this.
                ended.notify_all();
                return;
            }
            inProgress = waiting.takeFirst();
            busy = true;
            path = inProgress.path;
        }
        QImage image = PictureReader::readPicture(path);
        if (format != QImage::Format_Invalid && !image.isNull())
            image = std::move(image).convertToFormat(format);
        quint64 request = 0;
        {
            std::lock_guard<std::mutex> guard(lock);
            busy = false;
            request = inProgress.request;
        }
        ThreadHandOver::queue(this, [this, path, image, request] { emit decoded(path, image, request); });
    }
}
