#include "AnnotationPainter.h"

#include "CanvasConstants.h"

#include <QPainter>
#include <QPen>

#include <cmath>

QPolygonF AnnotationPainter::arrowPolygon(const QPoint &s, const QPoint &e)
{
    const QPointF start(s);
    const QPointF d(e - s);
    const QPointF n(-d.y(), d.x());
    return QPolygonF({start + 0.05 * n,
                      start + 0.05 * n + 0.8 * d,
                      start + 0.1 * n + 0.8 * d,
                      QPointF(e),
                      start - 0.1 * n + 0.8 * d,
                      start - 0.05 * n + 0.8 * d,
                      start - 0.05 * n});
}

QPolygon AnnotationPainter::trianglePolygon(const QPoint &s, const QPoint &e)
{
    const QPoint d = e - s;
    const double root3 = std::sqrt(3.0);
    const QPoint left(qRound(-d.y() / root3), qRound(d.x() / root3));
    const QPoint right(qRound(d.y() / root3), qRound(-d.x() / root3));
    return QPolygon({s, e + left, e + right});
}

QRect AnnotationPainter::shapeRect(const QPoint &s, const QPoint &e)
{
    return QRect(s, e - QPoint(1, 1));
}

QRect AnnotationPainter::eraserSquare(const QPoint &centre, int lineWidth)
{
    const int r = 2 * lineWidth + 1;
    return QRect(centre.x() - r, centre.y() - r, 2 * r + 1, 2 * r + 1);
}

void AnnotationPainter::draw(QImage &layer, int mode, const QPoint &s, const QPoint &e,
                             const DrawStyle &style)
{
    if (layer.isNull() || mode < Freehand || mode > Triangle)
        return;
    QPainter painter(&layer);
    QPen pen(style.lineColor);
    if (style.lineWidth > 0)
        pen.setWidth(style.lineWidth);
    painter.setPen(pen);
    painter.setBrush(style.fillEnabled ? QBrush(style.fillColor) : QBrush(Qt::NoBrush));

    switch (mode) {
    case Freehand:
    case Line:
        painter.drawLine(s, e);
        break;
    case Arrow:
        painter.drawPolygon(arrowPolygon(s, e), Qt::OddEvenFill);
        break;
    case Rectangle:
        painter.drawRect(shapeRect(s, e));
        break;
    case Circle:
        painter.drawEllipse(shapeRect(s, e));
        break;
    case Triangle:
        painter.drawPolygon(trianglePolygon(s, e), Qt::OddEvenFill);
        break;
    default:
        break;
    }
}

void AnnotationPainter::erase(QImage &layer, const QPoint &centre, int lineWidth)
{
    const QRect square = eraserSquare(centre, lineWidth) & layer.rect();
    if (square.isEmpty())
        return;
    QPainter painter(&layer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(square, Qt::transparent);
}
