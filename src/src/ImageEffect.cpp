#include "ImageEffect.h"

#include "CanvasConstants.h"

#include <algorithm>
#include <vector>

namespace {

int bytesPerPixel(const QImage &image)
{
    return image.depth() / 8;
}

bool isByteAddressable(const QImage &image)
{
    return !image.isNull() && (image.depth() == 24 || image.depth() == 32);
}

} // namespace

void ImageEffect::apply(QImage &image, int effect)
{
    switch (effect) {
    case EffectBW:
        grey(image);
        break;
    case EffectNegative:
        negative(image);
        break;
    case EffectMosaic:
        mosaic(image);
        break;
    default:
        break;
    }
}

namespace {

// Where red sits among the first three bytes of a pixel (blue sits at the other end), or -1 for
// formats whose channels are not whole bytes in that order.
int redByteOffset(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGB888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return 0;
    case QImage::Format_BGR888:
        return 2;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        // 0xAARRGGBB words: blue first in memory on a little-endian machine.
        return Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 2 : -1;
    default:
        return -1;
    }
}

template<int bpp, int red>
void greyPixels(QImage &image)
{
    constexpr int blue = 2 - red;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        uchar *pixel = image.scanLine(y);
        for (int x = 0; x < width; ++x, pixel += bpp) {
            const uchar g = uchar((5 * pixel[red] + 9 * pixel[1] + 2 * pixel[blue]) >> 4);
            pixel[0] = g;
            pixel[1] = g;
            pixel[2] = g;
        }
    }
}

} // namespace

void ImageEffect::grey(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    const int red = redByteOffset(image.format());
    if (red < 0) {
        // Packed channels: grey a copy in a byte format, then go back to the picture's own.
        const QImage::Format format = image.format();
        QImage bytes = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                                    : QImage::Format_RGB888);
        grey(bytes);
        image = bytes.convertToFormat(format);
        return;
    }
    const bool fourBytes = bytesPerPixel(image) == 4;
    if (fourBytes && red == 2)
        greyPixels<4, 2>(image);
    else if (fourBytes)
        greyPixels<4, 0>(image);
    else if (red == 2)
        greyPixels<3, 2>(image);
    else
        greyPixels<3, 0>(image);
}

void ImageEffect::negative(QImage &image)
{
    image.invertPixels(QImage::InvertRgb);
}

namespace {

// One row of blocks (rows [top, top + rows)) of a picture with bpp bytes per pixel: each block
// gets the truncated average of its first three bytes.
template<int bpp>
void mosaicBlockRow(QImage &image, int top, int rows, std::vector<quint32> &sums)
{
    const int block = ImageEffect::MosaicBlock;
    const int width = image.width();
    const int blocksAcross = (width + block - 1) / block;
    std::fill(sums.begin(), sums.end(), 0u);
    for (int y = top; y < top + rows; ++y) {
        const uchar *pixel = image.constScanLine(y);
        for (int b = 0; b < blocksAcross; ++b) {
            const int columns = std::min(block, width - b * block);
            quint32 s0 = 0, s1 = 0, s2 = 0;
            for (int i = 0; i < columns; ++i, pixel += bpp) {
                s0 += pixel[0];
                s1 += pixel[1];
                s2 += pixel[2];
            }
            quint32 *sum = &sums[size_t(b) * 3];
            sum[0] += s0;
            sum[1] += s1;
            sum[2] += s2;
        }
    }
    for (int b = 0; b < blocksAcross; ++b) {
        const quint32 count = quint32(std::min(block, width - b * block) * rows);
        quint32 *sum = &sums[size_t(b) * 3];
        for (int i = 0; i < 3; ++i)
            sum[i] /= count;
    }
    for (int y = top; y < top + rows; ++y) {
        uchar *pixel = image.scanLine(y);
        for (int b = 0; b < blocksAcross; ++b) {
            const int columns = std::min(block, width - b * block);
            const quint32 *average = &sums[size_t(b) * 3];
            const uchar a0 = uchar(average[0]), a1 = uchar(average[1]), a2 = uchar(average[2]);
            for (int i = 0; i < columns; ++i, pixel += bpp) {
                pixel[0] = a0;
                pixel[1] = a1;
                pixel[2] = a2;
            }
        }
    }
}

} // namespace

void ImageEffect::mosaic(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    const int height = image.height();
    std::vector<quint32> sums(size_t((image.width() + MosaicBlock - 1) / MosaicBlock) * 3);
    for (int top = 0; top < height; top += MosaicBlock) {
        const int rows = std::min(MosaicBlock, height - top);
        if (bytesPerPixel(image) == 4)
            mosaicBlockRow<4>(image, top, rows, sums);
        else
            mosaicBlockRow<3>(image, top, rows, sums);
    }
}
