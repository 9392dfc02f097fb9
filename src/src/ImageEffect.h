#ifndef IMAGEEFFECT_H
#define IMAGEEFFECT_H

#include <QImage>

// The colour effects. They work on byte positions: the first three bytes of each pixel of an
// RGB888 or 32-bit picture, never the fourth.
class ImageEffect
{
public:
    static constexpr int MosaicBlock = 8;

    // Any value but the three effects leaves the picture as it is.
    static void apply(QImage &image, int effect);

    static void grey(QImage &image);
    static void negative(QImage &image);
    static void mosaic(QImage &image);
};

#endif
