#ifndef IMAGEMASK_H
#define IMAGEMASK_H

#include <QImage>

// The masks, laid over the cut view: what they cover turns black (the first three bytes of each
// pixel set to 0, any fourth byte left alone).
class ImageMask
{
public:
    // Any value but the four masks leaves the picture as it is.
    static void apply(QImage &image, int mask);

    static void circle(QImage &image);
    static void rectangle(QImage &image);
    static void leftHalf(QImage &image);
    static void topHalf(QImage &image);
};

#endif
