#include "Scenes.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage landscape(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(88, 170, 238));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 48.0, size.height() / 32.0);
    p.setPen(Qt::NoPen);

    p.setBrush(QColor(255, 210, 63));
    p.drawEllipse(QPointF(35, 9), 5, 5);

    QPainterPath mountain;
    mountain.moveTo(-2, 26);
    mountain.lineTo(14, 8);
    mountain.lineTo(22, 16);
    mountain.lineTo(28, 11);
    mountain.lineTo(44, 26);
    mountain.closeSubpath();
    p.setBrush(QColor(46, 110, 78));
    p.drawPath(mountain);

    QPainterPath snow;
    snow.moveTo(10.4, 12);
    snow.lineTo(14, 8);
    snow.lineTo(17.6, 11.6);
    snow.lineTo(15.5, 12.8);
    snow.lineTo(13.5, 11.2);
    snow.closeSubpath();
    p.setBrush(QColor(240, 244, 248));
    p.drawPath(snow);

    QPainterPath meadow;
    meadow.moveTo(-2, 34);
    meadow.lineTo(-2, 23);
    meadow.cubicTo(12, 19, 30, 27, 50, 20);
    meadow.lineTo(50, 34);
    meadow.closeSubpath();
    p.setBrush(QColor(124, 195, 88));
    p.drawPath(meadow);

    p.setBrush(QColor(226, 64, 70));
    p.drawRect(QRectF(31, 20.5, 8, 6));
    p.drawPolygon(QPolygonF({QPointF(30, 21), QPointF(35, 16.5), QPointF(40, 21)}));
    p.setBrush(QColor(255, 240, 200));
    p.drawRect(QRectF(33.8, 22.8, 2.4, 3.7));
    return image;
}

void mosaic(QImage &image, int block)
{
    for (int top = 0; top < image.height(); top += block) {
        for (int left = 0; left < image.width(); left += block) {
            const int bottom = qMin(top + block, image.height());
            const int right = qMin(left + block, image.width());
            int r = 0, g = 0, b = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x) {
                    const QRgb c = image.pixel(x, y);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            const int n = (bottom - top) * (right - left);
            const QRgb average = qRgb(r / n, g / n, b / n);
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x)
                    image.setPixel(x, y, average);
        }
    }
}

} // namespace

QImage effectScene(QSize size, EffectPreview effect)
{
    QImage image = landscape(size);
    switch (effect) {
    case EffectPreview::Color:
        break;
    case EffectPreview::BlackWhite:
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                image.setPixel(x, y, qRgb(grey, grey, grey));
            }
        break;
    case EffectPreview::Negative:
        image.invertPixels(QImage::InvertRgb);
        break;
    case EffectPreview::Mosaic:
        mosaic(image, qMax(3, size.height() / 6));
        break;
    }
    return image;
}

QImage maskScene(QSize size, MaskPreview mask)
{
    QImage image = landscape(size);
    const int w = size.width();
    const int h = size.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath covered;
    covered.addRect(QRectF(0, 0, w, h));
    QPainterPath open;
    switch (mask) {
    case MaskPreview::Circle: {
        const qreal r = qMin(w, h) * 0.48;
        open.addEllipse(QPointF(w / 2.0, h / 2.0), r, r);
        break;
    }
    case MaskPreview::Rectangle:
        open.addRect(QRectF(w * 0.2, h * 0.2, w * 0.6, h * 0.6));
        break;
    case MaskPreview::Left:
        open.addRect(QRectF(w / 2, 0, w - w / 2, h));
        break;
    case MaskPreview::Top:
        open.addRect(QRectF(0, h / 2, w, h - h / 2));
        break;
    }
    p.drawPath(covered.subtracted(open));
    return image;
}
