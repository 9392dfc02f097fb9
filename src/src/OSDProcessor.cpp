#include "OSDProcessor.h"

OSDProcessor::OSDProcessor(QObject *parent, ImageCanvas *canvas)
    : QObject(parent)
    , canvas(canvas)
{
}

void OSDProcessor::showSnapshot()
{
}

void OSDProcessor::paintOsd(QPainter *painter)
{
    Q_UNUSED(painter);
}
