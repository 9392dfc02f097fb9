#ifndef OSDPROCESSOR_H
#define OSDPROCESSOR_H

#include <QObject>

class ImageCanvas;
class QPainter;

// Timed status pictures drawn over a canvas. (Minimal for now: the canvas can already call it.)
class OSDProcessor : public QObject
{
    Q_OBJECT

public:
    OSDProcessor(QObject *parent, ImageCanvas *canvas);

    void showSnapshot();
    void paintOsd(QPainter *painter);

private:
    ImageCanvas *canvas;
};

#endif
