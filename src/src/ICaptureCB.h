#ifndef ICAPTURECB_H
#define ICAPTURECB_H

#include <QImage>
#include <QtGlobal>

// The way every picture reaches a canvas: live samples and film frames on a streaming thread,
// photographs and plain pictures on the user-interface thread.
//
// Frame buffers are packed rows of width x height pixels: 4 bytes per pixel (blue, green, red,
// spare) when rgb32 is set, else 3 bytes (red, green, blue); the bottom row comes first when
// bottomUp is set. The receiver rewrites the buffer in place with the picture it shows.
class ICaptureCB
{
public:
    virtual void processFrame(uchar *data, int width, int height, bool bottomUp, bool rgb32) = 0;
    virtual void processImage(const QImage &image) = 0;
    virtual void processSample(uchar *data, int width, int height, bool bottomUp, bool rgb32) = 0;
    virtual void startAutoRefresh();
    virtual void stopAutoRefresh();

protected:
    // Sources never own their receiver, so they never delete it through this interface.
    ~ICaptureCB() = default;
};

#define ICaptureCB_iid "DocumentCamera.ICaptureCB"
Q_DECLARE_INTERFACE(ICaptureCB, ICaptureCB_iid)

#endif
