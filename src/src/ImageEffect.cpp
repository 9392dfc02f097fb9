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

void ImageEffect::grey(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    const int bpp = bytesPerPixel(image);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        uchar *pixel = image.scanLine(y);
        for (int x = 0; x < width; ++x, pixel += bpp) {
            const uchar g = uchar((5 * pixel[0] + 9 * pixel[1] + 2 * pixel[2]) >> 4);
            pixel[0] = g;
            pixel[1] = g;
            pixel[2] = g;
        }
    }
}

void ImageEffect::negative(QImage &image)
{
    image.invertPixels(QImage::InvertRgb);
}

void ImageEffect::mosaic(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    const int bpp = bytesPerPixel(image);
    const int width = image.width();
    const int height = image.height();
    const int blocksAcross = (width + MosaicBlock - 1) / MosaicBlock;
    std::vector<quint32> sums(size_t(blocksAcross) * 3);

    for (int top = 0; top < height; top += MosaicBlock) {
        const int rows = std::min(MosaicBlock, height - top);
        std::fill(sums.begin(), sums.end(), 0u);
        for (int y = top; y < top + rows; ++y) {
            const uchar *pixel = image.constScanLine(y);
            for (int x = 0; x < width; ++x, pixel += bpp) {
                quint32 *sum = &sums[size_t(x / MosaicBlock) * 3];
                sum[0] += pixel[0];
                sum[1] += pixel[1];
                sum[2] += pixel[2];
            }
        }
        for (int block = 0; block < blocksAcross; ++block) {
            const int columns = std::min(MosaicBlock, width - block * MosaicBlock);
            const quint32 count = quint32(columns * rows);
            quint32 *sum = &sums[size_t(block) * 3];
            for (int i = 0; i < 3; ++i)
                sum[i] /= count;
        }
        for (int y = top; y < top + rows; ++y) {
            uchar *pixel = image.scanLine(y);
            for (int x = 0; x < width; ++x, pixel += bpp) {
                const quint32 *average = &sums[size_t(x / MosaicBlock) * 3];
                pixel[0] = uchar(average[0]);
                pixel[1] = uchar(average[1]);
                pixel[2] = uchar(average[2]);
            }
        }
    }
}
