#ifndef PICTUREREADER_H
#define PICTUREREADER_H

#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

// Reads picture files from folders the user points at, which may hold anything: a header can
// claim any size, and a decoder allocates what the header claims before it reads a single pixel.
// Every picture file the program shows goes through here, so the size rules live in one place.
//
// A picture of at most MaxPixels whose decode needs at most MaxDecodedBytes is read at full size.
// A larger one is read only where the decoder can produce a smaller picture without ever holding
// the whole one (sequential JPEG, 8-bit colour PNG without interlacing); every other large
// picture reads as a null image, which shows black.
//
// Pictures are shown upright as their orientation tag (EXIF) says; sizes here are those of the
// upright picture. Only regular files are read (RegularFile): a name that leads to a pipe or a
// device reads as a null image at once.
class PictureReader
{
public:
    static constexpr qint64 MaxPixels = 100000000;
    static constexpr qint64 MaxDecodedBytes = qint64(1) << 30;
    // Longer side of a picture that was too large to be read at full size.
    static constexpr int MaxReducedSide = 8192;

    // What a file tells about itself before anything is decoded.
    struct Header
    {
        QSize size;                   // upright; invalid when the file is no picture the decoders know
        qint64 decodedBytes = 0;      // memory a full-size decode needs, turning included
        QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone;
        bool decodesReduced = false;  // a smaller picture can be decoded without the whole one
    };

    static Header inspect(const QString &path);
    static bool fitsFullSize(const Header &header);

    // The picture for showing: full size, or reduced to at most MaxReducedSide on its longer
    // side when it is too large for that; null when it cannot be read safely or at all.
    static QImage readPicture(const QString &path);

    // The picture scaled to fit bound, keeping its aspect ratio; null when it cannot be read
    // safely or at all. Decoders that can decode at reduced size are asked to.
    static QImage readThumbnail(const QString &path, const QSize &bound);
    // As readThumbnail, but a picture that already fits bound is read at its own size.
    static QImage readWithin(const QString &path, const QSize &bound);

    // The small picture a camera stores in the EXIF data of a JPEG, upright as the picture is, at
    // its stored size. Null when there is none, when it is not of the picture's shape (some
    // cameras pad it with bars), or when it is smaller than the picture fitted into bound.
    static QImage readExifThumbnail(const QString &path, const QSize &bound);
    // Largest side of an EXIF thumbnail that is decoded at all; the format allows 64 KB for it.
    static constexpr int MaxExifThumbnailSide = 1024;

    // The size a too large picture is read at: the largest of its half, quarter and eighth that
    // fits MaxReducedSide (JPEG decodes those steps natively), else fitted to MaxReducedSide.
    static QSize reducedSize(const QSize &size);

    PictureReader() = delete;

private:
    enum class Enlarge { No, Yes };
    static QImage readScaled(const QString &path, const QSize &bound, Enlarge enlarge);
};

#endif
