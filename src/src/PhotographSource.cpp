#include "PhotographSource.h"

#include "ICaptureCB.h"
#include "PictureDecoder.h"

PhotographSource::PhotographSource(ICaptureCB *receiver, QObject *parent)
    : QObject(parent)
    , receiver(receiver)
    // The canvas keeps pictures as RGB888 and shares one in that format instead of converting
    // it: converted on the decoder's thread, a 12-megapixel picture spends 40 to 120 ms less on
    // the user-interface thread.
    , decoder(new PictureDecoder(QImage::Format_RGB888, this))
{
    connect(&slideTimer, SIGNAL(timeout()), this, SLOT(nextPhotograph()));
    connect(decoder, &PictureDecoder::decoded, this, &PhotographSource::pictureDecoded);
}

void PhotographSource::setInterval(int ms)
{
    interval = ms;
}

int PhotographSource::count() const
{
    return fileNames.size();
}

QString PhotographSource::pathOf(int id) const
{
    return folder.filePath(fileNames.at(id));
}

QStringList PhotographSource::filePaths() const
{
    QStringList paths;
    paths.reserve(fileNames.size());
    for (int id = 0; id < fileNames.size(); ++id)
        paths << pathOf(id);
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
    // A rescan may find files changed under the same names: nothing decoded before counts.
    ready.clear();
    firstValidRequest = ++request;
    emit folderChanged();
    selectPhotograph(id);
    return true;
}

void PhotographSource::selectPhotograph(int id)
{
    if (id < 0 || id >= count())
        return;
    current = id;
    const QString path = pathOf(id);
    keepOnly(QStringList(path) + neighbourPaths());
    const auto found = ready.constFind(path);
    if (found != ready.constEnd()) {
        awaited.clear();
        show(found.value());
    } else {
        awaited = path;
    }
    emit photographChanged(id);
    if (awaited.isEmpty())
        emit photographShown(id);
    decodeWhatIsMissing();
}

// The next picture first: the slide show and Next go forward more often than back.
QStringList PhotographSource::neighbourPaths() const
{
    QStringList paths;
    for (int step : {1, -1}) {
        const int id = (current + step + count()) % count();
        const QString path = pathOf(id);
        if (id != current && !paths.contains(path))
            paths << path;
    }
    return paths;
}

void PhotographSource::keepOnly(const QStringList &paths)
{
    for (auto it = ready.begin(); it != ready.end();) {
        if (paths.contains(it.key()))
            ++it;
        else
            it = ready.erase(it);
    }
}

void PhotographSource::decodeWhatIsMissing()
{
    QStringList missing;
    for (const QString &path : QStringList(pathOf(current)) + neighbourPaths())
        if (!ready.contains(path))
            missing << path;
    decoder->decode(missing, ++request);
}

void PhotographSource::pictureDecoded(const QString &path, const QImage &image, quint64 decodedFor)
{
    if (decodedFor < firstValidRequest || current >= count())
        return;
    const QString shownPath = pathOf(current);
    if (path == awaited) {
        awaited.clear();
        show(image);
        ready.insert(path, image);
        emit photographShown(current);
        return;
    }
    if (path == shownPath || !neighbourPaths().contains(path))
        return;
    qint64 aheadBytes = image.sizeInBytes();
    for (auto it = ready.cbegin(); it != ready.cend(); ++it)
        if (it.key() != shownPath)
            aheadBytes += it.value().sizeInBytes();
    if (aheadBytes <= AheadBytes)
        ready.insert(path, image);
}

void PhotographSource::show(const QImage &image)
{
    // A picture that cannot be read still reaches the canvas, as a null image, so the canvas
    // does not keep showing the previous one under the new number.
    if (receiver)
        receiver->processImage(image);
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
