#include "HorizontalSlider.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

HorizontalSlider::HorizontalSlider(const QImage &bar, QWidget *parent)
    : QWidget(parent)
    , background(QStringLiteral(":/icons/Background/FILM_SCROLL_BACKGROUND.png"))
    , barImage(bar)
{
}

void HorizontalSlider::setRange(int minimum, int maximum)
{
    this->minimum = minimum;
    this->maximum = maximum;
}

void HorizontalSlider::setBarWidth(int width)
{
    barWidth = width;
}

void HorizontalSlider::setValue(int value)
{
    this->value = value;
    repaint();
}

// The thumbnail strip sets a maximum below the minimum when every picture fits; such a range
// holds just its minimum, which keeps the slice width finite and the bar on the track.
int HorizontalSlider::valueCount() const
{
    return std::max(maximum, minimum) - minimum + 1;
}

double HorizontalSlider::step() const
{
    return double(width() - 2 * TrackMargin) / valueCount();
}

int HorizontalSlider::valueAt(int x) const
{
    // A slider no wider than its two margins has no track to point into.
    if (step() <= 0)
        return minimum;
    const int last = minimum + valueCount() - 1;
    const int v = int((x - TrackMargin) / step() + minimum);
    return std::max(std::min(v, last), minimum);
}

int HorizontalSlider::barPosition() const
{
    double pos = step() * (value - minimum + 0.5) + TrackMargin - barWidth / 2;
    pos = std::min(pos, double(width() - barWidth - TrackMargin));
    pos = std::max(pos, double(TrackMargin));
    return int(pos);
}

void HorizontalSlider::takeValueFrom(QMouseEvent *event)
{
    value = valueAt(event->x());
    emit valueChanged(value);
    repaint();
}

void HorizontalSlider::mousePressEvent(QMouseEvent *event)
{
    takeValueFrom(event);
}

void HorizontalSlider::mouseMoveEvent(QMouseEvent *event)
{
    // Mouse tracking stays off, so this only matters should someone switch it on.
    if (event->buttons() == Qt::NoButton)
        return;
    takeValueFrom(event);
}

void HorizontalSlider::mouseReleaseEvent(QMouseEvent *event)
{
    takeValueFrom(event);
}

void HorizontalSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    if (!background.isNull())
        painter.drawImage(0, 0, background.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    if (!barImage.isNull())
        painter.drawImage(barPosition(), 0,
                          barImage.scaled(barWidth, height() - 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
