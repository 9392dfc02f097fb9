#include "ThumbnailLoader.h"

#include "PictureReader.h"
#include "ThreadHandOver.h"
#include "ThumbnailCache.h"

#include <algorithm>

namespace {

QImage fitted(const QImage &image, const QSize &bound)
{
    if (image.isNull())
        return image;
    return image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

ThumbnailLoader::ThumbnailLoader(const QSize &bound, QObject *parent)
    : QThread(parent)
    , bound(bound)
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    finishPass();
}

void ThumbnailLoader::startPass(int pass, const QList<Job> &jobs)
{
    {
        std::lock_guard<std::mutex> guard(lock);
        this->jobs = jobs;
        this->pass = pass;
        stop = false;
        if (running)
            return;
        running = true;
    }
    // A thread that found no more work may not have returned yet: it does nothing after that
    // but return, and start() does nothing on a thread that is still running.
    wait();
    start();
}

void ThumbnailLoader::prefer(int first, int last)
{
    std::lock_guard<std::mutex> guard(lock);
    std::stable_partition(jobs.begin(), jobs.end(),
                          [first, last](const Job &job) { return job.index >= first && job.index <= last; });
}

void ThumbnailLoader::finishPass()
{
    {
        std::unique_lock<std::mutex> guard(lock);
        stop = true;
        jobs.clear();
        ended.wait(guard, [this] { return !running; });
    }
    wait();
}

void ThumbnailLoader::run()
{
    for (;;) {
        Job job;
        int jobPass = 0;
        {
            std::lock_guard<std::mutex> guard(lock);
            if (stop || jobs.isEmpty()) {
                running = false;
                // Notified under the lock: a waiter that sees the pass over may go on at once.
                ended.notify_all();
                return;
            }
            job = jobs.takeFirst();
            jobPass = pass;
        }
        const qint64 modified = ThumbnailCache::modificationTime(job.path);
        if (modified != UnknownTime && modified == job.madeFor)
            continue;
        const QImage thumbnail = makeThumbnail(job.path, modified, bound);
        ThreadHandOver::queue(this, [this, jobPass, job, thumbnail, modified] {
            emit thumbnailRead(jobPass, job.index, thumbnail, modified);
        });
    }
}

QImage ThumbnailLoader::makeThumbnail(const QString &path, qint64 modified, const QSize &bound)
{
    const QImage cached = ThumbnailCache::read(path, modified);
    if (!cached.isNull())
        return fitted(cached, bound);

    const QImage exif = PictureReader::readExifThumbnail(path, bound);
    if (!exif.isNull()) {
        // Only a thumbnail that fills the cache's size goes into it; the file manager would
        // show a smaller one blurred.
        if (qMax(exif.width(), exif.height()) >= ThumbnailCache::NormalSize) {
            const QSize normal(ThumbnailCache::NormalSize, ThumbnailCache::NormalSize);
            ThumbnailCache::write(path, modified, fitted(exif, normal));
        }
        return fitted(exif, bound);
    }

    const QImage normal = PictureReader::readWithin(
        path, QSize(ThumbnailCache::NormalSize, ThumbnailCache::NormalSize));
    if (normal.isNull())
        return QImage();
    ThumbnailCache::write(path, modified, normal);
    return fitted(normal, bound);
}
