#ifndef DISPLAYFIT_H
#define DISPLAYFIT_H

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

// A picture fitted whole into a widget, centred, keeping its aspect ratio. An empty picture or
// widget fits nowhere: the target is empty and every point maps to (0, 0).
class DisplayFit
{
public:
    DisplayFit(const QSize &widget, const QSize &picture);

    bool isEmpty() const;
    double scale() const;
    QRect target() const;                            // where the picture is drawn on the widget
    QPoint toPicture(const QPoint &widgetPoint) const;
    QRectF toWidget(const QRect &pictureRect) const; // a rectangle of whole picture pixels

private:
    QSize widget;
    QSize picture;
    double s = 0.0;
    QRect drawn;
};

#endif
