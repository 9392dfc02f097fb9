#ifndef PICTURESCALER_H
#define PICTURESCALER_H

#include <QImage>

// Nearest-pixel scaling. Whole-number enlargements of RGB888 and 32-bit pictures (a zoomed view
// scaled back to the frame size) repeat pixels and rows directly; everything else goes through
// Qt's fast transformation, which gives the same pixels.
class PictureScaler
{
public:
    // A picture that only the caller holds and has the size and format of the result is
    // written over instead of allocating a new one.
    static QImage nearest(const QImage &picture, int width, int height, QImage recycled = QImage());

    // A picture of the size and format: the recycled one when it fits and nobody else holds it.
    static QImage reuseOrCreate(QImage recycled, const QSize &size, QImage::Format format);

private:
    static QImage enlarge(const QImage &picture, int factor, QImage recycled);
};

#endif
