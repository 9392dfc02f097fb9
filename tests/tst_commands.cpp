#include "CanvasConstants.h"
#include "Config.h"
#include "FilmSource.h"
#include "HorizontalSlider.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "LiveSource.h"
#include "MainWindow.h"
#include "OSDProcessor.h"
#include "PhotographSource.h"
#include "Slider.h"
#include "ToolWindow.h"
#include "media/CameraBackend.h"
#include "media/GstRuntime.h"
#include "tst_pipelines.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/pbutils/pbutils.h>

#include <cstring>

namespace {

// The main window with its dialogs answered by the test instead of a person.
class TestedWindow : public MainWindow
{
public:
    QStringList errors;
    QString fileToOpen;
    bool printers = false;
    bool pdfFile = true;
    bool printAccepted = false;
    int printDialogs = 0;

    bool systemOffersPdfFile() const { return MainWindow::offersPdfFile(); }

protected:
    void showError(const QString &text) override { errors << text; }
    QString askOpenFileName(const QString &, const QString &) override { return fileToOpen; }
    bool hasPrinters() const override { return printers; }
    bool offersPdfFile() const override { return pdfFile; }
    bool askPrintSettings(QPrinter &) override
    {
        ++printDialogs;
        return printAccepted;
    }
};

// A camera that opens whenever asked; its preview starts unless the test says it fails.
class PluggableCamera : public CameraBackend
{
public:
    bool previewStarts = true;

    QList<CaptureDevice> videoInputDevices() override
    {
        CaptureDevice camera;
        camera.displayName = QStringLiteral("Visualiser (usb#vid_04fc&pid_5330) /dev/video0");
        return {camera};
    }
    QList<CaptureDevice> audioInputDevices() override { return {}; }
    OpenResult openCamera(const CaptureDevice &) override { return OpenResult::Opened; }
    void releaseCamera() override {}
    bool startPreview(ICaptureCB *, const QSize &) override { return previewStarts; }
    bool startRecording(ICaptureCB *, const QSize &, const QString &, const CaptureDevice *,
                        RecordingFormat) override
    {
        return true;
    }
    void stop() override {}
    QString lastError() const override { return QStringLiteral("unplugged"); }
    std::optional<int> brightness() override { return 0; }
    void setBrightness(int) override {}
    QPair<int, int> brightnessRange() override { return {0, 10}; }
    std::optional<int> focus() override { return 0; }
    void setFocus(int, FocusMode) override {}
    int setExtensionControl(int, const void *, int) override { return 0; }
    int getExtensionControl(int, void *, int) override { return 0; }
};

void writePicture(const QString &path, QColor color)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(color);
    QVERIFY(picture.save(path));
}

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoomStepsOncePerPress();
    void drawingToolsSetTheCanvasMode();
    void maskToggleRestoresTheChosenKind();
    void freezeFollowsItsButton();
    void withoutCameraRecordAndSnapshotSaySo();
    void recordingNamesNeverReplaceAFile();
    void recordingTroubleResetsTheState();
    void cameraLossIsToldOncePerLoss();
    void singleSnapshotIsWritten();
    void continuousSnapshotToggles();
    void continuousRunEndsWithItsMode();
    void snapshotWithoutFolderSaysSo();
    void failedSnapshotIsReported();
    void printFitsThePage();
    void printWithoutPrinterPrintsToPdf();
    void brokenFilmIsReported();
    void filmDialogOffersEveryKindOfFilm();
    void missingDecoderIsNamedAndTheOldFilmStops();
    void photographCounterAndInterval();
    void slideButtonShowsWhetherTheShowRuns();
    void barTogglesShowTheirWidgets();
    void toolWindowBelongsToItsButton();
    void longPressOpensAndTheClickKeepsIt();
    void longPressOnMaskAlsoToggles();
    void aboutOpensANewWindowEachTime();

private:
    TestedWindow *window = nullptr;
    QScopedPointer<QTemporaryDir> folder;
};

void CommandsTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
}

void CommandsTest::init()
{
    folder.reset(new QTemporaryDir);
    Config::setSnapshotMode(SingleShot);
    Config::setSnapshotPath(folder->path());
    Config::setRecordPath(folder->path());
    window = new TestedWindow;
}

void CommandsTest::cleanup()
{
    delete window;
    window = nullptr;
}

void CommandsTest::zoomStepsOncePerPress()
{
    ImageCanvas *canvas = window->currentCanvas;
    const double before = canvas->zoom();
    QSignalSpy held(window->zoomInButton, SIGNAL(hold()));
    QTest::mousePress(window->zoomInButton, Qt::LeftButton);
    QCOMPARE(canvas->zoom(), before + 1);
    // Held past the hold time: still one step, and the release adds nothing.
    QVERIFY(held.wait(5000));
    QTest::mouseRelease(window->zoomInButton, Qt::LeftButton);
    QCOMPARE(canvas->zoom(), before + 1);
    QCOMPARE(window->osdByCanvas.value(canvas)->zoomText, QStringLiteral("2x"));

    QTest::mouseClick(window->zoomOutButton, Qt::LeftButton);
    QCOMPARE(canvas->zoom(), before);
}

void CommandsTest::drawingToolsSetTheCanvasMode()
{
    QTest::mouseClick(window->lineButton, Qt::LeftButton);
    QCOMPARE(window->currentCanvas->drawMode(), int(Line));
    QVERIFY(window->lineButton->isChecked());
    QTest::mouseClick(window->textButton, Qt::LeftButton);
    QCOMPARE(window->currentCanvas->drawMode(), int(Text));
    QTest::mouseClick(window->clipButton, Qt::LeftButton);
    QCOMPARE(window->currentCanvas->drawMode(), int(Clip));
}

void CommandsTest::maskToggleRestoresTheChosenKind()
{
    ImageCanvas *canvas = window->currentCanvas;
    QTest::mouseClick(window->maskButton, Qt::LeftButton);
    QCOMPARE(int(canvas->mask), int(MaskCircle));

    canvas->mask = MaskTop;
    QTest::mouseClick(window->maskButton, Qt::LeftButton);
    QCOMPARE(int(canvas->mask), 0);
    QTest::mouseClick(window->maskButton, Qt::LeftButton);
    QCOMPARE(int(canvas->mask), int(MaskTop));
}

void CommandsTest::freezeFollowsItsButton()
{
    QTest::mouseClick(window->freezeButton, Qt::LeftButton);
    QVERIFY(window->currentCanvas->frozen);
    QTest::mouseClick(window->freezeButton, Qt::LeftButton);
    QVERIFY(!window->currentCanvas->frozen);
}

void CommandsTest::withoutCameraRecordAndSnapshotSaySo()
{
    const QString noCamera = QStringLiteral("No camera is connected.");
    OSDProcessor *display = window->osdByCanvas.value(window->liveCanvas);
    QVERIFY(!window->liveSource->isOpen());
    QVERIFY(display->message().isEmpty());
    QTest::mouseClick(window->recordButton, Qt::LeftButton);
    QVERIFY(!window->recording);
    QVERIFY(!window->recordButton->isChecked());
    QVERIFY(!window->liveRecordButton->isChecked());
    QCOMPARE(display->message(), noCamera);
    QVERIFY(window->errors.isEmpty());

    Config::setSnapshotMode(Continuous);
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(!window->snapshotButton->isChecked());
    QVERIFY(!window->liveCanvas->isSnapshotArmed());
    QCOMPARE(display->message(), noCamera);
    QVERIFY(window->errors.isEmpty());

    // The bottom bar's controls explain themselves like the panel's.
    QCOMPARE(window->liveRecordButton->toolTip(), window->recordButton->toolTip());
    QCOMPARE(window->aboutButton->toolTip(), QStringLiteral("About"));
}

void CommandsTest::recordingNamesNeverReplaceAFile()
{
    const QDir dir(folder->path());
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    QCOMPARE(MainWindow::recordingFileName(dir, when), dir.filePath("2024-03-05_14-07-09.avi"));

    QFile taken(dir.filePath("2024-03-05_14-07-09.avi"));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.close();
    QCOMPARE(MainWindow::recordingFileName(dir, when), dir.filePath("2024-03-05_14-07-09_2.avi"));
    QFile second(dir.filePath("2024-03-05_14-07-09_2.avi"));
    QVERIFY(second.open(QIODevice::WriteOnly));
    second.close();
    QCOMPARE(MainWindow::recordingFileName(dir, when), dir.filePath("2024-03-05_14-07-09_3.avi"));
    // An MP4 recording has names of its own.
    QCOMPARE(MainWindow::recordingFileName(dir, when, QStringLiteral(".mp4")),
             dir.filePath("2024-03-05_14-07-09.mp4"));
}

void CommandsTest::recordingTroubleResetsTheState()
{
    OSDProcessor *display = window->osdByCanvas.value(window->liveCanvas);
    window->recording = true;
    window->recordButton->setChecked(true);
    window->liveRecordButton->setChecked(true);
    display->startRecordTime();

    emit window->liveSource->recordingFailed(QStringLiteral("The disk is full."));
    QTRY_COMPARE(window->errors, QStringList{QStringLiteral("The disk is full.")});
    QVERIFY(!window->recording);
    QVERIFY(!window->recordButton->isChecked());
    QVERIFY(!window->liveRecordButton->isChecked());
    QVERIFY(!display->isRecordTimeRunning());
}

void CommandsTest::cameraLossIsToldOncePerLoss()
{
    qint64 now = 0;
    PluggableCamera *backend = new PluggableCamera;
    LiveSource *camera = new LiveSource(std::unique_ptr<CameraBackend>(backend), window->liveCanvas,
                                        1280, 720, 1280, 720, window, [&now] { return now; });
    LiveSource *systemCamera = window->liveSource;
    window->liveSource = camera;
    connect(camera, SIGNAL(cameraLost(QString)), window, SLOT(cameraLost(QString)));
    connect(camera, SIGNAL(cameraStateChanged()), window, SLOT(noteCameraBack()));
    const auto plugIn = [&] {
        camera->checkExistance();
        now += LiveSource::StabilityWaitMs + 1;
        camera->checkExistance();
        QCoreApplication::processEvents();
    };

    plugIn();
    QVERIFY(camera->isOpen());
    emit backend->failed(CameraBackend::Failure::CameraLost, QStringLiteral("unplugged"));
    QTRY_COMPARE(window->errors.size(), 1);

    // A camera that fails again as soon as it opens is the same loss.
    backend->previewStarts = false;
    plugIn();
    QVERIFY(!camera->isOpen());
    plugIn();
    QCoreApplication::processEvents();
    QCOMPARE(window->errors.size(), 1);

    // Back and working, then lost again: that is told again.
    backend->previewStarts = true;
    plugIn();
    QVERIFY(camera->isOpen());
    emit backend->failed(CameraBackend::Failure::CameraLost, QStringLiteral("unplugged"));
    QTRY_COMPARE(window->errors.size(), 2);

    // A loss during a recording is always told, and ends the recording state.
    window->recording = true;
    emit camera->cameraLost(QStringLiteral("The camera is gone."));
    QTRY_COMPARE(window->errors.size(), 3);
    QVERIFY(!window->recording);

    window->liveSource = systemCamera;
    delete camera;
}

void CommandsTest::singleSnapshotIsWritten()
{
    QTest::mouseClick(window->drawingBoardButton, Qt::LeftButton);
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(!window->snapshotButton->isCheckable());
    QCOMPARE(window->currentCanvas->snapshotDir, folder->path());
    QImage frame(320, 240, QImage::Format_RGB888);
    frame.fill(Qt::green);
    window->currentCanvas->processImage(frame);
    QTRY_COMPARE(QDir(folder->path()).entryList({"*.jpg"}).size(), 1);
    QVERIFY(window->errors.isEmpty());
}

void CommandsTest::continuousSnapshotToggles()
{
    Config::setSnapshotMode(Continuous);
    Config::setSnapshotInterval(5);
    QTest::mouseClick(window->drawingBoardButton, Qt::LeftButton);
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(window->snapshotButton->isCheckable());
    QVERIFY(window->snapshotButton->isChecked());
    QVERIFY(window->currentCanvas->continuousSnapshot);
    QCOMPARE(window->currentCanvas->snapshotInterval, quint64(5));
    QVERIFY(window->currentCanvas->isSnapshotArmed());

    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(!window->snapshotButton->isChecked());
    QVERIFY(!window->currentCanvas->isSnapshotArmed());

    // Back in single mode one click takes one picture and the button is plain again.
    Config::setSnapshotMode(SingleShot);
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(!window->snapshotButton->isCheckable());
}

void CommandsTest::continuousRunEndsWithItsMode()
{
    Config::setSnapshotMode(Continuous);
    QTest::mouseClick(window->drawingBoardButton, Qt::LeftButton);
    ImageCanvas *board = window->currentCanvas;
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(board->isSnapshotArmed());

    QTest::mouseClick(window->filmButton, Qt::LeftButton);
    QVERIFY(!board->isSnapshotArmed());
    QVERIFY(!window->snapshotButton->isChecked());
    QCOMPARE(window->osdByCanvas.value(window->filmCanvas)->message(),
             QStringLiteral("Continuous snapshots stopped."));

    // The next click starts a run on the canvas now shown.
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QVERIFY(window->snapshotButton->isChecked());
    QVERIFY(window->filmCanvas->isSnapshotArmed());
}

void CommandsTest::snapshotWithoutFolderSaysSo()
{
    Config::setSnapshotPath(folder->path() + QStringLiteral("/gone"));
    QTest::mouseClick(window->snapshotButton, Qt::LeftButton);
    QCOMPARE(window->errors, QStringList{QStringLiteral("Please select a folder first.")});
}

void CommandsTest::failedSnapshotIsReported()
{
    emit window->photographCanvas->snapshotFailed();
    QCOMPARE(window->errors, QStringList{ImageCanvas::snapshotFailedText()});
}

void CommandsTest::printFitsThePage()
{
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPoint at;
    const QImage page = MainWindow::fitToPage(picture, QSize(4800, 6600), &at);
    QCOMPARE(page.size(), QSize(4800, 6400));
    QCOMPARE(at, QPoint(0, 100));

    const QImage landscape = MainWindow::fitToPage(picture, QSize(6600, 4800), &at);
    QCOMPARE(landscape.size(), QSize(6400, 4800));
    QCOMPARE(at, QPoint(100, 0));

    MainWindow::fitToPage(QImage(), QSize(100, 100), &at);
}

void CommandsTest::printWithoutPrinterPrintsToPdf()
{
    // With no printer installed the dialog still opens: it prints to a PDF file. A cancelled
    // dialog prints nothing and says nothing.
    QVERIFY(window->systemOffersPdfFile());
    QTest::mouseClick(window->printButton, Qt::LeftButton);
    QCOMPARE(window->printDialogs, 1);
    QVERIFY(window->errors.isEmpty());

    // Only with not even that is there nothing to print on.
    window->pdfFile = false;
    QTest::mouseClick(window->printButton, Qt::LeftButton);
    QCOMPARE(window->printDialogs, 1);
    QCOMPARE(window->errors, QStringList{QStringLiteral("No printers found on this system.")});
}

void CommandsTest::brokenFilmIsReported()
{
    QTest::mouseClick(window->filmButton, Qt::LeftButton);
    const QString notAFilm = folder->filePath(QStringLiteral("notes.avi"));
    QFile file(notAFilm);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("these are lesson notes, not a film\n");
    file.close();

    window->fileToOpen = notAFilm;
    QTest::mouseClick(window->filmOpenButton, Qt::LeftButton);
    QTRY_COMPARE(window->errors.size(), 1);
    QVERIFY(!window->filmSource->isOpened());
    QVERIFY(!window->filmSource->isOpening());

    // A cancelled dialog does nothing.
    window->fileToOpen.clear();
    QTest::mouseClick(window->filmOpenButton, Qt::LeftButton);
    QCOMPARE(window->errors.size(), 1);
}

void CommandsTest::filmDialogOffersEveryKindOfFilm()
{
    class FilterWindow : public TestedWindow
    {
    public:
        QString filter;

    protected:
        QString askOpenFileName(const QString &, const QString &offered) override
        {
            filter = offered;
            return QString();
        }
    };
    FilterWindow filterWindow;
    QTest::mouseClick(filterWindow.filmButton, Qt::LeftButton);
    QTest::mouseClick(filterWindow.filmOpenButton, Qt::LeftButton);

    const QStringList filters = filterWindow.filter.split(QStringLiteral(";;"));
    QCOMPARE(filters.size(), 4);
    QVERIFY(filters[0].startsWith(QStringLiteral("Films (")));
    const QStringList films = filters[0].mid(7).chopped(1).split(QLatin1Char(' '));
    for (const char *kind : {"avi", "wmv", "asf", "mp4", "m4v", "mov", "mkv", "webm", "mpg", "mpeg",
                             "ogv", "flv", "3gp", "ts"}) {
        const QString pattern = QStringLiteral("*.") + QLatin1String(kind);
        QVERIFY2(films.contains(pattern), kind);
        QVERIFY2(films.contains(pattern.toUpper()), kind);
    }
    // Beyond the common kinds, what the installed demuxers read; sound files are no films.
    if (GstElementFactory *dv = gst_element_factory_find("dvdemux")) {
        gst_object_unref(dv);
        QVERIFY(films.contains(QStringLiteral("*.dv")));
    }
    QVERIFY(!films.contains(QStringLiteral("*.wav")));
    QCOMPARE(filters[1], QStringLiteral("AVI Files (*.avi)"));
    QCOMPARE(filters[2], QStringLiteral("WMV Files (*.wmv)"));
    QCOMPARE(filters[3], QStringLiteral("All files (*)"));
}

namespace {

// Takes every decoder of a stream kind out of the registry for its lifetime, as if its package
// were not installed (a lower rank would not do: decodebin still finds the element).
class HiddenDecoders
{
public:
    explicit HiddenDecoders(const char *kind)
    {
        GstCaps *caps = gst_caps_from_string(kind);
        GList *decoders = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_NONE);
        GList *matching = gst_element_factory_list_filter(decoders, caps, GST_PAD_SINK, FALSE);
        for (GList *item = matching; item; item = item->next) {
            // decodebin itself takes anything.
            const gchar *klass = gst_element_factory_get_metadata(GST_ELEMENT_FACTORY(item->data),
                                                                  GST_ELEMENT_METADATA_KLASS);
            if (std::strstr(klass, "Bin"))
                continue;
            auto *feature = GST_PLUGIN_FEATURE(gst_object_ref(item->data));
            hidden << feature;
            gst_registry_remove_feature(gst_registry_get(), feature);
        }
        gst_plugin_feature_list_free(matching);
        gst_plugin_feature_list_free(decoders);
        gst_caps_unref(caps);
    }
    ~HiddenDecoders()
    {
        for (GstPluginFeature *feature : hidden) {
            gst_registry_add_feature(gst_registry_get(), feature);
            gst_object_unref(feature);
        }
    }
    int count() const { return hidden.size(); }

private:
    QList<GstPluginFeature *> hidden;
};

} // namespace

void CommandsTest::missingDecoderIsNamedAndTheOldFilmStops()
{
    GstRuntime::ensureInitialised();
    const QString film = folder->filePath(QStringLiteral("lesson.avi"));
    QString problem;
    QVERIFY2(testpipelines::encode(QStringLiteral("videotestsrc num-buffers=100 ! video/x-raw,width=160,height=120,"
                                                  "framerate=25/1 ! jpegenc ! avimux ! filesink location=\"%1\"")
                                       .arg(film),
                                   &problem),
             qPrintable(problem));

    QTest::mouseClick(window->filmButton, Qt::LeftButton);
    window->fileToOpen = film;
    QTest::mouseClick(window->filmOpenButton, Qt::LeftButton);
    QTRY_VERIFY(window->filmSource->isPlaying());
    QVERIFY(window->errors.isEmpty());

    HiddenDecoders hidden("image/jpeg");
    QVERIFY(hidden.count() > 0);
    QTest::mouseClick(window->filmOpenButton, Qt::LeftButton);
    QTRY_COMPARE(window->errors.size(), 1);
    GstCaps *jpeg = gst_caps_from_string("image/jpeg");
    gchar *decoder = gst_pb_utils_get_decoder_description(jpeg);
    const QString missing = QString::fromUtf8(decoder);
    g_free(decoder);
    gst_caps_unref(jpeg);
    QVERIFY2(window->errors.first().contains(missing), qPrintable(window->errors.first()));
    QVERIFY(!window->filmSource->isPlaying());
    QVERIFY(!window->filmSource->isOpened());
}

void CommandsTest::photographCounterAndInterval()
{
    QTest::mouseClick(window->photographButton, Qt::LeftButton);
    for (int i = 1; i <= 12; ++i)
        writePicture(folder->filePath(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'))), Qt::red);
    window->fileToOpen = folder->filePath(QStringLiteral("p03.png"));
    QTest::mouseClick(window->photographOpenButton, Qt::LeftButton);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("3/12"));
    QTest::mouseClick(window->photographNextButton, Qt::LeftButton);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("4/12"));

    window->intervalSlider->setValue(3);
    QCOMPARE(window->photographSource->slideInterval(), 10000);
}

void CommandsTest::slideButtonShowsWhetherTheShowRuns()
{
    QTest::mouseClick(window->photographButton, Qt::LeftButton);
    for (int i = 1; i <= 3; ++i)
        writePicture(folder->filePath(QStringLiteral("p%1.png").arg(i)), Qt::red);
    window->fileToOpen = folder->filePath(QStringLiteral("p2.png"));
    QTest::mouseClick(window->photographOpenButton, Qt::LeftButton);

    const auto startShow = [&] {
        QTest::mouseClick(window->photographSlideButton, Qt::LeftButton);
        QVERIFY(window->photographSource->isPlaying());
        QVERIFY(window->photographSlideButton->isChecked());
    };
    const auto showStopped = [&] {
        return !window->photographSource->isPlaying() && !window->photographSlideButton->isChecked();
    };
    startShow();
    QTest::mouseClick(window->photographNextButton, Qt::LeftButton);
    QVERIFY(showStopped());
    startShow();
    QTest::mouseClick(window->photographPreviousButton, Qt::LeftButton);
    QVERIFY(showStopped());
    startShow();
    QTest::mouseClick(window->liveButton, Qt::LeftButton);
    QTest::mouseClick(window->photographButton, Qt::LeftButton);
    QVERIFY(showStopped());
}

void CommandsTest::barTogglesShowTheirWidgets()
{
    window->show();
    QTest::mouseClick(window->filmButton, Qt::LeftButton);
    QTest::mouseClick(window->filmVolumeButton, Qt::LeftButton);
    QVERIFY(window->volumeSlider->isVisible());
    QTest::mouseClick(window->filmVolumeButton, Qt::LeftButton);
    QVERIFY(!window->volumeSlider->isVisible());

    QTest::mouseClick(window->photographButton, Qt::LeftButton);
    QTest::mouseClick(window->photographIntervalButton, Qt::LeftButton);
    QVERIFY(window->intervalSlider->isVisible());
    QVERIFY(window->intervalLabel->isVisible());
    QTest::mouseClick(window->photographThumbnailButton, Qt::LeftButton);
    QVERIFY(window->photographScrollBar->isVisible());

    // Leaving the mode puts the pop-ups away and unchecks their buttons.
    QTest::mouseClick(window->liveButton, Qt::LeftButton);
    QVERIFY(!window->intervalSlider->isVisible());
    QVERIFY(!window->photographIntervalButton->isChecked());
    QVERIFY(!window->photographThumbnailButton->isChecked());
}

void CommandsTest::toolWindowBelongsToItsButton()
{
    window->show();
    emit window->lineButton->hold();
    QPointer<ToolWindow> lineWindow = window->toolWindow;
    QVERIFY(lineWindow);
    QCOMPARE(lineWindow->anchor, window->lineButton);

    QTest::mouseClick(window->lineButton, Qt::LeftButton);
    QCOMPARE(window->toolWindow, lineWindow.data());
    QTest::mouseClick(window->rectangleButton, Qt::LeftButton);
    QVERIFY(!window->toolWindow);
    QVERIFY(lineWindow.isNull());

    // Opening replaces whatever is open.
    emit window->circleButton->hold();
    QPointer<ToolWindow> circleWindow = window->toolWindow;
    emit window->lineButton->hold();
    QVERIFY(circleWindow.isNull());
    QCOMPARE(window->toolWindow->anchor, window->lineButton);
    QCOMPARE(window->currentCanvas->drawMode(), int(Line));
}

void CommandsTest::longPressOpensAndTheClickKeepsIt()
{
    window->show();
    QSignalSpy clicks(window->triangleButton, SIGNAL(clicked()));
    QTest::mousePress(window->triangleButton, Qt::LeftButton);
    QTRY_VERIFY(window->toolWindow);
    QTest::mouseRelease(window->triangleButton, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(window->toolWindow);
    QCOMPARE(window->toolWindow->anchor, window->triangleButton);
    QCOMPARE(window->currentCanvas->drawMode(), int(Triangle));
}

void CommandsTest::longPressOnMaskAlsoToggles()
{
    window->show();
    QTest::mousePress(window->maskButton, Qt::LeftButton);
    QTRY_VERIFY(window->toolWindow);
    QTest::mouseRelease(window->maskButton, Qt::LeftButton);

    QVERIFY(window->toolWindow);
    QVERIFY(window->maskButton->isChecked());
    QCOMPARE(int(window->currentCanvas->mask), int(MaskCircle));
}

void CommandsTest::aboutOpensANewWindowEachTime()
{
    window->show();
    QTest::mouseClick(window->aboutButton, Qt::LeftButton);
    QPointer<ToolWindow> first = window->toolWindow;
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->size(), QSize(248, 100));
    QTest::mouseClick(window->aboutButton, Qt::LeftButton);
    QVERIFY(first.isNull());
    QVERIFY(window->toolWindow);
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
