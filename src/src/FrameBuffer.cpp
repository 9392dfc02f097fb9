#include "FrameBuffer.h"

#include <cstring>

namespace {

void makeRowOpaque(uchar *row, int width)
{
    QRgb *pixel = reinterpret_cast<QRgb *>(row);
    for (int x = 0; x < width; ++x)
        pixel[x] |= 0xff000000u;
}

void setSpareBytes(uchar *row, int width)
{
    for (int x = 0; x < width; ++x)
        row[4 * x + 3] = 0xff;
}

bool is32Bit(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

} // namespace

QImage::Format FrameBuffer::formatFor(bool rgb32)
{
    return rgb32 ? QImage::Format_RGB32 : QImage::Format_RGB888;
}

QImage FrameBuffer::read(const uchar *data, int width, int height, bool bottomUp, bool rgb32,
                         QImage recycled)
{
    if (width <= 0 || height <= 0 || !data)
        return QImage();
    const QImage::Format format = formatFor(rgb32);
    QImage image;
    if (recycled.isDetached() && recycled.format() == format && recycled.width() == width
        && recycled.height() == height) {
        image = std::move(recycled);
    } else {
        image = QImage(width, height, format);
        if (image.isNull())
            return QImage();
    }
    const qsizetype rowBytes = qsizetype(width) * (rgb32 ? 4 : 3);
    for (int y = 0; y < height; ++y) {
        const int sourceRow = bottomUp ? height - 1 - y : y;
        uchar *target = image.scanLine(y);
        std::memcpy(target, data + sourceRow * rowBytes, size_t(rowBytes));
        if (rgb32)
            makeRowOpaque(target, width);
    }
    return image;
}

void FrameBuffer::write(const QImage &image, uchar *data, int width, int height, bool bottomUp,
                        bool rgb32)
{
    if (width <= 0 || height <= 0 || !data || image.width() != width || image.height() != height)
        return;
    QImage packed = image;
    if (rgb32 && !is32Bit(image))
        packed = image.convertToFormat(QImage::Format_RGB32);
    else if (!rgb32 && image.format() != QImage::Format_RGB888)
        packed = image.convertToFormat(QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(width) * (rgb32 ? 4 : 3);
    for (int y = 0; y < height; ++y) {
        const int targetRow = bottomUp ? height - 1 - y : y;
        uchar *target = data + targetRow * rowBytes;
        std::memcpy(target, packed.constScanLine(y), size_t(rowBytes));
        if (rgb32)
            setSpareBytes(target, width);
    }
}
