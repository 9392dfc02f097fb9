#include "HorizontalSlider.h"
#include "ICaptureCB.h"
#include "PhotographSource.h"
#include "ThumbnailButton.h"
#include "ThumbnailCache.h"
#include "ThumbnailLoader.h"
#include "ThumbnailWidget.h"
#include "tst_photographfiles.h"

#include <QCryptographicHash>
#include <QImageReader>
#include <QtTest>

using namespace testfiles;

namespace {

class NullReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
};

// The strip as the main window sets it up: the source belongs to the window, the strip sits on a
// canvas of the window, the scroll slider beside it.
struct Rig
{
    NullReceiver receiver;
    QWidget window;
    QWidget *canvas = new QWidget(&window);
    PhotographSource *source = new PhotographSource(&receiver, &window);
    HorizontalSlider *slider = new HorizontalSlider(QImage(), &window);
    ThumbnailWidget *strip = new ThumbnailWidget(source, slider, canvas);

    ThumbnailLoader *loader() const { return strip->findChild<ThumbnailLoader *>(); }
    ThumbnailButton *button(int i) const { return strip->thumbnailButtons().at(i); }
    QList<int> shown() const
    {
        QList<int> ids;
        for (int i = 0; i < strip->thumbnailButtons().size(); ++i)
            if (!button(i)->isHidden())
                ids << i;
        return ids;
    }
    // Ends the loader's pass and delivers what it handed over.
    void settle() const
    {
        loader()->finishPass();
        QCoreApplication::sendPostedEvents();
    }
    // Lets the loader's pass run to its end and delivers what it handed over.
    bool finish() const
    {
        if (!QTest::qWaitFor([this] { return loader()->isFinished(); }, 10000))
            return false;
        QCoreApplication::sendPostedEvents();
        return true;
    }
};

QList<int> range(int from, int to)
{
    QList<int> ids;
    for (int i = from; i <= to; ++i)
        ids << i;
    return ids;
}

QString name(int i)
{
    return QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'));
}

void makePictures(const QDir &dir, int count, QColor colour = Qt::darkCyan)
{
    const QByteArray bytes = encoded(picture(40, 30, colour), "png");
    for (int i = 0; i < count; ++i)
        write(dir.filePath(name(i)), bytes);
}

QColor centre(QWidget *widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

// A point inside the plain lower right quarter of the generated pictures.
QColor lowerRight(QWidget *widget)
{
    return widget->grab().toImage().pixelColor(widget->width() * 3 / 4, widget->height() * 3 / 4);
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

QImage thumbnailAt(ThumbnailButton *button)
{
    return button->image;
}

// The name the shared cache gives a picture's thumbnail, worked out here from the rules.
QString cacheName(const QString &path)
{
    const QByteArray uri = "file://" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/");
    return QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
}

qint64 modified(const QString &path)
{
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}

bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

} // namespace

class ThumbnailWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void twentyPicturesFillAnEightHundredPixelStrip();
    void threePicturesStandCentred();
    void narrowStripShowsNone();
    void selectingScrollsTheViewAndChecks();
    void clickingSelectsThroughTheSource();
    void sliderScrollsTheView();
    void resizeShowsEveryThumbnailThatFits();

    void loaderFillsThumbnailsAndLeavesUnreadableOnesBlack();
    void newFolderMidPassStopsAndStartsOver();
    void hostileFilesLoadWithoutHarm();
    void destroyingTheStripMidPassJoinsTheLoader();

    void buttonBorderFollowsState();
    void missingBackgroundPictureIsHarmless();

    void cacheFileFollowsTheSharedRules();
    void cacheIsUsedUntilThePictureIsModified();
    void exifThumbnailIsUsedWhenBigEnough();
    void thumbnailsOnScreenAreReadFirst();
    void unchangedFolderKeepsItsThumbnails();

private:
    QString normalFolder() const { return cacheHome->path() + QStringLiteral("/thumbnails/normal"); }

    QScopedPointer<QTemporaryDir> cacheHome;
};

void ThumbnailWidgetTest::init()
{
    // Each test starts with an empty shared cache of its own.
    cacheHome.reset(new QTemporaryDir);
    QVERIFY(cacheHome->isValid());
    qputenv("XDG_CACHE_HOME", cacheHome->path().toUtf8());
}

void ThumbnailWidgetTest::twentyPicturesFillAnEightHundredPixelStrip()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 20);
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(0)));

    QCOMPARE(rig.strip->thumbnailButtons().size(), 20);
    QCOMPARE(rig.shown(), range(0, 9));
    QCOMPARE(rig.button(0)->pos(), QPoint(70, 5));
    QCOMPARE(rig.button(9)->x(), 70 + 9 * 66);
    QCOMPARE(rig.button(0)->size(), QSize(56, 50));
    QCOMPARE(rig.slider->minimum, 0);
    QCOMPARE(rig.slider->maximum, 10);
    QVERIFY(rig.button(0)->isChecked());
}

void ThumbnailWidgetTest::threePicturesStandCentred()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 3);
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(2)));

    QCOMPARE(rig.shown(), range(0, 2));
    QCOMPARE(rig.button(0)->x(), 301);
    QCOMPARE(rig.slider->maximum, 0);
    QVERIFY(rig.button(2)->isChecked());
}

void ThumbnailWidgetTest::narrowStripShowsNone()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 20);
    Rig rig;
    rig.strip->setFixedSize(155, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(0)));
    QCOMPARE(rig.strip->visibleCount(), 0);
    QVERIFY(rig.shown().isEmpty());
    QCOMPARE(rig.slider->maximum, 20);

    // Narrower than both margins together: still none, not fewer than none.
    rig.strip->setFixedSize(10, 60);
    rig.strip->reload();
    QCOMPARE(rig.strip->visibleCount(), 0);
    QCOMPARE(rig.slider->maximum, 20);
}

void ThumbnailWidgetTest::selectingScrollsTheViewAndChecks()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 20);
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(0)));

    rig.source->selectPhotograph(15);
    QCOMPARE(rig.shown(), range(6, 15));
    QCOMPARE(rig.button(6)->x(), 70);
    QCOMPARE(rig.slider->value, 6);
    QVERIFY(rig.button(15)->isChecked());
    QVERIFY(!rig.button(0)->isChecked());

    rig.source->selectPhotograph(2);
    QCOMPARE(rig.shown(), range(2, 11));
    QCOMPARE(rig.slider->value, 2);
    QVERIFY(rig.button(2)->isChecked());
    QVERIFY(!rig.button(15)->isChecked());

    rig.source->selectPhotograph(11); // already in view: nothing scrolls
    QCOMPARE(rig.shown(), range(2, 11));
}

void ThumbnailWidgetTest::clickingSelectsThroughTheSource()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 5);
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(0)));
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    QSignalSpy changed(rig.source, SIGNAL(photographChanged(int)));

    QTest::mouseClick(rig.button(3), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), 3);
    QVERIFY(rig.button(3)->isChecked());
    QVERIFY(!rig.button(0)->isChecked());
}

void ThumbnailWidgetTest::sliderScrollsTheView()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 20);
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(0)));

    emit rig.slider->valueChanged(5);
    QCOMPARE(rig.strip->firstShown(), 5);
    QCOMPARE(rig.shown(), range(5, 14));
    QCOMPARE(rig.button(5)->x(), 70);
}

void ThumbnailWidgetTest::resizeShowsEveryThumbnailThatFits()
{
    QTemporaryDir folder;
    makePictures(folder.path(), 3);
    Rig rig;
    rig.window.resize(1400, 200);
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    rig.strip->setFixedSize(1200, 60);
    QVERIFY(rig.source->open(QDir(folder.path()), name(0)));
    QCOMPARE(rig.button(0)->x(), 501);

    // Counted from the centred left edge of the wide strip, only two of three would remain.
    rig.strip->setFixedSize(700, 60);
    QCOMPARE(rig.shown(), range(0, 2));
    QCOMPARE(rig.button(0)->x(), 251);

    rig.strip->setFixedSize(100, 60);
    QVERIFY(rig.shown().isEmpty());
    QCOMPARE(rig.slider->maximum, 3);

    rig.strip->setFixedSize(800, 60);
    QCOMPARE(rig.shown(), range(0, 2));
    QCOMPARE(rig.button(0)->x(), 301);
    QCOMPARE(rig.slider->maximum, 0);
}

void ThumbnailWidgetTest::loaderFillsThumbnailsAndLeavesUnreadableOnesBlack()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    makePictures(dir, 5, Qt::green);
    write(dir.filePath(name(2)), QByteArray("\x89PNG\r\n\x1a\n and nothing else", 25));
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, name(0)));

    QTRY_VERIFY(rig.loader()->isFinished());
    QCoreApplication::sendPostedEvents();
    for (int i : {0, 1, 3, 4}) {
        QVERIFY(rig.button(i)->hasImage);
        QCOMPARE(rig.button(i)->image.size(), QSize(56, 42));
        QCOMPARE(lowerRight(rig.button(i)), QColor(Qt::green));
    }
    QVERIFY(!rig.button(2)->hasImage);
    QCOMPARE(centre(rig.button(2)), QColor(Qt::black));
}

void ThumbnailWidgetTest::newFolderMidPassStopsAndStartsOver()
{
    // Sixty links to one picture that takes a while to scale: a whole pass is slow.
    QTemporaryDir slowFolder;
    QDir slow(slowFolder.path());
    write(slow.filePath("slow"), pngOfZeros(2500, 2500));
    for (int i = 0; i < 60; ++i)
        QVERIFY(QFile::link(slow.filePath("slow"), slow.filePath(name(i))));
    QTemporaryDir quickFolder;
    makePictures(quickFolder.path(), 3, Qt::green);

    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(slow, name(0)));
    rig.settle();
    QVERIFY(rig.loader()->isFinished());
    int read = 0;
    while (read < 60 && rig.button(read)->hasImage)
        ++read;
    QVERIFY2(read < 60, "the pass ran to its end");
    for (int i = read; i < 60; ++i)
        QVERIFY(!rig.button(i)->hasImage);

    // Opened while the pass of the slow folder runs: the new list starts over, and nothing
    // read for the old list reaches the new buttons.
    QVERIFY(rig.source->open(slow, name(0)));
    QVERIFY(rig.source->open(QDir(quickFolder.path()), name(0)));
    QCOMPARE(rig.strip->thumbnailButtons().size(), 3);
    for (int i = 0; i < 3; ++i) {
        QTRY_VERIFY(rig.button(i)->hasImage);
        QCOMPARE(rig.button(i)->image.pixelColor(42, 32), QColor(Qt::green));
    }
}

void ThumbnailWidgetTest::hostileFilesLoadWithoutHarm()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    const QByteArray jpeg = encoded(picture(640, 480), "jpeg");
    const QByteArray png = encoded(picture(640, 480), "png");
    const QByteArray bmp = encoded(picture(640, 480), "bmp");
    write(dir.filePath("a.jpg"), jpeg.left(jpeg.size() / 2));
    write(dir.filePath("b.png"), png.left(png.size() / 2));
    write(dir.filePath("c.gif"), gif().left(20));
    write(dir.filePath("d.bmp"), bmp.left(bmp.size() / 3));
    write(dir.filePath("e.jpeg"), QByteArray(3000, 'x'));
    write(dir.filePath("f.png"), pngClaiming(60000, 60000));
    write(dir.filePath("g.gif"), gifClaiming(60000, 60000));
    write(dir.filePath("h.jpg"), jpegClaiming(60000, 60000, true));
    write(dir.filePath("i.png"), pngOfZeros(12000, 12000, 6, true));
    write(dir.filePath("z.png"), encoded(picture(40, 30, Qt::green), "png"));

    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, "z.png"));
    QTRY_VERIFY(rig.loader()->isFinished());
    QCoreApplication::sendPostedEvents();

    for (ThumbnailButton *button : rig.strip->thumbnailButtons())
        QVERIFY(!button->hasImage || (button->image.width() <= 56 && button->image.height() <= 50));
    for (int i : {4, 5, 6, 7, 8})
        QCOMPARE(centre(rig.button(i)), QColor(Qt::black));
    QVERIFY(rig.button(9)->hasImage);
}

void ThumbnailWidgetTest::destroyingTheStripMidPassJoinsTheLoader()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    write(dir.filePath("slow"), pngOfZeros(2500, 2500));
    for (int i = 0; i < 30; ++i)
        QVERIFY(QFile::link(dir.filePath("slow"), dir.filePath(name(i))));

    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, name(0)));
    QPointer<ThumbnailLoader> loader = rig.loader();
    QVERIFY(loader->isRunning());
    delete rig.strip;
    QVERIFY(loader.isNull());
    QCoreApplication::processEvents(); // hand-overs already posted go nowhere

    // The source finds no strip any more and carries on alone.
    QVERIFY(rig.source->open(dir, name(1)));
}

void ThumbnailWidgetTest::buttonBorderFollowsState()
{
    ThumbnailButton button(nullptr);
    button.setFixedSize(56, 50);
    const auto border = [&button] { return button.grab().toImage().pixelColor(1, 25); };

    QCOMPARE(border(), QColor(Qt::gray));
    QCOMPARE(centre(&button), QColor(Qt::black));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(border(), QColor(Qt::white));
    button.setChecked(true);
    QCOMPARE(border(), QColor(Qt::red));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    QCOMPARE(border(), QColor(Qt::red));
    button.setChecked(false);
    QCOMPARE(border(), QColor(Qt::gray));

    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::green);
    button.setImage(image);
    const QImage shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(18, 20), QColor(Qt::green)); // drawn at ((56 - 20) / 2, (50 - 10) / 2)
    QCOMPARE(shot.pixelColor(17, 20), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(37, 29), QColor(Qt::green));
    QCOMPARE(shot.pixelColor(38, 29), QColor(Qt::black));
}

void ThumbnailWidgetTest::missingBackgroundPictureIsHarmless()
{
    Rig rig;
    rig.strip->setFixedSize(300, 60);
    QVERIFY(!rig.strip->grab().isNull());
    QCOMPARE(rig.strip->visibleCount(), 0);
    QVERIFY(rig.strip->thumbnailButtons().isEmpty());
}

void ThumbnailWidgetTest::cacheFileFollowsTheSharedRules()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    const QString path = dir.filePath(QStringLiteral("a picture.png"));
    write(path, encoded(picture(300, 200, Qt::green), "png"));
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, QStringLiteral("a picture.png")));
    QVERIFY(rig.finish());
    QVERIFY(rig.button(0)->hasImage);

    // One file, named by the MD5 of the URI, nothing left under a temporary name.
    QCOMPARE(QDir(normalFolder()).entryList(QDir::Files | QDir::Hidden), QStringList(cacheName(path)));
    const QString cached = normalFolder() + QLatin1Char('/') + cacheName(path);
    QImageReader reader(cached);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage thumbnail = reader.read();
    QCOMPARE(thumbnail.size(), QSize(128, 85));
    QCOMPARE(thumbnail.text("Thumb::URI"), QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
    QCOMPARE(thumbnail.text("Thumb::MTime"), QString::number(modified(path)));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    QVERIFY(!(QFile::permissions(cached) & others));
    QVERIFY(!(QFile::permissions(normalFolder()) & others));
}

void ThumbnailWidgetTest::cacheIsUsedUntilThePictureIsModified()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    const QString path = dir.filePath(name(0));
    write(path, encoded(picture(300, 200, Qt::green), "png"));
    {
        Rig rig;
        QVERIFY(rig.source->open(dir, name(0)));
        QVERIFY(rig.finish());
    }
    const QString cached = normalFolder() + QLatin1Char('/') + cacheName(path);
    QVERIFY(QFile::exists(cached));

    // A red thumbnail in the cache for the picture as it is: the strip shows it.
    QImage red(128, 85, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.setText("Thumb::URI", QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
    red.setText("Thumb::MTime", QString::number(modified(path)));
    QVERIFY(red.save(cached, "png"));
    {
        Rig rig;
        rig.strip->setFixedSize(800, 60);
        QVERIFY(rig.source->open(dir, name(0)));
        QVERIFY(rig.finish());
        QCOMPARE(lowerRight(rig.button(0)), QColor(Qt::red));
    }

    // Modified since: the cached thumbnail is refused, and replaced by one of the picture now.
    QVERIFY(setModified(path, QFileInfo(path).lastModified().addSecs(-3600)));
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, name(0)));
    QVERIFY(rig.finish());
    QCOMPARE(lowerRight(rig.button(0)), QColor(Qt::green));
    QCOMPARE(QImage(cached).text("Thumb::MTime"), QString::number(modified(path)));
}

void ThumbnailWidgetTest::exifThumbnailIsUsedWhenBigEnough()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    const QByteArray photograph = encoded(picture(800, 600, Qt::green), "jpeg");
    // Turned a quarter clockwise when shown, as the orientation tag says.
    write(dir.filePath("a.jpg"),
          jpegWithExifThumbnail(photograph, encoded(picture(160, 120, Qt::magenta), "jpeg"), 6));
    // Too small for the strip: the picture itself is read.
    write(dir.filePath("b.jpg"),
          jpegWithExifThumbnail(photograph, encoded(picture(40, 30, Qt::magenta), "jpeg")));
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, "a.jpg"));
    QVERIFY(rig.finish());

    const QImage turned = thumbnailAt(rig.button(0));
    QCOMPARE(turned.size(), QSize(37, 50));
    QVERIFY(near(turned.pixelColor(27, 40), Qt::magenta));
    QVERIFY(near(turned.pixelColor(27, 10), Qt::yellow)); // the upper left quarter, turned
    QVERIFY(near(turned.pixelColor(9, 10), Qt::magenta));
    const QImage read = thumbnailAt(rig.button(1));
    QCOMPARE(read.size(), QSize(56, 42));
    QVERIFY(near(read.pixelColor(42, 32), Qt::green));
}

void ThumbnailWidgetTest::thumbnailsOnScreenAreReadFirst()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    write(dir.filePath("slow"), pngOfZeros(1000, 1000));
    for (int i = 0; i < 40; ++i)
        QVERIFY(QFile::link(dir.filePath("slow"), dir.filePath(name(i))));
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QSignalSpy read(rig.loader(), &ThumbnailLoader::thumbnailRead);
    QVERIFY(rig.source->open(dir, name(30)));
    QCOMPARE(rig.shown(), range(21, 30));
    QTRY_VERIFY(rig.loader()->isFinished());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(read.count(), 40);

    // The strip starts reading before the selection scrolls it; at most the thumbnail in hand
    // then comes before those on screen.
    QList<int> firstRead;
    for (int i = 0; i < 11; ++i)
        firstRead << read.at(i).at(1).toInt();
    for (int id : range(21, 30))
        QVERIFY2(firstRead.contains(id), qPrintable(QString::number(id)));
}

void ThumbnailWidgetTest::unchangedFolderKeepsItsThumbnails()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    makePictures(dir, 5, Qt::green);
    Rig rig;
    rig.strip->setFixedSize(800, 60);
    QVERIFY(rig.source->open(dir, name(0)));
    QVERIFY(rig.finish());
    const QList<ThumbnailButton *> before = rig.strip->thumbnailButtons();
    QSignalSpy read(rig.loader(), &ThumbnailLoader::thumbnailRead);

    // Back in Photograph mode: the same buttons, their thumbnails shown at once.
    rig.source->resumeCapture();
    QCOMPARE(rig.strip->thumbnailButtons(), before);
    for (ThumbnailButton *button : before)
        QVERIFY(button->hasImage);
    QVERIFY(rig.finish());
    QCOMPARE(read.count(), 0);

    // One picture modified meanwhile: only it is read again.
    write(dir.filePath(name(3)), encoded(picture(40, 30, Qt::blue), "png"));
    QVERIFY(setModified(dir.filePath(name(3)), QDateTime::currentDateTime().addSecs(60)));
    rig.source->resumeCapture();
    QCOMPARE(rig.strip->thumbnailButtons(), before);
    QTRY_COMPARE(read.count(), 1);
    QCOMPARE(read.first().at(1).toInt(), 3);
    QCOMPARE(lowerRight(rig.button(3)), QColor(Qt::blue));
}

QTEST_MAIN(ThumbnailWidgetTest)
#include "tst_thumbnailwidget.moc"
