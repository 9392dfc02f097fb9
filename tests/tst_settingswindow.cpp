#include "Config.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "LiveSource.h"
#include "MainWindow.h"
#include "ElidedComboBox.h"
#include "SettingsToolWindow.h"
#include "OSDProcessor.h"
#include "media/CameraBackend.h"
#include "media/GstRuntime.h"
#include "media/RecordingFormat.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/gst.h>

namespace {

// Answers every message box that comes up while it lives, and remembers what they said.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer)
        : answer(answer)
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &BoxAnswerer::answerOpenBox);
        timer.start();
    }

    QStringList texts;

private:
    void answerOpenBox()
    {
        QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        box->button(answer)->click();
    }

    QMessageBox::StandardButton answer;
    QTimer timer;
};

// The main window with its error messages kept by the test.
class TestedWindow : public MainWindow
{
public:
    QStringList errors;

protected:
    void showError(const QString &text) override { errors << text; }
};

// A camera that is always there and does whatever it is asked.
class ObedientCamera : public CameraBackend
{
public:
    QString recordingFile;   // the file of the running recording; empty once it is finished
    ObedientCamera()
    {
        CaptureDevice camera;
        camera.displayName = QStringLiteral("Visualiser (usb#vid_04fc&pid_5330) /dev/video0");
        devices << camera;
    }
    QList<CaptureDevice> devices;
    QList<CaptureDevice> videoInputDevices() override { return devices; }
    QList<CaptureDevice> audioInputDevices() override { return {}; }
    OpenResult openCamera(const CaptureDevice &) override { return OpenResult::Opened; }
    void releaseCamera() override {}
    bool startPreview(ICaptureCB *, const QSize &) override { return true; }
    bool startRecording(ICaptureCB *, const QSize &, const QString &fileName, const CaptureDevice *,
                        RecordingFormat) override
    {
        recordingFile = fileName;
        return true;
    }
    void stop() override { recordingFile.clear(); }
    QString lastError() const override { return QString(); }
    std::optional<int> brightness() override { return 0; }
    void setBrightness(int) override {}
    QPair<int, int> brightnessRange() override { return {0, 10}; }
    std::optional<int> focus() override { return 0; }
    void setFocus(int, FocusMode) override {}
    int setExtensionControl(int, const void *, int) override { return 0; }
    int getExtensionControl(int, void *, int) override { return 0; }
};

CaptureDevice camera(const QString &name, const QString &identity, CaptureDevice::Kind kind)
{
    CaptureDevice device;
    device.name = name;
    device.identity = identity;
    device.kind = kind;
    device.displayName = name;
    return device;
}

const CaptureDevice laptopCamera = camera(QStringLiteral("Integrated Camera"),
                                          QStringLiteral("usb:5986:2113:port:1-6"),
                                          CaptureDevice::Kind::BuiltIn);
const CaptureDevice webcam = camera(QStringLiteral("HD Webcam C615"),
                                    QStringLiteral("usb:046d:082c:serial:AB12"),
                                    CaptureDevice::Kind::External);

QLabel *labelAt(QWidget *window, const QPoint &position)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->pos() == position)
            return label;
    }
    return nullptr;
}

ImageButton *buttonWithCaption(QWidget *window, const QString &caption)
{
    for (ImageButton *button : window->findChildren<ImageButton *>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

void setLanguage(const QString &code)
{
    Config::reload();
    QSettings().setValue(QStringLiteral("language"), code);
    Config::reload();
}

} // namespace

class SettingsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsAndTables();
    void opensOnTheNearestResolution_data();
    void opensOnTheNearestResolution();
    void parsesAndMeasuresResolutions();
    void largeResolutionAsksAndNoGoesBack();
    void largeResolutionAcceptedWithYes();
    void smallResolutionAsksNothing();
    void recordingLabelFollowsTheLanguage_data();
    void recordingLabelFollowsTheLanguage();
    void unknownStoredValuesShowTheFirstEntry();
    void recordingFormatOffersWhatIsInstalledAndIsStored();
    void missingEncoderLeavesOnlyAvi();
    void cancelAfterBrowseStoresNothing();
    void okStoresAllFiveAndResetsRecording();
    void okWithTheSameSizeKeepsARecordingRunning();
    void cameraChoiceListsWhatIsPresentAndIsStored();
    void waitingScreenNamesTheCamerasSeen();
    void languageChoiceIsStoredForTheNextStart();
    void longCameraNameIsElidedWithItsNameAsTooltip();

private:
    SettingsToolWindow *openSettings();
    // A live source on the given cameras in place of the window's own, until the case ends.
    LiveSource *useCameras(const QList<CaptureDevice> &cameras);

    ObedientCamera *cameras = nullptr;
    LiveSource *systemCamera = nullptr;

    TestedWindow *window = nullptr;
    QTemporaryDir folders;
};

void SettingsWindowTest::initTestCase()
{
    // The cases clear the store: keep it away from a real profile even when run by hand.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
    QVERIFY(folders.isValid());
}

void SettingsWindowTest::init()
{
    // Every case starts from a fresh store.
    Config::reload();
    QSettings().clear();
    Config::reload();
    window = new TestedWindow;
}

void SettingsWindowTest::cleanup()
{
    delete window;
    window = nullptr;
}

SettingsToolWindow *SettingsWindowTest::openSettings()
{
    SettingsToolWindow *settings = new SettingsToolWindow(window->settingsButton, window);
    // No real folder dialog in tests: a cancelled one unless a case says otherwise.
    settings->chooseFolder = [] { return QString(); };
    return settings;
}

void SettingsWindowTest::rowsAndTables()
{
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->size(), QSize(268, 320));
    QCOMPARE(settings->cameraBox->pos(), QPoint(105, 24));
    QCOMPARE(settings->cameraBox->itemText(0), QStringLiteral("Automatic"));
    QVERIFY(settings->snapshotPathEdit->isReadOnly());
    QVERIFY(settings->recordPathEdit->isReadOnly());

    QCOMPARE(settings->resolutionBox->count(), 6);
    QCOMPARE(settings->resolutionBox->itemText(0), QStringLiteral("1024 x 768"));
    QCOMPARE(settings->resolutionBox->itemText(5), QStringLiteral("2592 x 1944"));
    QCOMPARE(settings->captureModeBox->count(), 2);
    QCOMPARE(settings->captureModeBox->itemText(1), QStringLiteral("Continuous"));
    QCOMPARE(settings->intervalBox->count(), 17);
    QCOMPARE(settings->intervalBox->itemText(5), QStringLiteral("10 sec"));
    QCOMPARE(settings->intervalBox->itemText(8), QStringLiteral("1 min"));
    QCOMPARE(settings->intervalBox->itemText(16), QStringLiteral("1 hr"));

    // The recording format row follows the recording folder's, the language row follows it, and
    // the buttons come after the language's notice.
    QCOMPARE(settings->recordingFormatBox->pos(), QPoint(105, 218));
    QCOMPARE(settings->languageBox->pos(), QPoint(105, 242));
    QCOMPARE(buttonWithCaption(settings.data(), QStringLiteral("OK"))->pos(), QPoint(80, 289));
    QCOMPARE(buttonWithCaption(settings.data(), QStringLiteral("Cancel"))->pos(), QPoint(160, 289));
}

void SettingsWindowTest::opensOnTheNearestResolution_data()
{
    QTest::addColumn<QSize>("configured");
    QTest::addColumn<QString>("shown");

    QTest::newRow("listed") << QSize(1280, 720) << "1280 x 720";
    QTest::newRow("between") << QSize(1900, 1000) << "1920 x 1080";
    QTest::newRow("larger than all") << QSize(3264, 2448) << "2592 x 1944";
    QTest::newRow("tie keeps the first") << QSize(1152, 744) << "1024 x 768";
}

void SettingsWindowTest::opensOnTheNearestResolution()
{
    QFETCH(QSize, configured);
    QFETCH(QString, shown);
    Config::setResolution(configured);

    BoxAnswerer answerer(QMessageBox::No);
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->resolutionBox->currentText(), shown);
    QCOMPARE(settings->lastResolutionIndex, settings->resolutionBox->currentIndex());
    QTest::qWait(20);
    QVERIFY(answerer.texts.isEmpty());
}

void SettingsWindowTest::parsesAndMeasuresResolutions()
{
    QCOMPARE(SettingsToolWindow::parseResolution(QStringLiteral("2048 x 1536")), QSize(2048, 1536));
    QCOMPARE(SettingsToolWindow::parseResolution(QStringLiteral("640x480")), QSize(640, 480));
    QVERIFY(!SettingsToolWindow::parseResolution(QStringLiteral("wide")).isValid());

    QComboBox empty;
    QCOMPARE(SettingsToolWindow::nearestResolution(&empty, QSize(1280, 720)), -1);
}

void SettingsWindowTest::largeResolutionAsksAndNoGoesBack()
{
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->resolutionBox->currentIndex(), 1);

    BoxAnswerer answerer(QMessageBox::No);
    settings->resolutionBox->setCurrentIndex(4);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(answerer.texts.first().contains(QStringLiteral("2048x1536")));
    QCOMPARE(settings->resolutionBox->currentIndex(), 1);
    QCOMPARE(settings->lastResolutionIndex, 1);
    QTest::qWait(20);
    QCOMPARE(answerer.texts.size(), 1);
}

void SettingsWindowTest::largeResolutionAcceptedWithYes()
{
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    BoxAnswerer answerer(QMessageBox::Yes);
    settings->resolutionBox->setCurrentIndex(5);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(answerer.texts.first().contains(QStringLiteral("2592x1944")));
    QCOMPARE(settings->lastResolutionIndex, 5);
    // Nothing is stored before OK.
    QCOMPARE(Config::resolution(), QSize(1280, 720));
}

void SettingsWindowTest::smallResolutionAsksNothing()
{
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    BoxAnswerer answerer(QMessageBox::No);
    settings->resolutionBox->setCurrentIndex(2);
    settings->resolutionBox->setCurrentIndex(0);
    QTest::qWait(20);
    QVERIFY(answerer.texts.isEmpty());
    QCOMPARE(settings->lastResolutionIndex, 0);
}

void SettingsWindowTest::recordingLabelFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("ja") << "ja" << "RecordingSave";
    QTest::newRow("ru") << "ru" << "RecordingSave";
    QTest::newRow("de") << "de" << "Recording";
    QTest::newRow("en") << "en" << "Recording";
}

void SettingsWindowTest::recordingLabelFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    setLanguage(language);
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QLabel *label = labelAt(settings.data(), QPoint(8, 169));
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
}

void SettingsWindowTest::unknownStoredValuesShowTheFirstEntry()
{
    // A fresh store holds interval 0, which no entry names.
    Config::setSnapshotMode(7);
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->captureModeBox->currentIndex(), 0);
    QCOMPARE(settings->intervalBox->currentIndex(), 0);

    Config::setSnapshotMode(Continuous);
    Config::setSnapshotInterval(1800);
    QScopedPointer<SettingsToolWindow> again(openSettings());
    QCOMPARE(again->captureModeBox->currentIndex(), 1);
    QCOMPARE(again->intervalBox->currentText(), QStringLiteral("30 min"));
}

// AVI always, MP4 where its elements are installed; OK stores the choice, and a stored value the
// window does not know shows AVI.
void SettingsWindowTest::recordingFormatOffersWhatIsInstalledAndIsStored()
{
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QComboBox *box = settings->recordingFormatBox;
    QCOMPARE(box->itemText(0), QStringLiteral("AVI (Motion JPEG)"));
    QCOMPARE(box->currentData().toString(), QStringLiteral("avi"));
    if (!RecordingFormat(RecordingFormat::Mp4).isInstalled()) {
        QCOMPARE(box->count(), 1);
        QSKIP("no H.264 encoder or MP4 writer installed");
    }
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemText(1), QStringLiteral("MP4 (H.264)"));
    box->setCurrentIndex(1);
    settings->settingsOk();
    QCOMPARE(Config::recordingFormat(), QStringLiteral("mp4"));
    Config::reload();
    QScopedPointer<SettingsToolWindow> again(openSettings());
    QCOMPARE(again->recordingFormatBox->currentData().toString(), QStringLiteral("mp4"));

    Config::setRecordingFormat(QStringLiteral("webm"));
    QScopedPointer<SettingsToolWindow> unknown(openSettings());
    QCOMPARE(unknown->recordingFormatBox->currentData().toString(), QStringLiteral("avi"));
}

// Without the H.264 encoder only AVI is offered, the debug log says why, and a stored "mp4" records
// AVI with the name to match.
void SettingsWindowTest::missingEncoderLeavesOnlyAvi()
{
    GstRuntime::ensureInitialised();
    GstRegistry *registry = gst_registry_get();
    GstElementFactory *encoder = gst_element_factory_find("x264enc");
    if (!encoder)
        QSKIP("no H.264 encoder installed to take away");
    gst_registry_remove_feature(registry, GST_PLUGIN_FEATURE(encoder));
    Config::setRecordingFormat(QStringLiteral("mp4"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("mp4.*not offered.*x264enc")));
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    const int offered = settings->recordingFormatBox->count();
    const QString shown = settings->recordingFormatBox->currentData().toString();
    const RecordingFormat recorded = RecordingFormat::chosen(Config::recordingFormat());
    gst_registry_add_feature(registry, GST_PLUGIN_FEATURE(encoder));
    gst_object_unref(encoder);

    QCOMPARE(offered, 1);
    QCOMPARE(shown, QStringLiteral("avi"));
    QCOMPARE(recorded.fileSuffix(), QStringLiteral(".avi"));
}

void SettingsWindowTest::cancelAfterBrowseStoresNothing()
{
    const QString before = Config::snapshotPath();
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    settings->show();
    settings->chooseFolder = [this] { return folders.path(); };
    QTest::mouseClick(buttonWithCaption(settings.data(), QStringLiteral("Browse")), Qt::LeftButton);
    QCOMPARE(settings->snapshotPathEdit->text(), folders.path());
    // A cancelled dialog keeps what the field shows.
    settings->chooseFolder = [] { return QString(); };
    settings->snapshotFileBrowse();
    QCOMPARE(settings->snapshotPathEdit->text(), folders.path());

    QTest::mouseClick(buttonWithCaption(settings.data(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(settings->isHidden());
    QCOMPARE(Config::snapshotPath(), before);
    Config::reload();
    QCOMPARE(Config::snapshotPath(), before);
}

void SettingsWindowTest::okStoresAllFiveAndResetsRecording()
{
    const QString snapshots = folders.path() + QStringLiteral("/pictures");
    const QString videos = folders.path() + QStringLiteral("/videos");
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    settings->show();
    settings->chooseFolder = [&] { return snapshots; };
    settings->snapshotFileBrowse();
    settings->chooseFolder = [&] { return videos; };
    settings->recordFileBrowse();
    settings->captureModeBox->setCurrentIndex(1);
    settings->intervalBox->setCurrentIndex(9);
    settings->resolutionBox->setCurrentIndex(0);

    window->recording = true;
    window->recordButton->setChecked(true);
    window->liveRecordButton->setChecked(true);
    QTest::mouseClick(buttonWithCaption(settings.data(), QStringLiteral("OK")), Qt::LeftButton);

    QVERIFY(settings->isHidden());
    QCOMPARE(window->liveSource->resolution(), QSize(1024, 768));
    QVERIFY(!window->recording);
    QVERIFY(!window->recordButton->isChecked());
    QVERIFY(!window->liveRecordButton->isChecked());

    // Written through to the store, not only cached.
    Config::reload();
    QCOMPARE(Config::snapshotMode(), int(Continuous));
    QCOMPARE(Config::snapshotInterval(), quint64(120));
    QCOMPARE(Config::snapshotPath(), snapshots);
    QCOMPARE(Config::recordPath(), videos);
    QCOMPARE(Config::resolution(), QSize(1024, 768));

    // Unchanged fields are stored again; an interval the store did not know becomes the first entry.
    QSettings().remove(QStringLiteral("snapshotInterval"));
    Config::reload();
    QScopedPointer<SettingsToolWindow> again(openSettings());
    again->settingsOk();
    QCOMPARE(QSettings().value(QStringLiteral("snapshotInterval")).toULongLong(), quint64(1));
    QCOMPARE(QSettings().value(QStringLiteral("recordPath")).toString(), videos);
}

void SettingsWindowTest::okWithTheSameSizeKeepsARecordingRunning()
{
    qint64 now = 0;
    ObedientCamera *backend = new ObedientCamera;
    LiveSource *camera = new LiveSource(std::unique_ptr<CameraBackend>(backend),
                                        window->liveCanvas, 1280, 720, 1280, 720, window,
                                        [&now] { return now; });
    now = 2001;
    camera->checkExistance();
    QVERIFY(camera->isOpen());
    LiveSource *systemCamera = window->liveSource;
    window->liveSource = camera;
    connect(camera, SIGNAL(recordingFailed(QString)), window, SLOT(recordingFailed(QString)));

    Config::setRecordPath(folders.path());
    QTest::mouseClick(window->liveRecordButton, Qt::LeftButton);
    QVERIFY(camera->isRecording());
    QVERIFY(window->recording);
    const QString recordingFile = backend->recordingFile;
    QVERIFY(recordingFile.startsWith(folders.path()));

    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->resolutionBox->currentText(), QStringLiteral("1280 x 720"));
    settings->settingsOk();
    QVERIFY(camera->isRecording());
    QVERIFY(window->recording);
    QVERIFY(window->recordButton->isChecked());
    QVERIFY(window->liveRecordButton->isChecked());

    // A new size ends the recording, finishing its file, and the window says so once, naming
    // the file.
    QScopedPointer<SettingsToolWindow> again(openSettings());
    again->resolutionBox->setCurrentIndex(0);
    again->settingsOk();
    QVERIFY(!camera->isRecording());
    QVERIFY(backend->recordingFile.isEmpty());
    QCOMPARE(camera->resolution(), QSize(1024, 768));
    QVERIFY(!window->recording);
    QVERIFY(!window->recordButton->isChecked());
    QCoreApplication::processEvents();
    QCOMPARE(window->errors.size(), 1);
    QVERIFY(window->errors.first().contains(QDir::toNativeSeparators(recordingFile)));

    window->liveSource = systemCamera;
    delete camera;
}

LiveSource *SettingsWindowTest::useCameras(const QList<CaptureDevice> &present)
{
    cameras = new ObedientCamera;
    cameras->devices = present;
    LiveSource *camera = new LiveSource(std::unique_ptr<CameraBackend>(cameras), window->liveCanvas,
                                        1280, 720, 1280, 720, window, [] { return 0; });
    systemCamera = window->liveSource;
    window->liveSource = camera;
    return camera;
}

void SettingsWindowTest::cameraChoiceListsWhatIsPresentAndIsStored()
{
    LiveSource *camera = useCameras({laptopCamera, webcam});
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->cameraBox->count(), 3);
    QCOMPARE(settings->cameraBox->currentIndex(), 0);
    QCOMPARE(settings->cameraBox->itemText(1), laptopCamera.name);
    QCOMPARE(settings->cameraBox->itemText(2), webcam.name);

    settings->cameraBox->setCurrentIndex(1);
    settings->settingsOk();
    QCOMPARE(Config::camera(), laptopCamera.identity);
    QCOMPARE(camera->cameraChoice(), laptopCamera.identity);
    settings.reset(openSettings());
    QCOMPARE(settings->cameraBox->currentText(), laptopCamera.name);

    // Unplugged, it stays the choice, and the window says it is missing.
    cameras->devices = {webcam};
    camera->checkExistance();
    settings.reset(openSettings());
    QCOMPARE(settings->cameraBox->currentData().toString(), laptopCamera.identity);
    QVERIFY(settings->cameraBox->currentText().contains(laptopCamera.identity));

    // A camera plugged in while the window is open joins the list.
    cameras->devices = {webcam, laptopCamera};
    camera->checkExistance();
    QCOMPARE(settings->cameraBox->count(), 3);
    QCOMPARE(settings->cameraBox->currentText(), laptopCamera.name);

    window->liveSource = systemCamera;
    delete camera;
}

void SettingsWindowTest::waitingScreenNamesTheCamerasSeen()
{
    LiveSource *camera = useCameras({laptopCamera});
    OSDProcessor *display = window->osdByCanvas.value(window->liveCanvas);
    const auto notice = [&] {
        QMetaObject::invokeMethod(window, "updateCameraNotice");
        return display->notice();
    };
    QVERIFY(notice().contains(laptopCamera.name));

    // A camera the automatic rule takes needs no word.
    cameras->devices = {laptopCamera, webcam};
    camera->checkExistance();
    QVERIFY(notice().isEmpty());

    camera->setCameraChoice(QStringLiteral("usb:0000:0000:serial:GONE"));
    QVERIFY(notice().contains(webcam.name));

    window->liveSource = systemCamera;
    delete camera;
    QMetaObject::invokeMethod(window, "updateCameraNotice");
}

void SettingsWindowTest::languageChoiceIsStoredForTheNextStart()
{
    setLanguage(QStringLiteral("en"));
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    QCOMPARE(settings->languageBox->count(), 7);
    QCOMPARE(settings->languageBox->currentText(), QStringLiteral("English"));
    QLabel *notice = settings->findChild<QLabel *>(QStringLiteral("languageNotice"));
    QVERIFY(notice && notice->isHidden());

    settings->languageBox->setCurrentIndex(settings->languageBox->findText(QStringLiteral("日本語")));
    QVERIFY(!notice->isHidden());
    settings->settingsOk();
    // This run keeps its language; the next one reads the choice.
    QCOMPARE(Config::language(), QStringLiteral("en"));
    settings.reset(openSettings());
    QCOMPARE(settings->languageBox->currentData().toString(), QStringLiteral("ja"));
    Config::reload();
    QCOMPARE(Config::language(), QStringLiteral("ja"));
    setLanguage(QStringLiteral("en"));
}

void SettingsWindowTest::longCameraNameIsElidedWithItsNameAsTooltip()
{
    const CaptureDevice longName = camera(QStringLiteral("Document Camera with a Very Long Product Name"),
                                          QStringLiteral("usb:1234:5678:serial:1"),
                                          CaptureDevice::Kind::External);
    LiveSource *source = useCameras({webcam, longName});
    QScopedPointer<SettingsToolWindow> settings(openSettings());
    settings->show();
    auto *box = qobject_cast<ElidedComboBox *>(settings->cameraBox);
    QVERIFY(box);
    box->setCurrentIndex(1);
    QCOMPARE(box->shownText(), webcam.name);
    QVERIFY(box->toolTip().isEmpty());
    box->setCurrentIndex(2);
    QVERIFY(box->shownText() != longName.name);
    QVERIFY(box->shownText().endsWith(QChar(0x2026)));
    QCOMPARE(box->toolTip(), longName.name);
    window->liveSource = systemCamera;
    delete source;
}

QTEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
