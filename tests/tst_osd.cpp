#include "CanvasConstants.h"
#include "ImageCanvas.h"
#include "LiveSourceBase.h"
#include "OSDProcessor.h"

#include <QDir>
#include <QPainter>
#include <QThread>
#include <QTranslator>
#include <QtTest>

namespace {

QImage solid(QColor color, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// A camera whose brightness is set by the test, in levels of one step each.
class FakeCamera : public LiveSourceBase
{
public:
    bool open = true;
    int level = 0;
    int minLevel = -5;
    int maxLevel = 5;

    bool isOpen() const override { return open; }
    int setExtensionControl(int, const void *, int) override { return 0; }
    int getExtensionControl(int, void *, int) override { return 0; }

protected:
    std::optional<int> brightness() override { return level * BrightnessStep; }
    void setBrightness(int value) override { level = value / BrightnessStep; }
    QPair<int, int> brightnessRange() override
    {
        return qMakePair(minLevel * BrightnessStep, maxLevel * BrightnessStep);
    }
};

// Colours of the brightness pieces, so each can be found on the painted row.
const QColor MinColour(255, 0, 0);
const QColor MaxColour(0, 255, 0);
const QColor ShortColour(0, 0, 255);
const QColor LongColour(255, 255, 0);
const QColor BarColour(255, 0, 255);
const QColor CentreColour(0, 255, 255);

} // namespace

class TestOsd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // texts and positions
    void zoomItemReadsTheZoom();
    void zoomBelowOneIsBestFit();
    void captionsSpeakTheLanguageAndFitTheirBadges();
    void rotationTextAfterTwoTurns();
    void recordingClockText();
    void recordingClockIsCentredAboveTheBottom();
    void brightnessScaleSymmetricRange();
    void brightnessScaleOddRange();
    void brightnessScaleWithoutCamera();
    void effectAndMaskPictures();
    void markersFollowTheirState();
    void noticeStandsAtTheTopUntilCleared();

    // timing
    void freshDisplayDrawsNothing();
    void itemsExpireAfterTheirTime();
    void repeatingACommandRestartsItsTime();
    void snapshotNoticeFromAnotherThread();
    void emptyClipDoesNotBlink();
    void takenClipBlinksFiveTimes();
    void repaintNeededOnlyWhenTheDrawingChanges();

private:
    QImage paint();
    bool outlineDrawn();
    void dressBrightness();
    QList<QColor> brightnessRow(int y);

    ImageCanvas *canvas = nullptr;
    OSDProcessor *osd = nullptr;
    qint64 clock = 0;
};

void TestOsd::init()
{
    canvas = new ImageCanvas;
    canvas->resize(800, 600);
    canvas->processImage(solid(Qt::gray, 800, 600).convertToFormat(QImage::Format_RGB888));
    osd = new OSDProcessor(nullptr, canvas);
    clock = 0;
    osd->setClock([this] { return clock; });
}

void TestOsd::cleanup()
{
    delete osd;
    delete canvas;
}

QImage TestOsd::paint()
{
    QImage target(canvas->size(), QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    osd->paintOsd(&painter);
    return target;
}

void TestOsd::zoomItemReadsTheZoom()
{
    canvas->zoomIn();
    QCOMPARE(canvas->zoom(), 2.0);
    osd->showZoomIn();
    QCOMPARE(osd->zoomText, QStringLiteral("2x"));
    canvas->zoomIn();
    QCOMPARE(canvas->zoom(), 3.0);
    osd->showZoomIn();
    QCOMPARE(osd->zoomText, QStringLiteral("3x"));

    osd->zoomImage = solid(Qt::red, 68, 34);
    const QImage painted = paint();
    QCOMPARE(painted.pixelColor(700, 550), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(767, 583), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(699, 550).alpha(), 0);
    QCOMPARE(painted.pixelColor(700, 549).alpha(), 0);

    // The caption sits right of the 38-pixel icon area.
    int whiteLeft = 800;
    for (int y = 550; y < 584; ++y)
        for (int x = 700; x < 768; ++x)
            if (painted.pixelColor(x, y).green() > 128)
                whiteLeft = qMin(whiteLeft, x);
    QVERIFY(whiteLeft >= 738 && whiteLeft < 768);
}

void TestOsd::zoomBelowOneIsBestFit()
{
    canvas->processImage(solid(Qt::gray, 1280, 720).convertToFormat(QImage::Format_RGB888));
    canvas->rotateClockwise();
    QVERIFY(canvas->zoom() < 1.0);
    osd->showZoomOut();
    QCOMPARE(osd->zoomText, QStringLiteral("Best fit"));
    QCOMPARE(OSDProcessor::zoomTextFor(1.0, 0.5625), QStringLiteral("1x"));
    QCOMPARE(OSDProcessor::zoomTextFor(6.0, 1.0), QStringLiteral("6x"));
}

// The caption's badge grows to its text: in every language the words stand on the badge, right of
// its icon, and the badge keeps its right edge.
void TestOsd::captionsSpeakTheLanguageAndFitTheirBadges()
{
    for (const QString code : {"en", "de", "es", "fr", "ja", "ru", "zh-tw"}) {
        QTranslator translator;
        if (code != QLatin1String("en"))
            QVERIFY(translator.load(QStringLiteral(":/translations/VISLO_%1.qm").arg(code)));
        QCoreApplication::installTranslator(&translator);
        osd->showZoomOut();
        osd->zoomText = OSDProcessor::zoomTextFor(0.5, 0.5);
        osd->zoomImage = solid(Qt::red, 68, 34);
        const QImage painted = paint();
        QCoreApplication::removeTranslator(&translator);

        int badgeLeft = 800, badgeRight = -1, textLeft = 800, textRight = -1;
        for (int y = 550; y < 584; ++y) {
            for (int x = 0; x < 800; ++x) {
                const QColor colour = painted.pixelColor(x, y);
                if (colour.alpha() == 0)
                    continue;
                badgeLeft = qMin(badgeLeft, x);
                badgeRight = qMax(badgeRight, x);
                if (colour.green() > 128) {
                    textLeft = qMin(textLeft, x);
                    textRight = qMax(textRight, x);
                }
            }
        }
        const QString context = code + QStringLiteral(": ") + osd->zoomText;
        QVERIFY2(textRight >= 0, qPrintable(context));
        QVERIFY2(badgeRight == 767, qPrintable(context));
        QVERIFY2(textLeft >= badgeLeft + OSDProcessor::BadgeIconWidth, qPrintable(context));
        QVERIFY2(textRight < badgeRight, qPrintable(context));
    }

    // The effect's badge speaks the language too.
    QTranslator french;
    QVERIFY(french.load(QStringLiteral(":/translations/VISLO_fr.qm")));
    QCoreApplication::installTranslator(&french);
    canvas->effect = 1;
    osd->showEffect();
    QCoreApplication::removeTranslator(&french);
    QCOMPARE(osd->effectText, QStringLiteral("N/B"));
}

void TestOsd::rotationTextAfterTwoTurns()
{
    canvas->rotateClockwise();
    osd->showRotation();
    QCOMPARE(osd->rotateText, QStringLiteral("90"));
    clock = 400;
    canvas->rotateClockwise();
    osd->showRotation();
    QCOMPARE(osd->rotateText, QStringLiteral("180"));

    osd->rotateImage = solid(Qt::red, 68, 34);
    clock = 1399;
    QCOMPARE(paint().pixelColor(700, 500), QColor(Qt::red));
    clock = 1400;
    QCOMPARE(paint().pixelColor(700, 500).alpha(), 0);
}

void TestOsd::recordingClockText()
{
    QCOMPARE(OSDProcessor::recordTimeText(0), QStringLiteral("00:00:00"));
    QCOMPARE(OSDProcessor::recordTimeText(187999), QStringLiteral("00:03:07"));
    QCOMPARE(OSDProcessor::recordTimeText(3725000), QStringLiteral("01:02:05"));
    QCOMPARE(OSDProcessor::recordTimeText(360000000), QStringLiteral("100:00:00"));
}

void TestOsd::recordingClockIsCentredAboveTheBottom()
{
    osd->startRecordTime();
    osd->timeImage = solid(Qt::blue, 109, 34);
    clock = 3725000; // no time limit
    QImage painted = paint();
    QCOMPARE(painted.pixelColor(345, 500), QColor(Qt::blue));
    QCOMPARE(painted.pixelColor(344, 500).alpha(), 0);
    int red = 0;
    for (int y = 500; y < 534; ++y)
        for (int x = 345; x < 454; ++x)
            red += painted.pixelColor(x, y).red() > 128 ? 1 : 0;
    QVERIFY(red > 0);

    osd->stopRecordTime();
    QCOMPARE(paint().pixelColor(345, 500).alpha(), 0);
}

void TestOsd::dressBrightness()
{
    osd->showBrightness();
    osd->brightnessMin = solid(MinColour, 43, 34);
    osd->brightnessMax = solid(MaxColour, 43, 34);
    osd->brightnessShort = solid(ShortColour, 13, 34);
    osd->brightnessLong = solid(LongColour, 12, 34);
    osd->brightnessBar = solid(BarColour, 3, 9);
    osd->brightnessBarCenter = solid(CentreColour, 4, 14);
}

QList<QColor> TestOsd::brightnessRow(int y)
{
    const QImage painted = paint();
    QList<QColor> row;
    for (int x = 0; x < painted.width(); ++x)
        row.append(painted.pixelColor(x, y));
    return row;
}

void TestOsd::brightnessScaleSymmetricRange()
{
    FakeCamera camera;
    osd->setLiveSource(&camera);
    dressBrightness();

    // 10 short pieces and one long one: 228 pixels, centred.
    const QList<QColor> row = brightnessRow(551);
    QCOMPARE(row.count(MinColour), 43);
    QCOMPARE(row.count(ShortColour), 130);
    QCOMPARE(row.count(LongColour), 12);
    QCOMPARE(row.count(MaxColour), 43);
    QCOMPARE(row.indexOf(MinColour), 286);
    QCOMPARE(row.indexOf(LongColour), 286 + 43 + 5 * 13);
    QCOMPARE(row.indexOf(MaxColour), 286 + 228 - 43);

    // Level 0 is the middle: the centre bar on the long piece.
    const QImage painted = paint();
    QCOMPARE(painted.pixelColor(394 + 4, 560), CentreColour);
    QCOMPARE(painted.pixelColor(394 + 7, 573), CentreColour);
    QCOMPARE(brightnessRow(565).count(BarColour), 0);

    camera.level = -5; // the first short piece
    QCOMPARE(paint().pixelColor(329 + 5, 563), BarColour);
    camera.level = 9; // beyond the range: no marker at all
    QCOMPARE(brightnessRow(565).count(BarColour) + brightnessRow(565).count(CentreColour), 0);
}

void TestOsd::brightnessScaleOddRange()
{
    FakeCamera camera;
    camera.maxLevel = 4;
    camera.level = 3;
    osd->setLiveSource(&camera);
    dressBrightness();

    // mid = (-5 + 4) / 2 = 0: still the sixth piece is the long one.
    const QList<QColor> row = brightnessRow(551);
    QCOMPARE(row.count(ShortColour), 9 * 13);
    QCOMPARE(row.indexOf(MinColour), 292);
    QCOMPARE(row.indexOf(LongColour), 292 + 43 + 5 * 13);
    QCOMPARE(paint().pixelColor(400 + 12 + 2 * 13 + 5, 563), BarColour);
}

void TestOsd::brightnessScaleWithoutCamera()
{
    dressBrightness();
    // No camera, a closed one and a deleted one all give a scale of zero levels.
    for (int round = 0; round < 3; ++round) {
        FakeCamera *camera = nullptr;
        if (round > 0) {
            camera = new FakeCamera;
            camera->open = false;
            camera->level = 2;
            osd->setLiveSource(camera);
        }
        if (round == 2) {
            camera->open = true;
            delete camera;
            camera = nullptr;
            QCOMPARE(osd->liveSource(), nullptr);
        }
        const QList<QColor> row = brightnessRow(551);
        QCOMPARE(row.indexOf(MinColour), (800 - 98) / 2);
        QCOMPARE(row.count(ShortColour), 0);
        QCOMPARE(row.count(LongColour), 12);
        QCOMPARE(paint().pixelColor(394 + 4, 560), CentreColour);
        delete camera;
    }
}

void TestOsd::effectAndMaskPictures()
{
    const QStringList names{QStringLiteral("Color"), QStringLiteral("B & W"), QStringLiteral("Negative"),
                            QStringLiteral("Mosaic")};
    const QStringList keys{QStringLiteral("COLOR"), QStringLiteral("BW"), QStringLiteral("NEGATIVE"),
                           QStringLiteral("MOSAIC")};
    const bool artwork = QDir(QStringLiteral(":/icons/OSD")).exists();
    for (int effect = 0; effect < 4; ++effect) {
        canvas->effect = effect;
        osd->showEffect();
        QCOMPARE(osd->effectText, names.at(effect));
        QCOMPARE(osd->effectImage, QImage(QStringLiteral(":/icons/OSD/OSD_COLOR_%1.png").arg(keys.at(effect))));
        if (artwork)
            QVERIFY2(!osd->effectImage.isNull(), qPrintable(keys.at(effect)));
    }

    canvas->mask = 3;
    osd->showMask();
    QCOMPARE(osd->maskImage, QImage(QStringLiteral(":/icons/OSD/OSD_MASK_LEFT.png")));
    osd->maskImage = solid(Qt::red, 34, 34);
    osd->showEffect();
    osd->effectImage = solid(Qt::blue, 109, 34);
    const QImage painted = paint();
    QCOMPARE(painted.pixelColor(30, 550), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(75, 550), QColor(Qt::blue));
}

void TestOsd::markersFollowTheirState()
{
    osd->showFreeze();
    osd->freezeImage = solid(Qt::red, 34, 34);
    osd->showMacro(true);
    osd->macroImage = solid(Qt::blue, 34, 34);
    clock = 100000; // neither marker has a time limit
    canvas->frozen = true;
    QImage painted = paint();
    QCOMPARE(painted.pixelColor(610, 550), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(565, 550), QColor(Qt::blue));

    canvas->frozen = false;
    osd->showMacro(false);
    osd->macroImage = solid(Qt::blue, 34, 34);
    painted = paint();
    QCOMPARE(painted.pixelColor(610, 550).alpha(), 0);
    QCOMPARE(painted.pixelColor(565, 550).alpha(), 0);
}

void TestOsd::noticeStandsAtTheTopUntilCleared()
{
    const auto inkIn = [](const QImage &image, QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return true;
        return false;
    };
    osd->setNotice(QStringLiteral("Cameras seen: a webcam. Choose one in the settings."));
    clock = qint64(1) << 40;
    const QImage shown = paint();
    QVERIFY(inkIn(shown, QRect(0, 0, 800, 60)));
    QVERIFY(!inkIn(shown, QRect(0, 100, 800, 500)));

    osd->setNotice(QString());
    QVERIFY(!inkIn(paint(), canvas->rect()));
}

void TestOsd::freshDisplayDrawsNothing()
{
    const QImage red = solid(Qt::red, 109, 34);
    osd->maskImage = osd->effectImage = osd->zoomImage = osd->rotateImage = osd->autoFocusImage = red;
    osd->timeImage = osd->snapshotImage = red;
    osd->brightnessMin = osd->brightnessMax = osd->brightnessShort = osd->brightnessLong = red;
    for (qint64 at : {qint64(0), qint64(500), qint64(1) << 40}) {
        clock = at;
        const QImage painted = paint();
        QCOMPARE(painted, [&] {
            QImage empty(painted.size(), painted.format());
            empty.fill(Qt::transparent);
            return empty;
        }());
    }
}

void TestOsd::itemsExpireAfterTheirTime()
{
    clock = 5000;
    osd->showAutoFocus();
    osd->showSnapshot();
    osd->autoFocusImage = solid(Qt::red, 34, 34);
    osd->snapshotImage = solid(Qt::blue, 34, 34);

    clock = 5499;
    QImage painted = paint();
    QCOMPARE(painted.pixelColor(655, 550), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(10, 10), QColor(Qt::blue));
    clock = 5500;
    painted = paint();
    QCOMPARE(painted.pixelColor(655, 550), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(10, 10).alpha(), 0);
    clock = 5999;
    QCOMPARE(paint().pixelColor(655, 550), QColor(Qt::red));
    clock = 6000;
    QCOMPARE(paint().pixelColor(655, 550).alpha(), 0);
}

void TestOsd::repeatingACommandRestartsItsTime()
{
    osd->showMask();
    clock = 900;
    osd->showMask();
    osd->maskImage = solid(Qt::red, 34, 34);
    clock = 1800;
    QCOMPARE(paint().pixelColor(30, 550), QColor(Qt::red));
    clock = 1900;
    QCOMPARE(paint().pixelColor(30, 550).alpha(), 0);
}

void TestOsd::snapshotNoticeFromAnotherThread()
{
    QThread *writer = QThread::create([this] { osd->showSnapshot(); });
    writer->start();
    QVERIFY(writer->wait(5000));
    delete writer;

    osd->snapshotImage = solid(Qt::blue, 34, 34);
    QCOMPARE(paint().pixelColor(10, 10).alpha(), 0); // not taken over yet
    QCoreApplication::processEvents();
    osd->snapshotImage = solid(Qt::blue, 34, 34);
    QCOMPARE(paint().pixelColor(10, 10), QColor(Qt::blue));
}

bool TestOsd::outlineDrawn()
{
    const QImage painted = paint();
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (painted.pixelColor(x, y).alpha() != 0)
                return true;
    return false;
}

void TestOsd::emptyClipDoesNotBlink()
{
    canvas->setDrawMode(Clip);
    QVERIFY(canvas->clipRect().right() < canvas->clipRect().left());
    QVERIFY(osd->clipRect.isEmpty());
    for (clock = 0; clock < 1000; clock += 50)
        QVERIFY(!outlineDrawn());
}

void TestOsd::takenClipBlinksFiveTimes()
{
    canvas->setDrawMode(Clip);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent drag(QEvent::MouseMove, QPointF(300, 200), canvas->mapToGlobal(QPoint(300, 200)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &drag);
    QVERIFY(canvas->clipRect().right() > canvas->clipRect().left());

    // While the selection is dragged the outline stays lit.
    for (clock = 0; clock <= 2000; clock += 500)
        QVERIFY(outlineDrawn());
    QCOMPARE(osd->clipRect, canvas->clipRectOnWidget());
    const QImage painted = paint();
    const QRect outline = osd->clipRect.toRect();
    QCOMPARE(painted.pixelColor(outline.center().x(), outline.top()), QColor(Qt::black));
    QCOMPARE(painted.pixelColor(outline.center()).alpha(), 0); // no fill

    // Taking the clip ends the selection; the outline then blinks from the last paint on.
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QVERIFY(canvas->clipRect().right() < canvas->clipRect().left());
    const qint64 start = clock; // the last paint that saw the selection
    QList<bool> lit;
    for (qint64 at = 0; at < 1000; at += 100) {
        clock = start + at + 50;
        lit.append(outlineDrawn());
    }
    QCOMPARE(lit, (QList<bool>{true, false, true, false, true, false, true, false, true, false}));
    clock = start + 899;
    QVERIFY(outlineDrawn());
    clock = start + 900;
    QVERIFY(!outlineDrawn());
}


// The display tells a resting canvas when a repaint would draw something new: after a command,
// when a timed item goes, at each blink of the outline and each second of the recording clock.
void TestOsd::repaintNeededOnlyWhenTheDrawingChanges()
{
    paint();
    QVERIFY(!osd->needsRepaint());
    QCOMPARE(osd->nextChangeAt(), OSDProcessor::NoChange);
    osd->setNotice(QStringLiteral("standing"));
    QVERIFY(osd->needsRepaint());
    paint();
    clock += 5000;
    QVERIFY(!osd->needsRepaint());

    osd->showRotation();
    QVERIFY(osd->needsRepaint());
    paint();
    QCOMPARE(osd->nextChangeAt(), clock + OSDProcessor::displayTime);
    clock += OSDProcessor::displayTime - 1;
    QVERIFY(!osd->needsRepaint());
    clock += 1;
    QVERIFY(osd->needsRepaint());
    paint();
    QCOMPARE(osd->nextChangeAt(), OSDProcessor::NoChange);

    osd->startRecordTime();
    paint();
    clock += 2500;
    QVERIFY(osd->needsRepaint());
    paint();
    QCOMPARE(osd->nextChangeAt(), clock + 500);
    osd->stopRecordTime();
    paint();
    QCOMPARE(osd->nextChangeAt(), OSDProcessor::NoChange);
}

QTEST_MAIN(TestOsd)
#include "tst_osd.moc"
