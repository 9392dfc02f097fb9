#ifndef GRABBERELEMENT_H
#define GRABBERELEMENT_H

class ICaptureCB;
typedef struct _GstElement GstElement;

// The in-place video element that hands every frame to a canvas on the streaming thread.
//
// Its pads carry only 32-bit RGB (BGRx or BGRA), so negotiation puts a converter in front of it.
// Each buffer it lets through is mapped writable, with the row stride the caps or the buffer's
// video meta give, and handed to ICaptureCB::processSample as packed rows (top row first, 32-bit
// pixels): directly when its rows are packed already, else through a scratch copy whose result is
// copied back. What the receiver writes is what travels downstream. Before that, the picture's
// bottom row is replaced by the row above it.
//
// With throttling on (the camera), buffers that arrive late against the pipeline clock are dropped
// without an error: the offset between clock and stream is anchored on a discontinuity (and on the
// first buffer), a buffer is late when its end time plus that offset is already past, and after
// five late buffers in a row the next one re-anchors, so at most five in a row are lost. Films turn
// throttling off and every buffer passes.
class GrabberElement
{
public:
    static constexpr const char *FactoryName = "documentcameragrabber";
    static constexpr int MaxLateInARow = 5;

    // Registers the element with GStreamer; GstRuntime::ensureInitialised() does this.
    static void registerElement();

    // A new element (floating reference) feeding the receiver, which may be null.
    static GstElement *create(ICaptureCB *receiver, bool throttle);

    // Changing the receiver waits until a frame being handed over has been returned, so once
    // this returns the old receiver is not called again.
    static void setReceiver(GstElement *element, ICaptureCB *receiver);
    static void setThrottle(GstElement *element, bool throttle);
};

#endif
