#ifndef PICTURESCALER_H
#define PICTURESCALER_H

#include <QImage>

// Nearest-pixel scaling. Whole-number enlargements of RGB888 and 32-bit pictures (a zoomed view
// scaled back to the frame size) repeat pixels and rows directly; everything else goes through
// Qt's fast transformation, which gives the same pixels.
class PictureScaler
{
public:
    static QImage nearest(const QImage &picture, int width, int height);

private:
    static QImage enlarge(const QImage &picture, int factor);
};

#endif
