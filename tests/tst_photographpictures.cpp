#include "PictureReader.h"
#include "tst_photographfiles.h"

#include <QtTest>

using namespace testfiles;

namespace {

// An APP1 segment holding an EXIF block with nothing but the orientation tag (0x0112), in
// little-endian TIFF order. Qt writes no EXIF, so it is built byte by byte.
QByteArray exifOrientation(quint16 orientation)
{
    QByteArray tiff("II\x2a\x00\x08\x00\x00\x00", 8);           // header, first directory at 8
    tiff += QByteArray("\x01\x00", 2);                              // one entry
    tiff += QByteArray("\x12\x01\x03\x00\x01\x00\x00\x00", 8);     // orientation, SHORT, count 1
    tiff += char(orientation & 0xff);
    tiff += char(orientation >> 8);
    tiff += QByteArray(2, '\0');                                     // value padded to four bytes
    tiff += QByteArray(4, '\0');                                     // no further directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const int length = payload.size() + 2;
    segment += char(length >> 8);
    segment += char(length & 0xff);
    return segment + payload;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qBlue(pixel) < 60;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60;
}

} // namespace

// Reading pictures that come from anywhere: ordinary files at full size and as thumbnails,
// truncated and corrupt files of every kind, headers that claim enormous sizes, and bombs whose
// few bytes inflate to gigabytes.
class PhotographPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void ordinaryPicturesReadAtFullSize_data();
    void ordinaryPicturesReadAtFullSize();
    void thumbnailsFitTheirBoundKeepingShape_data();
    void thumbnailsFitTheirBoundKeepingShape();

    void damagedFilesReadAsNothingOrTheirOwnSize_data();
    void damagedFilesReadAsNothingOrTheirOwnSize();

    void decodersThatHoldTheWholePictureAreKnown();
    void tooLargePicturesAreReducedInSteps();
    void hugeHeadersNeverDecodeAtFullSize_data();
    void hugeHeadersNeverDecodeAtFullSize();
    void bombsStayWithinMemory();
    void orientationTagTurnsPicturesUpright();

private:
    QString put(const QString &name, const QByteArray &bytes);

    QTemporaryDir folder;
    long startMemory = 0;
};

void PhotographPicturesTest::initTestCase()
{
    QVERIFY(folder.isValid());
    startMemory = peakMemoryMiB();
}

QString PhotographPicturesTest::put(const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    if (!write(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void PhotographPicturesTest::ordinaryPicturesReadAtFullSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bmp") << "a.bmp" << encoded(picture(40, 30), "bmp") << QSize(40, 30);
    QTest::newRow("jpg") << "a.jpg" << encoded(picture(640, 480), "jpeg") << QSize(640, 480);
    QTest::newRow("progressive jpeg") << "a.jpeg" << encoded(picture(64, 48), "jpeg", true)
                                      << QSize(64, 48);
    QTest::newRow("png") << "a.png" << encoded(picture(1366, 20), "png") << QSize(1366, 20);
    QTest::newRow("gif") << "a.gif" << gif() << QSize(1, 1);
    QTest::newRow("png named jpg") << "b.jpg" << encoded(picture(30, 20), "png") << QSize(30, 20);
}

void PhotographPicturesTest::ordinaryPicturesReadAtFullSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    const QImage image = PictureReader::readPicture(put(name, bytes));
    QCOMPARE(image.size(), size);
}

void PhotographPicturesTest::thumbnailsFitTheirBoundKeepingShape_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::newRow("wide jpg") << "t.jpg" << encoded(picture(4000, 3000), "jpeg") << QSize(56, 42);
    QTest::newRow("tall png") << "t.png" << encoded(picture(30, 60), "png") << QSize(25, 50);
    QTest::newRow("bmp") << "t.bmp" << encoded(picture(560, 500), "bmp") << QSize(56, 50);
    QTest::newRow("small gif grows") << "t.gif" << gif() << QSize(50, 50);
}

void PhotographPicturesTest::thumbnailsFitTheirBoundKeepingShape()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    const QImage image = PictureReader::readThumbnail(put(name, bytes), QSize(56, 50));
    QCOMPARE(image.size(), size);
}

void PhotographPicturesTest::damagedFilesReadAsNothingOrTheirOwnSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray jpeg = encoded(picture(640, 480), "jpeg");
    const QByteArray progressive = encoded(picture(640, 480), "jpeg", true);
    const QByteArray png = encoded(picture(640, 480), "png");
    const QByteArray bmp = encoded(picture(640, 480), "bmp");
    QTest::newRow("jpg half") << "h.jpg" << jpeg.left(jpeg.size() / 2);
    QTest::newRow("jpg header only") << "s.jpg" << jpeg.left(300);
    QTest::newRow("jpeg progressive half") << "h.jpeg" << progressive.left(progressive.size() / 2);
    QTest::newRow("png half") << "h.png" << png.left(png.size() / 2);
    QTest::newRow("png signature only") << "s.png" << png.left(8);
    QTest::newRow("bmp half") << "h.bmp" << bmp.left(bmp.size() / 2);
    QTest::newRow("gif cut") << "h.gif" << gif().left(20);
    QTest::newRow("garbage jpg") << "g.jpg" << QByteArray(5000, 'x');
    QTest::newRow("empty png") << "e.png" << QByteArray();
    QByteArray flipped = jpeg;
    for (int i = 600; i < flipped.size() - 2; i += 97)
        flipped[i] = char(~flipped[i]);
    QTest::newRow("jpg corrupt data") << "c.jpg" << flipped;
    QTest::newRow("bmp claims negative size") << "n.bmp" << bmpClaiming(-5, -5);
    QTest::newRow("gif claims zero size") << "z.gif" << gifClaiming(0, 0);
}

void PhotographPicturesTest::damagedFilesReadAsNothingOrTheirOwnSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = put(name, bytes);

    const QImage picture = PictureReader::readPicture(path);
    QVERIFY(picture.isNull() || picture.size() == QSize(640, 480));
    const QImage thumbnail = PictureReader::readThumbnail(path, QSize(56, 50));
    QVERIFY(thumbnail.isNull() || thumbnail.size() == QSize(56, 42));
}

void PhotographPicturesTest::decodersThatHoldTheWholePictureAreKnown()
{
    const auto reduces = [this](const QString &name, const QByteArray &bytes) {
        return PictureReader::inspect(put(name, bytes)).decodesReduced;
    };
    QVERIFY(reduces("i.jpg", encoded(picture(64, 48), "jpeg")));
    QVERIFY(!reduces("i.jpeg", encoded(picture(64, 48), "jpeg", true)));
    QVERIFY(reduces("i.png", pngOfZeros(64, 48)));
    QVERIFY(!reduces("il.png", pngOfZeros(64, 48, 6, true)));
    QVERIFY(!reduces("g.png", pngOfZeros(64, 48, 0)));
    QVERIFY(!reduces("i.gif", gif()));
    QVERIFY(!reduces("i.bmp", encoded(picture(8, 8), "bmp")));

    const PictureReader::Header header = PictureReader::inspect(put("j.jpg", jpegClaiming(60000, 60000)));
    QCOMPARE(header.size, QSize(60000, 60000));
    QVERIFY(!PictureReader::fitsFullSize(header));
    QVERIFY(PictureReader::inspect(put("none.png", QByteArray("not a picture"))).size.isEmpty());
}

void PhotographPicturesTest::tooLargePicturesAreReducedInSteps()
{
    QCOMPARE(PictureReader::reducedSize(QSize(60000, 60000)), QSize(7500, 7500));
    QCOMPARE(PictureReader::reducedSize(QSize(12000, 9000)), QSize(6000, 4500));
    QCOMPARE(PictureReader::reducedSize(QSize(20000, 100)), QSize(5000, 25));
    QCOMPARE(PictureReader::reducedSize(QSize(100000, 10)), QSize(8192, 1));
}

void PhotographPicturesTest::hugeHeadersNeverDecodeAtFullSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("png") << "huge.png" << pngClaiming(60000, 60000);
    QTest::newRow("jpg") << "huge.jpg" << jpegClaiming(60000, 60000);
    QTest::newRow("progressive jpeg") << "huge.jpeg" << jpegClaiming(60000, 60000, true);
    QTest::newRow("gif") << "huge.gif" << gifClaiming(60000, 60000);
    QTest::newRow("bmp") << "huge.bmp" << bmpClaiming(60000, 60000);
}

void PhotographPicturesTest::hugeHeadersNeverDecodeAtFullSize()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = put(name, bytes);

    const QImage picture = PictureReader::readPicture(path);
    QVERIFY(picture.isNull() || qMax(picture.width(), picture.height()) <= PictureReader::MaxReducedSide);
    const QImage thumbnail = PictureReader::readThumbnail(path, QSize(56, 50));
    QVERIFY(thumbnail.isNull() || thumbnail.size() == QSize(50, 50));
    QVERIFY2(peakMemoryMiB() - startMemory < 600, qPrintable(QString::number(peakMemoryMiB())));
}

void PhotographPicturesTest::bombsStayWithinMemory()
{
    // Each of these inflates to more than a gigabyte if decoded whole.
    const QString interlaced = put("bomb1.png", pngOfZeros(12000, 12000, 6, true));
    QVERIFY(PictureReader::readPicture(interlaced).isNull());
    QVERIFY(PictureReader::readThumbnail(interlaced, QSize(56, 50)).isNull());

    const QString progressive = put("bomb2.jpeg", jpegClaiming(20000, 20000, true));
    QVERIFY(PictureReader::readPicture(progressive).isNull());
    QVERIFY(PictureReader::readThumbnail(progressive, QSize(56, 50)).isNull());

    // Read row by row, this one costs only its reduced picture.
    const QString rows = put("bomb3.png", pngOfZeros(10002, 10000));
    const QImage reduced = PictureReader::readPicture(rows);
    QCOMPARE(reduced.size(), QSize(5001, 5000));
    QCOMPARE(reduced.pixel(2500, 2500), qRgba(0, 0, 0, 0));

    QVERIFY2(peakMemoryMiB() - startMemory < 600, qPrintable(QString::number(peakMemoryMiB())));
}

// A phone stores a portrait photograph lying on its side with the tag "turn 90 degrees clockwise"
// (6): it is shown standing, at full size and as a thumbnail fitted as it stands.
void PhotographPicturesTest::orientationTagTurnsPicturesUpright()
{
    QImage lying(40, 20, QImage::Format_RGB32);
    lying.fill(Qt::blue);
    QPainter(&lying).fillRect(0, 0, 20, 20, Qt::red);
    QByteArray bytes = encoded(lying, "jpeg");
    QVERIFY(bytes.startsWith("\xff\xd8"));
    bytes.insert(2, exifOrientation(6));
    const QString path = put(QStringLiteral("portrait.jpg"), bytes);

    QCOMPARE(PictureReader::inspect(path).size, QSize(20, 40));
    const QImage shown = PictureReader::readPicture(path);
    QCOMPARE(shown.size(), QSize(20, 40));
    // The left of the stored picture is the top of the standing one.
    QVERIFY(isRed(shown.pixel(10, 5)));
    QVERIFY(isBlue(shown.pixel(10, 35)));

    const QImage thumbnail = PictureReader::readThumbnail(path, QSize(56, 50));
    QCOMPARE(thumbnail.size(), QSize(25, 50));
    QVERIFY(isRed(thumbnail.pixel(12, 5)));
    QVERIFY(isBlue(thumbnail.pixel(12, 45)));
}

QTEST_GUILESS_MAIN(PhotographPicturesTest)
#include "tst_photographpictures.moc"
