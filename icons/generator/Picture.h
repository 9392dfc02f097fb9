#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// One picture of the resource tree; path is relative to the tree's root, e.g. "Normal/ICON_LINE.png".
struct Picture {
    QString path;
    QImage image;
};

QVector<Picture> buildCatalogue(const QString &appIconSvg);

// The application icon in several sizes, drawn from its SVG source.
QImage renderSvg(const QString &file, int side);
QByteArray multiSizeIcon(const QString &appIconSvg);

QImage contactSheet(const QVector<Picture> &pictures);
QImage windowMockup(const QVector<Picture> &pictures);
