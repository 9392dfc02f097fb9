#include "ICaptureCB.h"
#include "ImageCanvas.h"
#include "ImageWidget.h"
#include "PictureScaler.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

std::vector<uchar> randomBuffer(int width, int height, int bpp, quint32 seed)
{
    std::vector<uchar> buffer(size_t(width) * height * bpp);
    QRandomGenerator random(seed);
    for (uchar &byte : buffer)
        byte = uchar(random.bounded(256));
    return buffer;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 3) % 256));
    return image;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

} // namespace

class TestCanvasFramePath : public QObject
{
    Q_OBJECT

private slots:
    void passThroughKeepsPixelsAndMakesThemOpaque();
    void rowOrdersBothWays();
    void rgb888RowsOfOddLength();
    void processSampleIsTheFramePath();
    void freezeKeepsThePictureOfTheSameSize();
    void freezeEndsWithAnotherSize();
    void emptyFrameGivesEmptyPicturesAndRecovers();
    void tinyFramesNeverBreakTheView();
    void autoRefreshRendersOnlyAfterAChange();
    void fillWithColorGivesAPlainPicture();
    void interfaceReachableByName();
    void paintFitsPictureWithBlackAndFrame();
    void boardModePaintsNoBlack();
    void imageWidgetShowsItsPicture();
    void scalerMatchesQtNearestPixels();
};

void TestCanvasFramePath::passThroughKeepsPixelsAndMakesThemOpaque()
{
    ImageCanvas canvas;
    std::vector<uchar> buffer = randomBuffer(640, 480, 4, 1);
    std::vector<uchar> expected = buffer;
    for (size_t i = 3; i < expected.size(); i += 4)
        expected[i] = 255;

    canvas.processFrame(buffer.data(), 640, 480, true, true);
    QVERIFY(buffer == expected);

    // The same frame again goes through the recycled buffer of the first one.
    buffer = randomBuffer(640, 480, 4, 2);
    expected = buffer;
    for (size_t i = 3; i < expected.size(); i += 4)
        expected[i] = 255;
    canvas.processFrame(buffer.data(), 640, 480, true, true);
    QVERIFY(buffer == expected);
    QCOMPARE(canvas.sourceSize(), QSize(640, 480));
}

void TestCanvasFramePath::rowOrdersBothWays()
{
    for (bool bottomUp : {true, false}) {
        ImageCanvas canvas;
        std::vector<uchar> buffer(4 * 8 * 4, 0);
        // The first row in memory is blue (bytes B, G, R, X).
        for (int x = 0; x < 4; ++x)
            buffer[size_t(x) * 4] = 200;
        canvas.processFrame(buffer.data(), 4, 8, bottomUp, true);
        const QImage out = canvas.currentImage();
        const int blueRow = bottomUp ? 7 : 0;
        QCOMPARE(QColor(out.pixel(2, blueRow)), QColor(0, 0, 200));
        QCOMPARE(QColor(out.pixel(2, 7 - blueRow)), QColor(0, 0, 0));
        QCOMPARE(int(buffer[0]), 200);
    }

    // 24-bit buffers are red, green, blue in memory.
    ImageCanvas canvas;
    std::vector<uchar> buffer(3 * 5 * 3, 0);
    buffer[0] = 180;
    canvas.processFrame(buffer.data(), 5, 3, true, false);
    QCOMPARE(QColor(canvas.currentImage().pixel(0, 2)), QColor(180, 0, 0));
    QCOMPARE(int(buffer[0]), 180);
}

void TestCanvasFramePath::rgb888RowsOfOddLength()
{
    ImageCanvas canvas;
    const QImage photo = gradient(1366, 9);
    canvas.processImage(photo);
    QCOMPARE(canvas.currentImage().convertToFormat(QImage::Format_RGB888), photo);

    // Packed 24-bit rows of 1366 x 3 bytes have no padding to skip.
    std::vector<uchar> buffer = randomBuffer(1366, 9, 3, 3);
    const std::vector<uchar> original = buffer;
    canvas.processFrame(buffer.data(), 1366, 9, false, false);
    QVERIFY(buffer == original);
    const QImage out = canvas.currentImage();
    QCOMPARE(QColor(out.pixel(1365, 8)),
             QColor(original[original.size() - 3], original[original.size() - 2], original.back()));
}

void TestCanvasFramePath::processSampleIsTheFramePath()
{
    ImageCanvas canvas;
    std::vector<uchar> buffer = randomBuffer(32, 16, 4, 4);
    canvas.processSample(buffer.data(), 32, 16, true, true);
    const QImage out = canvas.currentImage();
    QCOMPARE(out.size(), QSize(32, 16));
    // Bottom row of the picture is the first in memory: bytes B, G, R.
    QCOMPARE(QColor(out.pixel(0, 15)), QColor(buffer[2], buffer[1], buffer[0]));
}

void TestCanvasFramePath::freezeKeepsThePictureOfTheSameSize()
{
    ImageCanvas canvas;
    canvas.processImage(filled(64, 48, qRgb(255, 0, 0)));
    canvas.frozen = true;

    std::vector<uchar> green(64 * 48 * 4, 0);
    for (size_t i = 1; i < green.size(); i += 4)
        green[i] = 255;
    canvas.processFrame(green.data(), 64, 48, true, true);
    QCOMPARE(QColor(canvas.currentImage().pixel(10, 10)), QColor(Qt::red));
    // The recorder downstream receives the frozen picture too.
    QCOMPARE(int(green[2]), 255);
    QCOMPARE(int(green[1]), 0);
    QCOMPARE(int(green[3]), 255);

    canvas.frozen = false;
    for (size_t i = 0; i < green.size(); i += 4) {
        green[i] = 0;
        green[i + 1] = 255;
        green[i + 2] = 0;
    }
    canvas.processFrame(green.data(), 64, 48, true, true);
    QCOMPARE(QColor(canvas.currentImage().pixel(10, 10)), QColor(Qt::green));
}

void TestCanvasFramePath::freezeEndsWithAnotherSize()
{
    ImageCanvas canvas;
    canvas.processImage(filled(64, 48, qRgb(255, 0, 0)));
    canvas.frozen = true;
    canvas.processImage(filled(80, 40, qRgb(0, 0, 255)));
    QCOMPARE(canvas.sourceSize(), QSize(80, 40));
    QCOMPARE(canvas.currentImage().size(), QSize(80, 40));
    QCOMPARE(QColor(canvas.currentImage().pixel(10, 10)), QColor(Qt::blue));
    // And the new picture is the frozen one from now on.
    canvas.processImage(filled(80, 40, qRgb(0, 255, 0)));
    QCOMPARE(QColor(canvas.currentImage().pixel(10, 10)), QColor(Qt::blue));
}

void TestCanvasFramePath::emptyFrameGivesEmptyPicturesAndRecovers()
{
    ImageCanvas canvas;
    canvas.resize(320, 240);
    canvas.processImage(filled(1280, 720, qRgb(10, 20, 30)));
    canvas.rotateClockwise();
    canvas.zoomIn();
    canvas.zoomIn();

    canvas.processImage(QImage());
    QVERIFY(canvas.currentImage().isNull());
    QCOMPARE(canvas.sourceSize(), QSize(0, 0));
    QVERIFY(std::isfinite(canvas.zoom()) && canvas.zoom() > 0);
    canvas.processFrame(nullptr, 0, 0, true, true);
    canvas.zoomIn();
    canvas.zoomOut();
    canvas.zoomOut();
    canvas.rotateClockwise();
    QVERIFY(std::isfinite(canvas.zoom()) && canvas.zoom() > 0);
    QCOMPARE(canvas.mapToImage(QPoint(100, 100)), QPoint(0, 0));
    canvas.grab();

    canvas.processImage(filled(1280, 720, qRgb(10, 20, 30)));
    QCOMPARE(canvas.sourceSize(), QSize(1280, 720));
    const QImage out = canvas.currentImage();
    QCOMPARE(out.size(), QSize(1280, 720));
    QVERIFY(std::isfinite(canvas.zoom()) && canvas.zoom() > 0);
}

void TestCanvasFramePath::tinyFramesNeverBreakTheView()
{
    ImageCanvas canvas;
    const QSize sizes[] = {{1, 1}, {3, 1}, {1, 7}, {2, 3}, {7, 5}};
    for (const QSize &size : sizes) {
        for (int turn = 0; turn < 4; ++turn) {
            canvas.processImage(filled(size.width(), size.height(), qRgb(200, 100, 50)));
            for (int i = 0; i < 6; ++i)
                canvas.zoomIn();
            std::vector<uchar> buffer = randomBuffer(size.width(), size.height(), 4, 5);
            canvas.processFrame(buffer.data(), size.width(), size.height(), true, true);
            QCOMPARE(canvas.currentImage().size(), size);
            QVERIFY(std::isfinite(canvas.zoom()));
            canvas.zoomReset();
            canvas.rotateClockwise();
            canvas.processFrame(buffer.data(), size.width(), size.height(), true, true);
            QCOMPARE(canvas.currentImage().size(), size);
        }
    }
}

void TestCanvasFramePath::autoRefreshRendersOnlyAfterAChange()
{
    ImageCanvas canvas;
    canvas.processImage(gradient(400, 300));
    const qint64 resting = canvas.currentImage().cacheKey();
    canvas.autoRefresh();
    canvas.autoRefresh();
    QCOMPARE(canvas.currentImage().cacheKey(), resting);

    canvas.zoomIn();
    canvas.autoRefresh();
    const QImage zoomed = canvas.currentImage();
    QVERIFY(zoomed.cacheKey() != resting);
    QCOMPARE(zoomed.pixel(200, 150), gradient(400, 300).pixel(200 / 2 + 100, 150 / 2 + 75));
    canvas.autoRefresh();
    QCOMPARE(canvas.currentImage().cacheKey(), zoomed.cacheKey());

    // Assignments to the public state count as changes too.
    canvas.frozen = true;
    canvas.autoRefresh();
    QVERIFY(canvas.currentImage().cacheKey() != zoomed.cacheKey());

    QVERIFY(!canvas.isAutoRefreshRunning());
    canvas.startAutoRefresh();
    QVERIFY(canvas.isAutoRefreshRunning());
    canvas.stopAutoRefresh();
    QVERIFY(!canvas.isAutoRefreshRunning());
}

void TestCanvasFramePath::fillWithColorGivesAPlainPicture()
{
    ImageCanvas canvas;
    canvas.fillWithColor(Qt::yellow);
    const QImage out = canvas.currentImage();
    QCOMPARE(out.size(), QSize(1280, 720));
    QCOMPARE(QColor(out.pixel(0, 0)), QColor(Qt::yellow));
    QCOMPARE(QColor(out.pixel(1279, 719)), QColor(Qt::yellow));
    QCOMPARE(canvas.backgroundColor, QColor(Qt::white));
}

void TestCanvasFramePath::interfaceReachableByName()
{
    ImageCanvas canvas;
    QWidget *widget = &canvas;
    ICaptureCB *receiver = qobject_cast<ICaptureCB *>(widget);
    QCOMPARE(receiver, static_cast<ICaptureCB *>(&canvas));
    QCOMPARE(static_cast<ICaptureCB *>(widget->qt_metacast("ICaptureCB")), receiver);
    QCOMPARE(widget->qt_metacast("ImageCanvas"), static_cast<void *>(&canvas));

    receiver->processImage(filled(20, 10, qRgb(1, 2, 3)));
    QCOMPARE(canvas.sourceSize(), QSize(20, 10));
}

void TestCanvasFramePath::paintFitsPictureWithBlackAndFrame()
{
    ImageCanvas canvas;
    canvas.resize(200, 100);
    canvas.processImage(filled(100, 100, qRgb(255, 0, 0)));
    const QImage shown = canvas.grab().toImage();
    QCOMPARE(QColor(shown.pixel(1, 50)), QColor(0x48, 0x48, 0x48));
    QCOMPARE(QColor(shown.pixel(20, 50)), QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(49, 50)), QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(50, 50)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(149, 50)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(150, 50)), QColor(Qt::black));

    // Painting the same picture again comes from the scaled copy and looks the same.
    QCOMPARE(canvas.grab().toImage(), shown);
    QCOMPARE(canvas.mapToImage(QPoint(50, 0)), QPoint(0, 0));
    QCOMPARE(canvas.mapToImage(QPoint(149, 99)), QPoint(99, 99));
}

void TestCanvasFramePath::boardModePaintsNoBlack()
{
    ImageCanvas canvas;
    canvas.boardMode = true;
    canvas.resize(200, 100);
    canvas.processImage(filled(100, 100, qRgb(255, 255, 255)));
    const QImage shown = canvas.grab().toImage();
    QVERIFY(QColor(shown.pixel(20, 50)) != QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(100, 50)), QColor(Qt::white));
}

void TestCanvasFramePath::imageWidgetShowsItsPicture()
{
    const QImage picture = gradient(30, 20).convertToFormat(QImage::Format_RGB32);
    ImageWidget widget(picture);
    QCOMPARE(widget.size(), QSize(30, 20));
    QCOMPARE(widget.minimumSize(), widget.maximumSize());
    QCOMPARE(widget.grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
}

void TestCanvasFramePath::scalerMatchesQtNearestPixels()
{
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_RGB32}) {
        const QImage picture = gradient(37, 23).convertToFormat(format);
        for (int factor = 2; factor <= 6; ++factor) {
            const QImage expected = picture.scaled(37 * factor, 23 * factor, Qt::IgnoreAspectRatio,
                                                   Qt::FastTransformation);
            QCOMPARE(PictureScaler::nearest(picture, 37 * factor, 23 * factor), expected);
        }
        const QImage odd = PictureScaler::nearest(picture, 80, 50);
        QCOMPARE(odd, picture.scaled(80, 50, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
}

QTEST_MAIN(TestCanvasFramePath)
#include "tst_canvas_framepath.moc"
