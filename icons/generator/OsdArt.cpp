#include "OsdArt.h"

#include "Palette.h"

#include <QPainter>

namespace {

const qreal badgeRadius = 7;
const qreal osdGlyphSize = 22;

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The badge body over the horizontal span [left, right) of an image; spans reaching past the image
// edges give the straight middle pieces of the brightness scale.
void badgeBody(QPainter &p, qreal left, qreal right, int height)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Palette::osdBody);
    p.setPen(QPen(Palette::osdEdge, 1));
    p.drawRoundedRect(QRectF(left + 0.5, 0.5, right - left - 1, height - 1), badgeRadius, badgeRadius);
}

QRectF iconBox(QSize size, int iconArea, qreal side)
{
    return QRectF((iconArea - side) / 2.0, (size.height() - side) / 2.0, side, side);
}

} // namespace

QImage osdBadge(QSize size)
{
    QImage image = blank(size);
    QPainter p(&image);
    badgeBody(p, 0, size.width(), size.height());
    return image;
}

QImage osdGlyph(QSize size, Glyph glyph, int iconArea)
{
    QImage image = osdBadge(size);
    QPainter p(&image);
    paintGlyph(p, glyph, iconBox(size, iconArea, osdGlyphSize), Palette::inkActive);
    return image;
}

QImage osdTile(QSize size, const QImage &tile, int iconArea)
{
    QImage image = osdBadge(size);
    QPainter p(&image);
    const QRectF box = iconBox(size, iconArea, tile.width());
    const QPoint at(qRound(box.x()), (size.height() - tile.height()) / 2);
    p.drawImage(at, tile);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(at - QPoint(1, 1), tile.size() + QSize(1, 1)));
    return image;
}

QImage brightnessPiece(BrightnessPiece piece)
{
    switch (piece) {
    case BrightnessPiece::Min: {
        QImage image = blank(QSize(43, 34));
        QPainter p(&image);
        badgeBody(p, 0, 43 + 2 * badgeRadius, 34);
        paintGlyph(p, Glyph::BrightnessDown, QRectF(12, 9, 16, 16), Palette::inkActive);
        return image;
    }
    case BrightnessPiece::Max: {
        QImage image = blank(QSize(43, 34));
        QPainter p(&image);
        badgeBody(p, -2 * badgeRadius, 43, 34);
        paintGlyph(p, Glyph::BrightnessUp, QRectF(11, 6, 22, 22), Palette::inkActive);
        return image;
    }
    case BrightnessPiece::Short: {
        QImage image = blank(QSize(13, 34));
        QPainter p(&image);
        badgeBody(p, -20, 33, 34);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, 17, 13, 1), QColor(255, 255, 255, 40));
        p.fillRect(QRect(5, 13, 3, 9), Palette::osdTick);
        return image;
    }
    case BrightnessPiece::Long: {
        QImage image = blank(QSize(12, 34));
        QPainter p(&image);
        badgeBody(p, -20, 32, 34);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, 17, 12, 1), QColor(255, 255, 255, 40));
        p.fillRect(QRect(4, 10, 4, 14), Palette::inkRest);
        return image;
    }
    case BrightnessPiece::Bar: {
        QImage image(QSize(3, 9), QImage::Format_ARGB32_Premultiplied);
        image.fill(Palette::osdMarker);
        return image;
    }
    case BrightnessPiece::BarCenter: {
        QImage image(QSize(4, 14), QImage::Format_ARGB32_Premultiplied);
        image.fill(Palette::osdMarker);
        return image;
    }
    }
    return QImage();
}
