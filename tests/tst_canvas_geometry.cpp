#include "ImageCanvas.h"
#include "ViewGeometry.h"

#include <QtTest>

namespace {

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

ViewGeometry viewOf(int width, int height)
{
    ViewGeometry view;
    view.setSourceSize(QSize(width, height));
    return view;
}

// Where a pixel of an upright frame of the given height lands after a quarter turn clockwise.
QPointF turnedClockwise(const QPointF &p, int frameHeight)
{
    return QPointF(frameHeight - 1 - p.y(), p.x());
}

} // namespace

class TestCanvasGeometry : public QObject
{
    Q_OBJECT

private slots:
    void zoomStepsAndLimits();
    void minZoomOfTurnedFrames();
    void uprightPictureOnBlack();
    void rotationKeepsTheCentre_data();
    void rotationKeepsTheCentre();
    void rotationKeepsTheCentreOnScreen();
    void fourTurnsComeBack();
    void panIsClamped();
    void cutFollowsZoomAndPan();
    void sourceSizeChangeKeepsWholeZoom();
    void resizeKeepsTheView();
};

void TestCanvasGeometry::zoomStepsAndLimits()
{
    ViewGeometry view = viewOf(1280, 720);
    QCOMPARE(view.zoom, 1.0);
    for (int level = 2; level <= 6; ++level) {
        QVERIFY(view.zoomIn());
        QCOMPARE(view.zoom, double(level));
    }
    const QPoint origin = view.origin;
    QVERIFY(!view.zoomIn());
    QCOMPARE(view.zoom, 6.0);
    QCOMPARE(view.origin, origin);

    for (int level = 5; level >= 1; --level) {
        view.zoomOut();
        QCOMPARE(view.zoom, double(level));
    }
    view.zoomOut();
    QCOMPARE(view.zoom, 1.0);   // upright: the minimum is 1

    // On the canvas the same steps, read lock-free.
    ImageCanvas canvas;
    canvas.processImage(filled(1280, 720, qRgb(0, 0, 0)));
    for (int i = 0; i < 8; ++i)
        canvas.zoomIn();
    QCOMPARE(canvas.zoom(), 6.0);
    canvas.zoomReset();
    QCOMPARE(canvas.zoom(), 1.0);
}

void TestCanvasGeometry::minZoomOfTurnedFrames()
{
    ViewGeometry view = viewOf(1280, 720);
    view.rotateClockwise();
    QCOMPARE(view.minZoom(), 0.5625);
    QCOMPARE(view.zoom, 0.5625);
    QVERIFY(view.zoomIn());
    QCOMPARE(view.zoom, 1.0);
    QVERIFY(view.zoomIn());
    QCOMPARE(view.zoom, 2.0);
    view.zoomOut();
    view.zoomOut();
    QCOMPARE(view.zoom, 0.5625);
    view.zoomIn();
    view.zoomIn();
    view.zoomReset();
    QCOMPARE(view.zoom, 0.5625);

    // A portrait frame turned is limited the other way round.
    ViewGeometry portrait = viewOf(720, 1280);
    portrait.rotateCounterClockwise();
    QCOMPARE(portrait.minZoom(), 0.5625);
}

void TestCanvasGeometry::uprightPictureOnBlack()
{
    ImageCanvas canvas;
    canvas.processImage(filled(1280, 720, qRgb(255, 0, 0)));
    canvas.rotateClockwise();
    QCOMPARE(canvas.zoom(), 0.5625);
    QCOMPARE(canvas.rotation(), 1);
    canvas.processImage(filled(1280, 720, qRgb(255, 0, 0)));

    const QImage out = canvas.currentImage();
    QCOMPARE(out.size(), QSize(1280, 720));
    // 405 x 720 in the middle: columns 437 to 841.
    for (int y : {0, 360, 719}) {
        QCOMPARE(QColor(out.pixel(436, y)), QColor(Qt::black));
        QCOMPARE(QColor(out.pixel(437, y)), QColor(Qt::red));
        QCOMPARE(QColor(out.pixel(841, y)), QColor(Qt::red));
        QCOMPARE(QColor(out.pixel(842, y)), QColor(Qt::black));
    }
    QCOMPARE(QColor(out.pixel(0, 0)), QColor(Qt::black));

    // The same through a 32-bit bottom-up sample, written back black-barred.
    std::vector<uchar> buffer(size_t(1280) * 720 * 4, 0);
    for (size_t i = 2; i < buffer.size(); i += 4)
        buffer[i] = 255;
    canvas.processSample(buffer.data(), 1280, 720, true, true);
    auto pixelAt = [&](int x, int y) { return buffer.data() + (size_t(719 - y) * 1280 + x) * 4; };
    QCOMPARE(int(pixelAt(436, 10)[2]), 0);
    QCOMPARE(int(pixelAt(437, 10)[2]), 255);
    QCOMPARE(int(pixelAt(436, 10)[3]), 255);
}

void TestCanvasGeometry::rotationKeepsTheCentre_data()
{
    QTest::addColumn<int>("zoomLevel");
    QTest::addColumn<QPoint>("origin");
    // Centres that the view can reach upright and turned.
    QTest::newRow("zoom 2") << 2 << QPoint(600, 340);
    QTest::newRow("zoom 4") << 4 << QPoint(560, 440);
    QTest::newRow("zoom 6") << 6 << QPoint(4760, 2040);
}

void TestCanvasGeometry::rotationKeepsTheCentre()
{
    QFETCH(int, zoomLevel);
    QFETCH(QPoint, origin);
    ViewGeometry view = viewOf(1280, 720);
    view.setZoom(view.viewCentre(), zoomLevel);
    view.setViewOrigin(origin.x(), origin.y());
    const QPointF before = view.viewCentre();

    view.rotateClockwise();
    QCOMPARE(view.zoom, double(zoomLevel));
    const QPointF expected = turnedClockwise(before, 720);
    QVERIFY2(qAbs(view.viewCentre().x() - expected.x()) <= 1.0
                 && qAbs(view.viewCentre().y() - expected.y()) <= 1.0,
             qPrintable(QStringLiteral("centre %1,%2 expected %3,%4")
                            .arg(view.viewCentre().x()).arg(view.viewCentre().y())
                            .arg(expected.x()).arg(expected.y())));

    view.rotateCounterClockwise();
    QVERIFY(qAbs(view.viewCentre().x() - before.x()) <= 1.0);
    QVERIFY(qAbs(view.viewCentre().y() - before.y()) <= 1.0);
}

void TestCanvasGeometry::rotationKeepsTheCentreOnScreen()
{
    // A green square where the zoomed view is centred stays in the middle of the output after a
    // quarter turn either way, and the picture around it turns.
    QImage marked = filled(1280, 720, qRgb(0, 0, 80));
    for (int y = 354; y <= 366; ++y)
        for (int x = 634; x <= 646; ++x)
            marked.setPixel(x, y, qRgb(0, 255, 0));
    for (int x = 680; x < 700; ++x)
        marked.setPixel(x, 360, qRgb(255, 0, 0));

    for (bool clockwise : {true, false}) {
        ImageCanvas canvas;
        canvas.processImage(marked);
        canvas.zoomIn();
        canvas.processImage(marked);
        QCOMPARE(QColor(canvas.currentImage().pixel(640, 360)), QColor(Qt::green));
        QCOMPARE(QColor(canvas.currentImage().pixel(2 * 50 + 640, 360)), QColor(Qt::red));
        if (clockwise)
            canvas.rotateClockwise();
        else
            canvas.rotateCounterClockwise();
        canvas.processImage(marked);
        const QImage out = canvas.currentImage();
        QCOMPARE(QColor(out.pixel(640, 360)), QColor(Qt::green));
        // The red dash to the right of the square now points down (clockwise) or up.
        const int dashY = clockwise ? 360 + 2 * 50 : 360 - 2 * 50;
        QCOMPARE(QColor(out.pixel(640, dashY)), QColor(Qt::red));
        QCOMPARE(QColor(out.pixel(640 + 2 * 50, 360)), QColor(0, 0, 80));
    }
}

void TestCanvasGeometry::fourTurnsComeBack()
{
    ViewGeometry view = viewOf(1280, 720);
    view.setZoom(view.viewCentre(), 3);
    view.setViewOrigin(1500, 700);
    const QPointF before = view.viewCentre();
    for (int i = 0; i < 4; ++i)
        view.rotateClockwise();
    QCOMPARE(view.rotation, 0);
    QCOMPARE(view.zoom, 3.0);
    QVERIFY(qAbs(view.viewCentre().x() - before.x()) <= 2.0);
    QVERIFY(qAbs(view.viewCentre().y() - before.y()) <= 2.0);

    // From the fitted turn back upright the zoom returns to 1.
    ViewGeometry fitted = viewOf(1280, 720);
    fitted.rotateClockwise();
    fitted.rotateClockwise();
    QCOMPARE(fitted.rotation, 2);
    QCOMPARE(fitted.zoom, 1.0);
    QCOMPARE(fitted.origin, QPoint(0, 0));
}

void TestCanvasGeometry::panIsClamped()
{
    ViewGeometry view = viewOf(1280, 720);
    view.setViewOrigin(500, 500);
    QCOMPARE(view.origin, QPoint(0, 0));
    view.setViewOrigin(-50, -50);
    QCOMPARE(view.origin, QPoint(0, 0));

    view.setZoom(view.viewCentre(), 2);
    view.setViewOrigin(100000, 100000);
    QCOMPARE(view.origin, QPoint(2560 - 1280 - 1, 1440 - 720 - 1));
    view.setViewOrigin(-5, 10);
    QCOMPARE(view.origin, QPoint(0, 10));

    // Turned and fitted, the picture cannot be moved at all.
    view.rotateClockwise();
    view.zoomReset();
    view.setViewOrigin(300, 300);
    QCOMPARE(view.origin, QPoint(0, 0));
}

void TestCanvasGeometry::cutFollowsZoomAndPan()
{
    ViewGeometry view = viewOf(1280, 720);
    QCOMPARE(view.cutRect(), QRect(0, 0, 1280, 720));
    view.setZoom(view.viewCentre(), 2);
    QCOMPARE(view.origin, QPoint(640, 360));
    QCOMPARE(view.cutRect(), QRect(320, 180, 640, 360));
    view.setViewOrigin(1279, 719);
    QCOMPARE(view.cutRect(), QRect(639, 359, 640, 360));

    // A pan on the canvas shows the matching part of the picture.
    QImage picture(1280, 720, QImage::Format_RGB888);
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 1280; ++x)
            picture.setPixel(x, y, qRgb(x / 8, y / 4, 0));
    ImageCanvas canvas;
    canvas.processImage(picture);
    canvas.zoomIn();
    canvas.processImage(picture);
    const QImage out = canvas.currentImage();
    QCOMPARE(out.size(), QSize(1280, 720));
    QCOMPARE(out.pixel(0, 0), picture.pixel(320, 180));
    QCOMPARE(out.pixel(1279, 719), picture.pixel(959, 539));
}

void TestCanvasGeometry::sourceSizeChangeKeepsWholeZoom()
{
    ImageCanvas canvas;
    canvas.processImage(filled(1280, 720, qRgb(1, 1, 1)));
    canvas.zoomIn();
    canvas.zoomIn();
    canvas.processImage(filled(800, 600, qRgb(1, 1, 1)));
    QCOMPARE(canvas.zoom(), 3.0);
    QCOMPARE(canvas.sourceSize(), QSize(800, 600));

    canvas.zoomReset();
    canvas.rotateClockwise();
    QCOMPARE(canvas.zoom(), 0.75);
    canvas.processImage(filled(1280, 720, qRgb(1, 1, 1)));
    // The fractional part is dropped and the new minimum takes its place.
    QCOMPARE(canvas.zoom(), 0.5625);
}

void TestCanvasGeometry::resizeKeepsTheView()
{
    ImageCanvas canvas;
    canvas.processImage(filled(1280, 720, qRgb(1, 1, 1)));
    canvas.zoomIn();
    canvas.resize(333, 222);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QCOMPARE(canvas.zoom(), 2.0);
    QCOMPARE(canvas.viewOrigin(), QPoint(640, 360));
}

QTEST_MAIN(TestCanvasGeometry)
#include "tst_canvas_geometry.moc"
