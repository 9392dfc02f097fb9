#ifndef THUMBNAILCACHE_H
#define THUMBNAILCACHE_H

#include <QByteArray>
#include <QImage>
#include <QString>

// The thumbnail cache the desktop's file managers share ($XDG_CACHE_HOME/thumbnails/normal):
// a PNG of at most 128 pixels a side per picture, named by the MD5 of the picture's URI, that
// names its picture (Thumb::URI) and the picture's modification time in whole seconds
// (Thumb::MTime), and its size in bytes (Thumb::Size). A thumbnail whose URI, time or size (when
// recorded) does not match its picture is out of date.
class ThumbnailCache
{
public:
    static constexpr int NormalSize = 128;

    // The folder of normal-size thumbnails; follows XDG_CACHE_HOME as it stands at the call.
    static QString folder();
    static QByteArray uri(const QString &path);
    static QString thumbnailPath(const QString &path);
    // The picture's modification time as the cache records it, or -1 when it has none.
    static qint64 modificationTime(const QString &path);

    // The cached thumbnail of the picture at path modified at modified; null when there is
    // none, or it is out of date or damaged.
    static QImage read(const QString &path, qint64 modified);
    // Stores thumbnail (at most NormalSize a side) for the picture at path. The file appears
    // whole or not at all: it is written under a temporary name and then renamed.
    static bool write(const QString &path, qint64 modified, const QImage &thumbnail);

    ThumbnailCache() = delete;
};

#endif
