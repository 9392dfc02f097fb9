#include "ImageCanvas.h"
#include "OSDProcessor.h"

#include <QApplication>
#include <QtTest>

namespace {

// One-pixel stripes: any scaling through a coarser picture smears them.
QImage stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y / 2) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// How the canvas paints a picture that rests, on a screen scaled by two. The window system is the
// offscreen one: no late exposures of a real server come between the canvas and the count.
class TestCanvasPainting : public QObject
{
    Q_OBJECT

private slots:
    void restingPictureIsPaintedOnlyForTheDisplay();
    void restingPictureKeepsTheScreensPixels();
};

// A second of refresh ticks over a resting picture paints nothing; an item on the display is
// painted when it comes and once more when it goes. Time passes on the display's clock.
void TestCanvasPainting::restingPictureIsPaintedOnlyForTheDisplay()
{
    ImageCanvas canvas;
    OSDProcessor display(nullptr, &canvas);
    qint64 clock = 0;
    display.setClock([&clock] { return clock; });
    canvas.osd = &display;
    canvas.resize(400, 300);
    canvas.processImage(stripes(400, 300));
    QCoreApplication::processEvents();   // the frame's repaint request, while still hidden
    PaintCounter counter;
    canvas.installEventFilter(&counter);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QTRY_VERIFY(counter.paints > 0);
    QCoreApplication::processEvents();

    const auto refreshFor = [&](qint64 ms) {
        for (const qint64 end = clock + ms; clock < end;) {
            clock += 40;
            canvas.autoRefresh();
            QCoreApplication::processEvents();
        }
    };
    counter.paints = 0;
    refreshFor(1000);
    QCOMPARE(counter.paints, 0);

    display.showZoomIn();
    canvas.autoRefresh();
    QTRY_COMPARE(counter.paints, 1);
    refreshFor(OSDProcessor::displayTime - 80);
    QCOMPARE(counter.paints, 1);
    refreshFor(80);
    QTRY_COMPARE(counter.paints, 2);
    refreshFor(1000);
    QCOMPARE(counter.paints, 2);
}

// Painted from its scaled copy, a resting picture is as sharp as in its first paint.
void TestCanvasPainting::restingPictureKeepsTheScreensPixels()
{
    ImageCanvas canvas;
    canvas.resize(200, 150);
    QCOMPARE(canvas.devicePixelRatioF(), 2.0);
    canvas.processImage(stripes(400, 300));

    const QImage first = canvas.grab().toImage();
    QCOMPARE(first.size(), QSize(400, 300));
    QVERIFY(first.pixel(100, 100) != first.pixel(101, 100));   // the stripes are on the screen
    const QImage resting = canvas.grab().toImage();
    QCOMPARE(resting, first);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestCanvasPainting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_canvas_painting.moc"
