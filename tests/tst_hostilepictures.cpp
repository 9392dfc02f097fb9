// A folder of hostile pictures opened the way the photograph mode opens one: BMP, JPEG, PNG and
// GIF files cut short at many places, with bits flipped in the header and all over, with chunk
// checksums mended after the damage so the decoder goes on reading, and with headers that claim
// sizes from nothing to gigapixels. The photograph source shows each one and the thumbnail strip's
// loader thread reads them all: nothing may crash or hang, memory stays bounded, and every
// picture that does come back is of a size the reader allows.
#include "HorizontalSlider.h"
#include "ICaptureCB.h"
#include "PhotographSource.h"
#include "PictureReader.h"
#include "ThumbnailButton.h"
#include "ThumbnailLoader.h"
#include "ThumbnailWidget.h"
#include "tst_blockingfiles.h"
#include "tst_photographfiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace testfiles;

namespace {

using testmemory::MeasuresMemory;

// A picture too large for full size is still read reduced, up to MaxReducedSide on its longer
// side: one such picture may take its 256 MiB, and the rest of the folder little besides.
constexpr long MemoryBoundMiB =
    long(qint64(PictureReader::MaxReducedSide) * PictureReader::MaxReducedSide * 4 / (1024 * 1024)) + 128;

// Stands in for the photograph canvas: keeps the size of every picture it is given.
class Receiver : public ICaptureCB
{
public:
    QList<QSize> sizes;

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &image) override { sizes << image.size(); }
};

// The photograph page as the main window builds it.
struct Page
{
    Receiver receiver;
    QWidget window;
    QWidget *canvas = new QWidget(&window);
    PhotographSource *source = new PhotographSource(&receiver, &window);
    HorizontalSlider *slider = new HorizontalSlider(QImage(), &window);
    ThumbnailWidget *strip = new ThumbnailWidget(source, slider, canvas);

    ThumbnailLoader *loader() const { return strip->findChild<ThumbnailLoader *>(); }
    // Waits until the selected picture has reached the canvas; pictures are decoded off the
    // user-interface thread.
    bool shown() const
    {
        if (source->isShown())
            return true;
        QSignalSpy spy(source, SIGNAL(photographShown(int)));
        return spy.wait(10000);
    }
};

// A GIF written without compression: every code is a literal, and a clear code comes before the
// table would widen the codes, so the codes stay nine bits. 256 grey levels, one byte a pixel.
QByteArray gifPicture(quint16 width, quint16 height)
{
    QByteArray bytes("GIF89a");
    QByteArray size(4, 0);
    qToLittleEndian<quint16>(width, size.data());
    qToLittleEndian<quint16>(height, size.data() + 2);
    bytes += size + QByteArray("\xf7\x00\x00", 3);   // global table of 256 colours
    for (int i = 0; i < 256; ++i)
        bytes += QByteArray(3, char(i));
    bytes += QByteArray("\x2c\0\0\0\0", 5) + size + QByteArray("\x00\x08", 2);

    QByteArray codes;
    quint32 bits = 0;
    int used = 0;
    auto put = [&](quint32 code) {
        bits |= code << used;
        used += 9;
        while (used >= 8) {
            codes += char(bits & 0xff);
            bits >>= 8;
            used -= 8;
        }
    };
    const int pixels = width * height;
    for (int i = 0; i < pixels; ++i) {
        if (i % 250 == 0)
            put(256);   // clear
        put(quint32((i * 7 + i / width * 13) & 0xff));
    }
    put(257);   // end
    if (used > 0)
        codes += char(bits & 0xff);
    for (int i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        bytes += char(block.size()) + block;
    }
    return bytes + QByteArray("\x00\x3b", 2);
}

QByteArray flipBits(QByteArray bytes, quint32 seed, int count, int within)
{
    QRandomGenerator generator(seed);
    const int span = qMin(within, bytes.size());
    for (int i = 0; i < count && span > 0; ++i) {
        const int at = int(generator.bounded(span));
        bytes[at] = char(bytes.at(at) ^ (1 << generator.bounded(8)));
    }
    return bytes;
}

// Recomputes the checksum of every PNG chunk, so damage inside a chunk reaches the decoder.
QByteArray mendPngChecksums(QByteArray bytes)
{
    int at = 8;
    while (at + 12 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        if (length > quint32(bytes.size() - at - 12))
            break;
        const quint32 crc = crc32(bytes.mid(at + 4, int(length) + 4));
        qToBigEndian<quint32>(crc, bytes.data() + at + 8 + int(length));
        at += 12 + int(length);
    }
    return bytes;
}

// A BMP whose information header field at offset (from the file start) holds value.
QByteArray bmpWith(int offset, quint32 value)
{
    QByteArray bytes = encoded(picture(40, 30), "bmp");
    qToLittleEndian<quint32>(value, bytes.data() + offset);
    return bytes;
}

// A 1 x 1 GIF whose logical screen, which the decoder allocates, is width x height.
QByteArray gifScreen(quint16 width, quint16 height)
{
    QByteArray bytes = gif();
    qToLittleEndian<quint16>(width, bytes.data() + 6);
    qToLittleEndian<quint16>(height, bytes.data() + 8);
    return bytes;
}

struct Sample
{
    const char *kind;
    QByteArray bytes;
};

} // namespace

class HostilePicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyHostilePictureOpensSafely();
    void oversizedHeadersAreRefusedWithoutTheirMemory();
    void pipesAndDevicesReadAsNothingAtOnce();

private:
    void addVariants(const Sample &sample);
    void put(const QString &name, const QByteArray &bytes);

    QTemporaryDir folder;
    QStringList names;
};

void HostilePicturesTest::put(const QString &name, const QByteArray &bytes)
{
    QVERIFY(write(folder.filePath(name), bytes));
    names << name;
}

// Cuts, scattered flips, flips in the header, and for PNG the same flips behind mended checksums.
void HostilePicturesTest::addVariants(const Sample &sample)
{
    const QByteArray &whole = sample.bytes;
    const int n = whole.size();
    const QString kind = QLatin1String(sample.kind);
    const QString stem = kind.section(QLatin1Char('.'), 0, 0);
    const QString suffix = kind.section(QLatin1Char('.'), 1);
    auto name = [&](const char *what, int i) {
        return QStringLiteral("%1-%2-%3.%4").arg(stem, QLatin1String(what)).arg(i, 5, 10, QLatin1Char('0')).arg(suffix);
    };
    put(name("whole", 0), whole);
    const int cuts[] = {0, 1, 2, 6, 10, 14, 26, 40, 60, 100, 200, n / 8, n / 4, n / 2, 3 * n / 4, n - 10, n - 2, n - 1};
    for (int cut : cuts) {
        if (cut >= 0 && cut < n)
            put(name("cut", cut), whole.left(cut));
    }
    for (quint32 seed = 1; seed <= 12; ++seed) {
        put(name("header", int(seed)), flipBits(whole, seed, 1 + int(seed % 4), 128));
        put(name("scattered", int(seed)), flipBits(whole, seed * 7919, 16, n));
        if (suffix == QLatin1String("png")) {
            put(name("mendedheader", int(seed)), mendPngChecksums(flipBits(whole, seed, 1 + int(seed % 4), 40)));
            put(name("mended", int(seed)), mendPngChecksums(flipBits(whole, seed * 31, 24, n)));
        }
    }
}

void HostilePicturesTest::initTestCase()
{
    QVERIFY(folder.isValid());
    const Sample samples[] = {
        {"bmp.bmp", encoded(picture(120, 90), "bmp")},
        {"indexed.bmp", encoded(picture(60, 40).convertToFormat(QImage::Format_Indexed8), "bmp")},
        {"jpeg.jpg", encoded(picture(320, 240), "jpeg")},
        {"progressive.jpeg", encoded(picture(160, 120), "jpeg", true)},
        {"png.png", encoded(picture(200, 150), "png")},
        {"paletted.png", encoded(picture(80, 60).convertToFormat(QImage::Format_Indexed8), "png")},
        {"gif.gif", gifPicture(64, 48)},
    };
    for (const Sample &sample : samples)
        addVariants(sample);

    // Headers claiming sizes: none, negative, one pixel wide and endless, just past the reader's
    // limit and far past it, with the pixel data of a small picture behind them.
    put("claim-zero.bmp", bmpClaiming(0, 0));
    put("claim-negative.bmp", bmpClaiming(-40, -30));
    put("claim-most-negative.bmp", bmpClaiming(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::min()));
    put("claim-topdown.bmp", bmpClaiming(8, -8));
    put("claim-tall.bmp", bmpClaiming(1, 200000000));
    put("claim-huge.bmp", bmpClaiming(65535, 65535));
    put("claim-bits0.bmp", bmpWith(28, 0));          // bits per pixel
    put("claim-bits64.bmp", bmpWith(28, 64));
    put("claim-compression.bmp", bmpWith(30, 77));
    put("claim-colours.bmp", bmpWith(46, 0xffffffffu));
    put("claim-offset.bmp", bmpWith(10, 0x7ffffff0u));  // pixel data far past the end
    put("claim-headersize.bmp", bmpWith(14, 0xfffffff0u));
    put("claim-zero.jpg", jpegClaiming(0, 0));
    put("claim-limit.jpg", jpegClaiming(10001, 10000));
    put("claim-huge.jpg", jpegClaiming(65535, 65535));
    put("claim-huge.jpeg", jpegClaiming(65500, 65500, true));
    put("claim-zero.png", pngClaiming(0, 0));
    put("claim-limit.png", pngClaiming(10001, 10000));
    put("claim-wide.png", pngClaiming(0x7fffffffu, 1));
    put("claim-huge.png", pngClaiming(0x7fffffffu, 0x7fffffffu));
    put("claim-beyond.png", pngClaiming(0xffffffffu, 0xffffffffu));
    put("claim-zero.gif", gifClaiming(0, 0));
    put("claim-huge.gif", gifClaiming(65535, 65535));
    put("claim-screen.gif", gifClaiming(65535, 1));
    put("claim-screen-only.gif", gifScreen(16000, 16000));
}

// The whole folder: the source shows every picture in turn, and the strip's loader reads every
// thumbnail on its own thread.
void HostilePicturesTest::everyHostilePictureOpensSafely()
{
    const long before = peakMemoryMiB();
    Page page;
    page.strip->resize(800, 60);
    names.sort();
    QVERIFY(page.source->open(QDir(folder.path()), names.first()));
    QCOMPARE(page.source->count(), names.size());
    QVERIFY(page.shown());
    for (int i = 1; i < names.size(); ++i) {
        page.source->next();
        QVERIFY2(page.shown(), qPrintable(names.at(i)));
    }
    page.loader()->wait();
    QCoreApplication::sendPostedEvents();

    QCOMPARE(page.receiver.sizes.size(), names.size());
    int shown = 0;
    for (int i = 0; i < names.size(); ++i) {
        const QSize size = page.receiver.sizes.at(i);
        if (size.isEmpty())
            continue;
        ++shown;
        QVERIFY2(qint64(size.width()) * size.height() <= PictureReader::MaxPixels, qPrintable(names.at(i)));
    }
    // The undamaged pictures at least are shown.
    QVERIFY(shown >= 7);

    const QList<ThumbnailButton *> &buttons = page.strip->thumbnailButtons();
    QCOMPARE(buttons.size(), names.size());
    int thumbnails = 0;
    for (int i = 0; i < buttons.size(); ++i) {
        if (!buttons.at(i)->hasImage)
            continue;
        ++thumbnails;
        const QSize size = buttons.at(i)->image.size();
        QVERIFY2(size.width() <= ThumbnailButton::ThumbnailSize.width()
                     && size.height() <= ThumbnailButton::ThumbnailSize.height(),
                 qPrintable(names.at(i)));
    }
    QVERIFY(thumbnails >= 7);
    qInfo("%d files: %d shown, %d thumbnails; peak memory grew by %ld MiB", int(names.size()), shown,
          thumbnails, peakMemoryMiB() - before);

    if (MeasuresMemory)
        QVERIFY2(peakMemoryMiB() - before < MemoryBoundMiB,
                 qPrintable(QStringLiteral("peak grew by %1 MiB").arg(peakMemoryMiB() - before)));
}

// Headers past the reader's limit are never decoded at full size: no picture, and no memory.
void HostilePicturesTest::oversizedHeadersAreRefusedWithoutTheirMemory()
{
    const long before = peakMemoryMiB();
    const char *const refused[] = {"claim-tall.bmp", "claim-huge.bmp", "claim-huge.jpeg", "claim-wide.png",
                                   "claim-huge.png", "claim-beyond.png", "claim-huge.gif",
                                   "claim-screen-only.gif"};
    for (const char *name : refused) {
        const QString path = folder.filePath(QLatin1String(name));
        QVERIFY2(PictureReader::readPicture(path).isNull(), name);
        QVERIFY2(PictureReader::readThumbnail(path, ThumbnailButton::ThumbnailSize).isNull(), name);
    }
    if (MeasuresMemory)
        QVERIFY2(peakMemoryMiB() - before < 64,
                 qPrintable(QStringLiteral("peak grew by %1 MiB").arg(peakMemoryMiB() - before)));
}

// Named pipes and devices under picture names, directly and through links: the picture and its
// thumbnail read as nothing, without waiting for a writer that never comes.
void HostilePicturesTest::pipesAndDevicesReadAsNothingAtOnce()
{
    QTemporaryDir devices;
    QVERIFY(devices.isValid());
    const QDir dir(devices.path());
    const QString pipe = dir.filePath(QStringLiteral("b-pipe.jpg"));
    QVERIFY(blockingfiles::makePipe(pipe));
    QVERIFY(QFile::link(pipe, dir.filePath(QStringLiteral("c-linked-pipe.png"))));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("d-device.bmp"))));
    QVERIFY(write(dir.filePath(QStringLiteral("a.png")), encoded(picture(16, 12), "png")));

    blockingfiles::Watchdog watchdog({pipe});
    for (const QString &name : {"b-pipe.jpg", "c-linked-pipe.png", "d-device.bmp"}) {
        const QString path = dir.filePath(name);
        QVERIFY2(PictureReader::readPicture(path).isNull(), qPrintable(name));
        QVERIFY2(PictureReader::readThumbnail(path, ThumbnailButton::ThumbnailSize).isNull(), qPrintable(name));
        QVERIFY2(!PictureReader::inspect(path).size.isValid(), qPrintable(name));
    }
    // The listing leaves the pipe itself out; the links are listed, selected and read.
    Page page;
    page.strip->resize(800, 60);
    QVERIFY(page.source->open(dir, QStringLiteral("a.png")));
    QVERIFY(page.shown());
    for (int i = 1; i < page.source->count(); ++i) {
        page.source->next();
        QVERIFY(page.shown());
    }
    QVERIFY(page.loader()->wait(10000));
    QVERIFY2(!watchdog.stop(), "a read waited on a pipe");
    QCOMPARE(page.receiver.sizes.size(), page.source->count());
    QVERIFY(page.source->count() >= 3);
    QCOMPARE(page.receiver.sizes.first(), QSize(16, 12));
    for (int i = 1; i < page.receiver.sizes.size(); ++i)
        QVERIFY(page.receiver.sizes.at(i).isEmpty());
}

QTEST_MAIN(HostilePicturesTest)
#include "tst_hostilepictures.moc"
