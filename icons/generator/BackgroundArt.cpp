#include "BackgroundArt.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage filled(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

void roundedBox(QPainter &p, const QRectF &area, qreal radius, const QColor &fill, const QColor &edge)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fill);
    p.setPen(QPen(edge, 1));
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace

// The frame is one flat colour with a one-pixel lighter outline; the pieces are cut so that the
// outline runs unbroken around the window whatever its size.
QImage framePiece(FramePiece piece, QSize size)
{
    QImage image = filled(size, Palette::frame);
    QPainter p(&image);
    const int w = size.width();
    const int h = size.height();
    const QColor edge = Palette::frameEdge;
    switch (piece) {
    case FramePiece::TopMid:
        p.fillRect(0, 0, w, 1, edge);
        break;
    case FramePiece::TopRight:
        p.fillRect(0, 0, w, 1, edge);
        p.fillRect(w - 1, 0, 1, h, edge);
        break;
    case FramePiece::MidLeft:
        p.fillRect(0, 0, 1, h, edge);
        break;
    case FramePiece::MidMid:
        break;
    case FramePiece::MidRight:
        p.fillRect(w - 1, 0, 1, h, edge);
        break;
    case FramePiece::BotLeft:
        p.fillRect(0, 0, 1, h, edge);
        p.fillRect(0, h - 1, w, 1, edge);
        break;
    case FramePiece::BotMid:
        p.fillRect(0, h - 1, w, 1, edge);
        break;
    case FramePiece::BotRight:
        p.fillRect(w - 1, 0, 1, h, edge);
        p.fillRect(0, h - 1, w, 1, edge);
        // A resize grip of dots in the corner.
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col <= row; ++col)
                p.fillRect(w - 4 - 3 * col, h - 4 - 3 * (2 - row), 2, 2, Palette::frameGrip);
        break;
    }
    return image;
}

QImage panelPiece(PanelPiece piece, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int w = size.width();
    const int h = size.height();
    const qreal radius = 6;
    switch (piece) {
    case PanelPiece::Top:
        roundedBox(p, QRectF(0, 0, w, h + 2 * radius), radius, Palette::card, Palette::cardEdge);
        break;
    case PanelPiece::Mid:
        p.fillRect(0, 0, w, h, Palette::card);
        p.fillRect(0, 0, 1, h, Palette::cardEdge);
        p.fillRect(w - 1, 0, 1, h, Palette::cardEdge);
        break;
    case PanelPiece::Bottom:
        roundedBox(p, QRectF(0, -2 * radius, w, h + 2 * radius), radius, Palette::card, Palette::cardEdge);
        break;
    }
    return image;
}

QImage controlBar(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    roundedBox(p, QRectF(0, 0, size.width(), size.height()), 8, Palette::well, Palette::wellEdge);
    return image;
}

// Stretched to the whole slider; the handle is drawn over its upper part, so the groove sits there.
QImage scrollTrack(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const qreal grooveHeight = size.height() * 2 / 3 + 1;
    roundedBox(p, QRectF(1, 0, size.width() - 2, grooveHeight), grooveHeight / 2, QColor(26, 26, 26),
               Palette::wellEdge);
    return image;
}

QImage scrollHandle(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::accentLight);
    p.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), size.height() / 2.0, size.height() / 2.0);
    return image;
}

QImage thumbnailStrip(QSize size)
{
    QImage image = filled(size, QColor(0, 0, 0, 150));
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(0, 0, size.width(), 1, QColor(255, 255, 255, 48));
    p.fillRect(0, size.height() - 1, size.width(), 1, QColor(255, 255, 255, 48));
    return image;
}

QImage volumeGroove(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    roundedBox(p, QRectF(0, 0, size.width(), size.height()), 6, Palette::well, Palette::wellEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    p.drawRoundedRect(QRectF(size.width() / 2 - 1.5, 11, 3, size.height() - 22), 1.5, 1.5);
    return image;
}

// Drawn stretched over the groove rectangle of the slider, so only a thin band in the middle holds
// anything: it keeps its look whatever height the groove gets.
QImage intervalGroove(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const qreal band = 6;
    roundedBox(p, QRectF(1, (size.height() - band) / 2, size.width() - 2, band), band / 2, QColor(26, 26, 26),
               QColor(110, 110, 110));
    return image;
}

QImage sliderKnob(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::accent, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, size.width() - 2, size.height() - 2));
    return image;
}

QImage popupBackground(QSize size, const QImage &emblem)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRectF area(0, 0, size.width(), size.height());
    roundedBox(p, area, 5, Palette::popupBody, Palette::popupEdge);
    QPainterPath outline;
    outline.addRoundedRect(area.adjusted(1, 1, -1, -1), 4, 4);
    p.setClipPath(outline);
    p.fillRect(QRectF(0, 0, size.width(), 2), Palette::accent);
    p.setClipping(false);
    if (!emblem.isNull())
        p.drawImage(size.width() - emblem.width() - 14, (size.height() - emblem.height()) / 2 + 4, emblem);
    return image;
}
