#include "CanvasConstants.h"
#include "ImageCanvas.h"

#include <QMouseEvent>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

void send(QWidget *widget, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    send(widget, QEvent::MouseButtonPress, from);
    send(widget, QEvent::MouseMove, (from + to) / 2);
    send(widget, QEvent::MouseMove, to);
    send(widget, QEvent::MouseButtonRelease, to);
}

} // namespace

class TestCanvasConcurrency : public QObject
{
    Q_OBJECT

private slots:
    void framesFromAStreamingThreadWhileTheUserWorks();
};

// A camera thread pushes frames (now and then of another size) while the user-interface thread
// zooms, turns, draws, switches effects and masks, freezes, paints and takes snapshots. Every
// frame must come back whole and opaque, and nothing may crash or deadlock.
void TestCanvasConcurrency::framesFromAStreamingThreadWhileTheUserWorks()
{
    QTemporaryDir dir;
    ImageCanvas canvas;
    canvas.resize(480, 360);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    canvas.snapshotDir = dir.path();
    QSignalSpy saved(&canvas, &ImageCanvas::snapshotSaved);

    const int frameCount = 400;
    std::atomic<bool> streaming{true};
    std::atomic<bool> abandoned{false};
    std::atomic<int> badFrames{0};
    std::atomic<int> framesDone{0};
    std::thread camera([&] {
        std::vector<uchar> buffer;
        for (int i = 0; i < frameCount && !abandoned; ++i) {
            const bool upright = (i / 40) % 2 == 1;
            const int w = upright ? 240 : 320;
            const int h = upright ? 320 : 240;
            buffer.assign(size_t(w) * h * 4, uchar(i));
            canvas.processSample(buffer.data(), w, h, true, true);
            for (size_t b = 3; b < buffer.size(); b += 4 * 97)
                if (buffer[b] != 255)
                    ++badFrames;
            ++framesDone;
        }
        streaming = false;
    });
    // A failed check returns from here: the camera stops and is joined before the canvas goes.
    const auto joinCamera = qScopeGuard([&] {
        abandoned = true;
        if (camera.joinable())
            camera.join();
    });

    int step = 0;
    while (streaming || step < 40) {
        switch (step % 16) {
        case 0: canvas.zoomIn(); break;
        case 1: canvas.rotateClockwise(); break;
        case 2: canvas.setDrawMode(Freehand); drag(&canvas, {50, 50}, {300, 200}); break;
        case 3: canvas.effect = step % 4; break;
        case 4: canvas.mask = step % 5; break;
        case 5: canvas.setDrawMode(Hand); drag(&canvas, {200, 200}, {100, 150}); break;
        case 6: canvas.startSnapshot(); break;
        case 7: canvas.zoomOut(); break;
        case 8: canvas.frozen = !canvas.frozen; break;
        case 9: canvas.setDrawMode(Eraser); drag(&canvas, {60, 60}, {120, 100}); break;
        case 10: canvas.rotateCounterClockwise(); break;
        case 11: canvas.setDrawMode(Clip); drag(&canvas, {10, 10}, {90, 70}); break;
        case 12: QVERIFY(!canvas.currentImage().isNull() || canvas.sourceSize().isEmpty()); break;
        case 13: canvas.autoRefresh(); break;
        case 14: canvas.repaint(); break;
        case 15: canvas.clearAnnotations(); canvas.zoomReset(); break;
        }
        ++step;
        QCoreApplication::processEvents();
    }
    camera.join();

    QCOMPARE(framesDone.load(), frameCount);
    QCOMPARE(badFrames.load(), 0);
    QVERIFY(std::isfinite(canvas.zoom()) && canvas.zoom() > 0);
    const QSize last = canvas.sourceSize();
    QCOMPARE(canvas.currentImage().size(), last);
    QTRY_VERIFY(saved.count() > 0);
    canvas.waitForSnapshotFiles();
    QTRY_COMPARE(saved.count(), QDir(dir.path()).entryList(QDir::Files).size());
}

QTEST_MAIN(TestCanvasConcurrency)
#include "tst_canvas_concurrency.moc"
