#include "ThumbnailCache.h"

#include "RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>

namespace {

const char *const UriKey = "Thumb::URI";
const char *const TimeKey = "Thumb::MTime";
// Optional, but it tells apart a picture rewritten within the second its thumbnail was made in.
const char *const SizeKey = "Thumb::Size";

QString fileSize(const QString &path)
{
    return QString::number(QFileInfo(path).size());
}

// Only the owner may read the thumbnails: they show what is in the user's folders.
const QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
const QFile::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFile::ExeOwner;

} // namespace

QString ThumbnailCache::folder()
{
    // A relative XDG_CACHE_HOME is to be ignored, as if it were not set.
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/thumbnails/normal");
}

QByteArray ThumbnailCache::uri(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
}

QString ThumbnailCache::thumbnailPath(const QString &path)
{
    const QByteArray hash = QCryptographicHash::hash(uri(path), QCryptographicHash::Md5).toHex();
    return folder() + QLatin1Char('/') + QLatin1String(hash) + QStringLiteral(".png");
}

qint64 ThumbnailCache::modificationTime(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return -1;
    return info.lastModified().toSecsSinceEpoch();
}

QImage ThumbnailCache::read(const QString &path, qint64 modified)
{
    if (modified < 0)
        return QImage();
    QFile file;
    if (!RegularFile::openForReading(file, thumbnailPath(path)))
        return QImage();
    QImageReader reader(&file, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > NormalSize || size.height() > NormalSize)
        return QImage();
    // The reader's own text() splits keys at their colons; the picture keeps them whole.
    const QImage thumbnail = reader.read();
    if (thumbnail.text(QLatin1String(UriKey)).toUtf8() != uri(path)
        || thumbnail.text(QLatin1String(TimeKey)) != QString::number(modified))
        return QImage();
    const QString recordedSize = thumbnail.text(QLatin1String(SizeKey));
    if (!recordedSize.isEmpty() && recordedSize != fileSize(path))
        return QImage();
    return thumbnail;
}

bool ThumbnailCache::write(const QString &path, qint64 modified, const QImage &thumbnail)
{
    if (modified < 0 || thumbnail.isNull() || thumbnail.width() > NormalSize
        || thumbnail.height() > NormalSize)
        return false;
    const QString target = thumbnailPath(path);
    const QString cacheFolder = QFileInfo(target).absolutePath();
    if (!QFileInfo::exists(cacheFolder)) {
        if (!QDir().mkpath(cacheFolder))
            return false;
        QFile::setPermissions(QFileInfo(cacheFolder).absolutePath(), OwnerOnlyFolder);
        QFile::setPermissions(cacheFolder, OwnerOnlyFolder);
    }

    // Under a temporary name of the folder, then renamed over the old thumbnail: readers see the
    // whole file or none. Not forced to disk first, as file managers do not: a thumbnail lost
    // in a crash is made again.
    QTemporaryFile file(cacheFolder + QStringLiteral("/.thumbnail-XXXXXX.png"));
    if (!file.open())
        return false;
    file.setPermissions(OwnerOnlyFile);
    // Set on the picture, not the writer: the writer would split the keys at their colons.
    QImage tagged = thumbnail;
    tagged.setText(QLatin1String(UriKey), QString::fromUtf8(uri(path)));
    tagged.setText(QLatin1String(TimeKey), QString::number(modified));
    tagged.setText(QLatin1String(SizeKey), fileSize(path));
    tagged.setText(QStringLiteral("Software"), QStringLiteral("Document Camera"));
    QImageWriter writer(&file, "png");
    // The fastest deflate: on pictures this small the strongest takes three times as long and
    // saves a few hundred bytes.
    writer.setCompression(1);
    if (!writer.write(tagged) || !file.flush())
        return false;
    // rename() replaces the target in one step, where QFile::rename refuses an existing one.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}
