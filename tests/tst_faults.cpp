// Faults while the program writes or plays: the recording folder removed or made read-only, the
// disk filling up or running low, the camera or the microphone failing in the middle of a
// recording, the film failing in the middle of play and the snapshot folder vanishing. Every
// pipeline is real, on GStreamer test sources; each fault must end in a defined state in which
// nothing already written is lost.
#include "Config.h"
#include "FilmSource.h"
#include "ImageCanvas.h"
#include "LiveSource.h"
#include "media/AviFileCheck.h"
#include "media/Mp4FileCheck.h"
#include "media/GstPlaybackBackend.h"
#include "media/GstRuntime.h"
#include "media/RecordingRepair.h"
#include "record_helper/TestRecording.h"
#include "tst_pipelinestate.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/gst.h>

#include <atomic>
#include <csignal>
#include <thread>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestRecording;

namespace {

const QSize CaptureSize(320, 240);
// Moving pictures that compress to some 10 kB a frame, so a small disk fills in seconds.
const char *const BallCamera =
    "videotestsrc is-live=true pattern=ball ! capsfilter caps=video/x-raw,width=320,height=240,framerate=25/1";
// Noise, which H.264 cannot shrink much either: the disk fills in seconds in that format too.
const char *const SnowCamera =
    "videotestsrc is-live=true pattern=snow ! capsfilter caps=video/x-raw,width=320,height=240,framerate=25/1";

// The fault cases run in both formats, as the settings may choose either.
void addFormats()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("AVI") << QStringLiteral(".avi");
    QTest::newRow("MP4") << QStringLiteral(".mp4");
}

bool formatInstalled(const QString &file)
{
    return !isMp4(file) || RecordingFormat(RecordingFormat::Mp4).isInstalled();
}

// A tmpfs of a chosen size on a folder of its own, where the machine lets the test mount one.
class ScratchDisk
{
public:
    ~ScratchDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
    }

    // False, with the reason in problem, where mounting is not allowed (no root, a container).
    bool mount(qint64 bytes, bool readOnly = false)
    {
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
        if (::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs",
                    readOnly ? MS_RDONLY : 0, options.constData()) != 0) {
            problem = QString::fromLocal8Bit(strerror(errno));
            return false;
        }
        mounted = true;
        return true;
    }

    bool resize(qint64 bytes)
    {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        return ::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", MS_REMOUNT,
                       options.constData()) == 0;
    }

    QString path() const { return folder.path(); }
    QString filePath(const QString &name) const { return folder.filePath(name); }

    QString problem;

private:
    QTemporaryDir folder;
    bool mounted = false;
};

bool writeFiller(const QString &path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(64 * 1024, 'x');
    for (qint64 written = 0; written < bytes; written += block.size()) {
        if (file.write(block.constData(), qMin<qint64>(block.size(), bytes - written)) < 0)
            return false;
    }
    return file.flush();
}

qint64 freeBytes(const QString &folder)
{
    return RecordingWatch::systemFreeSpace(folder);
}

// Lowers the largest file this process may write; writing past it fails with EFBIG instead of
// ending the process. Put back when the guard goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { lift(); }
    void lift()
    {
        if (lifted)
            return;
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        lifted = true;
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
    bool lifted = false;
};

// A film of the ball and silence, with an index, as the program would record it.
bool makeFilm(const QString &path, int seconds)
{
    const QString description = QStringLiteral(
        "avimux name=mux ! filesink location=\"%1\" "
        "videotestsrc num-buffers=%2 pattern=ball ! video/x-raw,width=160,height=120,framerate=25/1 ! "
        "jpegenc ! mux. "
        "audiotestsrc wave=silence num-buffers=%3 samplesperbuffer=800 ! "
        "audio/x-raw,rate=8000,channels=1,format=S16LE ! mux.")
                                    .arg(path)
                                    .arg(seconds * 25)
                                    .arg(seconds * 10);
    QString problem;
    if (testpipelines::encode(description, &problem))
        return true;
    qWarning() << problem;
    return false;
}

// Stands in for the film canvas: counts the frames and what was asked of its refresh.
class FilmReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override { ++frames; }
    void startAutoRefresh() override { refreshing = true; }
    void stopAutoRefresh() override { refreshing = false; }

    std::atomic<int> frames{0};
    bool refreshing = false;
};

// The film back end with its pipeline in view.
class VisibleFilmBackend : public GstPlaybackBackend
{
public:
    using GstPlaybackBackend::GstPlaybackBackend;
    using GstPlaybackBackend::pipelineElement;

    bool restsInPaused() const { return testpipelines::restsInPaused(pipelineElement()); }
};

// A failure may stop the film's streams before a frame settles its pipeline in PAUSED; then no
// state tells that nothing more comes, and only a quiet stretch can.
bool framesStopped(const std::atomic<int> &frames)
{
    for (int round = 0; round < 20; ++round) {
        const int before = frames;
        QTest::qWait(250);
        if (frames == before)
            return true;
    }
    return false;
}

QString describe(const QString &path)
{
    const AviFileCheck::State state = AviFileCheck::inspect(path);
    return QStringLiteral("%1: %2").arg(path, state == AviFileCheck::State::Complete
                                                  ? QStringLiteral("complete")
                                                  : state == AviFileCheck::State::MissingIndex
                                                  ? QStringLiteral("no index")
                                                  : QStringLiteral("not an AVI"));
}

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    // the recording folder
    void folderRemovedWhileRecording_data();
    void folderRemovedWhileRecording();
    void folderMadeReadOnlyWhileRecording();
    void readOnlyFolderRefusesANewRecording();

    // the disk
    void diskFillingUpDuringRecording_data();
    void diskFillingUpDuringRecording();
    void lowDiskSpaceStopsTheRecording();
    void lowDiskSpaceOnARealDisk();
    void lowDiskSpaceRefusesANewRecording();

    // the pipelines
    void cameraFailingMidStream_data();
    void cameraFailingMidStream();
    void microphoneFailingMidStream();
    void filmFailingMidPlay_data();
    void filmFailingMidPlay();

    // snapshots
    void snapshotFolderVanishingDuringARun();

private:
    void startRecording(const QString &file, const QByteArray &microphone = QByteArray(Microphone));
    // Waits until the recording's file is being written (started has seen recordingStarted()),
    // then lets it record for the given time.
    void recordFor(QSignalSpy &started, int milliseconds);
    // The source after a fault: still open, back to the preview, with no recording.
    void verifyBackToPreview();
    // The file is a whole AVI or MP4 with its index and every frame in it decodes.
    void verifyWholeRecording(const QString &file, int minimumFrames);

    QTemporaryDir scratch;
    CountingReceiver *receiver = nullptr;
    LiveSource *source = nullptr;
};

void FaultsTest::initTestCase()
{
    GstRuntime::ensureInitialised();
    QVERIFY(scratch.isValid());
}

// The source goes first: its pipeline calls into the receiver until it is released.
void FaultsTest::cleanup()
{
    Config::setRecordingFormat(QStringLiteral("avi"));
    delete source;
    source = nullptr;
    delete receiver;
    receiver = nullptr;
}

void FaultsTest::startRecording(const QString &file, const QByteArray &microphone)
{
    receiver = new CountingReceiver;
    source = openSource(receiver, CaptureSize, BallCamera, microphone);
    QVERIFY(source->isOpen());
    recordAsNamed(file);
    source->startRecording(file);
    QVERIFY(source->isRecording());
}

void FaultsTest::recordFor(QSignalSpy &started, int milliseconds)
{
    QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty(), 5000);
    QTest::qWait(milliseconds);
}

void FaultsTest::verifyBackToPreview()
{
    QVERIFY(source->isOpen());
    QVERIFY(!source->isRecording());
    const int before = receiver->frames;
    QTRY_VERIFY_WITH_TIMEOUT(receiver->frames > before + 5, 5000);
}

void FaultsTest::verifyWholeRecording(const QString &file, int minimumFrames)
{
    if (isMp4(file))
        QCOMPARE(Mp4FileCheck::inspect(file), Mp4FileCheck::State::Complete);
    else
        QVERIFY2(AviFileCheck::inspect(file) == AviFileCheck::State::Complete, qPrintable(describe(file)));
    const Frames frames = readFrames(file);
    QVERIFY2(frames.allDecode(), qPrintable(frames.describe()));
    QVERIFY2(frames.demuxed >= minimumFrames,
             qPrintable(frames.describe() + QStringLiteral(", wanted %1").arg(minimumFrames)));
    QVERIFY2(frames.audioBuffers > 0, qPrintable(frames.describe()));
}

// Removing the folder takes the file's name away, not its contents: the source notices within a
// second, finishes the recording and writes it back under its own name.
void FaultsTest::folderRemovedWhileRecording_data()
{
    addFormats();
}

void FaultsTest::folderRemovedWhileRecording()
{
    QFETCH(QString, suffix);
    const QString folder = scratch.filePath(QStringLiteral("removed"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/2024-05-01_10-00-00") + suffix;
    if (!formatInstalled(file))
        QSKIP("no H.264 encoder or MP4 writer installed");
    startRecording(file);
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    recordFor(started, 1500);
    QVERIFY(QDir(folder).removeRecursively());

    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.count(), 1);
    const QString message = failed.first().first().toString();
    QVERIFY2(message.contains(QDir::toNativeSeparators(file)), qPrintable(message));
    verifyBackToPreview();
    verifyWholeRecording(file, 30);
}

// An open file stays writable when its folder loses its write permission: the recording goes on
// and ends complete when it is stopped.
void FaultsTest::folderMadeReadOnlyWhileRecording()
{
    const QString folder = scratch.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/2024-05-01_10-00-01.avi");
    startRecording(file);
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    recordFor(started, 1000);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    // The watch looks at the file and its folder now, and the camera goes on into the file.
    source->recordingWatch().check();
    const qint64 sizeAtChange = QFileInfo(file).size();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(file).size() > sizeAtChange, 5000);
    QTest::qWait(1500); // the stretch recorded after the change
    QVERIFY(source->isRecording());
    QSignalSpy ended(source, SIGNAL(recordingEnded()));
    source->stopRecording();
    QVERIFY(ended.wait(CapturePipeline::FinishTimeoutMs + 2000));
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    QCOMPARE(failed.count(), 0);
    verifyWholeRecording(file, 50);
}

// Starting into a folder nothing can be written to fails at once, with a sentence for the user,
// and the preview goes on. Root ignores permissions, so there a read-only disk stands in.
void FaultsTest::readOnlyFolderRefusesANewRecording()
{
    ScratchDisk disk;
    QString folder = scratch.filePath(QStringLiteral("never-writable"));
    if (::geteuid() == 0) {
        if (!disk.mount(1 << 20, true))
            QSKIP(qPrintable(QStringLiteral("running as root and no read-only disk: %1").arg(disk.problem)));
        folder = disk.path();
    } else {
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    }
    receiver = new CountingReceiver;
    source = openSource(receiver, CaptureSize, BallCamera);
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    const QString file = folder + QStringLiteral("/2024-05-01_10-00-02.avi");
    source->startRecording(file);
    QVERIFY(failed.wait(3000));
    QVERIFY(!failed.first().first().toString().isEmpty());
    verifyBackToPreview();
    QVERIFY(!QFileInfo::exists(file));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

void FaultsTest::diskFillingUpDuringRecording_data()
{
    QTest::addColumn<bool>("onTmpfs");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("camera");
    QTest::addColumn<qint64>("room");
    QTest::newRow("AVI, small tmpfs") << true << QStringLiteral(".avi") << QByteArray(BallCamera) << qint64(700 << 10);
    QTest::newRow("AVI, file size limit") << false << QStringLiteral(".avi") << QByteArray(BallCamera) << qint64(700 << 10);
    // Room for a few fragments of noise.
    QTest::newRow("MP4, small tmpfs") << true << QStringLiteral(".mp4") << QByteArray(SnowCamera) << qint64(2 << 20);
    QTest::newRow("MP4, file size limit") << false << QStringLiteral(".mp4") << QByteArray(SnowCamera) << qint64(2 << 20);
}

// With the free-space watch out of the way the disk really fills. The recording stops with a
// message, the preview goes on, and the file holds every frame up to the fault: readable at once
// (an AVI by scanning, an MP4 up to its last whole fragment), and made whole by the repair once
// there is room again.
void FaultsTest::diskFillingUpDuringRecording()
{
    QFETCH(bool, onTmpfs);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, camera);
    QFETCH(qint64, room);
    ScratchDisk disk;
    QScopedPointer<FileSizeLimit> limit;
    QString folder = scratch.filePath(QStringLiteral("full"));
    if (onTmpfs) {
        if (!disk.mount(4 << 20))
            QSKIP(qPrintable(QStringLiteral("no tmpfs here: %1").arg(disk.problem)));
        folder = disk.path();
        QVERIFY(writeFiller(disk.filePath(QStringLiteral("filler")), freeBytes(folder) - room));
    } else {
        QVERIFY(QDir().mkpath(folder));
    }
    const QString file = folder + QStringLiteral("/2024-05-01_10-00-03") + suffix;
    if (!formatInstalled(file))
        QSKIP("no H.264 encoder or MP4 writer installed");
    recordAsNamed(file);

    receiver = new CountingReceiver;
    source = openSource(receiver, CaptureSize, camera);
    source->recordingWatch().setMinimumFreeBytes(0);
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    if (!onTmpfs)
        limit.reset(new FileSizeLimit(rlim_t(room)));
    source->startRecording(file);
    QVERIFY(source->isRecording());
    QVERIFY(failed.wait(20000));
    if (limit)
        limit->lift();
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.first().first().toString().isEmpty());
    verifyBackToPreview();

    const Frames cut = readFrames(file);
    QVERIFY2(cut.allDecode(), qPrintable(cut.describe()));
    QVERIFY2(cut.demuxed >= 10, qPrintable(cut.describe()));

    if (onTmpfs)
        QVERIFY(disk.resize(64 << 20));
    RecordingRepair repair;
    QVERIFY2(repair.repair(file), qPrintable(repair.error()));
    // The full disk may cut an MP4's last picture in half: the reader passes on what there is of
    // it, the copy leaves it out.
    verifyWholeRecording(file, isMp4(file) ? cut.demuxed - 1 : cut.demuxed);
}

// The watch finds less than the minimum free: the recording is finished, with its index, and the
// user is told; the camera goes back to the preview.
void FaultsTest::lowDiskSpaceStopsTheRecording()
{
    const QString folder = scratch.filePath(QStringLiteral("low"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/2024-05-01_10-00-04.avi");
    receiver = new CountingReceiver;
    source = openSource(receiver, CaptureSize, BallCamera);
    std::atomic<qint64> free{qint64(200) << 20};
    QStringList asked;
    source->recordingWatch().setFreeSpaceQuery([&](const QString &where) {
        asked << where;
        return free.load();
    });
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(file);
    QVERIFY(source->isRecording());
    recordFor(started, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(!asked.isEmpty(), 5000);
    QVERIFY(source->isRecording());
    QCOMPARE(QDir(asked.last()), QDir(folder));

    free = RecordingWatch::DefaultMinimumFreeBytes - 1;
    QVERIFY(failed.wait(3000));
    QCOMPARE(failed.count(), 1);
    QVERIFY2(failed.first().first().toString().contains(QStringLiteral("50 MB")),
             qPrintable(failed.first().first().toString()));
    verifyBackToPreview();
    verifyWholeRecording(file, 30);
}

// The same on a disk that really runs low: another program fills it while the camera records.
void FaultsTest::lowDiskSpaceOnARealDisk()
{
    ScratchDisk disk;
    if (!disk.mount(64 << 20))
        QSKIP(qPrintable(QStringLiteral("no tmpfs here: %1").arg(disk.problem)));
    const QString file = disk.filePath(QStringLiteral("2024-05-01_10-00-05.avi"));
    receiver = new CountingReceiver;
    source = openSource(receiver, CaptureSize, BallCamera);
    QSignalSpy started(source, SIGNAL(recordingStarted()));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(file);
    QVERIFY(source->isRecording());
    recordFor(started, 1200);
    QVERIFY(source->isRecording());

    QVERIFY(writeFiller(disk.filePath(QStringLiteral("filler")), 20 << 20));
    QVERIFY(failed.wait(3000));
    verifyBackToPreview();
    verifyWholeRecording(file, 20);
}

void FaultsTest::lowDiskSpaceRefusesANewRecording()
{
    const QString folder = scratch.filePath(QStringLiteral("too-little"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/2024-05-01_10-00-06.avi");
    receiver = new CountingReceiver;
    source = openSource(receiver, CaptureSize, BallCamera);
    source->recordingWatch().setFreeSpaceQuery([](const QString &) { return qint64(10) << 20; });
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(file);
    QVERIFY(!source->isRecording());
    QVERIFY(failed.wait(2000));
    verifyBackToPreview();
    QVERIFY(!QFileInfo::exists(file));
}

// The camera breaks after a second and a half, as an unplugged one does. The recording up to
// there is a whole file with its index; the source waits for the camera again.
void FaultsTest::cameraFailingMidStream_data()
{
    addFormats();
}

void FaultsTest::cameraFailingMidStream()
{
    QFETCH(QString, suffix);
    const QString file = scratch.filePath(QStringLiteral("2024-05-01_10-00-07") + suffix);
    if (!formatInstalled(file))
        QSKIP("no H.264 encoder or MP4 writer installed");
    recordAsNamed(file);
    receiver = new CountingReceiver;
    // The camera fails a few seconds in: the recording joins the running preview a moment after it
    // is asked for, and a loaded machine must still record enough frames before the fault.
    source = openSource(receiver, CaptureSize, QByteArray(BallCamera) + " ! identity error-after=80");
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(file);
    QVERIFY(source->isRecording());
    QVERIFY(lost.wait(10000));
    QVERIFY(!source->isOpen());
    QVERIFY(!source->isRecording());
    QTRY_COMPARE(failed.count(), 1);
    verifyWholeRecording(file, 25);
}

// The microphone breaks while the camera goes on: the recording ends whole, with the sound up to
// there, and the camera goes back to the preview.
void FaultsTest::microphoneFailingMidStream()
{
    const QString file = scratch.filePath(QStringLiteral("2024-05-01_10-00-08.avi"));
    startRecording(file, QByteArray(Microphone) + " ! identity error-after=80");
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    QVERIFY(failed.wait(10000));
    QCOMPARE(lost.count(), 0);
    verifyBackToPreview();
    verifyWholeRecording(file, 15);
}

void FaultsTest::filmFailingMidPlay_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("file cut short while playing") << QStringLiteral("cut");
    QTest::newRow("frames overwritten while playing") << QStringLiteral("overwrite");
}

// The film's file is damaged under the running player. Whatever the pipeline makes of it (an
// early end or an error), the film comes to rest with the user told at most once, and the
// source stays usable: it plays another film afterwards.
void FaultsTest::filmFailingMidPlay()
{
    QFETCH(QString, damage);
    const QString film = scratch.filePath(QStringLiteral("film-%1.avi").arg(damage));
    const QString other = scratch.filePath(QStringLiteral("other-%1.avi").arg(damage));
    QVERIFY(makeFilm(film, 4));
    QVERIFY(makeFilm(other, 1));
    FilmReceiver filmReceiver;
    auto *backend = new VisibleFilmBackend(&filmReceiver);
    FilmSource player(&filmReceiver, backend);
    QSignalSpy failed(&player, SIGNAL(playbackFailed(QString)));
    QVERIFY(player.open(film));
    QTRY_VERIFY_WITH_TIMEOUT(filmReceiver.frames > 5, 5000);

    QFile file(film);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    if (damage == QLatin1String("cut")) {
        QVERIFY(file.resize(size * 45 / 100));
    } else {
        QVERIFY(file.seek(size * 40 / 100));
        QVERIFY(file.write(QByteArray(int(size * 30 / 100), '\xA5')) > 0);
    }
    file.close();

    // At rest: either after a failure, paused where it broke, or having run off its end, back at
    // its start. No frames come any more and the canvas refreshes the held picture itself.
    QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying() || !failed.isEmpty(), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(filmReceiver.refreshing, 5000);
    if (failed.isEmpty()) {
        // Back at its start the pipeline settles in PAUSED on the first frame, and once what it
        // had to tell is handled it still rests there.
        QTRY_VERIFY_WITH_TIMEOUT(backend->restsInPaused(), 5000);
        const int frames = filmReceiver.frames;
        QVERIFY(testpipelines::handleBusMessages(backend->pipelineElement()));
        QVERIFY(backend->restsInPaused());
        QCOMPARE(filmReceiver.frames.load(), frames);
    } else {
        QVERIFY(framesStopped(filmReceiver.frames));
    }
    QVERIFY(failed.count() <= 1);
    QVERIFY(player.isOpened());

    QVERIFY(player.open(other));
    const int before = filmReceiver.frames;
    QTRY_VERIFY_WITH_TIMEOUT(filmReceiver.frames > before + 5, 5000);
}

// Continuous snapshots from a streaming thread while the folder goes away and comes back: no
// failure is reported for a missing folder, the run stays armed and writes again once the folder
// is back; a file put in the folder's place is left alone.
void FaultsTest::snapshotFolderVanishingDuringARun()
{
    const QString folder = scratch.filePath(QStringLiteral("snapshots"));
    QVERIFY(QDir().mkpath(folder));
    ImageCanvas canvas;
    QSignalSpy saved(&canvas, SIGNAL(snapshotSaved(QString)));
    QSignalSpy failedSpy(&canvas, SIGNAL(snapshotFailed()));
    canvas.snapshotDir = folder;
    canvas.continuousSnapshot = true;
    canvas.snapshotInterval = 0;
    canvas.snapshotDuration = std::numeric_limits<quint64>::max();
    canvas.startSnapshot();
    QVERIFY(canvas.isSnapshotArmed());

    std::atomic<bool> running{true};
    std::atomic<int> framesSent{0};
    std::thread camera([&] {
        QImage frame(CaptureSize, QImage::Format_RGB32);
        int shade = 0;
        while (running) {
            frame.fill(QColor(shade, 80, 160));
            shade = (shade + 7) % 256;
            canvas.processSample(frame.bits(), frame.width(), frame.height(), false, true);
            ++framesSent;
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        }
    });
    // A failed check returns from here: the camera stops and is joined before the canvas goes.
    const auto joinCamera = qScopeGuard([&] {
        running = false;
        if (camera.joinable())
            camera.join();
    });
    // Lets the camera send the given number of frames more, then waits until every snapshot taken
    // of them is written or has failed, and its notice has arrived.
    const auto snapshotFrames = [&](int frames) {
        const int from = framesSent;
        if (!QTest::qWaitFor([&] { return framesSent >= from + frames; }, 5000))
            return false;
        canvas.waitForSnapshotFiles();
        QCoreApplication::sendPostedEvents();
        return true;
    };

    QTRY_VERIFY_WITH_TIMEOUT(!saved.isEmpty(), 5000);
    // Moved away in one step and then deleted: a write under way lands in the moved folder.
    const QString gone = folder + QStringLiteral(".gone");
    QVERIFY(QDir().rename(folder, gone));
    canvas.waitForSnapshotFiles();
    QVERIFY(QDir(gone).removeRecursively());
    QCoreApplication::sendPostedEvents();
    const int savedBefore = saved.count();
    QVERIFY(snapshotFrames(10));
    QCOMPARE(saved.count(), savedBefore);
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(canvas.isSnapshotArmed());

    QFile standIn(folder);
    QVERIFY(standIn.open(QIODevice::WriteOnly));
    QVERIFY(standIn.write("not a folder") > 0);
    standIn.close();
    QVERIFY(snapshotFrames(10));
    QCOMPARE(saved.count(), savedBefore);
    QFile check(folder);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("not a folder"));
    check.close();
    QVERIFY(QFile::remove(folder));

    QVERIFY(QDir().mkpath(folder));
    QTRY_VERIFY_WITH_TIMEOUT(saved.count() > savedBefore, 5000);
    running = false;
    camera.join();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(failedSpy.count(), 0);
    const QStringList written = QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    QVERIFY(!written.isEmpty());
    QVERIFY(!QImage(QDir(folder).filePath(written.first())).isNull());
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
