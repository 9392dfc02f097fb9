#include "ButtonArt.h"

#include "Palette.h"

#include <QPainter>

namespace {

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A rounded rectangle whose one-pixel outline falls on whole pixels.
void roundedBox(QPainter &p, const QRectF &area, qreal radius, const QColor &fill, const QColor &edge)
{
    p.setBrush(fill);
    if (edge.isValid()) {
        p.setPen(QPen(edge, 1));
        p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(area, radius, radius);
    }
}

void plate(QPainter &p, const QRectF &area, ButtonState state, qreal radius)
{
    switch (state) {
    case ButtonState::Normal:
        roundedBox(p, area, radius, Palette::plateRest, QColor());
        break;
    case ButtonState::Over:
        roundedBox(p, area, radius, Palette::plateHover, Palette::plateHoverEdge);
        break;
    case ButtonState::Click:
        roundedBox(p, area, radius, Palette::accent, Palette::accentEdge);
        break;
    }
}

QRectF centredBox(QSize size, qreal side)
{
    return QRectF((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
}

} // namespace

QColor inkFor(ButtonState state)
{
    return state == ButtonState::Normal ? Palette::inkRest : Palette::inkActive;
}

QImage glyphButton(QSize size, Glyph glyph, qreal glyphSize, ButtonState state, qreal radius)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    plate(p, QRectF(1, 1, size.width() - 2, size.height() - 2), state, radius);
    paintGlyph(p, glyph, centredBox(size, glyphSize), inkFor(state));
    return image;
}

QImage tileButton(QSize size, const QImage &tile, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    plate(p, QRectF(1, 1, size.width() - 2, size.height() - 2), state, 5);
    const QPoint at((size.width() - tile.width()) / 2, (size.height() - tile.height()) / 2);
    p.drawImage(at, tile);
    const QColor edge = state == ButtonState::Normal ? QColor(255, 255, 255, 90) : Palette::inkActive;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(at - QPoint(1, 1), tile.size() + QSize(1, 1)));
    return image;
}

namespace {

QRect swatchArea(QSize size)
{
    return QRect(5, 4, size.width() - 10, size.height() - 8);
}

void swatchFrame(QPainter &p, QSize size, ButtonState state)
{
    plate(p, QRectF(0, 0, size.width(), size.height()), state, 4);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect area = swatchArea(size);
    const QColor edge = state == ButtonState::Normal ? QColor(170, 170, 170) : Palette::inkActive;
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(-1, -1, 0, 0));
}

} // namespace

QImage swatchButton(QSize size, const QColor &colour, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    swatchFrame(p, size, state);
    p.fillRect(swatchArea(size), colour);
    return image;
}

QImage noFillButton(QSize size, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    swatchFrame(p, size, state);
    const QRect area = swatchArea(size);
    p.fillRect(area, QColor(245, 245, 245));
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(area);
    p.setPen(QPen(Palette::record, 2));
    p.drawLine(QPointF(area.left(), area.bottom() + 1), QPointF(area.right() + 1, area.top()));
    return image;
}

QImage widthButton(QSize size, int level, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    plate(p, QRectF(0, 0, size.width(), size.height()), state, 4);
    const int thickness = 2 * level;
    const QRect line(6, (size.height() - thickness) / 2, size.width() - 12, thickness);
    p.setPen(Qt::NoPen);
    p.setBrush(inkFor(state));
    p.drawRoundedRect(line, qMin(1.0, thickness / 2.0), qMin(1.0, thickness / 2.0));
    return image;
}

QImage tabButton(QSize size, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width(), size.height());
    switch (state) {
    case ButtonState::Normal:
        roundedBox(p, area, 4, QColor(66, 66, 66), QColor(92, 92, 92));
        break;
    case ButtonState::Over:
        roundedBox(p, area, 4, QColor(88, 88, 88), QColor(132, 132, 132));
        break;
    case ButtonState::Click:
        roundedBox(p, area, 4, Palette::accent, Palette::accentEdge);
        break;
    }
    return image;
}

QImage groupTitleButton(QSize size, bool open, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width(), size.height());
    switch (state) {
    case ButtonState::Normal:
        roundedBox(p, area, 3, QColor(40, 40, 40), QColor());
        break;
    case ButtonState::Over:
        roundedBox(p, area, 3, QColor(76, 76, 76), QColor(110, 110, 110));
        break;
    case ButtonState::Click:
        roundedBox(p, area, 3, Palette::accent, Palette::accentEdge);
        break;
    }
    const qreal side = size.height();
    const QColor ink = state == ButtonState::Normal ? Palette::inkDim : Palette::inkActive;
    paintGlyph(p, open ? Glyph::ChevronDown : Glyph::ChevronRight, QRectF(-2, 0, side, side), ink);
    return image;
}

QImage captionButton(QSize size, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width(), size.height());
    switch (state) {
    case ButtonState::Normal:
        roundedBox(p, area, 3, Palette::lightButton, Palette::lightButtonEdge);
        break;
    case ButtonState::Over:
        roundedBox(p, area, 3, Palette::lightButtonHover, Palette::accentLight);
        break;
    case ButtonState::Click:
        roundedBox(p, area, 3, Palette::lightButtonPressed, Palette::accent);
        break;
    }
    return image;
}

QImage titleBarButton(QSize size, Glyph glyph, ButtonState state, bool closes)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width(), size.height());
    if (state == ButtonState::Over)
        roundedBox(p, area, 3, closes ? Palette::danger : Palette::plateHover, QColor());
    if (state == ButtonState::Click)
        roundedBox(p, area, 3, closes ? Palette::dangerPressed : Palette::accent, QColor());
    const qreal side = qMin(size.width(), size.height()) - 2;
    paintGlyph(p, glyph, centredBox(size, side), inkFor(state));
    return image;
}

QImage sideButton(QSize size, Glyph chevron, ButtonState state)
{
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, size.width(), size.height());
    switch (state) {
    case ButtonState::Normal:
        roundedBox(p, area, 5, Palette::card, Palette::cardEdge);
        break;
    case ButtonState::Over:
        roundedBox(p, area, 5, QColor(80, 80, 80), QColor(120, 120, 120));
        break;
    case ButtonState::Click:
        roundedBox(p, area, 5, Palette::accent, Palette::accentEdge);
        break;
    }
    paintGlyph(p, chevron, centredBox(size, 24), inkFor(state));
    return image;
}
