#include "ImageMask.h"

#include "CanvasConstants.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool isByteAddressable(const QImage &image)
{
    return !image.isNull() && (image.depth() == 24 || image.depth() == 32);
}

// Blackens columns [from, to] of row y; an empty or inverted span does nothing.
void blacken(QImage &image, int y, int from, int to)
{
    from = std::max(from, 0);
    to = std::min(to, image.width() - 1);
    if (from > to)
        return;
    const int bpp = image.depth() / 8;
    uchar *pixel = image.scanLine(y) + from * bpp;
    if (bpp == 3) {
        std::memset(pixel, 0, size_t(to - from + 1) * 3);
        return;
    }
    for (int x = from; x <= to; ++x, pixel += bpp) {
        pixel[0] = 0;
        pixel[1] = 0;
        pixel[2] = 0;
    }
}

// The largest k with k * k <= value, for value >= 0.
qint64 wholeSquareRoot(qint64 value)
{
    qint64 k = static_cast<qint64>(std::sqrt(double(value)));
    while (k * k > value)
        --k;
    while ((k + 1) * (k + 1) <= value)
        ++k;
    return k;
}

} // namespace

void ImageMask::apply(QImage &image, int mask)
{
    switch (mask) {
    case MaskCircle:
        circle(image);
        break;
    case MaskRectangle:
        rectangle(image);
        break;
    case MaskLeft:
        leftHalf(image);
        break;
    case MaskTop:
        topHalf(image);
        break;
    default:
        break;
    }
}

void ImageMask::circle(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    const int w = image.width();
    const int h = image.height();
    const qint64 r = static_cast<qint64>(std::min(w, h) * 0.48);
    const int cx = w / 2;
    const int cy = h / 2;
    // A pixel stays when (cx - x)^2 + (cy - y)^2 <= r^2: per row, a span around cx.
    for (int y = 0; y < h; ++y) {
        const qint64 dy = cy - y;
        const qint64 room = r * r - dy * dy;
        if (room < 0) {
            blacken(image, y, 0, w - 1);
            continue;
        }
        const int k = int(wholeSquareRoot(room));
        blacken(image, y, 0, cx - k - 1);
        blacken(image, y, cx + k + 1, w - 1);
    }
}

void ImageMask::rectangle(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    const int w = image.width();
    const int h = image.height();
    const int a = static_cast<int>(w * 0.3);
    const int b = static_cast<int>(h * 0.3);
    for (int y = 0; y < h; ++y) {
        if (std::abs(y - h / 2) > b) {
            blacken(image, y, 0, w - 1);
            continue;
        }
        blacken(image, y, 0, w / 2 - a - 1);
        blacken(image, y, w / 2 + a + 1, w - 1);
    }
}

void ImageMask::leftHalf(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    for (int y = 0; y < image.height(); ++y)
        blacken(image, y, 0, image.width() / 2 - 1);
}

void ImageMask::topHalf(QImage &image)
{
    if (!isByteAddressable(image))
        return;
    for (int y = 0; y < image.height() / 2; ++y)
        blacken(image, y, 0, image.width() - 1);
}
