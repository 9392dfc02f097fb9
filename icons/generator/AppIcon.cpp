#include "Picture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

QImage renderSvg(const QString &file, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

namespace {

const int directoryHeader = 6;
const int directoryEntry = 16;

// One icon written by the toolkit's ICO writer: a directory of one entry, then its image data.
QByteArray singleIcon(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image))
        qFatal("cannot write an icon of %d pixels: %s", image.width(), qPrintable(writer.errorString()));
    return buffer.data();
}

QByteArray pngData(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

// The ICO writer stores one image per file, so the single-image files are merged into one
// directory, each entry pointing at its own image data.
QByteArray multiSizeIcon(const QString &appIconSvg)
{
    const QVector<int> sides{16, 24, 32, 48, 64, 128, 256};
    QVector<QByteArray> entries;
    QVector<QByteArray> payloads;
    for (int side : sides) {
        const QImage image = renderSvg(appIconSvg, side);
        const QByteArray single = singleIcon(image);
        const quint32 offset = qFromLittleEndian<quint32>(single.constData() + directoryHeader + 12);
        entries.append(single.mid(directoryHeader, directoryEntry));
        // The largest size is stored as PNG, as icon files allow, instead of a quarter megabyte
        // of uncompressed pixels.
        payloads.append(side == 256 ? pngData(image) : single.mid(offset));
    }

    QByteArray file(directoryHeader, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2);
    qToLittleEndian<quint16>(quint16(entries.size()), file.data() + 4);
    quint32 offset = directoryHeader + directoryEntry * entries.size();
    for (int i = 0; i < entries.size(); ++i) {
        QByteArray entry = entries[i];
        qToLittleEndian<quint32>(quint32(payloads[i].size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += payloads[i].size();
        file.append(entry);
    }
    for (const QByteArray &payload : payloads)
        file.append(payload);
    return file;
}
