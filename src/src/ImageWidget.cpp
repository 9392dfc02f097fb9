#include "ImageWidget.h"

#include <QPainter>

ImageWidget::ImageWidget(const QImage &image, QWidget *parent)
    : QWidget(parent)
    , picture(image)
{
    setFixedSize(picture.size());
}

QImage ImageWidget::image() const
{
    return picture;
}

void ImageWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}
