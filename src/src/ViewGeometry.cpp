#include "ViewGeometry.h"

#include <QtGlobal>

#include <algorithm>

namespace {

int truncated(double value)
{
    return static_cast<int>(value);
}

bool isEmpty(const QSize &size)
{
    return size.width() <= 0 || size.height() <= 0;
}

} // namespace

QSize ViewGeometry::rotatedSize() const
{
    return rotation % 2 == 0 ? source : source.transposed();
}

double ViewGeometry::minZoom() const
{
    if (rotation % 2 == 0 || isEmpty(source))
        return 1.0;
    const double w = source.width();
    const double h = source.height();
    return std::min(h / w, w / h);
}

QPointF ViewGeometry::viewCentre() const
{
    const QSize turned = rotatedSize();
    const double m = std::min(zoom, 1.0);
    const int shownW = std::min(truncated(turned.width() * zoom), source.width());
    const int shownH = std::min(truncated(turned.height() * zoom), source.height());
    return QPointF((origin.x() + shownW * m * 0.5) / zoom, (origin.y() + shownH * m * 0.5) / zoom);
}

void ViewGeometry::setViewOrigin(int x, int y)
{
    const QSize turned = rotatedSize();
    const int maxX = std::max(0, truncated(turned.width() * zoom) - source.width() - 1);
    const int maxY = std::max(0, truncated(turned.height() * zoom) - source.height() - 1);
    origin = QPoint(qBound(0, x, maxX), qBound(0, y, maxY));
}

void ViewGeometry::setZoom(const QPointF &centre, int requested)
{
    zoom = std::max(double(requested), minZoom());
    const double m = std::min(zoom, 1.0);
    setViewOrigin(truncated(centre.x() * zoom - source.width() * m * 0.5),
                  truncated(centre.y() * zoom - source.height() * m * 0.5));
}

bool ViewGeometry::zoomIn()
{
    if (zoom + 1 > MaxZoom)
        return false;
    setZoom(viewCentre(), truncated(zoom + 1));
    return true;
}

void ViewGeometry::zoomOut()
{
    setZoom(viewCentre(), truncated(zoom / 1.1));
}

void ViewGeometry::zoomReset()
{
    setZoom(viewCentre(), truncated(minZoom()));
}

void ViewGeometry::refit()
{
    setZoom(viewCentre(), truncated(zoom));
}

void ViewGeometry::setSourceSize(const QSize &size)
{
    source = size;
    refit();
}

int ViewGeometry::requestAfterTurn() const
{
    return truncated(qFuzzyCompare(zoom, 1.0) ? minZoom() : zoom);
}

void ViewGeometry::rotateClockwise()
{
    const double z = zoom;
    const QPointF p = viewCentre();
    rotation = (rotation + 1) % 4;
    const int turnedW = rotatedSize().width();
    const QPointF centre((truncated(turnedW * z) - z * p.y() - 1) / z, p.x());
    setZoom(centre, requestAfterTurn());
}

void ViewGeometry::rotateCounterClockwise()
{
    const double z = zoom;
    const QPointF p = viewCentre();
    rotation = (rotation + 3) % 4;
    const int turnedH = rotatedSize().height();
    const QPointF centre(p.y(), (truncated(turnedH * z) - z * p.x() - 1) / z);
    setZoom(centre, requestAfterTurn());
}

QRect ViewGeometry::cutRect() const
{
    const QSize turned = rotatedSize();
    if (isEmpty(turned))
        return QRect();
    const int w = std::max(1, std::min(turned.width(), truncated(source.width() / zoom)));
    const int h = std::max(1, std::min(turned.height(), truncated(source.height() / zoom)));
    return QRect(truncated(origin.x() / zoom), truncated(origin.y() / zoom), w, h);
}

QPoint ViewGeometry::outputToFrame(const QPoint &point, const QSize &displaySize) const
{
    const QSize turned = rotatedSize();
    const int ox = std::max(0, truncated((displaySize.width() - turned.width() * zoom) * 0.5));
    const int oy = std::max(0, truncated((displaySize.height() - turned.height() * zoom) * 0.5));
    return QPoint(truncated((point.x() + origin.x() - ox) / zoom),
                  truncated((point.y() + origin.y() - oy) / zoom));
}

QRect ViewGeometry::unturnedRegion(const QRect &region, int rotation, const QSize &frame)
{
    const int W = frame.width();
    const int H = frame.height();
    switch (rotation) {
    case 1:
        return QRect(region.y(), H - region.x() - region.width(), region.height(), region.width());
    case 2:
        return QRect(W - region.x() - region.width(), H - region.y() - region.height(),
                     region.width(), region.height());
    case 3:
        return QRect(W - region.y() - region.height(), region.x(), region.height(), region.width());
    default:
        return region;
    }
}

QRect ViewGeometry::turnedRegion(const QRect &region, int rotation, const QSize &frame)
{
    // Turning back by the rest of the full turn leads from the turned frame to the unturned one.
    const int back = (4 - rotation % 4) % 4;
    const QSize turned = rotation % 2 == 0 ? frame : frame.transposed();
    return unturnedRegion(region, back, turned);
}
