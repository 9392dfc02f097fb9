#ifndef ANNOTATIONPAINTER_H
#define ANNOTATIONPAINTER_H

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>

// How strokes and shapes look.
struct DrawStyle
{
    int lineWidth = 2;
    QColor lineColor = Qt::black;
    bool fillEnabled = false;
    QColor fillColor = Qt::black;
};

// Draws the mouse tools' strokes and shapes into an annotation layer, in layer pixels, from the
// press (or last) point s to the current point e. No anti-aliasing: drawings are crisp pixels.
class AnnotationPainter
{
public:
    // Shaft 0.1 of the length wide up to 80 % of it, head 0.2 of the length wide, tip at e.
    static QPolygonF arrowPolygon(const QPoint &s, const QPoint &e);
    // Equilateral: apex at s, middle of the base at e.
    static QPolygon trianglePolygon(const QPoint &s, const QPoint &e);
    // The rectangle (and the ellipse's box) with corners s and e - (1, 1).
    static QRect shapeRect(const QPoint &s, const QPoint &e);
    // The square the eraser clears around a point: 2 x (2 x lineWidth + 1) + 1 pixels a side.
    static QRect eraserSquare(const QPoint &centre, int lineWidth);

    // One stroke of Freehand, Line, Arrow, Rectangle, Circle or Triangle; other modes draw
    // nothing.
    static void draw(QImage &layer, int mode, const QPoint &s, const QPoint &e, const DrawStyle &style);
    static void erase(QImage &layer, const QPoint &centre, int lineWidth);
};

#endif
