#include "PictureReader.h"

#include "RegularFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <libexif/exif-data.h>

#include <limits>
#include <memory>

namespace {

qint64 bytesFor(qint64 pixels, qint64 bitsPerPixel)
{
    if (bitsPerPixel > 0 && pixels > std::numeric_limits<qint64>::max() / bitsPerPixel)
        return std::numeric_limits<qint64>::max();
    return (pixels * bitsPerPixel + 7) / 8;
}

// Qt scales a PNG row by row, holding only the small picture, when it is an 8-bit colour picture
// without interlacing. Interlaced, grey, palette and 16-bit pictures are decoded whole first.
bool pngDecodesReduced(QFile &file, QImage::Format format)
{
    const QByteArray head = file.read(29);
    if (head.size() < 29 || !head.startsWith("\x89PNG\r\n\x1a\n") || head.mid(12, 4) != "IHDR")
        return false;
    const bool interlaced = head.at(28) != 0;
    return !interlaced && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32);
}

struct JpegFrame
{
    bool found = false;          // a frame header and the first scan header were read
    bool progressive = false;
    int components = 0;
    int firstScanComponents = 0;
};

bool isStartOfFrame(quint8 marker)
{
    return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

bool isProgressive(quint8 marker)
{
    return marker == 0xc2 || marker == 0xc6 || marker == 0xca || marker == 0xce;
}

// Walks the segments of a JPEG up to its first scan. Only the frame and scan headers matter:
// they tell whether the decoder must keep the coefficients of the whole picture.
JpegFrame readJpegFrame(QFile &file)
{
    JpegFrame frame;
    if (file.read(2) != QByteArray("\xff\xd8", 2))
        return frame;
    for (int segment = 0; segment < 1024; ++segment) {
        char byte = 0;
        if (!file.getChar(&byte) || quint8(byte) != 0xff)
            return frame;
        quint8 marker = 0xff;
        while (marker == 0xff) {
            if (!file.getChar(&byte))
                return frame;
            marker = quint8(byte);
        }
        const bool standalone = marker == 0x01 || (marker >= 0xd0 && marker <= 0xd8);
        if (standalone)
            continue;
        const QByteArray lengthBytes = file.read(2);
        if (lengthBytes.size() < 2)
            return frame;
        const int length = qFromBigEndian<quint16>(lengthBytes.constData());
        if (length < 2)
            return frame;
        const qint64 next = file.pos() + length - 2;
        if (marker == 0xda) {
            if (!file.getChar(&byte) || frame.components == 0)
                return frame;
            frame.firstScanComponents = quint8(byte);
            frame.found = true;
            return frame;
        }
        if (isStartOfFrame(marker)) {
            const QByteArray body = file.read(6); // precision, height, width, component count
            if (body.size() < 6)
                return frame;
            frame.progressive = isProgressive(marker);
            frame.components = quint8(body.at(5));
        }
        if (!file.seek(next))
            return frame;
    }
    return frame;
}

// Qt's GIF decoder paints the frames onto a picture of the logical screen size in the file's
// header, while the size it tells ahead is that of the first frame: a few bytes can claim a
// screen of gigabytes behind a frame of one pixel. The header is not checked for its signature
// first, so neither is it here.
QSize gifScreenSize(QFile &file)
{
    const QByteArray head = file.read(10);
    if (head.size() < 10)
        return QSize();
    return QSize(qFromLittleEndian<quint16>(head.constData() + 6),
                 qFromLittleEndian<quint16>(head.constData() + 8));
}

bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// The reader must be open on the file at path. The header is walked on a second handle of its own,
// so the decoder's position in the first is left alone.
PictureReader::Header readHeader(QImageReader &reader, const QString &path)
{
    PictureReader::Header header;
    const QSize storedSize = reader.size();
    if (!storedSize.isValid() || storedSize.isEmpty())
        return header;

    const QByteArray kind = reader.format();
    QFile file;
    const bool opened = RegularFile::openForReading(file, path);
    QSize size = storedSize;
    if (opened && kind == "gif") {
        size = size.expandedTo(gifScreenSize(file));
        file.seek(0);
    }

    const QImage::Format format = reader.imageFormat();
    // Decoders that do not tell their format ahead (GIF) end in a 32-bit picture.
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 pixels = qint64(size.width()) * size.height();
    header.transformation = reader.transformation();
    header.size = turnsSideways(header.transformation) ? size.transposed() : size;
    header.decodedBytes = bytesFor(pixels, bits);
    // Turning the picture makes a second picture of the same size.
    if (header.transformation != QImageIOHandler::TransformationNone)
        header.decodedBytes = header.decodedBytes > std::numeric_limits<qint64>::max() / 2
            ? std::numeric_limits<qint64>::max()
            : 2 * header.decodedBytes;

    if (!opened)
        return header;
    if (kind == "png") {
        header.decodesReduced = pngDecodesReduced(file, format);
        return header;
    }
    if (kind != "jpeg")
        return header;

    const JpegFrame frame = readJpegFrame(file);
    // Progressive pictures and pictures whose first scan leaves out colour components are
    // decoded into a buffer of all coefficients (two bytes each) before any line comes out.
    const bool buffered = !frame.found || frame.progressive
        || frame.firstScanComponents < frame.components;
    header.decodesReduced = !buffered;
    if (buffered) {
        const int components = frame.components > 0 ? frame.components : 4;
        const qint64 coefficients = bytesFor(pixels, 16 * components);
        header.decodedBytes = coefficients > std::numeric_limits<qint64>::max() - header.decodedBytes
            ? std::numeric_limits<qint64>::max()
            : header.decodedBytes + coefficients;
    }
    return header;
}

// A reader on the file at path when it is a regular file, turning the picture upright as its
// orientation tag says.
struct OpenPicture
{
    QFile file;
    QImageReader reader;

    bool open(const QString &path)
    {
        if (!RegularFile::openForReading(file, path))
            return false;
        reader.setDevice(&file);
        reader.setAutoTransform(true);
        return true;
    }
};

// The decoder scales before it turns: a size for the upright picture is given to it as stored.
void setScaledUprightSize(QImageReader &reader, const PictureReader::Header &header, const QSize &upright)
{
    reader.setScaledSize(turnsSideways(header.transformation) ? upright.transposed() : upright);
}

// As Qt's decoders turn what they read: mirror or flip first, then a quarter turn clockwise.
QImage turned(const QImage &image, QImageIOHandler::Transformations transformation)
{
    const QImage mirrored = image.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                           transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (!turnsSideways(transformation))
        return mirrored;
    return mirrored.transformed(QTransform().rotate(90));
}

// The EXIF block lies in the APP1 segment near the start of the file, at most 64 KB long.
const qint64 ExifSearchBytes = 128 * 1024;

// The JPEG thumbnail stored in the EXIF block, as it is in the file.
QByteArray exifThumbnailBytes(const QString &path)
{
    QFile file;
    if (!RegularFile::openForReading(file, path))
        return QByteArray();
    const QByteArray head = file.read(ExifSearchBytes);
    std::unique_ptr<ExifData, void (*)(ExifData *)> exif(exif_data_new(), exif_data_unref);
    if (!exif || head.size() < 4)
        return QByteArray();
    // Loading as the standard would have it adds and changes tags; only the thumbnail is wanted.
    exif_data_unset_option(exif.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(exif.get(), reinterpret_cast<const unsigned char *>(head.constData()),
                        unsigned(head.size()));
    if (!exif->data || exif->size == 0)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(exif->data), int(exif->size));
}

bool sameShape(const QSize &a, const QSize &b)
{
    // Within 3 % and a pixel of rounding: thumbnails are made at whole pixels.
    const qint64 cross = qAbs(qint64(a.width()) * b.height() - qint64(a.height()) * b.width());
    return cross <= qint64(b.width()) + qint64(b.height()) + 3 * qint64(a.width()) * b.height() / 100;
}

} // namespace

PictureReader::Header PictureReader::inspect(const QString &path)
{
    OpenPicture picture;
    if (!picture.open(path))
        return Header();
    return readHeader(picture.reader, path);
}

bool PictureReader::fitsFullSize(const Header &header)
{
    const qint64 pixels = qint64(header.size.width()) * header.size.height();
    return header.size.isValid() && pixels <= MaxPixels && header.decodedBytes <= MaxDecodedBytes;
}

QImage PictureReader::readPicture(const QString &path)
{
    OpenPicture picture;
    if (!picture.open(path))
        return QImage();
    const Header header = readHeader(picture.reader, path);
    if (!header.size.isValid())
        return QImage();
    if (!fitsFullSize(header)) {
        if (!header.decodesReduced)
            return QImage();
        setScaledUprightSize(picture.reader, header, reducedSize(header.size));
    }
    return picture.reader.read();
}

QImage PictureReader::readThumbnail(const QString &path, const QSize &bound)
{
    return readScaled(path, bound, Enlarge::Yes);
}

QImage PictureReader::readWithin(const QString &path, const QSize &bound)
{
    return readScaled(path, bound, Enlarge::No);
}

QImage PictureReader::readScaled(const QString &path, const QSize &bound, Enlarge enlarge)
{
    OpenPicture picture;
    if (bound.isEmpty() || !picture.open(path))
        return QImage();
    const Header header = readHeader(picture.reader, path);
    if (!header.size.isValid())
        return QImage();
    if (!header.decodesReduced && !fitsFullSize(header))
        return QImage();
    QSize size = header.size.scaled(bound, Qt::KeepAspectRatio);
    if (enlarge == Enlarge::No)
        size = size.boundedTo(header.size);
    setScaledUprightSize(picture.reader, header, size.expandedTo(QSize(1, 1)));
    return picture.reader.read();
}

QSize PictureReader::reducedSize(const QSize &size)
{
    // Asking for exactly a half, quarter or eighth (rounded down) makes the JPEG decoder work at
    // that step; a size just above it would make it decode at the next larger step and scale down.
    for (int divisor : {2, 4, 8}) {
        const QSize reduced(size.width() / divisor, size.height() / divisor);
        if (qMax(reduced.width(), reduced.height()) <= MaxReducedSide)
            return reduced.expandedTo(QSize(1, 1));
    }
    return size.scaled(MaxReducedSide, MaxReducedSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage PictureReader::readExifThumbnail(const QString &path, const QSize &bound)
{
    OpenPicture picture;
    if (bound.isEmpty() || !picture.open(path) || picture.reader.format() != "jpeg")
        return QImage();
    const Header header = readHeader(picture.reader, path);
    if (!header.size.isValid())
        return QImage();

    QByteArray bytes = exifThumbnailBytes(path);
    if (bytes.isEmpty())
        return QImage();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty() || stored.width() > MaxExifThumbnailSide
        || stored.height() > MaxExifThumbnailSide)
        return QImage();
    const QSize upright = turnsSideways(header.transformation) ? stored.transposed() : stored;
    const QSize needed = header.size.scaled(bound, Qt::KeepAspectRatio).boundedTo(header.size);
    if (!sameShape(upright, header.size) || upright.width() < needed.width()
        || upright.height() < needed.height())
        return QImage();
    const QImage thumbnail = reader.read();
    if (thumbnail.isNull())
        return QImage();
    return turned(thumbnail, header.transformation);
}
