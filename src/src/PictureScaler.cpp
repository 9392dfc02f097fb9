#include "PictureScaler.h"

#include <cstring>

namespace {

// The factor when width x height is the picture enlarged by a whole number of at least 2.
int wholeFactor(const QImage &picture, int width, int height)
{
    if (picture.isNull() || width % picture.width() != 0)
        return 0;
    const int factor = width / picture.width();
    return factor >= 2 && height == picture.height() * factor ? factor : 0;
}

} // namespace

QImage PictureScaler::nearest(const QImage &picture, int width, int height, QImage recycled)
{
    const int depth = picture.depth();
    const int factor = wholeFactor(picture, width, height);
    if (factor && (depth == 24 || depth == 32))
        return enlarge(picture, factor, std::move(recycled));
    return picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage PictureScaler::reuseOrCreate(QImage recycled, const QSize &size, QImage::Format format)
{
    if (recycled.isDetached() && recycled.size() == size && recycled.format() == format)
        return recycled;
    return QImage(size, format);
}

QImage PictureScaler::enlarge(const QImage &picture, int factor, QImage recycled)
{
    QImage large = reuseOrCreate(std::move(recycled), picture.size() * factor, picture.format());
    if (large.isNull())
        return large;
    const int bpp = picture.depth() / 8;
    const int width = picture.width();
    const size_t rowBytes = size_t(large.width()) * bpp;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *source = picture.constScanLine(y);
        uchar *first = large.scanLine(y * factor);
        if (bpp == 4) {
            const quint32 *pixel = reinterpret_cast<const quint32 *>(source);
            quint32 *target = reinterpret_cast<quint32 *>(first);
            for (int x = 0; x < width; ++x)
                for (int i = 0; i < factor; ++i)
                    *target++ = pixel[x];
        } else {
            uchar *target = first;
            for (int x = 0; x < width; ++x, source += 3)
                for (int i = 0; i < factor; ++i, target += 3)
                    std::memcpy(target, source, 3);
        }
        for (int i = 1; i < factor; ++i)
            std::memcpy(large.scanLine(y * factor + i), first, rowBytes);
    }
    return large;
}
