// Picture files read the way the photograph mode reads them: the input, under a picture name the
// photograph source lists, is opened with PhotographSource::open, which has its decoder thread
// read the whole picture for the canvas and the thumbnail strip's loader thread read its thumbnail
// (and the EXIF thumbnail of a JPEG, and the shared thumbnail cache). Whatever the
// bytes claim, a picture comes back within the reader's limits or not at all.
#include "FuzzInput.h"
#include "ICaptureCB.h"
#include "HorizontalSlider.h"
#include "PhotographSource.h"
#include "PictureReader.h"
#include "ThumbnailButton.h"
#include "ThumbnailLoader.h"
#include "ThumbnailWidget.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Stands in for the photograph canvas and checks what reaches it.
class Receiver : public ICaptureCB
{
public:
    int pictures = 0;

    void processFrame(uchar *, int, int, bool, bool) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &image) override
    {
        ++pictures;
        if (image.isNull())
            return;
        const qint64 pixels = qint64(image.width()) * image.height();
        require(pixels <= PictureReader::MaxPixels);
    }
};

// The photograph page as the main window builds it: the source belongs to the window, the strip
// sits on the canvas.
struct Page
{
    Receiver receiver;
    QWidget window;
    QWidget *canvas = new QWidget(&window);
    PhotographSource *source = new PhotographSource(&receiver, &window);
    HorizontalSlider *slider = new HorizontalSlider(QImage(), &window);
    ThumbnailWidget *strip = new ThumbnailWidget(source, slider, canvas);
};

Page *page = nullptr;
QTemporaryDir *folder = nullptr;

const char *const Names[] = {"picture.bmp", "picture.jpg", "picture.jpeg", "picture.png", "picture.gif"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    static QTemporaryDir scratch;
    folder = &scratch;
    // The thumbnails made go to a cache of the run's own, not the user's.
    static QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    page = new Page;
    page->strip->resize(400, 60);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte names the file; the rest is the file.
    FuzzInput input(data, size);
    const QString name = QLatin1String(Names[input.range(0, 4)]);
    const QDir dir(folder->path());
    for (const QString &old : dir.entryList(QDir::Files))
        QFile::remove(dir.filePath(old));
    const QString path = dir.filePath(name);
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(input.rest()), qint64(input.restSize()));
        // Every input a time of its own: a picture of the same name and time would keep the
        // thumbnail of the input before.
        static qint64 inputs = 0;
        file.setFileTime(QDateTime::fromSecsSinceEpoch(++inputs), QFileDevice::FileModificationTime);
    }

    const int before = page->receiver.pictures;
    require(page->source->open(dir, name));
    if (!page->source->isShown()) {
        QEventLoop loop;
        QObject::connect(page->source, &PhotographSource::photographShown, &loop, &QEventLoop::quit);
        loop.exec();
    }
    require(page->receiver.pictures == before + 1);

    // The strip's loader reads the thumbnail on its own thread and hands it over queued.
    ThumbnailLoader *loader = page->strip->findChild<ThumbnailLoader *>();
    loader->wait();
    QCoreApplication::sendPostedEvents();
    const QList<ThumbnailButton *> &buttons = page->strip->thumbnailButtons();
    require(buttons.size() == 1);
    if (buttons.first()->hasImage) {
        const QSize bound = ThumbnailButton::ThumbnailSize;
        const QSize shown = buttons.first()->image.size();
        require(shown.width() <= bound.width() && shown.height() <= bound.height());
    }
    return 0;
}
