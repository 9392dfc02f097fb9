#include "FrameBuffer.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Copies a row of 32-bit pixels with the spare byte set to 255, in one pass at memcpy speed.
void copyOpaqueRow(uchar *target, const uchar *source, int width)
{
    int x = 0;
#ifdef __SSE2__
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    for (; x + 4 <= width; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i *>(source + 4 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(target + 4 * x), _mm_or_si128(pixels, opaque));
    }
#endif
    for (; x < width; ++x) {
        quint32 pixel;
        std::memcpy(&pixel, source + 4 * x, 4);
        pixel |= 0xff000000u;
        std::memcpy(target + 4 * x, &pixel, 4);
    }
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
        const uchar *source = data + sourceRow * rowBytes;
        if (rgb32)
            copyOpaqueRow(target, source, width);
        else
            std::memcpy(target, source, size_t(rowBytes));
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
    // RGB32 keeps its spare byte at 255 through every Qt operation; other 32-bit formats may
    // carry alpha there.
    const bool spareSet = !rgb32 || packed.format() == QImage::Format_RGB32;
    const qsizetype rowBytes = qsizetype(width) * (rgb32 ? 4 : 3);
    for (int y = 0; y < height; ++y) {
        const int targetRow = bottomUp ? height - 1 - y : y;
        uchar *target = data + targetRow * rowBytes;
        std::memcpy(target, packed.constScanLine(y), size_t(rowBytes));
        if (!spareSet)
            setSpareBytes(target, width);
    }
}
