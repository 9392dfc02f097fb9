// How long the user-interface thread stands still during what a user does: a 5 ms timer on that
// thread records its longest gap during each action. Films go through FilmSource as the window's
// film commands call it, photographs through PhotographSource, snapshots through the canvas, each
// with a real canvas as receiver; recordings through the camera pipeline into the canvas.
//
//   open a good film           1280 x 720 MJPEG with sound, until FilmSource::openFinished(true)
//   open 1080p, probed         1920 x 1080 MJPEG with sound, tried first in the probe process as
//                              the program does
//   open 1080p, unprobed       the same film loaded at once, without the probe: the difference is
//                              what the probe costs
//   open a damaged film        its header overwritten, until openFinished(false)
//   open a cut film            cut after 200 bytes, until openFinished(false)
//   open with no sound output  the sound output refuses the stream after 200 ms; the film is
//                              loaded again with its sound into a clocked fakesink
//   refuse a sound-only file   the same broken output, and a file without picture
//   seek, pause, play, close   each on a playing film, for 300 ms after the call (close: the call)
//   drag the position bar      the good film: a new place every 16 ms (as a mouse moves), 10 % to
//                              70 %; the single seek above is its baseline
//   snapshot, slow folder      one snapshot into a folder whose writes take 500 ms, until the file
//                              is written; also the longest the frame call took meanwhile
//   next photograph            Next through ten 4000 x 3000 JPEGs, until each is on the canvas
//   slide show at 1 s          five slides, until the fifth is on the canvas
//   start, stop a recording    1920 x 1080 test camera at 25 fps with sound, until
//                              recordingStarted() and recordingFinished(); also the longest gap
//                              between two camera frames at the canvas while the recording
//                              starts (to 200 ms after), runs (a second) and stops
//
// Usage: bench_responsiveness [runs]   (5 by default)

#include "FilmSource.h"
#include "ImageCanvas.h"
#include "PhotographSource.h"
#include "SnapshotWriter.h"
#include "media/CapturePipeline.h"
#include "media/GstPlaybackBackend.h"
#include "media/GstRuntime.h"

#include "../tests/tst_gapprobe.h"
#include "../tests/tst_pipelines.h"
#include "../tests/tst_soundoutput.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QThread>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figures
{
    std::vector<qint64> stalls;
    std::vector<qint64> durations;
};

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Starts the load and runs the event loop until the film source answers.
bool openAndWait(FilmSource &source, const QString &path)
{
    QEventLoop loop;
    bool answer = false;
    const auto connection = QObject::connect(&source, &FilmSource::openFinished, [&](bool opened) {
        answer = opened;
        loop.quit();
    });
    QTimer::singleShot(0, &source, [&] { source.startOpen(path); });
    loop.exec();
    QObject::disconnect(connection);
    return answer;
}

void report(const char *action, const Figures &figures)
{
    auto sorted = figures.stalls;
    std::sort(sorted.begin(), sorted.end());
    auto times = figures.durations;
    std::sort(times.begin(), times.end());
    std::printf("%-28s runs %2zu   longest stall %4lld ms   median stall %4lld ms   median time %5lld ms\n",
                action, sorted.size(), static_cast<long long>(sorted.back()),
                static_cast<long long>(sorted[sorted.size() / 2]),
                static_cast<long long>(times[times.size() / 2]));
}

void measureOpen(const char *action, FilmSource &source, const QString &path, bool expected, int runs)
{
    Figures figures;
    testprobe::GapProbe probe;
    for (int run = 0; run < runs; ++run) {
        source.close();
        waitMs(50);
        probe.start();
        const bool opened = openAndWait(source, path);
        figures.durations.push_back(probe.elapsedMs());
        figures.stalls.push_back(probe.stop());
        if (opened != expected)
            std::printf("  %s: unexpected answer %d\n", action, opened);
    }
    report(action, figures);
}

// Opens the film, lets it play a moment, then measures the action over 300 ms after it.
void measureCommand(const char *action, FilmSource &source, const QString &path,
                    const std::function<void()> &command, int runs)
{
    Figures figures;
    testprobe::GapProbe probe;
    for (int run = 0; run < runs; ++run) {
        if (!openAndWait(source, path))
            std::printf("  %s: the film did not open\n", action);
        waitMs(300);
        probe.start();
        command();
        figures.durations.push_back(probe.elapsedMs());
        waitMs(300);
        figures.stalls.push_back(probe.stop());
    }
    report(action, figures);
}

// Runs the event loop until the signal comes (or a minute has passed).
template<typename Sender, typename Signal>
bool waitFor(Sender *sender, Signal signal)
{
    QEventLoop loop;
    bool came = false;
    const auto connection = QObject::connect(sender, signal, &loop, [&] {
        came = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return came;
}

void measureSlowSnapshot(int runs)
{
    QTemporaryDir folder;
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    canvas.setSnapshotWriteFunction([](const QImage &picture, const QString &path) {
        QThread::msleep(500);
        return SnapshotWriter::writeJpeg(picture, path);
    });
    canvas.snapshotDir = folder.path();
    canvas.continuousSnapshot = false;
    QImage frame(1280, 720, QImage::Format_RGB888);
    frame.fill(Qt::darkCyan);

    Figures figures;
    qint64 slowestFrameUs = 0;
    testprobe::GapProbe probe;
    for (int run = 0; run < runs; ++run) {
        canvas.stopSnapshot();
        canvas.startSnapshot();
        probe.start();
        QElapsedTimer frameClock;
        frameClock.start();
        canvas.processImage(frame);
        slowestFrameUs = std::max(slowestFrameUs, frameClock.nsecsElapsed() / 1000);
        if (!waitFor(&canvas, &ImageCanvas::snapshotSaved))
            std::printf("  snapshot: no file\n");
        figures.durations.push_back(probe.elapsedMs());
        figures.stalls.push_back(probe.stop());
        waitMs(1100); // a new second, so the next file gets a name of its own
    }
    report("snapshot, slow folder", figures);
    std::printf("%-28s slowest frame call %lld us\n", "", static_cast<long long>(slowestFrameUs));
}

// The longest time between two frames reaching the canvas, from the camera's streaming thread.
class FrameGaps
{
public:
    void frame()
    {
        const qint64 now = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
        const qint64 previous = last.exchange(now);
        if (previous != 0)
            longest = std::max(longest.load(), now - previous);
    }
    void restart()
    {
        last = 0;
        longest = 0;
    }
    qint64 longestMs() const { return longest / 1000; }

private:
    std::atomic<qint64> last{0};
    std::atomic<qint64> longest{0};
};

void measureRecording(int runs)
{
    QTemporaryDir folder;
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    FrameGaps gaps;
    QObject::connect(&canvas, &ImageCanvas::updateFromWorker, &canvas, [&gaps] { gaps.frame(); },
                     Qt::DirectConnection);
    CapturePipeline pipeline;
    CapturePipeline::Settings settings;
    settings.createVideoSource = [] {
        return testpipelines::sourceFrom("videotestsrc is-live=true pattern=ball ! "
                                         "capsfilter caps=video/x-raw,width=1920,height=1080,framerate=25/1");
    };
    settings.receiver = &canvas;
    settings.size = QSize(1920, 1080);
    if (!pipeline.start(settings)) {
        std::printf("  recording: the camera pipeline did not start: %s\n", qPrintable(pipeline.error()));
        return;
    }
    waitMs(500);
    Figures starts;
    Figures stops;
    qint64 frameGapStarting = 0;
    qint64 frameGapRecording = 0;
    qint64 frameGapStopping = 0;
    testprobe::GapProbe probe;
    for (int run = 0; run < runs; ++run) {
        const QString file = folder.filePath(QStringLiteral("recording%1.avi").arg(run));
        gaps.restart();
        probe.start();
        const bool asked = pipeline.startRecording(
            file, [] { return testpipelines::sourceFrom("audiotestsrc is-live=true wave=silence"); });
        if (!asked || !waitFor(&pipeline, &CapturePipeline::recordingStarted))
            std::printf("  recording %d did not start\n", run);
        starts.durations.push_back(probe.elapsedMs());
        starts.stalls.push_back(probe.stop());
        waitMs(200); // the recording's first frames, encoded and written
        frameGapStarting = std::max(frameGapStarting, gaps.longestMs());
        gaps.restart();
        waitMs(1000);
        frameGapRecording = std::max(frameGapRecording, gaps.longestMs());
        gaps.restart();
        probe.start();
        pipeline.stopRecording();
        if (!waitFor(&pipeline, &CapturePipeline::recordingFinished))
            std::printf("  recording %d did not finish\n", run);
        stops.durations.push_back(probe.elapsedMs());
        stops.stalls.push_back(probe.stop());
        frameGapStopping = std::max(frameGapStopping, gaps.longestMs());
    }
    pipeline.stop();
    report("start a 1080p recording", starts);
    report("stop a 1080p recording", stops);
    std::printf("%-28s longest gap between camera frames: starting %lld ms, recording %lld ms, "
                "stopping %lld ms\n",
                "", static_cast<long long>(frameGapStarting), static_cast<long long>(frameGapRecording),
                static_cast<long long>(frameGapStopping));
}

// Ten camera-sized photographs with enough detail that decoding them costs what a real one does.
QStringList makePhotographs(const QString &folder)
{
    QStringList names;
    QImage picture(4000, 3000, QImage::Format_RGB888);
    for (int i = 0; i < 10; ++i) {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor::fromHsv(i * 36, 120, 200));
        for (int line = 0; line < 3000; line += 7)
            painter.fillRect(QRect((line * 13 + i * 97) % 4000, line, 300 + line % 700, 5),
                             QColor::fromHsv((line + i * 50) % 360, 200, 120 + line % 100));
        painter.end();
        const QString name = QStringLiteral("photo%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        picture.save(QDir(folder).filePath(name), "JPG", 90);
        names << name;
    }
    return names;
}

void measurePhotographs(int runs)
{
    QTemporaryDir folder;
    const QStringList names = makePhotographs(folder.path());
    ImageCanvas canvas;
    canvas.resize(1280, 720);
    QObject parent;
    PhotographSource source(&canvas, &parent);

    Figures next;
    Figures show;
    testprobe::GapProbe probe;
    for (int run = 0; run < runs; ++run) {
        source.open(QDir(folder.path()), names.first());
        if (!source.isShown())
            waitFor(&source, &PhotographSource::photographShown);
        for (int step = 1; step < names.size(); ++step) {
            probe.start();
            source.next();
            if (!source.isShown())
                waitFor(&source, &PhotographSource::photographShown);
            next.durations.push_back(probe.elapsedMs());
            next.stalls.push_back(probe.stop());
        }

        source.setInterval(1000);
        probe.start();
        source.play();
        for (int slide = 0; slide < 5; ++slide)
            waitFor(&source, &PhotographSource::photographShown);
        source.stop();
        show.durations.push_back(probe.elapsedMs());
        show.stalls.push_back(probe.stop());
    }
    report("next photograph", next);
    report("slide show at 1 s, 5 slides", show);
}

} // namespace

int main(int argc, char **argv)
{
    // The canvas is a widget but is never shown here; without a display it runs off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GstRuntime::ensureInitialised();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("good.avi"));
    const QString sound = folder.filePath(QStringLiteral("sound.avi"));
    const QString fullHd = folder.filePath(QStringLiteral("full-hd.avi"));
    QString problem;
    const bool made =
        testpipelines::encode(
            QStringLiteral("avimux name=mux ! filesink location=\"%1\" "
                           "videotestsrc num-buffers=250 pattern=ball ! video/x-raw,width=1920,height=1080,"
                           "framerate=25/1 ! jpegenc ! mux. "
                           "audiotestsrc wave=silence num-buffers=100 samplesperbuffer=441 ! "
                           "audio/x-raw,rate=44100,channels=2,format=S16LE ! mux. ")
                .arg(fullHd),
            &problem)
        && testpipelines::encode(
            QStringLiteral("avimux name=mux ! filesink location=\"%1\" "
                           "videotestsrc num-buffers=250 pattern=ball ! video/x-raw,width=1280,height=720,"
                           "framerate=25/1 ! jpegenc ! mux. "
                           "audiotestsrc wave=silence num-buffers=100 samplesperbuffer=441 ! "
                           "audio/x-raw,rate=44100,channels=2,format=S16LE ! mux. ")
                .arg(good),
            &problem)
        && testpipelines::encode(
            QStringLiteral("audiotestsrc wave=silence num-buffers=50 samplesperbuffer=441 ! "
                           "audio/x-raw,rate=44100,channels=2,format=S16LE ! avimux ! filesink location=\"%1\"")
                .arg(sound),
            &problem);
    if (!made) {
        std::printf("cannot make the films: %s\n", qPrintable(problem));
        return 1;
    }
    QFile goodFile(good);
    goodFile.open(QIODevice::ReadOnly);
    const QByteArray bytes = goodFile.readAll();
    QByteArray header = bytes;
    for (int i = 12; i < 2048; ++i)
        header[i] = char((i * 31) & 0xff);
    const QString damaged = folder.filePath(QStringLiteral("damaged.avi"));
    const QString cut = folder.filePath(QStringLiteral("cut.avi"));
    for (const auto &file : {std::make_pair(damaged, header), std::make_pair(cut, bytes.left(200))}) {
        QFile out(file.first);
        out.open(QIODevice::WriteOnly);
        out.write(file.second);
    }

    ImageCanvas canvas;
    canvas.resize(1280, 720);
    FilmSource source(&canvas);

    measureOpen("open a good film", source, good, true, runs);
    {
        auto *unprobedBackend = new GstPlaybackBackend(&canvas);
        unprobedBackend->setProbing(false);
        FilmSource unprobed(&canvas, unprobedBackend);
        measureOpen("open 1080p, probed", source, fullHd, true, runs);
        source.close();
        measureOpen("open 1080p, unprobed", unprobed, fullHd, true, runs);
    }
    measureOpen("open a damaged film", source, damaged, false, runs);
    measureOpen("open a cut film", source, cut, false, runs);
    {
        testsound::BrokenSoundOutput brokenOutput(200);
        measureOpen("open with no sound output", source, good, true, runs);
        measureOpen("refuse a sound-only file", source, sound, false, runs);
    }
    measureCommand("seek while playing", source, good, [&] { source.setPosition(50); }, runs);
    measureCommand("drag the position bar", source, good, [&] {
        for (int percent = 10; percent <= 70; ++percent) {
            source.setPosition(percent);
            waitMs(16);
        }
    }, runs);
    measureCommand("pause", source, good, [&] { source.pause(); }, runs);
    measureCommand("pause, then play", source, good, [&] {
        source.pause();
        waitMs(100);
        source.play();
    }, runs);
    measureCommand("close a playing film", source, good, [&] { source.close(); }, runs);
    source.close();

    measureSlowSnapshot(runs);
    measurePhotographs(std::max(1, runs / 2));
    measureRecording(runs);
    return 0;
}
