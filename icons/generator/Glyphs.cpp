#include "Glyphs.h"

#include "Palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const qreal stroke = 2.0;

QPainterPath polygonPath(std::initializer_list<QPointF> points, bool closed = true)
{
    QPainterPath path;
    auto it = points.begin();
    path.moveTo(*it);
    for (++it; it != points.end(); ++it)
        path.lineTo(*it);
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, 24, 0).map(path);
}

// Text as an outline, centred on a point, so the letters scale like the rest of the drawing.
QPainterPath centredText(const QString &text, const QString &family, int weight, qreal size, QPointF centre)
{
    QFont font(family);
    font.setPixelSize(100);
    font.setWeight(weight);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const qreal scale = size / 100.0;
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

// An arc on a circle with a filled head at its end; angles in degrees, counter-clockwise positive.
void arcWithHead(QPainter &p, QPointF centre, qreal radius, qreal start, qreal sweep, const QColor &ink)
{
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, sweep);
    p.drawPath(arc);

    const QPointF tip = arc.pointAtPercent(1.0);
    const qreal angle = qDegreesToRadians(arc.angleAtPercent(1.0));
    const QPointF forward(std::cos(angle), -std::sin(angle));
    const QPointF side(-forward.y(), forward.x());
    const QPointF front = tip + forward * 3.2;
    const QPointF back = tip - forward * 1.4;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({front, back + side * 3.6, back - side * 3.6}));
    p.restore();
}

void magnifier(QPainter &p)
{
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    QPen handle = p.pen();
    handle.setWidthF(3.2);
    p.save();
    p.setPen(handle);
    p.drawLine(QPointF(15, 15), QPointF(20.5, 20.5));
    p.restore();
}

void sun(QPainter &p, qreal rayEnd)
{
    p.drawEllipse(QPointF(12, 12), 5, 5);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(QPointF(12, 12) + d * 7.6, QPointF(12, 12) + d * rayEnd);
    }
    p.drawLine(QPointF(9.6, 12), QPointF(14.4, 12));
}

QPainterPath folder()
{
    return polygonPath({{2.5, 5.5}, {9, 5.5}, {11, 8}, {21.5, 8}, {21.5, 19.5}, {2.5, 19.5}});
}

QPainterPath speaker()
{
    return polygonPath({{3, 9.3}, {7, 9.3}, {12, 4.8}, {12, 19.2}, {7, 14.7}, {3, 14.7}});
}

QPainterPath handShape()
{
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(6.4, 4.6, 2.7, 11), 1.35, 1.35);
    hand.addRoundedRect(QRectF(9.9, 2.6, 2.7, 12), 1.35, 1.35);
    hand.addRoundedRect(QRectF(13.4, 3.6, 2.7, 11), 1.35, 1.35);
    hand.addRoundedRect(QRectF(16.9, 6.2, 2.5, 9), 1.25, 1.25);
    hand.addRoundedRect(QRectF(6.4, 11, 13, 10.5), 4.2, 4.2);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.35, -7, 2.7, 8), 1.35, 1.35);
    QTransform turn;
    turn.translate(7.6, 16.5);
    turn.rotate(-42);
    hand.addPath(turn.map(thumb));
    return hand.simplified();
}

QPainterPath gearShape()
{
    QPainterPath gear;
    gear.setFillRule(Qt::WindingFill);
    gear.addEllipse(QPointF(12, 12), 7, 7);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.9, -10.2, 3.8, 5), 0.8, 0.8);
        QTransform turn;
        turn.translate(12, 12);
        turn.rotate(i * 45.0);
        gear.addPath(turn.map(tooth));
    }
    return gear.simplified();
}

void snowflake(QPainter &p)
{
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(90.0 + i * 60.0);
        const QPointF d(std::cos(a), -std::sin(a));
        const QPointF centre(12, 12);
        p.drawLine(centre, centre + d * 9.5);
        const QPointF fork = centre + d * 6.2;
        for (int s = -1; s <= 1; s += 2) {
            const qreal b = a + s * qDegreesToRadians(42.0);
            p.drawLine(fork, fork + QPointF(std::cos(b), -std::sin(b)) * 3.2);
        }
    }
}

} // namespace

void paintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &ink)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    p.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);

    auto fill = [&](const QPainterPath &path) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(path);
        p.restore();
    };
    auto fillSoft = [&](const QPainterPath &path) {
        p.save();
        p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPath(path);
        p.restore();
    };

    switch (glyph) {
    case Glyph::Line:
        p.drawLine(QPointF(5.5, 18.5), QPointF(18.5, 5.5));
        fill([] { QPainterPath d; d.addEllipse(QPointF(5.5, 18.5), 2.4, 2.4); d.addEllipse(QPointF(18.5, 5.5), 2.4, 2.4); return d; }());
        break;
    case Glyph::Rectangle:
        p.drawRect(QRectF(3.5, 6, 17, 12));
        break;
    case Glyph::Freehand: {
        QPainterPath squiggle;
        squiggle.moveTo(3, 16.5);
        squiggle.cubicTo(5.5, 6, 9, 5.5, 10.5, 12);
        squiggle.cubicTo(12, 18.5, 15, 19.5, 16.7, 13);
        squiggle.cubicTo(17.8, 9, 19, 7, 21, 7.5);
        p.drawPath(squiggle);
        break;
    }
    case Glyph::Circle:
        p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
        break;
    case Glyph::Arrow:
        p.drawLine(QPointF(4.5, 19.5), QPointF(15, 9));
        fillSoft(polygonPath({{20, 4}, {11.6, 6.2}, {17.8, 12.4}}));
        break;
    case Glyph::Triangle:
        p.drawPath(polygonPath({{12, 4}, {21, 19.5}, {3, 19.5}}));
        break;
    case Glyph::Eraser: {
        p.save();
        p.translate(13, 10.5);
        p.rotate(-45);
        p.drawRoundedRect(QRectF(-8.5, -4.5, 17, 9), 1.6, 1.6);
        QPainterPath tip;
        tip.addRoundedRect(QRectF(-8.5, -4.5, 6.5, 9), 1.6, 1.6);
        fill(tip);
        p.restore();
        p.drawLine(QPointF(12.5, 20.5), QPointF(20.5, 20.5));
        break;
    }
    case Glyph::Text:
        fill(centredText(QStringLiteral("T"), QStringLiteral("DejaVu Serif"), QFont::Bold, 17, {12, 12}));
        break;
    case Glyph::Trash:
        p.drawLine(QPointF(3.5, 6.5), QPointF(20.5, 6.5));
        p.drawPath(polygonPath({{9, 6.5}, {9, 3.5}, {15, 3.5}, {15, 6.5}}, false));
        p.drawPath(polygonPath({{5.8, 6.5}, {7.2, 20.5}, {16.8, 20.5}, {18.2, 6.5}}, false));
        p.drawLine(QPointF(10, 10.5), QPointF(10, 16.5));
        p.drawLine(QPointF(14, 10.5), QPointF(14, 16.5));
        break;
    case Glyph::Clip: {
        QPen dashed = p.pen();
        dashed.setWidthF(1.7);
        dashed.setCapStyle(Qt::FlatCap);
        dashed.setDashPattern({1.6, 1.2});
        p.save();
        p.setPen(dashed);
        p.drawRect(QRectF(4.5, 5.5, 15, 13));
        p.restore();
        QPainterPath handles;
        for (QPointF c : {QPointF(4.5, 5.5), QPointF(19.5, 5.5), QPointF(4.5, 18.5), QPointF(19.5, 18.5)})
            handles.addRect(QRectF(c.x() - 2, c.y() - 2, 4, 4));
        fill(handles);
        break;
    }
    case Glyph::Hand: {
        QPen outline = p.pen();
        outline.setWidthF(1.5);
        p.save();
        p.setPen(outline);
        p.drawPath(handShape());
        p.restore();
        break;
    }
    case Glyph::Bucket: {
        p.drawPath(polygonPath({{3, 11}, {10.5, 3.5}, {18, 11}, {10.5, 18.5}}));
        fill(polygonPath({{3, 11}, {18, 11}, {10.5, 18.5}}));
        QPainterPath drop;
        drop.moveTo(20.5, 12.5);
        drop.cubicTo(22.8, 15.5, 22.8, 18.5, 20.5, 18.5);
        drop.cubicTo(18.2, 18.5, 18.2, 15.5, 20.5, 12.5);
        fill(drop);
        break;
    }
    case Glyph::ZoomIn:
        magnifier(p);
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
        p.drawLine(QPointF(10, 7), QPointF(10, 13));
        break;
    case Glyph::ZoomOut:
        magnifier(p);
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
        break;
    case Glyph::ZoomReset:
        magnifier(p);
        fill(centredText(QStringLiteral("1"), QStringLiteral("DejaVu Sans"), QFont::Bold, 7.5, {10, 10}));
        break;
    case Glyph::AutoFocus:
        for (QPointF c : {QPointF(3, 3), QPointF(21, 3), QPointF(3, 21), QPointF(21, 21)}) {
            const qreal sx = c.x() < 12 ? 1 : -1;
            const qreal sy = c.y() < 12 ? 1 : -1;
            p.drawPath(polygonPath({c + QPointF(0, sy * 5), c, c + QPointF(sx * 5, 0)}, false));
        }
        fill(centredText(QStringLiteral("AF"), QStringLiteral("DejaVu Sans"), QFont::Bold, 9.5, {12, 12}));
        break;
    case Glyph::BrightnessDown:
        sun(p, 9.4);
        break;
    case Glyph::BrightnessUp:
        sun(p, 11);
        p.drawLine(QPointF(12, 9.6), QPointF(12, 14.4));
        break;
    case Glyph::Rotate:
        arcWithHead(p, {12, 12.5}, 7.5, 20, -290, ink);
        break;
    case Glyph::RotateBack:
        arcWithHead(p, {12, 12.5}, 7.5, 160, 290, ink);
        break;
    case Glyph::Freeze:
        snowflake(p);
        break;
    case Glyph::Record: {
        p.drawEllipse(QPointF(12, 12), 8.8, 8.8);
        QPainterPath dot;
        dot.addEllipse(QPointF(12, 12), 5.4, 5.4);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::record);
        p.drawPath(dot);
        p.restore();
        break;
    }
    case Glyph::Camera:
        p.drawRoundedRect(QRectF(2.5, 7, 19, 13.5), 2.5, 2.5);
        p.drawPath(polygonPath({{8, 7}, {9.5, 4}, {14.5, 4}, {16, 7}}, false));
        p.drawEllipse(QPointF(12, 13.6), 3.9, 3.9);
        fill([] { QPainterPath d; d.addEllipse(QPointF(18.3, 10.2), 1, 1); return d; }());
        break;
    case Glyph::Gear: {
        QPen outline = p.pen();
        outline.setWidthF(1.6);
        p.save();
        p.setPen(outline);
        p.drawPath(gearShape());
        p.drawEllipse(QPointF(12, 12), 3, 3);
        p.restore();
        break;
    }
    case Glyph::Printer: {
        QPainterPath body;
        body.moveTo(6.5, 17);
        body.lineTo(4.8, 17);
        body.quadTo(3, 17, 3, 15.2);
        body.lineTo(3, 10.8);
        body.quadTo(3, 9, 4.8, 9);
        body.lineTo(19.2, 9);
        body.quadTo(21, 9, 21, 10.8);
        body.lineTo(21, 15.2);
        body.quadTo(21, 17, 19.2, 17);
        body.lineTo(17.5, 17);
        p.drawPath(body);
        p.drawPath(polygonPath({{7, 9}, {7, 3.5}, {17, 3.5}, {17, 9}}, false));
        p.drawRect(QRectF(7, 13.5, 10, 7));
        fill([] { QPainterPath d; d.addEllipse(QPointF(17.8, 11.9), 0.9, 0.9); return d; }());
        break;
    }
    case Glyph::Flower: {
        p.drawLine(QPointF(12, 13.5), QPointF(12, 21));
        QPainterPath leaf;
        leaf.moveTo(12, 19.5);
        leaf.quadTo(6.5, 19.5, 5.5, 14.5);
        leaf.quadTo(10.5, 14.5, 12, 19.5);
        fill(leaf);
        QPainterPath bloom;
        bloom.moveTo(7, 4.5);
        bloom.lineTo(9.5, 7.5);
        bloom.lineTo(12, 3.5);
        bloom.lineTo(14.5, 7.5);
        bloom.lineTo(17, 4.5);
        bloom.lineTo(17, 9.5);
        bloom.quadTo(17, 13.5, 12, 13.5);
        bloom.quadTo(7, 13.5, 7, 9.5);
        bloom.closeSubpath();
        fillSoft(bloom);
        break;
    }
    case Glyph::FolderFilm:
        p.drawPath(folder());
        fillSoft(polygonPath({{10, 11.2}, {15.5, 14}, {10, 16.8}}));
        break;
    case Glyph::FolderPhoto:
        p.drawPath(folder());
        fillSoft(polygonPath({{6.5, 17}, {10.5, 12}, {13, 15}, {15, 13}, {18, 17}}));
        break;
    case Glyph::Play:
        fillSoft(polygonPath({{7.5, 4.5}, {19.5, 12}, {7.5, 19.5}}));
        break;
    case Glyph::Pause: {
        QPainterPath bars;
        bars.addRoundedRect(QRectF(5.5, 4.5, 4.5, 15), 1, 1);
        bars.addRoundedRect(QRectF(14, 4.5, 4.5, 15), 1, 1);
        fill(bars);
        break;
    }
    case Glyph::Stop: {
        QPainterPath square;
        square.addRoundedRect(QRectF(5.5, 5.5, 13, 13), 1.5, 1.5);
        fill(square);
        break;
    }
    case Glyph::Rewind:
        fillSoft(polygonPath({{11.5, 6}, {2.5, 12}, {11.5, 18}}));
        fillSoft(polygonPath({{21, 6}, {12, 12}, {21, 18}}));
        break;
    case Glyph::FastForward:
        fillSoft(mirrored(polygonPath({{11.5, 6}, {2.5, 12}, {11.5, 18}})));
        fillSoft(mirrored(polygonPath({{21, 6}, {12, 12}, {21, 18}})));
        break;
    case Glyph::Volume: {
        fillSoft(speaker());
        QPainterPath waves;
        waves.arcMoveTo(QRectF(8, 8, 8, 8), 45);
        waves.arcTo(QRectF(8, 8, 8, 8), 45, -90);
        waves.arcMoveTo(QRectF(4.5, 4.5, 15, 15), 50);
        waves.arcTo(QRectF(4.5, 4.5, 15, 15), 50, -100);
        p.drawPath(waves);
        break;
    }
    case Glyph::Previous: {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(4, 5.5, 3, 13), 0.8, 0.8);
        fill(bar);
        fillSoft(polygonPath({{19.5, 5.5}, {9, 12}, {19.5, 18.5}}));
        break;
    }
    case Glyph::Next: {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(4, 5.5, 3, 13), 0.8, 0.8);
        fill(mirrored(bar));
        fillSoft(mirrored(polygonPath({{19.5, 5.5}, {9, 12}, {19.5, 18.5}})));
        break;
    }
    case Glyph::Slideshow:
        p.drawRoundedRect(QRectF(2.5, 3.5, 19, 13.5), 1.5, 1.5);
        p.drawLine(QPointF(12, 17), QPointF(12, 20.5));
        p.drawLine(QPointF(8, 20.5), QPointF(16, 20.5));
        fillSoft(polygonPath({{10, 7.2}, {15, 10.2}, {10, 13.2}}));
        break;
    case Glyph::Thumbnails: {
        QPen thin = p.pen();
        thin.setWidthF(1.8);
        p.save();
        p.setPen(thin);
        for (QPointF c : {QPointF(4, 4), QPointF(13, 4), QPointF(4, 13), QPointF(13, 13)})
            p.drawRoundedRect(QRectF(c, QSizeF(7, 7)), 1.2, 1.2);
        p.restore();
        break;
    }
    case Glyph::Clock:
        p.drawEllipse(QPointF(12, 12), 8.8, 8.8);
        p.drawLine(QPointF(12, 12), QPointF(12, 6.5));
        p.drawLine(QPointF(12, 12), QPointF(15.8, 14.2));
        break;
    case Glyph::Info:
        p.drawEllipse(QPointF(12, 12), 9, 9);
        fill([] { QPainterPath d; d.addEllipse(QPointF(12, 7.4), 1.45, 1.45); return d; }());
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        break;
    case Glyph::Minimize:
        p.drawLine(QPointF(6, 17), QPointF(18, 17));
        break;
    case Glyph::Maximize:
        p.drawRect(QRectF(6, 6, 12, 12));
        break;
    case Glyph::Close:
        p.drawLine(QPointF(6.5, 6.5), QPointF(17.5, 17.5));
        p.drawLine(QPointF(17.5, 6.5), QPointF(6.5, 17.5));
        break;
    case Glyph::ChevronDown:
        p.drawPath(polygonPath({{6.5, 9.5}, {12, 15}, {17.5, 9.5}}, false));
        break;
    case Glyph::ChevronRight:
        p.drawPath(polygonPath({{9.5, 6.5}, {15, 12}, {9.5, 17.5}}, false));
        break;
    case Glyph::ChevronLeft:
        p.drawPath(polygonPath({{14.5, 6.5}, {9, 12}, {14.5, 17.5}}, false));
        break;
    }
    p.restore();
}
