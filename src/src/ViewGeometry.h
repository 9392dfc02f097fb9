#ifndef VIEWGEOMETRY_H
#define VIEWGEOMETRY_H

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// Where the canvas looks into its frame: the source size, the quarter turns, the zoom of the
// turned frame and the top-left of the visible window in zoomed pixels. The view is always a
// window of source size; only the fitted minimum gives a fractional zoom.
//
// Sizes that are empty (a picture that failed to load) keep the zoom at 1, so nothing here ever
// divides by zero.
class ViewGeometry
{
public:
    static constexpr int MaxZoom = 6;

    QSize source{-1, -1};
    int rotation = 0;   // quarter turns clockwise, 0..3
    double zoom = 1.0;
    QPoint origin;      // top-left of the view in zoomed pixels

    QSize rotatedSize() const;
    double minZoom() const;
    QPointF viewCentre() const;

    void setViewOrigin(int x, int y);
    void setZoom(const QPointF &centre, int requested);

    bool zoomIn();      // false at the top level, which leaves everything as it was
    void zoomOut();
    void zoomReset();
    // Re-applies the whole part of the zoom around the current centre (new widget or frame size).
    void refit();
    // A frame of another size: take it and re-apply the whole part of the zoom.
    void setSourceSize(const QSize &size);

    void rotateClockwise();
    void rotateCounterClockwise();

    // The part of the turned frame the view shows, in turned-frame pixels; at least one pixel
    // each way when the frame has any.
    QRect cutRect() const;

    // A point of the output picture (of displaySize) to a pixel of the turned frame.
    QPoint outputToFrame(const QPoint &point, const QSize &displaySize) const;

    // The part of the unturned frame (of size frame) that becomes region of the frame turned by
    // rotation quarter turns clockwise, and the way back.
    static QRect unturnedRegion(const QRect &region, int rotation, const QSize &frame);
    static QRect turnedRegion(const QRect &region, int rotation, const QSize &frame);

private:
    int requestAfterTurn() const;
};

#endif
