// Films are tried in a child process before they load: a film that takes the child down (the
// damaged WMV below makes GStreamer's ASF demuxer ask for 3.77 GB at once, and GLib aborts when
// that fails) or keeps it busy too long is refused while the program goes on; a good film passes
// and plays.
#include "FilmSource.h"
#include "ICaptureCB.h"
#include "media/FilmProbe.h"
#include "media/GstPlaybackBackend.h"
#include "media/GstRuntime.h"
#include "tst_memory.h"
#include "tst_pipelines.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

namespace {

using testmemory::MeasuresMemory;
using testmemory::peakMemoryMiB;

constexpr qint64 Second = 10000000; // in 100 ns units
constexpr int ProbeLimitMs = GstPlaybackBackend::PrerollTimeoutMs;

class Receiver : public ICaptureCB
{
public:
    std::atomic<int> frames{0};

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override { ++frames; }
    void startAutoRefresh() override {}
    void stopAutoRefresh() override {}
};

QString hostileFilm(const char *name)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/films/") + QLatin1String(name);
}

// Runs the probe on the file and returns its verdict.
FilmProbe::Verdict probeVerdict(FilmProbe &probe, const QString &path, int limitMs = ProbeLimitMs)
{
    QSignalSpy finished(&probe, SIGNAL(finished(FilmProbe::Verdict)));
    probe.start(path, limitMs);
    if (!finished.wait(limitMs + 5000))
        return FilmProbe::Unavailable;
    return finished.first().first().value<FilmProbe::Verdict>();
}

} // namespace

class FilmProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void goodFilmPassesAndPlays();
    void filmThatAbortsTheProbeIsRefused();
    void probeOutOfTimeRefuses();
    void damagedMatroskaIsRefused();
    void answerNeedsEveryLine();

private:
    QTemporaryDir dir;
    QString good;
};

void FilmProbeTest::initTestCase()
{
    GstRuntime::ensureInitialised();
    QVERIFY(dir.isValid());
    good = dir.filePath(QStringLiteral("good.avi"));
    QString problem;
    QVERIFY2(testpipelines::encode(
                 QStringLiteral("avimux name=mux ! filesink location=\"%1\" "
                                "videotestsrc num-buffers=50 pattern=ball ! video/x-raw,width=320,height=240,"
                                "framerate=25/1 ! jpegenc ! mux. "
                                "audiotestsrc wave=silence num-buffers=20 samplesperbuffer=800 ! "
                                "audio/x-raw,rate=8000,channels=1,format=S16LE ! mux. ")
                     .arg(good),
                 &problem),
             qPrintable(problem));
    // The tests run the probe that the build put beside them, as the program does beside itself.
    QVERIFY2(QFile::exists(FilmProbe::program()), qPrintable(FilmProbe::program()));
}

void FilmProbeTest::cleanup()
{
    FilmProbe::setProgram(QString());
}

void FilmProbeTest::goodFilmPassesAndPlays()
{
    FilmProbe probe;
    QCOMPARE(probeVerdict(probe, good), FilmProbe::Answered);
    const FilmProbe::Answer answer = probe.answer();
    QVERIFY(answer.prerolled);
    QVERIFY(answer.video);
    QVERIFY(answer.audio);
    QCOMPARE(answer.pictureSize, QSize(320, 240));
    QVERIFY(qAbs(answer.duration - 2 * Second) < Second / 10);

    Receiver receiver;
    FilmSource source(&receiver);
    QVERIFY(source.open(good));
    QVERIFY(source.isPlaying());
    QVERIFY(QTest::qWaitFor([&] { return receiver.frames >= 10; }, 5000));
}

// The child runs out of memory and dies under its own limit, long before its time is up; the test
// process, which never loaded the film, keeps its normal memory.
void FilmProbeTest::filmThatAbortsTheProbeIsRefused()
{
    const QString wmv = hostileFilm("asf_wmv2_wma2-5005.wmv");
    QVERIFY(QFile::exists(wmv));
    const long before = peakMemoryMiB();

    FilmProbe probe;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(probeVerdict(probe, wmv), FilmProbe::Died);
    QVERIFY(clock.elapsed() < ProbeLimitMs);

    Receiver receiver;
    FilmSource source(&receiver);
    QVERIFY(!source.open(wmv));
    QVERIFY(!source.isOpened());
    QCOMPARE(receiver.frames.load(), 0);
    if (MeasuresMemory)
        QVERIFY2(peakMemoryMiB() - before < 100, qPrintable(QString::number(peakMemoryMiB() - before)));

    // The program goes on playing films.
    QVERIFY(source.open(good));
}

void FilmProbeTest::probeOutOfTimeRefuses()
{
    // A probe that never answers, as one stuck in a film would be.
    const QString stuck = dir.filePath(QStringLiteral("stuck-probe"));
    QFile script(stuck);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec sleep 60\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    FilmProbe::setProgram(stuck);

    FilmProbe probe;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(probeVerdict(probe, good, 300), FilmProbe::TimedOut);
    QVERIFY(clock.elapsed() >= 300);
    QVERIFY(!probe.isRunning());

    Receiver receiver;
    FilmSource source(&receiver);
    QSignalSpy finished(&source, SIGNAL(openFinished(bool)));
    source.startOpen(good);
    QVERIFY(finished.wait(ProbeLimitMs + 5000));
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(!source.isOpened());
    QCOMPARE(receiver.frames.load(), 0);
}

// The Matroska demuxer loses its error text on this header; the leak checker of the sanitizer
// build knows that as the library's and reports nothing.
void FilmProbeTest::damagedMatroskaIsRefused()
{
    const QString mkv = hostileFilm("mkv_vp8_noaudio-0002.mkv");
    QVERIFY(QFile::exists(mkv));
    FilmProbe probe;
    QCOMPARE(probeVerdict(probe, mkv), FilmProbe::Answered);
    QVERIFY(!probe.answer().prerolled);

    // Loaded here too, where the leak checker watches, without the probe in front.
    Receiver receiver;
    auto *backend = new GstPlaybackBackend(&receiver);
    backend->setProbing(false);
    FilmSource source(&receiver, backend);
    QVERIFY(!source.open(mkv));
    QVERIFY(!source.isOpened());
}

void FilmProbeTest::answerNeedsEveryLine()
{
    const QByteArray whole = "prerolled 1\nvideo 1\naudio 0\nwidth 640\nheight 480\nduration 1500000000\n"
                             "missing MPEG-4 AAC decoder\n";
    FilmProbe::Answer answer;
    QVERIFY(FilmProbe::parseAnswer(whole, &answer));
    QVERIFY(answer.prerolled && answer.video && !answer.audio);
    QCOMPARE(answer.pictureSize, QSize(640, 480));
    QCOMPARE(answer.duration, 15 * Second / 10);
    QCOMPARE(answer.missing, QStringList{QStringLiteral("MPEG-4 AAC decoder")});

    // A child that died while writing leaves an answer cut short.
    QVERIFY(!FilmProbe::parseAnswer(whole.left(whole.indexOf("duration")), &answer));
}

QTEST_MAIN(FilmProbeTest)
#include "tst_filmprobe.moc"
