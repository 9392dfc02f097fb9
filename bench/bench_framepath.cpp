// The canvas frame path against the least any frame consumer must do (copy the frame in and
// out), and the cost of a large photograph resting on a canvas with its auto refresh running.
#include "CanvasConstants.h"
#include "ImageCanvas.h"
#include "OSDProcessor.h"
#include "ProjectorWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct FrameSize
{
    int width;
    int height;
};

const FrameSize Sizes[] = {{1280, 720}, {1920, 1080}, {2592, 1944}};

std::string sizeName(const FrameSize &size)
{
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::vector<uchar> cameraFrame(const FrameSize &size)
{
    std::vector<uchar> buffer(size_t(size.width) * size.height * 4);
    for (size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = uchar((i * 2654435761u) >> 24);
    return buffer;
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

// What every consumer of a frame must at least do: copy it in, and the result back out.
void baseline(benchmark::State &state, FrameSize size)
{
    std::vector<uchar> buffer = cameraFrame(size);
    std::vector<uchar> frame(buffer.size());
    for (auto _ : state) {
        std::memcpy(frame.data(), buffer.data(), buffer.size());
        benchmark::DoNotOptimize(frame.data());
        std::memcpy(buffer.data(), frame.data(), frame.size());
        benchmark::ClobberMemory();
    }
}

void plain(benchmark::State &state, FrameSize size)
{
    std::vector<uchar> buffer = cameraFrame(size);
    ImageCanvas canvas;
    canvas.processSample(buffer.data(), size.width, size.height, true, true);
    for (auto _ : state)
        canvas.processSample(buffer.data(), size.width, size.height, true, true);
}

// The live case with the user-interface thread's share of each frame: the queued repaint
// request, and with the projector window open, its paint of the whole output picture at the
// frame's own size (a 1080p projector for 1080p frames). The frame path and the user-interface
// work are timed apart, as they run on two threads in the program.
void liveWithProjector(benchmark::State &state, FrameSize size, bool projectorOpen)
{
    std::vector<uchar> buffer = cameraFrame(size);
    ImageCanvas canvas;
    std::unique_ptr<ProjectorWindow> projector;
    if (projectorOpen) {
        projector.reset(new ProjectorWindow(QGuiApplication::primaryScreen()));
        // The virtual screen is smaller than the frames: the window takes the frames' size.
        projector->setWindowState(Qt::WindowNoState);
        projector->setGeometry(0, 0, size.width, size.height);
        projector->showCanvas(&canvas);
    }
    canvas.processSample(buffer.data(), size.width, size.height, true, true);
    QCoreApplication::processEvents();
    double framePathNs = 0;
    double uiNs = 0;
    const quint64 paintsBefore = projector ? projector->pictureCount() : 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        canvas.processSample(buffer.data(), size.width, size.height, true, true);
        framePathNs += clock.nsecsElapsed();
        clock.start();
        // The queued announcement of the frame, then the repaint it asked for.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        uiNs += clock.nsecsElapsed();
    }
    const double frames = double(state.iterations());
    state.counters["frame_path_us"] = framePathNs / frames / 1000.0;
    state.counters["ui_us"] = uiNs / frames / 1000.0;
    if (projector)
        state.counters["projector_paints_per_frame"] = (projector->pictureCount() - paintsBefore) / frames;
}

// Turned a quarter, zoomed 2, with a drawing, the mosaic and the circle mask.
void heavy(benchmark::State &state, FrameSize size)
{
    std::vector<uchar> buffer = cameraFrame(size);
    ImageCanvas canvas;
    canvas.resize(size.width, size.height);
    canvas.processSample(buffer.data(), size.width, size.height, true, true);
    canvas.rotateClockwise();
    canvas.zoomIn();
    canvas.zoomIn();
    canvas.processSample(buffer.data(), size.width, size.height, true, true);
    canvas.setDrawMode(Line);
    canvas.lineWidth = 8;
    sendMouse(&canvas, QEvent::MouseButtonPress, QPoint(size.width / 4, size.height / 4));
    sendMouse(&canvas, QEvent::MouseMove, QPoint(size.width * 3 / 4, size.height * 3 / 4));
    sendMouse(&canvas, QEvent::MouseButtonRelease, QPoint(size.width * 3 / 4, size.height * 3 / 4));
    canvas.effect = EffectMosaic;
    canvas.mask = MaskCircle;
    if (!canvas.hasDrawings() || canvas.zoom() != 2.0 || canvas.rotation() != 1)
        state.SkipWithError("heavy canvas not set up");
    for (auto _ : state)
        canvas.processSample(buffer.data(), size.width, size.height, true, true);
}

QImage photograph()
{
    QImage photo(4000, 3000, QImage::Format_RGB888);
    for (int y = 0; y < photo.height(); ++y) {
        uchar *line = photo.scanLine(y);
        for (int x = 0; x < photo.width() * 3; ++x)
            line[x] = uchar(x ^ y);
    }
    return photo;
}

// Turned a quarter with the mosaic: the photograph now costs real work on every pass.
void applyPhotographTools(ImageCanvas &canvas)
{
    canvas.rotateClockwise();
    canvas.effect = EffectMosaic;
}

// One pass of a 12-megapixel photograph through the frame path: what each 40 ms tick would cost
// if the refresh rendered the resting picture again.
void photographPass(benchmark::State &state)
{
    const QImage photo = photograph();
    ImageCanvas canvas;
    canvas.processImage(photo);
    applyPhotographTools(canvas);
    for (auto _ : state)
        canvas.processImage(photo);
}

// The photograph resting on a shown canvas for ten seconds with the auto refresh running, once the
// tools applied before have been rendered. For comparison, the same with a repaint at every
// refresh tick, as a refresh that cannot tell a resting picture would do.
void restingPhotograph(benchmark::State &state, bool repaintEveryTick)
{
    const QImage photo = photograph();
    ImageCanvas canvas;
    OSDProcessor display(nullptr, &canvas);
    canvas.osd = &display;
    canvas.resize(1280, 720);
    canvas.show();
    canvas.processImage(photo);
    applyPhotographTools(canvas);
    canvas.autoRefresh();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    canvas.startAutoRefresh();
    QTimer everyTick;
    everyTick.setInterval(40);
    QObject::connect(&everyTick, &QTimer::timeout, &canvas, [&canvas] { canvas.update(); });
    if (repaintEveryTick)
        everyTick.start();

    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double threadStart = threadCpuSeconds();
        const double processStart = processCpuSeconds();
        QTimer::singleShot(10000, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
        const double seconds = wall.nsecsElapsed() * 1e-9;
        state.counters["ui_cpu_percent"] = 100.0 * (threadCpuSeconds() - threadStart) / seconds;
        state.counters["process_cpu_percent"] = 100.0 * (processCpuSeconds() - processStart) / seconds;
        state.counters["wall_seconds"] = seconds;
    }
    canvas.stopAutoRefresh();
}

// Prints, after the usual table, each frame-path case as a multiple of its baseline. Run with
// --benchmark_repetitions=N to compare medians on a busy machine.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the case; otherwise its only run does.
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median)
                continue;
            times[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            const auto framePath = run.counters.find("frame_path_us");
            if (framePath != run.counters.end())
                framePathUs[run.run_name.str()] = framePath->second.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::cout << "\nRatio to the two-memcpy baseline of the same size (wall time, CPU time)\n";
        for (const FrameSize &size : Sizes) {
            const std::string name = sizeName(size);
            const auto base = times.find("Baseline/" + name + "/real_time");
            if (base == times.end())
                continue;
            for (const char *kind : {"Plain", "Heavy"}) {
                const auto it = times.find(std::string(kind) + "/" + name + "/real_time");
                if (it == times.end())
                    continue;
                std::cout << "  " << kind << " " << name << ": " << it->second.first / base->second.first
                          << "x wall, " << it->second.second / base->second.second << "x CPU\n";
            }
        }

        // The live frame path alone, with the user-interface thread idle or painting the
        // projector window, against the same baseline (microseconds both).
        const auto base = times.find("Baseline/1920x1080/real_time");
        if (base == times.end())
            return;
        for (const auto &live : framePathUs)
            std::cout << "  " << live.first << " frame path: " << live.second / base->second.first << "x wall\n";
    }

private:
    std::map<std::string, std::pair<double, double>> times;   // wall, CPU
    std::map<std::string, double> framePathUs;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    for (const FrameSize &size : Sizes) {
        const std::string name = sizeName(size);
        benchmark::RegisterBenchmark(("Baseline/" + name).c_str(), baseline, size)
            ->UseRealTime()->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Plain/" + name).c_str(), plain, size)
            ->UseRealTime()->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Heavy/" + name).c_str(), heavy, size)
            ->UseRealTime()->Unit(benchmark::kMicrosecond);
    }
    const FrameSize fullHd{1920, 1080};
    benchmark::RegisterBenchmark("Live/1920x1080/UiThread", liveWithProjector, fullHd, false)
        ->UseRealTime()->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Live/1920x1080/ProjectorOpen", liveWithProjector, fullHd, true)
        ->UseRealTime()->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PhotographPass/4000x3000", photographPass)
        ->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RestingPhotograph/4000x3000/10s", restingPhotograph, false)
        ->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RestingPhotograph/4000x3000/10s/RepaintEveryTick", restingPhotograph, true)
        ->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
