#include "PhotographSource.h"

#include "ICaptureCB.h"
#include "PictureReader.h"
#include "ThumbnailWidget.h"

PhotographSource::PhotographSource(ICaptureCB *receiver, QObject *parent)
    : QObject(parent)
    , receiver(receiver)
    , owner(parent)
{
    connect(&slideTimer, SIGNAL(timeout()), this, SLOT(nextPhotograph()));
}

void PhotographSource::setInterval(int ms)
{
    interval = ms;
}

int PhotographSource::count() const
{
    return fileNames.size();
}

QStringList PhotographSource::filePaths() const
{
    QStringList paths;
    paths.reserve(fileNames.size());
    for (const QString &name : fileNames)
        paths << folder.filePath(name);
    return paths;
}

bool PhotographSource::open(const QDir &dir, const QString &fileName)
{
    static const QStringList patterns = {
        QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
        QStringLiteral("*.png"), QStringLiteral("*.gif"),
    };
    dir.refresh();
    // Without QDir::CaseSensitive the patterns match any letter case; without QDir::IgnoreCase
    // the names sort case-sensitively.
    const QStringList names = dir.entryList(
        patterns, QDir::Files | QDir::Readable | QDir::NoDotAndDotDot, QDir::Name);
    const int id = names.indexOf(fileName);
    if (id < 0)
        return false;

    slideTimer.stop();
    opened = true;
    folder = dir;
    this->fileName = fileName;
    fileNames = names;
    reloadThumbnails();
    selectPhotograph(id);
    return true;
}

void PhotographSource::reloadThumbnails()
{
    if (!owner)
        return;
    if (ThumbnailWidget *strip = owner->findChild<ThumbnailWidget *>())
        strip->reload();
}

void PhotographSource::selectPhotograph(int id)
{
    if (id < 0 || id >= count())
        return;
    current = id;
    const QImage image = PictureReader::readPicture(folder.filePath(fileNames.at(id)));
    // A picture that cannot be read still reaches the canvas, as a null image, so the canvas
    // does not keep showing the previous one under the new number.
    if (receiver)
        receiver->processImage(image);
    emit photographChanged(id);
}

void PhotographSource::nextPhotograph()
{
    if (fileNames.isEmpty())
        return;
    current = (current + 1) % count();
    selectPhotograph(current);
}

void PhotographSource::previous()
{
    slideTimer.stop();
    selectPhotograph(qMax(current - 1, 0));
}

void PhotographSource::next()
{
    slideTimer.stop();
    selectPhotograph(qMin(current + 1, count() - 1));
}

void PhotographSource::play()
{
    slideTimer.setInterval(interval);
    slideTimer.start();
}

void PhotographSource::stop()
{
    slideTimer.stop();
    emit playDone();
}

void PhotographSource::pauseCapture()
{
    if (receiver)
        receiver->stopAutoRefresh();
}

void PhotographSource::resumeCapture()
{
    if (opened && folder.exists())
        open(folder, fileName);
    if (receiver)
        receiver->startAutoRefresh();
}
