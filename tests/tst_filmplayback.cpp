// The film player on GStreamer, with films made here and now by GStreamer itself: opening good,
// silent, damaged and foreign files, the transport, the speed steps, the position, the volume and
// the frames that reach the canvas.
#include "FilmSource.h"
#include "ICaptureCB.h"
#include "media/GstPlaybackBackend.h"
#include "media/GstRuntime.h"
#include "tst_gapprobe.h"
#include "tst_pipelinestate.h"
#include "tst_pipelines.h"
#include "tst_soundoutput.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/gst.h>

#include <atomic>
#include <cmath>

#include <sys/stat.h>

namespace {

using testpipelines::encode;

constexpr qint64 Second = 10000000; // in 100 ns units
constexpr int FilmWidth = 160;
constexpr int FilmHeight = 120;

// Stands in for the film canvas: counts frames, remembers the first and the latest picture
// and what was asked of its refresh.
class Receiver : public ICaptureCB
{
public:
    std::atomic<int> frames{0};
    std::atomic<int> width{0};
    std::atomic<int> height{0};
    std::atomic<bool> rgb32{false};
    std::atomic<uint> firstPicture{0};
    std::atomic<uint> lastPicture{0};
    QStringList refresh;

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *data, int w, int h, bool, bool fourBytes) override
    {
        const uint picture = qHashBits(data, size_t(w) * size_t(h) * 4);
        if (frames == 0)
            firstPicture = picture;
        lastPicture = picture;
        width = w;
        height = h;
        rgb32 = fourBytes;
        ++frames;
    }
    void startAutoRefresh() override { refresh << "start"; }
    void stopAutoRefresh() override { refresh << "stop"; }
};

QString videoBranch(int seconds, const char *encoder)
{
    return QStringLiteral("videotestsrc num-buffers=%1 pattern=ball ! video/x-raw,width=%2,height=%3,"
                          "framerate=25/1 ! %4 ! mux. ")
        .arg(seconds * 25)
        .arg(FilmWidth)
        .arg(FilmHeight)
        .arg(QLatin1String(encoder));
}

// Silence, so that a run on a machine with speakers stays quiet.
QString audioBranch(int seconds, const char *encoder)
{
    return QStringLiteral("audiotestsrc wave=silence num-buffers=%1 samplesperbuffer=800 ! "
                          "audio/x-raw,rate=8000,channels=1,format=S16LE ! %2 mux. ")
        .arg(seconds * 10)
        .arg(QLatin1String(encoder));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The GStreamer back end with a way to break its pipeline from outside, as a failing element would.
class BreakableBackend : public GstPlaybackBackend
{
public:
    using GstPlaybackBackend::GstPlaybackBackend;
    using GstPlaybackBackend::pipelineElement;

    void postError()
    {
        GstElement *pipeline = pipelineElement();
        GError *error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_DECODE, "broken frame");
        GstBus *bus = gst_element_get_bus(pipeline);
        gst_bus_post(bus, gst_message_new_error(GST_OBJECT(pipeline), error, "made by the test"));
        gst_object_unref(bus);
        g_error_free(error);
    }

    // What reaches the film's picture sink: the flushes of the seeks, and the time of its last frame.
    struct PictureSinkWatch
    {
        std::atomic<int> seeks{0};
        std::atomic<gint64> lastFrame{-1};
    };

    bool watchPictureSink(PictureSinkWatch *watch)
    {
        bool found = false;
        GstIterator *sinks = gst_bin_iterate_sinks(GST_BIN(pipelineElement()));
        GValue item = G_VALUE_INIT;
        while (!found && gst_iterator_next(sinks, &item) == GST_ITERATOR_OK) {
            GstPad *pad = gst_element_get_static_pad(GST_ELEMENT(g_value_get_object(&item)), "sink");
            GstCaps *caps = pad ? gst_pad_get_current_caps(pad) : nullptr;
            found = caps && g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), "video/");
            if (found)
                gst_pad_add_probe(pad, GstPadProbeType(GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM | GST_PAD_PROBE_TYPE_EVENT_FLUSH
                                                                  | GST_PAD_PROBE_TYPE_BUFFER),
                                  notePictureSink, watch, nullptr);
            if (caps)
                gst_caps_unref(caps);
            if (pad)
                gst_object_unref(pad);
            g_value_reset(&item);
        }
        g_value_unset(&item);
        gst_iterator_free(sinks);
        return found;
    }

private:
    static GstPadProbeReturn notePictureSink(GstPad *, GstPadProbeInfo *info, gpointer data)
    {
        auto *watch = static_cast<PictureSinkWatch *>(data);
        if (GST_PAD_PROBE_INFO_TYPE(info) & GST_PAD_PROBE_TYPE_BUFFER)
            watch->lastFrame = gint64(GST_BUFFER_PTS(GST_PAD_PROBE_INFO_BUFFER(info)));
        else if (GST_EVENT_TYPE(GST_PAD_PROBE_INFO_EVENT(info)) == GST_EVENT_FLUSH_START)
            ++watch->seeks;
        return GST_PAD_PROBE_OK;
    }
};

// A film source on the GStreamer back end, with the test keeping a pointer to the back end.
struct Player
{
    Receiver receiver;
    BreakableBackend *backend = new BreakableBackend(&receiver);
    FilmSource source{&receiver, backend};

    // Seconds of film from the back end, which reports 100 ns units.
    double seconds() const { return double(backend->position()) / Second; }

    // Waits until the film rests: its pipeline has settled in PAUSED, so the frame in flight has
    // landed and no other follows.
    bool waitUntilPaused()
    {
        return QTest::qWaitFor([&] { return restsInPaused(); }, 5000);
    }
    bool restsInPaused() const { return testpipelines::restsInPaused(backend->pipelineElement()); }

    // Everything the film's pipeline has told so far has been handled, with what that set off.
    bool handleBusMessages() { return testpipelines::handleBusMessages(backend->pipelineElement()); }

    // Waits for two of the film's ticks: whatever the source does by itself while it rests, it
    // does from its tick.
    bool waitTwoTicks()
    {
        QSignalSpy ticks(&source, SIGNAL(tick()));
        return QTest::qWaitFor([&] { return ticks.count() >= 2; }, 5000);
    }
};

} // namespace

class FilmPlaybackTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // opening
    void filmWithPictureAndSound();
    void filmWithoutSound();
    void soundWithoutPictureIsRefused();
    void notAFilmIsRefused_data();
    void notAFilmIsRefused();
    void damagedFilmEndsAtRest_data();
    void damagedFilmEndsAtRest();
    void windowsMediaFilm();
    void h264FilmInAvi();
    void defaultBackEndIsGStreamer();
    void slowRefusalKeepsTheEventLoopRunning();
    void failingSoundOutputStillPlaysThePicture();

    // transport
    void pauseHoldsAndPlayGoesOn();
    void stopRewindsToTheFirstFrame();
    void runningOffTheEndRestsOnTheFirstFrame();

    // speed steps
    void fastForwardShowsOneFramePerSeek();
    void rewindingPastTheStartRests();

    // position and volume
    void setPositionSeeksByPercent();
    void draggingThePositionSeeksOnceAtATime();
    void volumeSetsTheLinearGain();

    // frames
    void framesArriveAtTheFilmsRate();
    void failureWhilePlayingRestsAndTells();

private:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    QString wmvProblem;
};

void FilmPlaybackTest::initTestCase()
{
    GstRuntime::ensureInitialised();
    // The film's bus is watched from GLib's main loop, which is what Qt runs here.
    QVERIFY(QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib"));
    QVERIFY(dir.isValid());
    const QString avi = QStringLiteral("avimux name=mux ! filesink location=\"%1\" ");
    QString problem;
    QVERIFY2(encode(avi.arg(path("film.avi")) + videoBranch(10, "jpegenc") + audioBranch(10, ""), &problem),
             qPrintable(problem));
    QVERIFY2(encode(avi.arg(path("short.avi")) + videoBranch(2, "jpegenc") + audioBranch(2, ""), &problem),
             qPrintable(problem));
    QVERIFY2(encode(avi.arg(path("silent.avi")) + videoBranch(2, "jpegenc"), &problem), qPrintable(problem));
    QVERIFY2(encode(avi.arg(path("sound.avi")) + audioBranch(2, ""), &problem), qPrintable(problem));

    const QByteArray film = readAll(path("short.avi"));
    QVERIFY(writeAll(path("truncated.avi"), film.left(film.size() * 6 / 10)));
    QByteArray overwritten = film;
    for (int i = film.size() / 3; i < film.size() * 2 / 3; ++i)
        overwritten[i] = char((i * 7919) & 0xff);
    QVERIFY(writeAll(path("overwritten.avi"), overwritten));
    QByteArray header = film;
    for (int i = 12; i < 2048; ++i)
        header[i] = char((i * 31) & 0xff);
    QVERIFY(writeAll(path("header.avi"), header));
    QVERIFY(writeAll(path("notes.avi"), "Shopping list: bread, milk, a new lamp for the projector.\n"));
    QVERIFY(QDir(dir.path()).mkdir("folder.avi"));
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.avi")).constData(), 0600), 0);

    GstElementFactory *asfmux = gst_element_factory_find("asfmux");
    const char *muxer = asfmux ? "asfmux" : "avmux_asf";
    if (asfmux)
        gst_object_unref(asfmux);
    const QString wmv = QStringLiteral("%1 name=mux ! filesink location=\"%2\" ").arg(muxer, path("film.wmv"));
    if (!encode(wmv + videoBranch(2, "avenc_wmv2 name=venc") + audioBranch(2, "audioconvert ! avenc_wmav2 !"),
                &problem))
        wmvProblem = problem.isEmpty() ? QStringLiteral("the WMV encoding did not finish") : problem;
}

void FilmPlaybackTest::filmWithPictureAndSound()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    QVERIFY(player.backend->hasVideo());
    QVERIFY(player.backend->hasAudio());
    QVERIFY(player.source.hasAudio());
    QVERIFY(player.source.isPlaying());
    QCOMPARE(player.backend->duration(), 10 * Second);
    // The first picture is ready when open returns.
    QVERIFY(player.receiver.frames >= 1);
    QCOMPARE(player.receiver.width.load(), FilmWidth);
    QCOMPARE(player.receiver.height.load(), FilmHeight);
    QVERIFY(player.receiver.rgb32);
    QCOMPARE(player.receiver.refresh, QStringList{"stop"});
    QVERIFY(QTest::qWaitFor([&] { return player.seconds() > 0.1; }, 3000));
}

void FilmPlaybackTest::filmWithoutSound()
{
    Player player;
    QVERIFY(player.source.open(path("silent.avi")));
    QVERIFY(player.backend->hasVideo());
    QVERIFY(!player.backend->hasAudio());
    QVERIFY(!player.source.hasAudio());
    player.source.setVolume(50);
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.frames >= 5; }, 3000));
}

void FilmPlaybackTest::soundWithoutPictureIsRefused()
{
    Player player;
    QVERIFY(!player.source.open(path("sound.avi")));
    QVERIFY(!player.source.isOpened());
    QCOMPARE(player.receiver.frames.load(), 0);
    QCOMPARE(player.source.position(), 0);
}

void FilmPlaybackTest::notAFilmIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("text file named .avi") << "notes.avi";
    QTest::newRow("header overwritten") << "header.avi";
    QTest::newRow("missing") << "missing.avi";
    QTest::newRow("folder") << "folder.avi";
    QTest::newRow("named pipe") << "pipe.avi";
}

void FilmPlaybackTest::notAFilmIsRefused()
{
    QFETCH(QString, name);
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    QVERIFY(!player.source.open(dir.filePath(name)));
    QVERIFY(!player.source.isOpened());
    QVERIFY(!player.source.isPlaying());
    QCOMPARE(player.backend->duration(), 0);
    // The canvas keeps the last picture of the film before and refreshes it itself.
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("start"));
}

void FilmPlaybackTest::damagedFilmEndsAtRest_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("truncated") << "truncated.avi";
    QTest::newRow("bytes overwritten") << "overwritten.avi";
}

// Damage that only shows while playing never stalls the film: it plays what it can and comes to
// rest, at its start after running off the end, or where it broke after a failure.
void FilmPlaybackTest::damagedFilmEndsAtRest()
{
    QFETCH(QString, name);
    Player player;
    QSignalSpy failures(&player.source, SIGNAL(playbackFailed(QString)));
    QVERIFY(player.source.open(dir.filePath(name)));
    QVERIFY(QTest::qWaitFor([&] { return !player.source.isPlaying(); }, 6000));
    QVERIFY(player.source.isOpened());
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("start"));
    QVERIFY(failures.count() <= 1);
    if (failures.isEmpty())
        QCOMPARE(player.source.position(), 0);
}

void FilmPlaybackTest::windowsMediaFilm()
{
    if (!wmvProblem.isEmpty())
        QSKIP(qPrintable(QStringLiteral("No WMV test film: the installed GStreamer plug-ins cannot "
                                        "make one (%1).").arg(wmvProblem)));
    Player player;
    QVERIFY(player.source.open(path("film.wmv")));
    QVERIFY(player.source.hasAudio());
    QVERIFY(qAbs(player.backend->duration() - 2 * Second) < Second / 5);
    QCOMPARE(player.receiver.width.load(), FilmWidth);
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.frames >= 10; }, 3000));
}

// Cameras and phones write H.264 with AAC into AVI; the AVI demuxer hands the picture on without
// the framing the decoder needs, which the H.264 parser (gstreamer1.0-plugins-bad) adds.
void FilmPlaybackTest::h264FilmInAvi()
{
    for (const char *encoder : {"x264enc", "avenc_aac"}) {
        GstElementFactory *factory = gst_element_factory_find(encoder);
        if (!factory)
            QSKIP(qPrintable(QStringLiteral("No H.264 test film: %1 is not installed.").arg(encoder)));
        gst_object_unref(factory);
    }
    QString problem;
    const QString avi = QStringLiteral("avimux name=mux ! filesink location=\"%1\" ").arg(path("h264.avi"));
    QVERIFY2(encode(avi + videoBranch(2, "x264enc") + audioBranch(2, "audioconvert ! avenc_aac !"), &problem),
             qPrintable(problem));

    Player player;
    QVERIFY(player.source.open(path("h264.avi")));
    QVERIFY(player.source.hasAudio());
    QCOMPARE(player.receiver.width.load(), FilmWidth);
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.frames >= 10; }, 3000));
}

void FilmPlaybackTest::defaultBackEndIsGStreamer()
{
    Receiver receiver;
    FilmSource source(&receiver);
    QVERIFY(source.open(path("silent.avi")));
    QVERIFY(receiver.frames >= 1);
    QVERIFY(!source.open(path("notes.avi")));
}

// Longest the event loop may stand still while a film loads: far below what the loads below take,
// with room for a busy machine.
constexpr qint64 LongestStallMs = 250;

// A file the player refuses only after the sound output has taken a second to give up on it:
// meanwhile the event loop runs on.
void FilmPlaybackTest::slowRefusalKeepsTheEventLoopRunning()
{
    testsound::BrokenSoundOutput brokenOutput(1000);
    QVERIFY(brokenOutput.isInstalled());
    Player player;
    // The probe would refuse the file at once (it has no picture); this is about loading it here.
    player.backend->setProbing(false);
    QSignalSpy answers(&player.source, SIGNAL(openFinished(bool)));
    testprobe::GapProbe probe;
    probe.start();
    player.source.startOpen(path("sound.avi"));
    QVERIFY(answers.wait(15000));
    const qint64 took = probe.elapsedMs();
    const qint64 stall = probe.stop();
    QCOMPARE(answers.first().first().toBool(), false);
    QVERIFY(!player.source.isOpened());
    QVERIFY2(took >= 1000, qPrintable(QString::number(took)));
    QVERIFY2(stall < LongestStallMs, qPrintable(QStringLiteral("stood still for %1 ms").arg(stall)));
}

// When the sound output refuses the film's sound, the film plays anyway, silently, and loading it
// twice over does not hold up the event loop either.
void FilmPlaybackTest::failingSoundOutputStillPlaysThePicture()
{
    testsound::BrokenSoundOutput brokenOutput(500);
    Player player;
    QSignalSpy answers(&player.source, SIGNAL(openFinished(bool)));
    testprobe::GapProbe probe;
    probe.start();
    player.source.startOpen(path("film.avi"));
    QVERIFY(answers.wait(15000));
    const qint64 stall = probe.stop();
    QCOMPARE(answers.first().first().toBool(), true);
    QVERIFY(player.source.isPlaying());
    QVERIFY(player.source.hasAudio());
    QVERIFY2(stall < LongestStallMs, qPrintable(QStringLiteral("stood still for %1 ms").arg(stall)));
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.frames >= 10; }, 3000));
}

void FilmPlaybackTest::pauseHoldsAndPlayGoesOn()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    QVERIFY(QTest::qWaitFor([&] { return player.seconds() > 0.2; }, 3000));

    player.source.pause();
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("start"));
    // Where it paused, at once: not where some earlier seek went.
    QVERIFY(player.seconds() > 0.2);
    QVERIFY(player.waitUntilPaused());
    const qint64 held = player.backend->position();
    const int frames = player.receiver.frames;
    // Nothing left under way sets it going again: no tick runs, and once the pipeline's messages
    // are handled it still rests where it paused.
    QVERIFY(!player.source.isRunning());
    QVERIFY(player.handleBusMessages());
    QVERIFY(player.restsInPaused());
    QCOMPARE(player.backend->position(), held);
    QCOMPARE(player.receiver.frames.load(), frames);

    player.source.play();
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("stop"));
    QVERIFY(QTest::qWaitFor([&] { return player.backend->position() > held + Second / 5; }, 3000));
    QVERIFY(player.receiver.frames > frames);
}

void FilmPlaybackTest::stopRewindsToTheFirstFrame()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    QVERIFY(QTest::qWaitFor([&] { return player.seconds() > 0.3; }, 3000));
    QSignalSpy ticks(&player.source, SIGNAL(tick()));

    player.source.stop();
    QCOMPARE(ticks.count(), 1);
    QCOMPARE(player.source.position(), 0);
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.lastPicture == player.receiver.firstPicture; }, 3000));
    QVERIFY(player.waitUntilPaused());
    QCOMPARE(player.backend->position(), 0);
    QVERIFY(player.source.isPlaying());
}

void FilmPlaybackTest::runningOffTheEndRestsOnTheFirstFrame()
{
    Player player;
    QVERIFY(player.source.open(path("silent.avi")));
    player.source.setPosition(90);
    QVERIFY(QTest::qWaitFor([&] { return !player.source.isPlaying(); }, 3000));
    QCOMPARE(player.source.position(), 0);
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("start"));
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.lastPicture == player.receiver.firstPicture; }, 3000));
    // Resting, not running: the tick goes on, and nothing moves any more.
    QVERIFY(player.waitUntilPaused());
    const int frames = player.receiver.frames;
    QVERIFY(player.waitTwoTicks());
    QVERIFY(player.restsInPaused());
    QCOMPARE(player.backend->position(), 0);
    QCOMPARE(player.receiver.frames.load(), frames);
}

void FilmPlaybackTest::fastForwardShowsOneFramePerSeek()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    player.source.forward();
    player.source.forward();
    QCOMPARE(player.source.rate(), 4);
    const qint64 start = player.backend->position();
    const int frames = player.receiver.frames;

    // Two seconds of film go by in a handful of ticks, each bringing up the one frame it seeks to.
    QVERIFY(QTest::qWaitFor([&] { return player.backend->position() >= start + 2 * Second; }, 5000));
    const int shown = player.receiver.frames - frames;
    QVERIFY2(shown >= 1 && shown < 25, qPrintable(QString::number(shown)));

    player.source.backward();
    player.source.backward();
    QCOMPARE(player.source.rate(), 1);
    const qint64 resumed = player.backend->position();
    QVERIFY(QTest::qWaitFor([&] { return player.backend->position() > resumed + Second / 5; }, 3000));
}

void FilmPlaybackTest::rewindingPastTheStartRests()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    player.source.setPosition(3);
    player.source.backward();
    QCOMPARE(player.source.rate(), -2);
    QVERIFY(QTest::qWaitFor([&] { return !player.source.isPlaying(); }, 3000));
    QCOMPARE(player.source.position(), 0);
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("start"));
    player.source.forward();
    QCOMPARE(player.source.rate(), -2);
    QVERIFY(player.waitTwoTicks());
    QCOMPARE(player.backend->position(), 0);
}

void FilmPlaybackTest::setPositionSeeksByPercent()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    QVERIFY(QTest::qWaitFor([&] { return player.seconds() > 0.1; }, 3000));
    player.source.pause();
    QVERIFY(player.waitUntilPaused());
    const int frames = player.receiver.frames;

    player.source.setPosition(50);
    QCOMPARE(player.source.position(), 50);
    // A seek while paused brings up exactly one frame, the one at the new place, and settles on it.
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.frames > frames; }, 3000));
    QVERIFY(player.waitUntilPaused());
    QVERIFY(player.handleBusMessages());
    QCOMPARE(player.receiver.frames.load(), frames + 1);
    QCOMPARE(player.backend->position(), 5 * Second);
    QCOMPARE(player.source.position(), 50);
}

void FilmPlaybackTest::draggingThePositionSeeksOnceAtATime()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    player.source.pause();
    BreakableBackend::PictureSinkWatch watch;
    QVERIFY(player.backend->watchPictureSink(&watch));

    // A drag of the position bar: a new place at every mouse move, quicker than frames decode.
    int moves = 0;
    for (int percent = 10; percent <= 60; percent += 2, ++moves)
        player.source.setPosition(percent);
    QCOMPARE(player.source.position(), 60);
    QTRY_COMPARE_WITH_TIMEOUT(watch.lastFrame.load(), gint64(6 * GST_SECOND), 5000);
    QVERIFY2(watch.seeks * 4 < moves, qPrintable(QStringLiteral("%1 seeks for %2 moves").arg(watch.seeks).arg(moves)));
    QCOMPARE(player.backend->position(), 6 * Second);
}

void FilmPlaybackTest::volumeSetsTheLinearGain()
{
    Player player;
    QVERIFY(player.source.open(path("film.avi")));
    QCOMPARE(player.backend->audioGain(), 1.0);
    player.source.setVolume(75);
    QVERIFY(std::abs(player.backend->audioGain() - std::pow(10.0, -2500 / 2000.0)) < 1e-9);
    player.source.setVolume(0);
    QCOMPARE(player.backend->audioGain(), 0.0);
    player.source.setVolume(100);
    QCOMPARE(player.backend->audioGain(), 1.0);
}

void FilmPlaybackTest::framesArriveAtTheFilmsRate()
{
    Player player;
    QElapsedTimer wall;
    wall.start();
    QVERIFY(player.source.open(path("film.avi")));
    const int first = player.receiver.frames;
    QTest::qWait(1000); // the stretch of film to count
    player.source.pause();
    QVERIFY(player.waitUntilPaused());
    const double played = player.seconds();
    const double waited = wall.elapsed() / 1000.0;

    // Every frame of the stretch played reaches the canvas, none twice: 25 a second of film.
    const int frames = player.receiver.frames - first;
    QVERIFY2(std::abs(frames - played * 25) <= 3,
             qPrintable(QStringLiteral("%1 frames in %2 s of film").arg(frames).arg(played)));
    // The film runs on the clock, never faster than real time, even with no sound card.
    QVERIFY(played > 0.2);
    QVERIFY2(played <= waited + 0.1, qPrintable(QStringLiteral("%1 s of film in %2 s").arg(played).arg(waited)));
}

void FilmPlaybackTest::failureWhilePlayingRestsAndTells()
{
    Player player;
    QSignalSpy failures(&player.source, SIGNAL(playbackFailed(QString)));
    QVERIFY(player.source.open(path("film.avi")));
    QVERIFY(QTest::qWaitFor([&] { return player.seconds() > 0.2; }, 3000));

    // One breakdown often shows as several errors; the main window hears of it once.
    player.backend->postError();
    player.backend->postError();
    QVERIFY(QTest::qWaitFor([&] { return !failures.isEmpty(); }, 3000));
    QVERIFY(player.handleBusMessages());
    QCOMPARE(failures.count(), 1);
    QVERIFY(!failures.first().first().toString().isEmpty());
    QVERIFY(player.source.isOpened());
    QVERIFY(!player.source.isPlaying());
    QCOMPARE(player.receiver.refresh.last(), QStringLiteral("start"));
    QVERIFY(player.waitUntilPaused());
    const qint64 held = player.backend->position();
    const int frames = player.receiver.frames;
    QVERIFY(!player.source.isRunning());
    QVERIFY(player.handleBusMessages());
    QVERIFY(player.restsInPaused());
    QCOMPARE(player.backend->position(), held);
    QCOMPARE(player.receiver.frames.load(), frames);

    // Playing again starts from where the film stopped.
    player.source.play();
    QVERIFY(QTest::qWaitFor([&] { return player.receiver.frames > frames + 3; }, 3000));
    QVERIFY(player.backend->position() >= held);
}

QTEST_GUILESS_MAIN(FilmPlaybackTest)
#include "tst_filmplayback.moc"
