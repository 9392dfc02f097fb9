// Thumbnails of a folder of 4000 x 3000 JPEG photographs: the time from opening the folder until
// every thumbnail has reached its button, against decoding the same files at full size in the
// same run. The photographs are generated once per run in a temporary folder.
//
// The main folder holds 500 photographs of smooth scenes with light grain (about 0.9 MB each).
// Two folders of 100 show how the result depends on detail: the same scenes without grain (about
// 0.5 MB) and with heavy grain (about 3.8 MB, the size of a phone camera's photograph). A reduced
// JPEG decode skips most of the work per pixel but must still read every coded coefficient, so
// the more detail a file holds, the less the reduction saves.
//
// A fourth folder holds the photographs of the main one as a camera writes them, with an EXIF
// block that carries a 160 x 120 thumbnail; its full-size decode is that of the main folder (the
// same pictures). Each folder is opened twice in a fresh strip: first with an empty thumbnail
// cache of its own, then again with the cache the first opening filled.

#include "HorizontalSlider.h"
#include "ICaptureCB.h"
#include "PhotographSource.h"
#include "PictureReader.h"
#include "ThumbnailButton.h"
#include "ThumbnailLoader.h"
#include "ThumbnailWidget.h"
#include "../tests/tst_photographfiles.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

#include <sys/resource.h>

namespace {

struct Folder
{
    QString name;
    int count = 0;
    int grain = 0;
    QTemporaryDir dir;
    QStringList files;
    qint64 bytes = 0;
    // A folder of the same photographs with EXIF thumbnails, written alongside.
    Folder *withExif = nullptr;
    // The folder whose full-size decode this one is measured against, when not itself.
    const Folder *decodedAs = nullptr;
};

Folder cameraLike{QStringLiteral("camera-like"), 500, 6};
Folder lightGrain{QStringLiteral("light-grain"), 500, 6, {}, {}, 0, &cameraLike};
Folder plain{QStringLiteral("plain"), 100, 0};
Folder heavyGrain{QStringLiteral("heavy-grain"), 100, 40};
const std::initializer_list<Folder *> generated = {&lightGrain, &plain, &heavyGrain};
const std::initializer_list<Folder *> folders = {&lightGrain, &plain, &heavyGrain, &cameraLike};
QTemporaryDir cacheHome;
QMap<QString, double> seconds;
QMap<QString, double> cpuSeconds;

// Processor time of the whole process, every thread counted: on a busy machine it says more about
// the work done than the elapsed time does.
double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readLine() : QByteArray("unknown\n");
}

class NullReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
};

// Sky and ground gradients with grain, and a few soft shapes that move from file to file.
QImage scene(int grain, quint32 seed)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const bool sky = y < 1400;
        for (int x = 0; x < image.width(); ++x) {
            const int noise = grain ? int(random.bounded(grain)) - grain / 2 : 0;
            const int r = sky ? 90 + y / 20 : 70 + x / 40;
            const int g = sky ? 140 + y / 25 : 110 + (y - 1400) / 20;
            const int b = sky ? 220 - y / 30 : 60 + x / 80;
            line[x] = qRgb(qBound(0, r + noise, 255), qBound(0, g + noise, 255), qBound(0, b + noise, 255));
        }
    }
    return image;
}

void generate(Folder &folder)
{
    QElapsedTimer clock;
    clock.start();
    const QImage base = scene(folder.grain, 1);
    QRandomGenerator random(2);
    for (int i = 0; i < folder.count; ++i) {
        QImage image = base;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int shape = 0; shape < 12; ++shape) {
            painter.setBrush(QColor::fromHsv(int(random.bounded(360)), 160, 200, 200));
            painter.drawEllipse(QPointF(random.bounded(4000), random.bounded(3000)),
                                100 + random.bounded(500), 100 + random.bounded(400));
        }
        painter.end();
        const QString name = QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        const QString path = folder.dir.filePath(name);
        image.save(path, "JPEG", 90);
        folder.files << name;
        folder.bytes += QFileInfo(path).size();
        if (Folder *camera = folder.withExif) {
            QFile plainFile(path);
            plainFile.open(QIODevice::ReadOnly);
            const QImage small = image.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QByteArray bytes = testfiles::jpegWithExifThumbnail(plainFile.readAll(),
                                                                      testfiles::encoded(small, "jpeg"));
            testfiles::write(camera->dir.filePath(name), bytes);
            camera->files << name;
            camera->bytes += bytes.size();
        }
    }
    std::fprintf(stderr, "%s: %d photographs, %.2f MB each, made in %.0f s\n", qPrintable(folder.name),
                 folder.count, folder.bytes / 1e6 / folder.count, clock.elapsed() / 1000.0);
}

bool everyThumbnailShown(const ThumbnailWidget &strip)
{
    for (ThumbnailButton *button : strip.thumbnailButtons())
        if (!button->hasImage)
            return false;
    return true;
}

enum class Opening { First, Second };

QString openingName(Opening opening)
{
    return opening == Opening::First ? QStringLiteral("first") : QStringLiteral("second");
}

void thumbnailsShown(benchmark::State &state, Folder *folder, Opening opening)
{
    // Each folder has a cache of its own: empty for the first opening, as that left it for the
    // second.
    QDir cache(cacheHome.filePath(folder->name));
    if (opening == Opening::First)
        cache.removeRecursively();
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    const QString key = "thumbnails " + openingName(opening) + " " + folder->name;
    for (auto _ : state) {
        state.PauseTiming();
        NullReceiver receiver;
        QWidget window;
        window.resize(1400, 200);
        PhotographSource source(&receiver, &window);
        HorizontalSlider slider(QImage(), &window);
        auto *strip = new ThumbnailWidget(&source, &slider, &window);
        strip->setFixedSize(1280, 60);
        window.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        // Each hand-over wakes the event loop; the timer only makes sure a pass that ends
        // without handing over its last thumbnail is noticed.
        QTimer wake;
        wake.start(100);
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = processCpuSeconds();
        source.open(QDir(folder->dir.path()), folder->files.first());
        while (!everyThumbnailShown(*strip)) {
            if (strip->findChild<ThumbnailLoader *>()->isFinished()) {
                QCoreApplication::sendPostedEvents();
                break;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        seconds[key] = clock.elapsed() / 1000.0;
        cpuSeconds[key] = processCpuSeconds() - cpuStart;
        if (!everyThumbnailShown(*strip))
            state.SkipWithError("a thumbnail was not shown");
    }
    state.counters["files"] = folder->count;
}

void fullSizeDecode(benchmark::State &state, Folder *folder)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = processCpuSeconds();
        for (const QString &name : qAsConst(folder->files)) {
            const QImage image = PictureReader::readPicture(folder->dir.filePath(name));
            if (image.size() != QSize(4000, 3000))
                state.SkipWithError("a photograph did not decode");
            benchmark::DoNotOptimize(image.constBits());
        }
        seconds["full size " + folder->name] = clock.elapsed() / 1000.0;
        cpuSeconds["full size " + folder->name] = processCpuSeconds() - cpuStart;
    }
    state.counters["files"] = folder->count;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    std::fprintf(stderr, "load before: %s", loadAverage().constData());
    for (Folder *folder : generated)
        generate(*folder);
    for (Folder *folder : folders) {
        for (Opening opening : {Opening::First, Opening::Second})
            benchmark::RegisterBenchmark(
                ("ThumbnailsShown/" + folder->name + "/" + openingName(opening)).toUtf8().constData(),
                thumbnailsShown, folder, opening)
                ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
        if (!folder->decodedAs)
            benchmark::RegisterBenchmark(("FullSizeDecode/" + folder->name).toUtf8().constData(),
                                         fullSizeDecode, folder)
                ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
    }
    benchmark::RunSpecifiedBenchmarks();

    for (Folder *folder : folders) {
        const QString full = "full size " + (folder->decodedAs ? folder->decodedAs : folder)->name;
        if (seconds.value(full) <= 0 || cpuSeconds.value(full) <= 0)
            continue;
        for (Opening opening : {Opening::First, Opening::Second}) {
            const QString thumbnails = "thumbnails " + openingName(opening) + " " + folder->name;
            std::printf("%s, %d files, %s opening: every thumbnail shown in %.2f s (%.2f s processor), "
                        "full-size decode %.2f s (%.2f s processor): %.1f%% (1/%.0f) of the elapsed, "
                        "%.1f%% (1/%.0f) of the processor time\n",
                        qPrintable(folder->name), folder->count, qPrintable(openingName(opening)),
                        seconds.value(thumbnails), cpuSeconds.value(thumbnails), seconds.value(full),
                        cpuSeconds.value(full), 100.0 * seconds.value(thumbnails) / seconds.value(full),
                        seconds.value(full) / seconds.value(thumbnails),
                        100.0 * cpuSeconds.value(thumbnails) / cpuSeconds.value(full),
                        cpuSeconds.value(full) / cpuSeconds.value(thumbnails));
        }
    }
    std::printf("load after: %s", loadAverage().constData());
    return 0;
}
