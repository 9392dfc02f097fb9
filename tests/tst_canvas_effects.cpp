#include "CanvasConstants.h"
#include "ImageCanvas.h"
#include "ImageEffect.h"
#include "ImageMask.h"
#include "ViewGeometry.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>
#include <QtTest>

namespace {

QImage randomPicture(int width, int height, QImage::Format format, quint32 seed)
{
    QImage image(width, height, format);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int i = 0; i < image.bytesPerLine(); ++i)
            line[i] = uchar(random.bounded(256));
    }
    if (format == QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

QImage rgb888Pixel(int r, int g, int b)
{
    QImage image(1, 1, QImage::Format_RGB888);
    uchar *p = image.scanLine(0);
    p[0] = uchar(r);
    p[1] = uchar(g);
    p[2] = uchar(b);
    return image;
}

bool isBlack(const QImage &image, int x, int y)
{
    return (image.pixel(x, y) & 0x00ffffff) == 0;
}

// The frame path as its steps read, on the whole turned frame, for comparison with the canvas,
// which only works on the part of the frame its view shows.
QImage referenceOutput(const QImage &frame, const ViewGeometry &view, int effect, int mask)
{
    QImage turned = frame;
    if (view.rotation)
        turned = frame.transformed(QTransform().rotate(90 * view.rotation));
    ImageEffect::apply(turned, effect);
    QImage cut = turned.copy(view.cutRect());
    ImageMask::apply(cut, mask);
    const QSize source = frame.size();
    if (cut.size() == source)
        return cut;
    const double r = std::min(double(source.width()) / cut.width(), double(source.height()) / cut.height());
    const int w = int(cut.width() * r);
    const int h = int(cut.height() * r);
    QImage scaled = cut.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (w >= source.width() && h >= source.height())
        return scaled;
    QImage boxed(source, QImage::Format_RGB888);
    boxed.fill(Qt::black);
    QPainter painter(&boxed);
    painter.drawImage(QPoint((source.width() - w) / 2, (source.height() - h) / 2), scaled);
    return boxed;
}

} // namespace

class TestCanvasEffects : public QObject
{
    Q_OBJECT

private slots:
    void constantLists();
    void greyWeighsColoursWhateverTheByteOrder();
    void negativeKeepsTheFourthByte();
    void mosaicBlocksAndEdges();
    void circleMask();
    void rectangleMask();
    void halfMasksOnOddSizes();
    void masksKeepTheFourthByte();
    void unknownValuesDoNothing();
    void framePathMatchesWholeFrameReference_data();
    void framePathMatchesWholeFrameReference();
};

void TestCanvasEffects::constantLists()
{
    QCOMPARE(CanvasConstants::effectKeys(),
             QStringList({"COLOR", "BW", "NEGATIVE", "MOSAIC"}));
    QCOMPARE(CanvasConstants::effectNames(),
             QStringList({"Color", "B & W", "Negative", "Mosaic"}));
    QCOMPARE(CanvasConstants::maskKeys(), QStringList({"", "CIRCLE", "RECTANGLE", "LEFT", "TOP"}));
    QCOMPARE(CanvasConstants::effectKey(7), QStringLiteral("COLOR"));
    QCOMPARE(CanvasConstants::maskKey(-1), QString());
    QCOMPARE(CanvasConstants::translatedEffectName(EffectBW), QStringLiteral("B & W"));

    QCOMPARE(CanvasConstants::namedColor("SKY").rgba(), 0xFF0000FFu);
    QCOMPARE(CanvasConstants::namedColor("YELLOW").rgba(), 0xFFFFFF00u);
    QVERIFY(!CanvasConstants::namedColor("NONE").isValid());
    QCOMPARE(CanvasConstants::lineColorNames(), QStringList({"BLACK", "RED", "YELLOW", "SKY", "NONE"}));
    QCOMPARE(CanvasConstants::lineColors().size(), 4);
    QCOMPARE(CanvasConstants::lineColors().at(1).rgba(), 0xFFFF0000u);
    QCOMPARE(CanvasConstants::textColorNames(), CanvasConstants::lineColorNames());
    QCOMPARE(CanvasConstants::backgroundColorNames(),
             QStringList({"WHITE", "BLACK", "YELLOW", "SKY", "NONE"}));
    QCOMPARE(CanvasConstants::backgroundColors().first().rgba(), 0xFFFFFFFFu);
    QCOMPARE(CanvasConstants::backgroundColors().size(), 4);
}

void TestCanvasEffects::greyWeighsColoursWhateverTheByteOrder()
{
    struct Case { int r, g, b, grey; };
    const Case cases[] = {{255, 0, 0, 79}, {0, 0, 255, 31}, {255, 255, 255, 255}, {0, 255, 0, 143},
                          {17, 34, 51, (5 * 17 + 9 * 34 + 2 * 51) >> 4}};
    for (const Case &c : cases) {
        QImage pixel = rgb888Pixel(c.r, c.g, c.b);
        ImageEffect::grey(pixel);
        const uchar *p = pixel.constScanLine(0);
        QCOMPARE(int(p[0]), c.grey);
        QCOMPARE(int(p[1]), c.grey);
        QCOMPARE(int(p[2]), c.grey);
    }
    // The camera's 32-bit frames store blue first, a photograph RGB888 red first: the same colour
    // greys alike from both, and from the other byte orders, and the fourth byte stays.
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_BGR888,
                                  QImage::Format_RGBA8888}) {
        for (const Case &c : cases) {
            QImage pixel(1, 1, format);
            pixel.fill(QColor(c.r, c.g, c.b, 200));
            const int alpha = qAlpha(pixel.pixel(0, 0));
            ImageEffect::grey(pixel);
            const QRgb grey = pixel.pixel(0, 0);
            QVERIFY2(qRed(grey) == c.grey && qGreen(grey) == c.grey && qBlue(grey) == c.grey,
                     qPrintable(QStringLiteral("format %1, colour %2 %3 %4 gave %5")
                                    .arg(format).arg(c.r).arg(c.g).arg(c.b).arg(grey, 8, 16)));
            QCOMPARE(qAlpha(grey), alpha);
        }
    }
}

void TestCanvasEffects::negativeKeepsTheFourthByte()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 128));
    image.setPixel(1, 0, qRgba(255, 0, 100, 255));
    ImageEffect::apply(image, EffectNegative);
    QCOMPARE(image.pixel(0, 0), qRgba(245, 235, 225, 128));
    QCOMPARE(image.pixel(1, 0), qRgba(0, 255, 155, 255));

    QImage odd = rgb888Pixel(1, 2, 3);
    ImageEffect::apply(odd, EffectNegative);
    QCOMPARE(QColor(odd.pixel(0, 0)), QColor(254, 253, 252));
}

void TestCanvasEffects::mosaicBlocksAndEdges()
{
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_ARGB32}) {
        const QImage original = randomPicture(10, 10, format, 7);
        QImage image = original;
        ImageEffect::mosaic(image);
        const int bpp = original.depth() / 8;
        // Blocks of 8 x 8, 2 x 8, 8 x 2 and 2 x 2, each one colour: its own truncated average.
        for (const QRect &block : {QRect(0, 0, 8, 8), QRect(8, 0, 2, 8), QRect(0, 8, 8, 2), QRect(8, 8, 2, 2)}) {
            int sums[3] = {0, 0, 0};
            for (int y = block.top(); y <= block.bottom(); ++y)
                for (int x = block.left(); x <= block.right(); ++x)
                    for (int i = 0; i < 3; ++i)
                        sums[i] += original.constScanLine(y)[x * bpp + i];
            const int count = block.width() * block.height();
            for (int y = block.top(); y <= block.bottom(); ++y) {
                for (int x = block.left(); x <= block.right(); ++x) {
                    const uchar *p = image.constScanLine(y) + x * bpp;
                    for (int i = 0; i < 3; ++i)
                        QCOMPARE(int(p[i]), sums[i] / count);
                    if (bpp == 4)
                        QCOMPARE(p[3], original.constScanLine(y)[x * bpp + 3]);
                }
            }
        }
    }
}

void TestCanvasEffects::circleMask()
{
    QImage view(1280, 720, QImage::Format_RGB888);
    view.fill(Qt::white);
    ImageMask::circle(view);
    QVERIFY(!isBlack(view, 640, 15));
    QVERIFY(isBlack(view, 640, 14));
    QVERIFY(!isBlack(view, 640 - 345, 360));
    QVERIFY(isBlack(view, 640 - 346, 360));
    QVERIFY(!isBlack(view, 640 + 345, 360));
    QVERIFY(isBlack(view, 640 + 346, 360));

    // Every pixel of odd sizes against the formula itself.
    for (const QSize &size : {QSize(333, 201), QSize(7, 9), QSize(1, 1)}) {
        QImage odd(size, QImage::Format_RGB32);
        odd.fill(Qt::white);
        ImageMask::circle(odd);
        const int w = size.width(), h = size.height();
        const int r = int(std::min(w, h) * 0.48);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int dx = w / 2 - x, dy = h / 2 - y;
                QCOMPARE(isBlack(odd, x, y), dx * dx + dy * dy > r * r);
            }
    }
}

void TestCanvasEffects::rectangleMask()
{
    QImage view(1280, 720, QImage::Format_RGB888);
    view.fill(Qt::white);
    ImageMask::rectangle(view);
    QVERIFY(!isBlack(view, 256, 360));
    QVERIFY(isBlack(view, 255, 360));
    QVERIFY(!isBlack(view, 1024, 360));
    QVERIFY(isBlack(view, 1025, 360));
    QVERIFY(!isBlack(view, 640, 360 - 216));
    QVERIFY(isBlack(view, 640, 360 - 217));

    for (const QSize &size : {QSize(333, 201), QSize(5, 3)}) {
        QImage odd(size, QImage::Format_RGB32);
        odd.fill(Qt::white);
        ImageMask::rectangle(odd);
        const int w = size.width(), h = size.height();
        const int a = int(w * 0.3), b = int(h * 0.3);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                QCOMPARE(isBlack(odd, x, y), std::abs(y - h / 2) > b || std::abs(x - w / 2) > a);
    }
}

void TestCanvasEffects::halfMasksOnOddSizes()
{
    QImage left(1281, 3, QImage::Format_RGB888);
    left.fill(Qt::white);
    ImageMask::apply(left, MaskLeft);
    QVERIFY(isBlack(left, 0, 2));
    QVERIFY(isBlack(left, 639, 1));
    QVERIFY(!isBlack(left, 640, 1));

    QImage top(4, 9, QImage::Format_RGB32);
    top.fill(Qt::white);
    ImageMask::apply(top, MaskTop);
    QVERIFY(isBlack(top, 3, 3));
    QVERIFY(!isBlack(top, 0, 4));
}

void TestCanvasEffects::masksKeepTheFourthByte()
{
    for (int mask : {MaskCircle, MaskRectangle, MaskLeft, MaskTop}) {
        QImage image(20, 20, QImage::Format_ARGB32);
        image.fill(qRgba(200, 100, 50, 77));
        ImageMask::apply(image, mask);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 77);
        QCOMPARE(image.pixel(0, 0) & 0x00ffffffu, 0u);
    }
}

void TestCanvasEffects::unknownValuesDoNothing()
{
    const QImage original = randomPicture(16, 16, QImage::Format_RGB888, 9);
    QImage image = original;
    ImageEffect::apply(image, 4);
    ImageEffect::apply(image, -1);
    ImageMask::apply(image, 5);
    ImageMask::apply(image, -3);
    QCOMPARE(image, original);

    ImageCanvas canvas;
    canvas.effect = 9;
    canvas.mask = 17;
    canvas.processImage(original);
    QCOMPARE(canvas.currentImage().convertToFormat(QImage::Format_RGB888), original);
}

void TestCanvasEffects::framePathMatchesWholeFrameReference_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("turns");
    QTest::addColumn<int>("zoomSteps");
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("mask");
    QTest::newRow("mosaic zoom 2") << QSize(1283, 721) << 0 << 1 << int(EffectMosaic) << int(MaskNone);
    QTest::newRow("mosaic turned zoom 3") << QSize(1283, 721) << 1 << 3 << int(EffectMosaic) << int(MaskCircle);
    QTest::newRow("mosaic half turn zoom 2") << QSize(645, 357) << 2 << 2 << int(EffectMosaic) << int(MaskRectangle);
    QTest::newRow("mosaic turned back fitted") << QSize(645, 357) << 3 << 0 << int(EffectMosaic) << int(MaskLeft);
    QTest::newRow("grey turned zoom 2") << QSize(640, 480) << 3 << 2 << int(EffectBW) << int(MaskTop);
    QTest::newRow("negative fitted") << QSize(641, 479) << 1 << 0 << int(EffectNegative) << int(MaskCircle);
    QTest::newRow("mosaic zoom 6") << QSize(1001, 999) << 0 << 5 << int(EffectMosaic) << int(MaskNone);
}

void TestCanvasEffects::framePathMatchesWholeFrameReference()
{
    QFETCH(QSize, size);
    QFETCH(int, turns);
    QFETCH(int, zoomSteps);
    QFETCH(int, effect);
    QFETCH(int, mask);

    const QImage frame = randomPicture(size.width(), size.height(), QImage::Format_RGB888, 11);
    ImageCanvas canvas;
    canvas.processImage(frame);
    ViewGeometry view;
    view.setSourceSize(size);
    for (int i = 0; i < turns; ++i) {
        canvas.rotateClockwise();
        view.rotateClockwise();
    }
    for (int i = 0; i < zoomSteps; ++i) {
        canvas.zoomIn();
        view.zoomIn();
    }
    canvas.effect = effect;
    canvas.mask = mask;
    canvas.processImage(frame);
    QCOMPARE(canvas.zoom(), view.zoom);
    QCOMPARE(canvas.viewOrigin(), view.origin);

    const QImage expected = referenceOutput(frame, view, effect, mask);
    QCOMPARE(canvas.currentImage().convertToFormat(QImage::Format_RGB888), expected);

    // The same frame as a 32-bit sample.
    const QImage frame32 = frame.convertToFormat(QImage::Format_RGB32);
    std::vector<uchar> buffer(size_t(size.width()) * size.height() * 4);
    for (int y = 0; y < size.height(); ++y)
        memcpy(buffer.data() + size_t(y) * size.width() * 4, frame32.constScanLine(y), size_t(size.width()) * 4);
    canvas.processSample(buffer.data(), size.width(), size.height(), false, true);
    const QImage expected32 = referenceOutput(frame32, view, effect, mask).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(canvas.currentImage().convertToFormat(QImage::Format_RGB32), expected32);
    QCOMPARE(memcmp(buffer.data(), expected32.constScanLine(0), size_t(size.width()) * 4), 0);
}

QTEST_MAIN(TestCanvasEffects)
#include "tst_canvas_effects.moc"
