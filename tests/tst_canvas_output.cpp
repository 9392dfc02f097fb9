#include "CanvasConstants.h"
#include "ImageCanvas.h"
#include "OSDProcessor.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <QScopeGuard>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace {

const QDateTime Start(QDate(2024, 3, 5), QTime(14, 7, 20));

// A canvas whose snapshot clock the test moves by hand.
class ClockedCanvas : public ImageCanvas
{
public:
    qint64 nowMs = 0;

protected:
    qint64 snapshotClockMs() const override { return nowMs; }
    QDateTime snapshotLocalTime() const override { return Start.addMSecs(nowMs); }
};

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

QString nameAt(qint64 ms, const QString &suffix = QString())
{
    return Start.addMSecs(ms).toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss")) + suffix + QStringLiteral(".jpg");
}

QStringList files(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 8 && qAbs(a.green() - b.green()) < 8 && qAbs(a.blue() - b.blue()) < 8;
}

void writeForeignFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not ours");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void send(QWidget *widget, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A snapshot folder that takes as long as the test wants: every write waits until the gate opens.
class Gate
{
public:
    SnapshotWriter::WriteFunction writeFunction()
    {
        return [this](const QImage &picture, const QString &path) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                ++entered;
                changed.notify_all();
                changed.wait(lock, [this] { return opened; });
            }
            return SnapshotWriter::writeJpeg(picture, path);
        };
    }

    bool waitUntilEntered()
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [this] { return entered > 0; });
    }

    void open()
    {
        std::lock_guard<std::mutex> lock(mutex);
        opened = true;
        changed.notify_all();
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    int entered = 0;
    bool opened = false;
};

bool finishes(std::future<void> &work)
{
    return work.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
}

} // namespace

class TestCanvasOutput : public QObject
{
    Q_OBJECT

private slots:
    void singleShotWritesTheProcessedPicture();
    void singleShotNeedsAnExistingFolder();
    void vanishedFolderStaysArmed();
    void continuousEveryInterval();
    void continuousIntervalZeroRewritesItsSecond();
    void continuousRunEndsAfterItsDuration();
    void takenNamesAreNeverWrittenOver();
    void failedWriteReportedOnceAndNotFlashed();
    void noticeArrivesOnTheInterfaceThread();
    void blockedWriterDoesNotHoldUpFrames();
    void writerBehindSkipsContinuousShotsAndKeepsASingleOne();
    void currentImageIsTheOutput();
    void clipGoesToTheClipboard();
    void clipWithoutDragCopiesNothing();
};

void TestCanvasOutput::singleShotWritesTheProcessedPicture()
{
    QTemporaryDir dir;
    ClockedCanvas canvas;
    OSDProcessor display(nullptr, &canvas);
    canvas.osd = &display;
    canvas.resize(1280, 720);
    canvas.processImage(filled(1280, 720, qRgb(255, 0, 0)));
    canvas.lineColor = Qt::blue;
    canvas.lineWidth = 20;
    canvas.setDrawMode(Line);
    send(&canvas, QEvent::MouseButtonPress, QPoint(100, 360));
    send(&canvas, QEvent::MouseMove, QPoint(1200, 360));
    send(&canvas, QEvent::MouseButtonRelease, QPoint(1200, 360));
    canvas.effect = EffectNegative;

    QSignalSpy saved(&canvas, &ImageCanvas::snapshotSaved);
    canvas.snapshotDir = dir.path();
    canvas.continuousSnapshot = false;
    canvas.stopSnapshot();
    canvas.startSnapshot();
    QVERIFY(canvas.isSnapshotArmed());
    canvas.nowMs = 400;
    canvas.processImage(filled(1280, 720, qRgb(255, 0, 0)));
    QVERIFY(!canvas.isSnapshotArmed());
    canvas.processImage(filled(1280, 720, qRgb(255, 0, 0)));

    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir), QStringList{nameAt(400)});
    QCOMPARE(saved.count(), 0);   // delivered through the event loop
    QTRY_COMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toString(), QDir(dir.path()).filePath(nameAt(400)));

    const QImage written(QDir(dir.path()).filePath(nameAt(400)));
    QCOMPARE(written.size(), QSize(1280, 720));
    QVERIFY(near(written.pixel(50, 50), QColor(0, 255, 255)));    // the negative of red
    QVERIFY(near(written.pixel(600, 360), QColor(255, 255, 0)));  // the negative of the blue line
}

void TestCanvasOutput::singleShotNeedsAnExistingFolder()
{
    QTemporaryDir dir;
    ClockedCanvas canvas;
    canvas.snapshotDir = dir.filePath(QStringLiteral("missing"));
    canvas.startSnapshot();
    QVERIFY(!canvas.isSnapshotArmed());
    canvas.snapshotDir.clear();
    canvas.startSnapshot();
    QVERIFY(!canvas.isSnapshotArmed());
}

void TestCanvasOutput::vanishedFolderStaysArmed()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("shots"));
    QVERIFY(QDir().mkdir(folder));
    ClockedCanvas canvas;
    canvas.snapshotDir = folder;
    canvas.startSnapshot();
    QVERIFY(QDir(folder).removeRecursively());

    canvas.processImage(filled(64, 48, qRgb(0, 0, 255)));
    canvas.waitForSnapshotFiles();   // the writer finds no folder and gives the shot back
    QVERIFY(canvas.isSnapshotArmed());
    QVERIFY(!QFileInfo::exists(folder));

    QVERIFY(QDir().mkdir(folder));
    canvas.nowMs = 3000;
    canvas.processImage(filled(64, 48, qRgb(0, 0, 255)));
    QVERIFY(!canvas.isSnapshotArmed());
    canvas.waitForSnapshotFiles();
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{nameAt(3000)});
}

void TestCanvasOutput::continuousEveryInterval()
{
    QTemporaryDir dir;
    ClockedCanvas canvas;
    canvas.snapshotDir = dir.path();
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 5;
    canvas.snapshotDuration = std::numeric_limits<quint64>::max();
    canvas.startSnapshot();
    for (qint64 ms = 0; ms <= 16000; ms += 250) {
        canvas.nowMs = ms;
        canvas.processImage(filled(32, 32, qRgb(0, 128, 0)));
    }
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir), QStringList({nameAt(5000), nameAt(10000), nameAt(15000)}));
    QVERIFY(canvas.isSnapshotArmed());
    canvas.stopSnapshot();
    QVERIFY(!canvas.isSnapshotArmed());
}

void TestCanvasOutput::continuousIntervalZeroRewritesItsSecond()
{
    QTemporaryDir dir;
    ClockedCanvas canvas;
    canvas.snapshotDir = dir.path();
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 0;
    canvas.snapshotDuration = std::numeric_limits<quint64>::max();
    canvas.nowMs = 100000;   // the clock counts from the start of the run
    canvas.startSnapshot();

    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    qint64 ms = 100000;
    for (QRgb colour : colours) {
        canvas.nowMs = ms;
        canvas.processImage(filled(32, 32, colour));
        ms += 300;
    }
    canvas.nowMs = 101200;
    canvas.processImage(filled(32, 32, qRgb(255, 255, 255)));
    canvas.waitForSnapshotFiles();

    QCOMPARE(files(dir), QStringList({nameAt(100000), nameAt(101200)}));
    // The file of the first second holds its last frame.
    const QImage first(dir.filePath(nameAt(100000)));
    QVERIFY(near(first.pixel(16, 16), QColor(0, 0, 255)));
}

void TestCanvasOutput::continuousRunEndsAfterItsDuration()
{
    QTemporaryDir dir;
    ClockedCanvas canvas;
    canvas.snapshotDir = dir.path();
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 1;
    canvas.snapshotDuration = 3;
    canvas.startSnapshot();
    for (qint64 ms = 0; ms <= 6000; ms += 500) {
        canvas.nowMs = ms;
        canvas.processImage(filled(32, 32, qRgb(9, 9, 9)));
    }
    QVERIFY(!canvas.isSnapshotArmed());
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir), QStringList({nameAt(1000), nameAt(2000), nameAt(3000)}));
}

void TestCanvasOutput::takenNamesAreNeverWrittenOver()
{
    QTemporaryDir dir;
    writeForeignFile(dir.filePath(nameAt(0)));
    writeForeignFile(dir.filePath(nameAt(0, "_2")));
    ClockedCanvas canvas;
    canvas.snapshotDir = dir.path();

    // Two single shots in one second: two files, beside the ones from elsewhere.
    for (int shot = 0; shot < 2; ++shot) {
        canvas.startSnapshot();
        canvas.processImage(filled(32, 32, qRgb(1, 2, 3)));
    }
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir), QStringList({nameAt(0), nameAt(0, "_2"), nameAt(0, "_3"), nameAt(0, "_4")}));
    QCOMPARE(contents(dir.filePath(nameAt(0))), QByteArray("not ours"));
    QCOMPARE(contents(dir.filePath(nameAt(0, "_2"))), QByteArray("not ours"));
    QCOMPARE(QImage(dir.filePath(nameAt(0, "_3"))).size(), QSize(32, 32));

    // A continuous run rewrites only its own file of the second.
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 0;
    canvas.startSnapshot();
    for (int frame = 0; frame < 3; ++frame)
        canvas.processImage(filled(32, 32, qRgb(1, 2, 3)));
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir).size(), 5);
    QVERIFY(files(dir).contains(nameAt(0, "_5")));
    QCOMPARE(contents(dir.filePath(nameAt(0))), QByteArray("not ours"));
    QCOMPARE(QImage(dir.filePath(nameAt(0, "_3"))).size(), QSize(32, 32));

    // A new run does not take over the files of the earlier one.
    canvas.startSnapshot();
    canvas.processImage(filled(32, 32, qRgb(1, 2, 3)));
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir).size(), 6);
}

void TestCanvasOutput::failedWriteReportedOnceAndNotFlashed()
{
    QCOMPARE(ImageCanvas::snapshotFailedText(), QStringLiteral("The snapshot could not be saved."));
    QTemporaryDir dir;
    ClockedCanvas canvas;
    QSignalSpy saved(&canvas, &ImageCanvas::snapshotSaved);
    QSignalSpy failed(&canvas, &ImageCanvas::snapshotFailed);
    canvas.snapshotDir = dir.path();

    // A picture that failed to load arrives as an empty frame, which cannot be written.
    canvas.processImage(QImage());
    for (int shot = 0; shot < 2; ++shot) {
        canvas.startSnapshot();
        canvas.processImage(QImage());
    }
    QTRY_COMPARE(failed.count(), 2);
    QVERIFY(!canvas.isSnapshotArmed());

    // Continuous: once per run, and the run goes on.
    failed.clear();
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 1;
    canvas.snapshotDuration = std::numeric_limits<quint64>::max();
    canvas.startSnapshot();
    for (qint64 ms = 0; ms <= 5000; ms += 500) {
        canvas.nowMs = ms;
        canvas.processImage(QImage());
        canvas.waitForSnapshotFiles();
    }
    QVERIFY(canvas.isSnapshotArmed());
    canvas.nowMs = 6000;
    canvas.processImage(filled(16, 16, qRgb(4, 5, 6)));
    QTRY_COMPARE(saved.count(), 1);
    canvas.nowMs = 7000;
    canvas.processImage(QImage());
    canvas.waitForSnapshotFiles();
    QCoreApplication::processEvents();
    QCOMPARE(failed.count(), 1);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(files(dir), QStringList{nameAt(6000)});

    canvas.startSnapshot();
    canvas.nowMs += 1000;
    canvas.processImage(QImage());
    QTRY_COMPARE(failed.count(), 2);
}

void TestCanvasOutput::noticeArrivesOnTheInterfaceThread()
{
    QTemporaryDir dir;
    ClockedCanvas canvas;
    canvas.snapshotDir = dir.path();
    canvas.processImage(filled(40, 30, qRgb(7, 7, 7)));
    canvas.startSnapshot();

    QThread *noticeThread = nullptr;
    connect(&canvas, &ImageCanvas::snapshotSaved, this,
            [&noticeThread] { noticeThread = QThread::currentThread(); }, Qt::DirectConnection);
    std::vector<uchar> buffer(40 * 30 * 4, 0x40);
    std::thread streaming([&] { canvas.processSample(buffer.data(), 40, 30, true, true); });
    streaming.join();
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir).size(), 1);
    QTRY_VERIFY(noticeThread != nullptr);
    QCOMPARE(noticeThread, QCoreApplication::instance()->thread());
}

void TestCanvasOutput::blockedWriterDoesNotHoldUpFrames()
{
    QTemporaryDir dir;
    Gate gate;
    ClockedCanvas canvas;
    const auto openAtEnd = qScopeGuard([&gate] { gate.open(); });
    canvas.setSnapshotWriteFunction(gate.writeFunction());
    QSignalSpy saved(&canvas, &ImageCanvas::snapshotSaved);
    canvas.snapshotDir = dir.path();
    canvas.startSnapshot();

    std::vector<uchar> buffer(64 * 48 * 4, 0x80);
    const auto frame = [&] { canvas.processSample(buffer.data(), 64, 48, true, true); };
    std::future<void> shot = std::async(std::launch::async, frame);
    QVERIFY(finishes(shot));
    QVERIFY(gate.waitUntilEntered());
    std::future<void> next = std::async(std::launch::async, frame);
    QVERIFY(finishes(next));
    QVERIFY(files(dir).isEmpty());

    gate.open();
    QTRY_COMPARE(saved.count(), 1);
    QCOMPARE(files(dir), QStringList{nameAt(0)});
}

void TestCanvasOutput::writerBehindSkipsContinuousShotsAndKeepsASingleOne()
{
    QTemporaryDir dir;
    Gate gate;
    ClockedCanvas canvas;
    const auto openAtEnd = qScopeGuard([&gate] { gate.open(); });
    canvas.setSnapshotWriteFunction(gate.writeFunction());
    canvas.snapshotDir = dir.path();
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 1;
    canvas.snapshotDuration = std::numeric_limits<quint64>::max();
    canvas.startSnapshot();

    QTest::ignoreMessage(QtDebugMsg, "Snapshot writer is behind: a continuous snapshot was skipped");
    const int shots = SnapshotWriter::QueueLimit + 4;
    for (int second = 1; second <= shots; ++second) {
        canvas.nowMs = second * 1000;
        canvas.processImage(filled(32, 32, qRgb(second, 0, 0)));
    }
    QVERIFY(canvas.isSnapshotArmed());

    // A single shot while the writer is full waits for room instead of being lost.
    canvas.stopSnapshot();
    canvas.continuousSnapshot = false;
    canvas.startSnapshot();
    canvas.processImage(filled(32, 32, qRgb(0, 0, 255)));
    QVERIFY(canvas.isSnapshotArmed());

    gate.open();
    canvas.waitForSnapshotFiles();
    const int runFiles = files(dir).size();
    QVERIFY(runFiles >= SnapshotWriter::QueueLimit);
    QVERIFY(runFiles <= SnapshotWriter::QueueLimit + 1);
    canvas.processImage(filled(32, 32, qRgb(0, 0, 255)));
    QVERIFY(!canvas.isSnapshotArmed());
    canvas.waitForSnapshotFiles();
    QCOMPARE(files(dir).size(), runFiles + 1);
}

void TestCanvasOutput::currentImageIsTheOutput()
{
    ImageCanvas canvas;
    canvas.processImage(filled(100, 80, qRgb(10, 200, 30)));
    canvas.mask = MaskLeft;
    canvas.processImage(filled(100, 80, qRgb(10, 200, 30)));
    const QImage picture = canvas.currentImage();
    QCOMPARE(picture.size(), QSize(100, 80));
    QCOMPARE(QColor(picture.pixel(10, 10)), QColor(Qt::black));
    QCOMPARE(QColor(picture.pixel(60, 10)), QColor(10, 200, 30));
}

void TestCanvasOutput::clipGoesToTheClipboard()
{
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    QImage picture(1280, 720, QImage::Format_RGB888);
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 1280; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, 99));
    canvas.processImage(picture);
    canvas.setDrawMode(Clip);
    QSignalSpy done(&canvas, &ImageCanvas::clipDone);

    send(&canvas, QEvent::MouseButtonPress, QPoint(10, 10));
    send(&canvas, QEvent::MouseMove, QPoint(60, 30));
    send(&canvas, QEvent::MouseMove, QPoint(109, 59));
    send(&canvas, QEvent::MouseButtonRelease, QPoint(109, 59));

    QCOMPARE(done.count(), 1);
    QVERIFY(canvas.clipRect().right() < canvas.clipRect().left());
    const QImage clipped = QGuiApplication::clipboard()->image();
    QCOMPARE(clipped.size(), QSize(100, 50));
    QCOMPARE(QColor(clipped.pixel(0, 0)), QColor(10, 10, 99));
    QCOMPARE(QColor(clipped.pixel(99, 49)), QColor(109, 59, 99));
}

void TestCanvasOutput::clipWithoutDragCopiesNothing()
{
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    canvas.processImage(filled(1280, 720, qRgb(1, 1, 1)));
    canvas.setDrawMode(Clip);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QSignalSpy done(&canvas, &ImageCanvas::clipDone);
    send(&canvas, QEvent::MouseButtonPress, QPoint(10, 10));
    send(&canvas, QEvent::MouseButtonRelease, QPoint(10, 10));
    QCOMPARE(done.count(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

QTEST_MAIN(TestCanvasOutput)
#include "tst_canvas_output.moc"
