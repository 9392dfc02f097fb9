#include "ICaptureCB.h"
#include "ImageCanvas.h"
#include "PhotographSource.h"
#include "PictureDecoder.h"
#include "tst_photographfiles.h"

#include <QtTest>

using namespace testfiles;

namespace {

// A canvas stand-in that keeps the size of every picture it was given and counts the refresh
// switches.
class RecordingReceiver : public ICaptureCB
{
public:
    QList<QSize> shown;
    int refreshStarts = 0;
    int refreshStops = 0;

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &image) override { shown << image.size(); }
    void processSample(uchar *, int, int, bool, bool) override {}
    void startAutoRefresh() override { ++refreshStarts; }
    void stopAutoRefresh() override { ++refreshStops; }
};

const int Interval = 40;

} // namespace

class PhotographSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void picturesListInCaseSensitiveNameOrder();
    void openingANonPictureChangesNothing();

    void stepsAtTheEndsShowTheSamePictureAgain();
    void stepsWithoutPicturesDoNothing();
    void selectionOutsideTheListDoesNothing();
    void unreadablePictureStillAdvances();

    void slideShowWrapsAfterOneInterval();
    void pauseKeepsTheSlideShowRunning();
    void resumeRescansAndEndsTheShowSilently();
    void stopEndsTheShowWithPlayDone();
    void manualStepsEndTheShow();

    void rescanAfterTheOpenedFileWasDeletedKeepsTheList();
    void rescanShowsTheOpenedFileAndPicksUpNewOnes();
    void deletedFolderIsNotRescanned();

    void damagedPicturesReachTheCanvasAsNothing();

    void staleDecodeNeverReplacesANewerSelection();
    void nextShowsTheNeighbourDecodedAhead();

private:
    // A.png 10x10, a.gif 1x1, b.JPG 30x20, and files that are no pictures of the five kinds.
    void makeFolder();

    QScopedPointer<QTemporaryDir> folder;
    QDir dir;
    RecordingReceiver receiver;
};

void PhotographSourceTest::init()
{
    folder.reset(new QTemporaryDir);
    QVERIFY(folder->isValid());
    dir = QDir(folder->path());
    receiver = RecordingReceiver();
    makeFolder();
}

void PhotographSourceTest::makeFolder()
{
    write(dir.filePath("b.JPG"), encoded(picture(30, 20), "jpeg"));
    write(dir.filePath("A.png"), encoded(picture(10, 10), "png"));
    write(dir.filePath("a.gif"), gif());
    write(dir.filePath("notes.txt"), "not a picture");
    write(dir.filePath("c.tif"), encoded(picture(5, 5), "png"));
    write(dir.filePath("d.jpg.bak"), encoded(picture(5, 5), "jpeg"));
    dir.mkdir("e.png");
}

void PhotographSourceTest::picturesListInCaseSensitiveNameOrder()
{
    PhotographSource source(&receiver, nullptr);
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    QVERIFY(source.open(dir, "a.gif"));
    QCOMPARE(source.count(), 3);
    const QStringList expected = {dir.filePath("A.png"), dir.filePath("a.gif"), dir.filePath("b.JPG")};
    QCOMPARE(source.filePaths(), expected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QTRY_COMPARE(receiver.shown, QList<QSize>{QSize(1, 1)});
}

void PhotographSourceTest::openingANonPictureChangesNothing()
{
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "b.JPG"));
    QTRY_VERIFY(source.isShown());
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));
    const QDir elsewhere(QDir::tempPath());

    QVERIFY(!source.open(dir, "notes.txt"));
    QVERIFY(!source.open(dir, "c.tif"));
    QVERIFY(!source.open(dir, "e.png"));
    QVERIFY(!source.open(dir, "b.jpg")); // names compare exactly
    QVERIFY(!source.open(elsewhere, "b.JPG"));

    QCOMPARE(source.count(), 3);
    QCOMPARE(source.filePaths().at(2), dir.filePath("b.JPG"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(receiver.shown.size(), 1);
}

void PhotographSourceTest::stepsAtTheEndsShowTheSamePictureAgain()
{
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "b.JPG"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    source.next();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), 2);

    source.selectPhotograph(0);
    source.previous();
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().at(0).toInt(), 0);

    source.next();
    QCOMPARE(changed.last().at(0).toInt(), 1);
    QTRY_COMPARE(receiver.shown.last(), QSize(1, 1));
}

void PhotographSourceTest::stepsWithoutPicturesDoNothing()
{
    PhotographSource source(&receiver, nullptr);
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    source.next();
    source.previous();
    QVERIFY(QMetaObject::invokeMethod(&source, "nextPhotograph"));
    source.selectPhotograph(0);

    QCOMPARE(source.count(), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(receiver.shown.isEmpty());
}

void PhotographSourceTest::selectionOutsideTheListDoesNothing()
{
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "A.png"));
    QTRY_VERIFY(source.isShown());
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    source.selectPhotograph(-1);
    source.selectPhotograph(3);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(receiver.shown.size(), 1);
}

void PhotographSourceTest::unreadablePictureStillAdvances()
{
    write(dir.filePath("B.png"), QByteArray("\x89PNG\r\n\x1a\n broken", 16));
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "A.png"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    source.next();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), 1);
    QCOMPARE(source.filePaths().at(1), dir.filePath("B.png"));
    QTRY_VERIFY(source.isShown());
    QVERIFY(receiver.shown.last().isEmpty()); // the canvas is given a null picture

    source.next();
    QCOMPARE(changed.last().at(0).toInt(), 2);
}

void PhotographSourceTest::slideShowWrapsAfterOneInterval()
{
    PhotographSource source(&receiver, nullptr);
    source.setInterval(Interval);
    QVERIFY(source.open(dir, "b.JPG"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    source.play();
    QCOMPARE(changed.count(), 0); // the first change comes one interval later
    QVERIFY(changed.wait(2000));
    QCOMPARE(changed.first().at(0).toInt(), 0);
    QTRY_COMPARE(receiver.shown.last(), QSize(10, 10));
    QVERIFY(changed.wait(2000));
    QCOMPARE(changed.last().at(0).toInt(), 1);
    source.stop();
}

void PhotographSourceTest::pauseKeepsTheSlideShowRunning()
{
    PhotographSource source(&receiver, nullptr);
    source.setInterval(Interval);
    QVERIFY(source.open(dir, "A.png"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    source.play();
    source.pauseCapture();
    QCOMPARE(receiver.refreshStops, 1);
    QVERIFY(changed.wait(2000));
    QVERIFY(changed.wait(2000));
    source.stop();
}

void PhotographSourceTest::resumeRescansAndEndsTheShowSilently()
{
    PhotographSource source(&receiver, nullptr);
    source.setInterval(Interval);
    QVERIFY(source.open(dir, "a.gif"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));
    QSignalSpy done(&source, SIGNAL(playDone()));

    source.play();
    source.pauseCapture();
    QVERIFY(changed.wait(2000));
    source.resumeCapture();

    // The rescan shows the file that was opened, not the one the show reached.
    QCOMPARE(changed.last().at(0).toInt(), 1);
    QCOMPARE(receiver.refreshStarts, 1);
    // The show's timer, its only clock, is stopped: nothing changes the picture any more.
    QVERIFY(!source.isPlaying());
    const int changes = changed.count();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(changed.count(), changes);
    QCOMPARE(done.count(), 0);
}

void PhotographSourceTest::stopEndsTheShowWithPlayDone()
{
    PhotographSource source(&receiver, nullptr);
    source.setInterval(Interval);
    QVERIFY(source.open(dir, "A.png"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));
    QSignalSpy done(&source, SIGNAL(playDone()));

    source.play();
    source.stop();
    QCOMPARE(done.count(), 1);
    QVERIFY(!source.isPlaying());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(changed.count(), 0);

    source.stop(); // also without a running show
    QCOMPARE(done.count(), 2);
}

void PhotographSourceTest::manualStepsEndTheShow()
{
    PhotographSource source(&receiver, nullptr);
    source.setInterval(Interval);
    QVERIFY(source.open(dir, "A.png"));
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));
    QSignalSpy done(&source, SIGNAL(playDone()));

    source.play();
    source.next();
    QCOMPARE(changed.count(), 1);
    // The show's timer, its only clock, is stopped: the show goes no further.
    QVERIFY(!source.isPlaying());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(changed.count(), 1);

    source.play();
    source.previous();
    QVERIFY(!source.isPlaying());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(done.count(), 0);
}

void PhotographSourceTest::rescanAfterTheOpenedFileWasDeletedKeepsTheList()
{
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "b.JPG"));
    const QStringList before = source.filePaths();
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    write(dir.filePath("c.png"), encoded(picture(4, 4), "png"));
    QVERIFY(QFile::remove(dir.filePath("b.JPG")));
    source.resumeCapture();

    QCOMPARE(source.filePaths(), before);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(receiver.refreshStarts, 1);
}

void PhotographSourceTest::rescanShowsTheOpenedFileAndPicksUpNewOnes()
{
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "A.png"));
    source.selectPhotograph(2);
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));

    write(dir.filePath("a.bmp"), encoded(picture(7, 7), "bmp"));
    source.resumeCapture();

    QCOMPARE(source.count(), 4);
    QCOMPARE(source.filePaths().at(1), dir.filePath("a.bmp"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), 0);
    QTRY_COMPARE(receiver.shown.last(), QSize(10, 10));
    QCOMPARE(receiver.refreshStarts, 1);
}

void PhotographSourceTest::deletedFolderIsNotRescanned()
{
    PhotographSource source(&receiver, nullptr);
    source.resumeCapture(); // never opened: only the refresh
    QCOMPARE(receiver.refreshStarts, 1);
    QVERIFY(receiver.shown.isEmpty());

    QVERIFY(source.open(dir, "A.png"));
    const QStringList before = source.filePaths();
    QSignalSpy changed(&source, SIGNAL(photographChanged(int)));
    QVERIFY(folder->remove());

    source.resumeCapture();
    QCOMPARE(source.filePaths(), before);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(receiver.refreshStarts, 2);
}

void PhotographSourceTest::damagedPicturesReachTheCanvasAsNothing()
{
    const QByteArray jpeg = encoded(picture(64, 48), "jpeg");
    const QByteArray png = encoded(picture(64, 48), "png");
    const QByteArray bmp = encoded(picture(64, 48), "bmp");
    QTemporaryDir damaged;
    QDir into(damaged.path());
    write(into.filePath("0.png"), png);
    write(into.filePath("1.bmp"), bmp.left(40));
    write(into.filePath("2.jpg"), jpeg.left(200));
    write(into.filePath("3.jpeg"), QByteArray(2000, '\xff'));
    write(into.filePath("4.png"), png.left(png.size() / 2));
    write(into.filePath("5.gif"), gif().left(20));
    write(into.filePath("6.png"), pngOfZeros(12000, 12000, 6, true));

    ImageCanvas canvas(nullptr);
    canvas.resize(320, 240);
    PhotographSource source(&canvas, nullptr);
    QVERIFY(source.open(into, "0.png"));
    QTRY_COMPARE(canvas.currentImage().size(), QSize(64, 48));
    for (int id = 1; id < source.count(); ++id) {
        source.next();
        QTRY_VERIFY(source.isShown());
        QVERIFY2(canvas.currentImage().isNull(), qPrintable(source.filePaths().at(id)));
        QVERIFY(!canvas.grab().isNull());
    }
}

namespace {

// Watches the pictures the source's decoder hands back.
struct DecodeWatch
{
    QSignalSpy decoded;

    explicit DecodeWatch(PhotographSource &source)
        : decoded(source.findChild<PictureDecoder *>(), &PictureDecoder::decoded)
    {
    }

    bool waitFor(const QString &path)
    {
        const auto seen = [&] {
            for (const QList<QVariant> &arguments : qAsConst(decoded))
                if (arguments.at(0).toString() == path)
                    return true;
            return false;
        };
        while (!seen())
            if (!decoded.wait(5000))
                return false;
        return true;
    }
};

} // namespace

void PhotographSourceTest::staleDecodeNeverReplacesANewerSelection()
{
    QTemporaryDir other;
    QDir into(other.path());
    write(into.filePath("0.png"), encoded(picture(10, 10), "png"));
    write(into.filePath("1.png"), encoded(picture(20, 20), "png"));
    write(into.filePath("2.png"), pngOfZeros(2500, 2500));
    write(into.filePath("3.png"), encoded(picture(30, 30), "png"));
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(into, "0.png"));
    QTRY_VERIFY(source.isShown());
    QSignalSpy shown(&source, SIGNAL(photographShown(int)));
    DecodeWatch watch(source);

    // The slow picture is left for picture 1 before it can have been decoded.
    source.selectPhotograph(2);
    source.selectPhotograph(1);
    QVERIFY(watch.waitFor(into.filePath("2.png")));
    QTRY_COMPARE(shown.count(), 1);
    QCoreApplication::processEvents();

    QVERIFY(!receiver.shown.contains(QSize(2500, 2500)));
    QCOMPARE(receiver.shown.last(), QSize(20, 20));
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.last().at(0).toInt(), 1);
}

void PhotographSourceTest::nextShowsTheNeighbourDecodedAhead()
{
    PhotographSource source(&receiver, nullptr);
    QVERIFY(source.open(dir, "A.png"));
    DecodeWatch watch(source);
    QVERIFY(watch.waitFor(dir.filePath("a.gif")));
    QSignalSpy shown(&source, SIGNAL(photographShown(int)));

    // Changed on disk after it was decoded ahead: what Next shows was not read at the step.
    write(dir.filePath("a.gif"), encoded(picture(3, 3), "png"));
    source.next();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(receiver.shown.last(), QSize(1, 1));
}

QTEST_MAIN(PhotographSourceTest)
#include "tst_photographsource.moc"
