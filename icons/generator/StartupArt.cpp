#include "BackgroundArt.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor backdrop(32, 35, 40);
const QColor line(200, 206, 214);
const QColor paper(236, 239, 243);

// A document camera seen from the side: base, arm, head, and the light falling on a sheet of paper.
void camera(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QPainterPath cone;
    cone.moveTo(438, 178);
    cone.lineTo(470, 178);
    cone.lineTo(548, 318);
    cone.lineTo(360, 318);
    cone.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawPath(cone);

    p.setBrush(paper);
    p.drawRoundedRect(QRectF(352, 318, 204, 8), 2, 2);
    p.setBrush(QColor(190, 196, 204));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(368 + i * 44, 326, 28, 2));

    p.setBrush(QColor(62, 66, 74));
    p.drawRoundedRect(QRectF(150, 326, 500, 6), 3, 3);

    p.setPen(QPen(line, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arm;
    arm.moveTo(312, 306);
    arm.lineTo(334, 158);
    arm.lineTo(402, 150);
    p.drawPath(arm);

    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawRoundedRect(QRectF(262, 304, 104, 22), 8, 8);
    p.drawEllipse(QPointF(334, 158), 9, 9);
    p.drawRoundedRect(QRectF(392, 132, 100, 40), 12, 12);
    p.setBrush(QColor(46, 110, 190));
    p.drawRoundedRect(QRectF(436, 168, 36, 12), 4, 4);
    p.setBrush(QColor(120, 190, 255));
    p.drawEllipse(QPointF(454, 174), 5, 3);

    // The cable from the base to a USB plug, waiting to be plugged in.
    p.setPen(QPen(line, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(262, 318);
    cable.cubicTo(220, 318, 230, 282, 196, 282);
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawRoundedRect(QRectF(168, 272, 30, 20), 3, 3);
    p.setBrush(QColor(150, 156, 164));
    p.drawRect(QRectF(152, 275, 16, 14));
    p.setBrush(backdrop);
    p.drawRect(QRectF(155, 279, 4, 3));
    p.drawRect(QRectF(161, 279, 4, 3));

    // The computer's USB port, and which way the plug goes.
    p.setPen(QPen(line, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(92, 270, 34, 24), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 156, 164));
    p.drawRect(QRectF(100, 278, 18, 8));
    p.setPen(QPen(Palette::accentLight, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(146, 282), QPointF(134, 282));
    p.drawPolyline(QPolygonF({QPointF(139, 277), QPointF(134, 282), QPointF(139, 287)}));
}

} // namespace

// The start artwork of the live canvas: a camera waiting for its cable. It carries no words; the
// program draws its sentences below the camera at run time, in the user's language, so the lower
// part of the picture is left plain.
QImage startupPicture(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(backdrop);
    QPainter p(&image);
    p.translate(22, 10);
    camera(p);
    return image;
}
