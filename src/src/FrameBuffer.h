#ifndef FRAMEBUFFER_H
#define FRAMEBUFFER_H

#include <QImage>

// Moves pictures between a caller's packed frame buffer and QImage. Buffers hold width x height
// pixels in rows without padding: 4 bytes (blue, green, red, spare) when rgb32 is set, else 3
// bytes (red, green, blue); the bottom row comes first when bottomUp is set.
class FrameBuffer
{
public:
    // The buffer as an upright 32-bit (rgb32) or RGB888 picture. 32-bit pixels come out opaque,
    // whatever their spare byte held, so they are kept as RGB32: byte for byte the ARGB32 picture
    // the buffer describes, and the format painting and scaling handle fastest. A picture that only we hold and that has the right size
    // and format is written over instead of allocating a new one.
    static QImage read(const uchar *data, int width, int height, bool bottomUp, bool rgb32,
                       QImage recycled = QImage());

    // Writes the picture, which must be width x height, back into the buffer in the buffer's
    // layout; 32-bit pixels get 255 in their spare byte.
    static void write(const QImage &image, uchar *data, int width, int height, bool bottomUp,
                      bool rgb32);

    static QImage::Format formatFor(bool rgb32);
};

#endif
