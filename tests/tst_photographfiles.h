#ifndef TST_PHOTOGRAPHFILES_H
#define TST_PHOTOGRAPHFILES_H

// Picture files made at test time: ordinary ones, and the kinds a folder of untrusted pictures
// may hold (truncated, corrupt, headers that claim enormous sizes, decompression bombs).

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include "tst_memory.h"

#include <libexif/exif-data.h>

#include <cstdlib>
#include <cstring>

namespace testfiles {

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QImage picture(int width, int height, QColor colour = Qt::darkCyan)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::yellow);
    return image;
}

inline QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// Qt writes no GIF; this is a complete 1 x 1 one.
inline QByteArray gif()
{
    return QByteArray::fromHex(
        "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
}

inline QByteArray gifClaiming(quint16 width, quint16 height)
{
    QByteArray bytes = gif();
    qToLittleEndian<quint16>(width, bytes.data() + 6);
    qToLittleEndian<quint16>(height, bytes.data() + 8);
    const int descriptor = bytes.indexOf(',');
    qToLittleEndian<quint16>(width, bytes.data() + descriptor + 5);
    qToLittleEndian<quint16>(height, bytes.data() + descriptor + 7);
    return bytes;
}

inline QByteArray jpegClaiming(quint16 width, quint16 height, bool progressive = false)
{
    QByteArray bytes = encoded(picture(64, 48), "jpeg", progressive);
    const int frame = bytes.indexOf(QByteArray(progressive ? "\xff\xc2" : "\xff\xc0", 2));
    if (frame < 0)
        return bytes;
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

inline QByteArray bmpClaiming(qint32 width, qint32 height)
{
    QByteArray bytes = encoded(picture(8, 8), "bmp");
    if (bytes.size() < 26)
        return bytes;
    char *info = bytes.data() + 18; // width, then height, in the information header
    qToLittleEndian<qint32>(width, info);
    qToLittleEndian<qint32>(height, info + 4);
    return bytes;
}

inline quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? 0xedb88320u ^ (crc >> 1) : crc >> 1;
    }
    return crc ^ 0xffffffffu;
}

inline QByteArray pngChunk(const char *type, const QByteArray &body)
{
    QByteArray length(4, 0);
    qToBigEndian<quint32>(body.size(), length.data());
    const QByteArray typed = QByteArray(type) + body;
    QByteArray crc(4, 0);
    qToBigEndian<quint32>(crc32(typed), crc.data());
    return length + typed + crc;
}

// A zlib stream of count zero bytes made of back references of 258 bytes each (fixed Huffman
// codes), about 600 times smaller than the data it inflates to.
inline QByteArray zlibZeros(qint64 count)
{
    QByteArray out("\x78\x01", 2);
    quint32 bits = 0;
    int used = 0;
    auto put = [&](quint32 value, int length) {
        bits |= value << used;
        used += length;
        while (used >= 8) {
            out.append(char(bits & 0xff));
            bits >>= 8;
            used -= 8;
        }
    };
    auto putCode = [&](quint32 code, int length) { // Huffman codes go most significant bit first
        quint32 reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1) << (length - 1 - i);
        put(reversed, length);
    };
    put(1, 1); // last block
    put(1, 2); // fixed Huffman codes
    putCode(0x30, 8); // a literal zero
    qint64 left = count - 1;
    for (; left >= 258; left -= 258) {
        putCode(0xc5, 8); // length 258
        putCode(0, 5);    // distance 1
    }
    for (; left > 0; --left)
        putCode(0x30, 8);
    putCode(0, 7); // end of block
    if (used > 0)
        out.append(char(bits & 0xff));
    QByteArray adler(4, 0);
    qToBigEndian<quint32>((quint32(count % 65521) << 16) | 1, adler.data());
    return out + adler;
}

// A PNG of width x height transparent black pixels, 8 bits per channel. colourType 6 is RGBA,
// 0 grey; interlaced pictures use Adam7.
inline QByteArray pngOfZeros(quint32 width, quint32 height, int colourType = 6, bool interlaced = false)
{
    const int channels = colourType == 6 ? 4 : colourType == 2 ? 3 : 1;
    qint64 rawBytes = 0;
    if (!interlaced) {
        rawBytes = qint64(height) * (1 + qint64(width) * channels);
    } else {
        const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                  {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
        for (const auto &pass : passes) {
            const qint64 w = (qint64(width) - pass[0] + pass[2] - 1) / pass[2];
            const qint64 h = (qint64(height) - pass[1] + pass[3] - 1) / pass[3];
            if (w > 0 && h > 0)
                rawBytes += h * (1 + w * channels);
        }
    }
    QByteArray header(13, 0);
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8;
    header[9] = char(colourType);
    header[12] = interlaced ? 1 : 0;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", zlibZeros(rawBytes)) + pngChunk("IEND", QByteArray());
}

// A PNG header claiming width x height with hardly any pixel data behind it.
inline QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray header(13, 0);
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8;
    header[9] = 6;
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", zlibZeros(4096)) + pngChunk("IEND", QByteArray());
}

// A JPEG as a camera writes it: an EXIF block right after the start of the picture, holding the
// orientation tag (1 upright, 6 to be turned a quarter clockwise) and a small JPEG of its own.
inline QByteArray jpegWithExifThumbnail(const QByteArray &jpeg, const QByteArray &thumbnail, int orientation = 1)
{
    ExifData *exif = exif_data_new();
    exif_data_set_byte_order(exif, EXIF_BYTE_ORDER_INTEL);
    ExifEntry *entry = exif_entry_new();
    exif_content_add_entry(exif->ifd[EXIF_IFD_0], entry);
    exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
    exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, ExifShort(orientation));
    exif_entry_unref(entry);
    exif->data = static_cast<unsigned char *>(std::malloc(size_t(thumbnail.size())));
    std::memcpy(exif->data, thumbnail.constData(), size_t(thumbnail.size()));
    exif->size = unsigned(thumbnail.size());

    unsigned char *block = nullptr;
    unsigned int length = 0;
    exif_data_save_data(exif, &block, &length);
    const QByteArray exifBlock(reinterpret_cast<const char *>(block), int(length));
    std::free(block);
    exif_data_unref(exif);

    QByteArray segment("\xff\xe1", 2);
    segment += char((length + 2) >> 8);
    segment += char((length + 2) & 0xff);
    segment += exifBlock;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

using testmemory::peakMemoryMiB;

} // namespace testfiles

#endif
