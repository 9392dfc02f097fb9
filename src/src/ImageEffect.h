#ifndef IMAGEEFFECT_H
#define IMAGEEFFECT_H

#include <QImage>

// The colour effects, on RGB888 or 32-bit pictures. They never change the fourth byte of a pixel.
// Negative and mosaic treat the three colour bytes alike; grey weighs red, green and blue by
// colour (5/16, 9/16, 2/16), wherever the picture's byte order puts them.
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
