#include "ThumbnailButton.h"

#include <QPainter>

ThumbnailButton::ThumbnailButton(QWidget *parent)
    : QPushButton(parent)
{
    setFlat(true);
    setCheckable(true);
}

void ThumbnailButton::setImage(const QImage &image)
{
    this->image = image;
    hasImage = true;
    update();
}

void ThumbnailButton::clearImage()
{
    image = QImage();
    hasImage = false;
    update();
}

void ThumbnailButton::enterEvent(QEvent *event)
{
    hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void ThumbnailButton::leaveEvent(QEvent *event)
{
    hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

void ThumbnailButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (hasImage)
        painter.drawImage((width() - image.width()) / 2, (height() - image.height()) / 2, image);

    QColor border = hovered ? Qt::white : Qt::gray;
    if (isDown() || isChecked())
        border = Qt::red;
    painter.setPen(QPen(border, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)));
}
