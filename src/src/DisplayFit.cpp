#include "DisplayFit.h"

#include <algorithm>

DisplayFit::DisplayFit(const QSize &widget, const QSize &picture)
    : widget(widget)
    , picture(picture)
{
    if (picture.width() <= 0 || picture.height() <= 0 || widget.width() <= 0
        || widget.height() <= 0)
        return;
    s = std::min(double(widget.width()) / picture.width(), double(widget.height()) / picture.height());
    const int dw = static_cast<int>(picture.width() * s);
    const int dh = static_cast<int>(picture.height() * s);
    drawn = QRect((widget.width() - dw) / 2, (widget.height() - dh) / 2, dw, dh);
}

bool DisplayFit::isEmpty() const
{
    return s <= 0.0;
}

double DisplayFit::scale() const
{
    return s;
}

QRect DisplayFit::target() const
{
    return drawn;
}

QPoint DisplayFit::toPicture(const QPoint &widgetPoint) const
{
    if (isEmpty())
        return QPoint();
    return QPoint(static_cast<int>((widgetPoint.x() - drawn.x()) / s),
                  static_cast<int>((widgetPoint.y() - drawn.y()) / s));
}

QRectF DisplayFit::toWidget(const QRect &pictureRect) const
{
    if (isEmpty())
        return QRectF();
    return QRectF(drawn.x() + pictureRect.left() * s, drawn.y() + pictureRect.top() * s,
                  (pictureRect.right() - pictureRect.left() + 1) * s,
                  (pictureRect.bottom() - pictureRect.top() + 1) * s);
}
