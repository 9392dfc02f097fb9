// How long the user-interface thread stands still while the film player loads a film, gives up on
// one, or is told to close, seek, pause or play: a 5 ms timer on that thread records its longest
// gap during each action. Through FilmSource, as the window's film commands call it, with the
// real film canvas as receiver.
//
//   open a good film           1280 x 720 MJPEG with sound, until FilmSource::openFinished(true)
//   open a damaged film        its header overwritten, until openFinished(false)
//   open a cut film            cut after 200 bytes, until openFinished(false)
//   open with no sound output  the sound output refuses the stream after 200 ms; the film is
//                              loaded again with its sound into a clocked fakesink
//   refuse a sound-only file   the same broken output, and a file without picture
//   seek, pause, play, close   each on a playing film, for 300 ms after the call (close: the call)
//
// Usage: bench_filmopen [runs]   (5 by default)

#include "FilmSource.h"
#include "ImageCanvas.h"
#include "media/GstRuntime.h"

#include "../tests/tst_gapprobe.h"
#include "../tests/tst_pipelines.h"
#include "../tests/tst_soundoutput.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
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
    QString problem;
    const bool made =
        testpipelines::encode(
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
    measureOpen("open a damaged film", source, damaged, false, runs);
    measureOpen("open a cut film", source, cut, false, runs);
    {
        testsound::BrokenSoundOutput brokenOutput(200);
        measureOpen("open with no sound output", source, good, true, runs);
        measureOpen("refuse a sound-only file", source, sound, false, runs);
    }
    measureCommand("seek while playing", source, good, [&] { source.setPosition(50); }, runs);
    measureCommand("pause", source, good, [&] { source.pause(); }, runs);
    measureCommand("pause, then play", source, good, [&] {
        source.pause();
        waitMs(100);
        source.play();
    }, runs);
    measureCommand("close a playing film", source, good, [&] { source.close(); }, runs);
    return 0;
}
