#include "Config.h"
#include "ICaptureCB.h"
#include "LiveSource.h"
#include "media/CameraBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *const SupportedCamera = "Visualiser (usb#vid_04fc&pid_53a1) /dev/video0";

// Plays the platform: its device lists and open results are set by the test, and every pipeline
// or control call it receives is written to a log.
class FakeBackend : public CameraBackend
{
public:
    QList<CaptureDevice> videoInputDevices() override { return video; }
    QList<CaptureDevice> audioInputDevices() override { return audio; }

    OpenResult openCamera(const CaptureDevice &device) override
    {
        log << QStringLiteral("open %1").arg(device.displayName);
        return openResults.value(device.displayName, OpenResult::Opened);
    }
    void releaseCamera() override { log << QStringLiteral("release"); }

    bool startPreview(ICaptureCB *, const QSize &size) override
    {
        log << QStringLiteral("preview %1x%2").arg(size.width()).arg(size.height());
        return previewWorks;
    }
    bool startRecording(ICaptureCB *, const QSize &size, const QString &fileName,
                        const CaptureDevice *audioInput, RecordingFormat format) override
    {
        recordingFormat = format;
        log << QStringLiteral("record %1x%2 %3 %4")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(fileName, audioInput ? audioInput->displayName : QStringLiteral("silent"));
        const bool started = recordingWorks && (!audioInput || soundWorks);
        if (started)
            emit recordingStarted();
        return started;
    }
    void stopRecording() override
    {
        log << QStringLiteral("finish recording");
        emit recordingFinished();
    }
    void stop() override
    {
        log << QStringLiteral("stop");
        ++*stops;
    }
    QString lastError() const override { return QStringLiteral("no luck"); }

    std::optional<int> brightness() override { return brightnessValue; }
    void setBrightness(int value) override
    {
        log << QStringLiteral("brightness %1").arg(value);
        brightnessValue = value;
    }
    QPair<int, int> brightnessRange() override { return {-64, 64}; }
    std::optional<int> focus() override { return 37; }
    void setFocus(int value, FocusMode mode) override
    {
        log << QStringLiteral("focus %1 %2").arg(value).arg(mode == FocusMode::Auto ? "auto" : "manual");
    }
    int setExtensionControl(int selector, const void *, int size) override
    {
        log << QStringLiteral("xu set %1 %2").arg(selector).arg(size);
        return 0;
    }
    int getExtensionControl(int selector, void *, int size) override
    {
        log << QStringLiteral("xu get %1 %2").arg(selector).arg(size);
        return 0;
    }

    void fail(Failure failure) { emit failed(failure, QStringLiteral("device went away")); }

    QList<CaptureDevice> video;
    QList<CaptureDevice> audio;
    QMap<QString, OpenResult> openResults;
    bool previewWorks = true;
    bool recordingWorks = true;
    bool soundWorks = true;
    RecordingFormat recordingFormat;
    int brightnessValue = 10;
    QStringList log;
    int stopCount = 0;
    int *stops = &stopCount; // may point past the back end's life
};

CaptureDevice named(const QString &displayName)
{
    CaptureDevice device;
    device.displayName = displayName;
    return device;
}

// A camera as the system enumeration describes it.
CaptureDevice camera(const QString &identity, CaptureDevice::Kind kind,
                     const QString &ids = QStringLiteral("vid_046d&pid_0825"))
{
    CaptureDevice device;
    device.displayName = QStringLiteral("Camera (usb#%1) %2").arg(ids, identity);
    device.name = QStringLiteral("Camera");
    device.identity = identity;
    device.kind = kind;
    return device;
}

const CaptureDevice Supported = camera("usb:04fc:5330:serial:A1", CaptureDevice::Kind::Other,
                                       "vid_04fc&pid_5330");
const CaptureDevice External = camera("usb:046d:0825:port:1-2", CaptureDevice::Kind::External);
const CaptureDevice BuiltIn = camera("usb:04f2:b6d9:port:1-5", CaptureDevice::Kind::BuiltIn);
const CaptureDevice Infrared = camera("usb:04f2:b6da:port:1-6", CaptureDevice::Kind::Infrared);

class NullReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
    void stopAutoRefresh() override { ++refreshStops; }
    int refreshStops = 0;
};

} // namespace

class TestLive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnFirstPollMoreThanTwoSecondsAfterSighting();
    void pollTimerRunsEveryHalfSecond();
    void videoMatching_data();
    void videoMatching();
    void enumerationLogsIndexAndIds();
    void cameraWithoutExtensionUnitIsCancelled();
    void waitingPollsOpenNothing();
    void replugBeforeTwoSecondsRestartsTheWait();
    void automaticRulePrefersSupportedThenExternal();
    void automaticRuleNeverTakesBuiltInOrInfrared();
    void greyOnlyCameraIsRefusedForTheRun();
    void storedChoiceIsTheOnlyCameraTaken();
    void storedChoiceIsFoundAgainAfterReplug();
    void changingChoiceReleasesTheOpenCamera();
    void audioRuleIsReversed();
    void setResolutionSameSizeDoesNothing();
    void setResolutionWhileWaitingOnlyStores();
    void setResolutionWhileRecordingEndsRecording();
    void startAndStopDoNothingWhileWaiting();
    void recordingRebuildsWithFileAndAudio();
    void recordingTakesTheFormatSetAtItsStart();
    void recordingThatCannotStartIsReported();
    void removedFileThatWasNotHeldIsNotCalledSaved();
    void brokenSoundInputRecordsPictureOnly();
    void cameraLossReturnsToWaitingAndReopens();
    void recordingFailureKeepsPreview();
    void failedPreviewReturnsToWaiting();
    void destructionFinishesRecording();
    void cameraCommandsReachTheBackend();
    void commandsDoNothingWhileWaiting();

private:
    // Builds the source at time 0 with the camera already attached unless told otherwise.
    void createSource(bool cameraAttached = true);
    void pollAt(qint64 ms);
    // Polls every half second up to the given time; true when the camera is open then.
    bool pollUntil(qint64 ms);
    QStringList opens() const;
    void openCamera();

    FakeBackend *backend = nullptr;
    LiveSource *source = nullptr;
    NullReceiver receiver;
    qint64 now = 0;
};

void TestLive::init()
{
    now = 0;
    backend = new FakeBackend;
    receiver = NullReceiver();
}

void TestLive::cleanup()
{
    Config::setRecordingFormat(QStringLiteral("avi"));
    delete source;
    source = nullptr;
    backend = nullptr;
}

void TestLive::createSource(bool cameraAttached)
{
    if (cameraAttached)
        backend->video = {named(SupportedCamera)};
    source = new LiveSource(std::unique_ptr<CameraBackend>(backend), &receiver, 1280, 720, 1920,
                            1080, nullptr, [this] { return now; });
}

void TestLive::pollAt(qint64 ms)
{
    now = ms;
    source->checkExistance();
}

bool TestLive::pollUntil(qint64 ms)
{
    while (now + LiveSource::PollIntervalMs <= ms)
        pollAt(now + LiveSource::PollIntervalMs);
    return source->isOpen();
}

QStringList TestLive::opens() const
{
    return backend->log.filter(QRegularExpression(QStringLiteral("^open ")));
}

void TestLive::openCamera()
{
    createSource();
    pollAt(2001);
    QVERIFY(source->isOpen());
    backend->log.clear();
}

void TestLive::opensOnFirstPollMoreThanTwoSecondsAfterSighting()
{
    createSource(false);
    QVERIFY(!source->isOpen());

    now = 300;
    backend->video = {named(SupportedCamera)};
    for (qint64 poll = 500; poll <= 2500; poll += LiveSource::PollIntervalMs) {
        pollAt(poll);
        QVERIFY2(!source->isOpen(), qPrintable(QString::number(poll)));
    }
    // Seen first at 500 ms; 2500 ms is exactly two seconds later, so 3000 ms is the first poll
    // past the wait.
    pollAt(3000);
    QVERIFY(source->isOpen());
    QCOMPARE(backend->log.last(), QStringLiteral("preview 1280x720"));
    QCOMPARE(backend->log.count(QStringLiteral("preview 1280x720")), 1);

    pollAt(3500);
    QCOMPARE(backend->log.count(QStringLiteral("preview 1280x720")), 1);
}

void TestLive::pollTimerRunsEveryHalfSecond()
{
    createSource();
    const QList<QTimer *> timers = source->findChildren<QTimer *>();
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.first()->interval(), 500);
    QVERIFY(timers.first()->isActive());
}

void TestLive::videoMatching_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("04fc/53a1") << "Cam (usb#vid_04fc&pid_53a1)" << true;
    QTest::newRow("04fc/5330") << "Cam (usb#vid_04fc&pid_5330)" << true;
    QTest::newRow("04fc/20ff") << "Cam (usb#vid_04fc&pid_20ff)" << true;
    QTest::newRow("04fd/5330") << "Cam (usb#vid_04fd&pid_5330)" << false;
    QTest::newRow("04fc/5430") << "Cam (usb#vid_04fc&pid_5430)" << false;
    QTest::newRow("no vid_") << "Cam (usb#pid_5330)" << false;
    QTest::newRow("upper-case markers") << "Cam (usb#VID_04FC&PID_5330)" << false;
    QTest::newRow("no ids") << "Integrated Camera /dev/video0" << false;
}

void TestLive::videoMatching()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    createSource(false);
    backend->video = {named(name)};
    CaptureDevice found;
    QCOMPARE(source->enumCaptureFilter(LiveSource::DeviceCategory::VideoInput, &found), accepted);
    if (accepted)
        QCOMPARE(found.displayName, name);

    quint16 vendor = 1;
    quint16 product = 1;
    LiveSource::readUsbIds(QStringLiteral("no markers"), &vendor, &product);
    QCOMPARE(vendor, quint16(0));
    QCOMPARE(product, quint16(0));
}

void TestLive::enumerationLogsIndexAndIds()
{
    createSource(false);
    backend->video = {named(QStringLiteral("Other (usb#vid_046d&pid_0825)")), named(SupportedCamera)};
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(
                                         QStringLiteral("Done with index 1 , vid = 4fc pid = 53a1$")));
    CaptureDevice found;
    QVERIFY(source->enumCaptureFilter(LiveSource::DeviceCategory::VideoInput, &found));
    QCOMPARE(found.displayName, QString(SupportedCamera));
}

void TestLive::cameraWithoutExtensionUnitIsCancelled()
{
    createSource(false);
    const QString first = QStringLiteral("First (usb#vid_04fc&pid_5330)");
    backend->video = {named(first), named(SupportedCamera)};
    backend->openResults[first] = CameraBackend::OpenResult::NoExtensionUnit;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Done with index 0")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("cancelled$")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Done with index 1")));
    CaptureDevice found;
    QVERIFY(source->enumCaptureFilter(LiveSource::DeviceCategory::VideoInput, &found));
    QCOMPARE(found.displayName, QString(SupportedCamera));
}

void TestLive::waitingPollsOpenNothing()
{
    createSource(false);
    QSignalSpy changed(source, SIGNAL(camerasChanged()));
    backend->video = {BuiltIn, Infrared};
    QVERIFY(!pollUntil(10000));
    QVERIFY(opens().isEmpty());
    // The list is there for the window, infrared included, and announced once.
    QCOMPARE(source->camerasPresent().size(), 2);
    QCOMPARE(source->camerasPresent().last().kind, CaptureDevice::Kind::Infrared);
    QCOMPARE(changed.count(), 1);

    backend->video << Supported;
    QVERIFY(!pollUntil(12000));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(source->camerasPresent().last().kind, CaptureDevice::Kind::Supported);
    QVERIFY(opens().isEmpty());
    QVERIFY(pollUntil(13000));
    QCOMPARE(opens(), QStringList({"open " + Supported.displayName}));
}

void TestLive::replugBeforeTwoSecondsRestartsTheWait()
{
    createSource(false);
    backend->video = {External};
    pollAt(500);
    pollAt(1000);
    backend->video.clear();
    pollAt(1500);
    backend->video = {External};
    // Seen again at 2000 ms: under a wait that kept running it would open at 3000 ms.
    QVERIFY(!pollUntil(4000));
    QVERIFY(pollUntil(4500));
}

void TestLive::automaticRulePrefersSupportedThenExternal()
{
    createSource(false);
    backend->video = {BuiltIn, External, Supported};
    QVERIFY(pollUntil(3000));
    QCOMPARE(opens(), QStringList({"open " + Supported.displayName}));

    backend->fail(CameraBackend::Failure::CameraLost);
    backend->video = {Infrared, External};
    backend->log.clear();
    QVERIFY(pollUntil(6000));
    QCOMPARE(opens(), QStringList({"open " + External.displayName}));
    QCOMPARE(source->cameraInUse().identity, External.identity);
}

void TestLive::automaticRuleNeverTakesBuiltInOrInfrared()
{
    createSource(false);
    backend->video = {BuiltIn, Infrared, named(QStringLiteral("Capture card /dev/video4"))};
    QVERIFY(!pollUntil(20000));
    QVERIFY(opens().isEmpty());
}

void TestLive::greyOnlyCameraIsRefusedForTheRun()
{
    CaptureDevice greyExternal = camera("usb:2bdf:0101:port:1-3", CaptureDevice::Kind::External);
    createSource(false);
    backend->video = {greyExternal, External};
    backend->openResults[greyExternal.displayName] = CameraBackend::OpenResult::GreyOnly;
    QVERIFY(pollUntil(3000));
    QCOMPARE(opens(), QStringList({"open " + greyExternal.displayName, "open " + External.displayName}));
    QCOMPARE(source->camerasPresent().first().kind, CaptureDevice::Kind::Infrared);

    backend->fail(CameraBackend::Failure::CameraLost);
    backend->video = {greyExternal};
    QVERIFY(!pollUntil(20000));
    QCOMPARE(opens().count("open " + greyExternal.displayName), 1);

    // Chosen by hand, it is taken all the same.
    source->setCameraChoice(greyExternal.identity);
    QVERIFY(pollUntil(now + 3000));
    QCOMPARE(source->cameraInUse().identity, greyExternal.identity);
}

void TestLive::storedChoiceIsTheOnlyCameraTaken()
{
    createSource(false);
    source->setCameraChoice(BuiltIn.identity);
    QCOMPARE(source->cameraChoice(), BuiltIn.identity);
    backend->video = {Supported, External};
    QVERIFY(!pollUntil(10000));
    QVERIFY(opens().isEmpty());

    backend->video << BuiltIn;
    QVERIFY(pollUntil(13000));
    QCOMPARE(opens(), QStringList({"open " + BuiltIn.displayName}));
}

void TestLive::storedChoiceIsFoundAgainAfterReplug()
{
    createSource(false);
    // With a serial the identity does not depend on the port.
    source->setCameraChoice(Supported.identity);
    backend->video = {External, Supported};
    QVERIFY(pollUntil(3000));
    QCOMPARE(opens(), QStringList({"open " + Supported.displayName}));

    // Without one, the camera moved to another port is still the only one with its ids.
    backend->fail(CameraBackend::Failure::CameraLost);
    source->setCameraChoice(External.identity);
    const CaptureDevice moved = camera("usb:046d:0825:port:3-1", CaptureDevice::Kind::External);
    backend->video = {Supported, moved};
    backend->log.clear();
    QVERIFY(pollUntil(6000));
    QCOMPARE(opens(), QStringList({"open " + moved.displayName}));

    // Two of them, neither on the stored port: which one it was cannot be told.
    backend->fail(CameraBackend::Failure::CameraLost);
    backend->video = {moved, camera("usb:046d:0825:port:3-2", CaptureDevice::Kind::External)};
    QVERIFY(!pollUntil(20000));
}

void TestLive::changingChoiceReleasesTheOpenCamera()
{
    createSource(false);
    backend->video = {Supported, External};
    QVERIFY(pollUntil(3000));
    source->startRecording(QStringLiteral("/videos/a.avi"));
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));

    source->setCameraChoice(Supported.identity);
    QVERIFY(source->isOpen());
    backend->log.clear();
    source->setCameraChoice(External.identity);
    QCOMPARE(backend->log, QStringList({"finish recording", "stop", "release"}));
    QVERIFY(!source->isOpen());
    QVERIFY(!source->isRecording());
    QVERIFY(failed.wait(1000));
    QCOMPARE(lost.count(), 0);

    QVERIFY(pollUntil(6000));
    QCOMPARE(opens(), QStringList({"open " + External.displayName}));
}

void TestLive::audioRuleIsReversed()
{
    createSource(false);
    CaptureDevice found;
    backend->audio = {named(QStringLiteral("Visualiser mic (usb#vid_04fc&pid_5330)")),
                      named(QStringLiteral("Headset (usb#vid_046d&pid_0a44)"))};
    QVERIFY(source->enumCaptureFilter(LiveSource::DeviceCategory::AudioInput, &found));
    QCOMPARE(found.displayName, QStringLiteral("Headset (usb#vid_046d&pid_0a44)"));

    backend->audio = {named(QStringLiteral("Built-in Audio Analog Stereo"))};
    QVERIFY(source->enumCaptureFilter(LiveSource::DeviceCategory::AudioInput, &found));

    backend->audio = {named(QStringLiteral("Visualiser mic (usb#vid_04fc&pid_5339)"))};
    QVERIFY(!source->enumCaptureFilter(LiveSource::DeviceCategory::AudioInput, &found));
    QVERIFY(!backend->log.join(' ').contains("open"));
}

void TestLive::setResolutionSameSizeDoesNothing()
{
    openCamera();
    source->setResolution(1280, 720);
    QVERIFY(backend->log.isEmpty());
}

void TestLive::setResolutionWhileWaitingOnlyStores()
{
    createSource(false);
    backend->log.clear();
    source->setResolution(1920, 1080);
    QVERIFY(backend->log.isEmpty());
    QCOMPARE(source->resolution(), QSize(1920, 1080));

    backend->video = {named(SupportedCamera)};
    pollAt(500);
    pollAt(3000);
    QCOMPARE(backend->log.last(), QStringLiteral("preview 1920x1080"));
}

void TestLive::setResolutionWhileRecordingEndsRecording()
{
    openCamera();
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(QStringLiteral("/videos/a.avi"));
    QVERIFY(source->isRecording());
    backend->log.clear();
    source->setResolution(1920, 1080);
    QCOMPARE(backend->log, QStringList({"finish recording", "stop", "preview 1920x1080"}));
    QVERIFY(!source->isRecording());
    QVERIFY(failed.wait(1000));
}

void TestLive::startAndStopDoNothingWhileWaiting()
{
    createSource(false);
    backend->log.clear();
    source->startRecording(QStringLiteral("/videos/a.avi"));
    source->stopRecording();
    QVERIFY(backend->log.isEmpty());
    QVERIFY(!source->isRecording());
}

// The settings are read at every start: a change reaches the next recording, whoever starts it,
// and a value the program does not know records AVI.
void TestLive::recordingTakesTheFormatSetAtItsStart()
{
    if (!RecordingFormat(RecordingFormat::Mp4).isInstalled())
        QSKIP("no H.264 encoder or MP4 writer installed");
    openCamera();
    const auto recordOnce = [this](const QString &stored) {
        Config::setRecordingFormat(stored);
        QSignalSpy ended(source, SIGNAL(recordingEnded()));
        source->startRecording(QStringLiteral("/videos/a"));
        source->stopRecording();
        return ended.wait(1000) ? backend->recordingFormat.key() : QStringLiteral("no end");
    };
    QCOMPARE(recordOnce(QStringLiteral("mp4")), QStringLiteral("mp4"));
    QCOMPARE(recordOnce(QStringLiteral("avi")), QStringLiteral("avi"));
    QCOMPARE(recordOnce(QStringLiteral("MP4 please")), QStringLiteral("avi"));
}

void TestLive::recordingRebuildsWithFileAndAudio()
{
    openCamera();
    backend->audio = {named(QStringLiteral("Visualiser mic (usb#vid_04fc&pid_5330)")),
                      named(QStringLiteral("Line in"))};
    source->startRecording(QStringLiteral("/videos/2024-01-02_03-04-05.avi"));
    QCOMPARE(backend->log,
             QStringList({"record 1280x720 /videos/2024-01-02_03-04-05.avi Line in"}));
    QVERIFY(source->isRecording());

    backend->log.clear();
    QSignalSpy ended(source, SIGNAL(recordingEnded()));
    source->stopRecording();
    QCOMPARE(backend->log, QStringList({"finish recording"}));
    QVERIFY(ended.wait(1000));
    QVERIFY(!source->isRecording());

    backend->audio.clear();
    backend->log.clear();
    source->startRecording(QStringLiteral("/videos/b.avi"));
    QCOMPARE(backend->log.last(), QStringLiteral("record 1280x720 /videos/b.avi silent"));
}

// The back end makes its file only after the start here, so the source cannot hold it: when the
// folder then goes, nothing can be written back, and the user is told so.
void TestLive::removedFileThatWasNotHeldIsNotCalledSaved()
{
    openCamera();
    QTemporaryDir scratch;
    const QString folder = scratch.filePath(QStringLiteral("films"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/2024-01-02_03-04-05.avi");
    source->startRecording(file);
    QVERIFY(source->isRecording());
    QFile made(file);
    QVERIFY(made.open(QIODevice::WriteOnly));
    made.close();
    source->recordingWatch().check();

    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    QVERIFY(QDir(folder).removeRecursively());
    source->recordingWatch().check();
    QVERIFY(failed.wait(1000));
    const QString message = failed.first().first().toString();
    QVERIFY2(message.contains(QStringLiteral("could not be saved again")), qPrintable(message));
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(!source->isRecording());
}

void TestLive::recordingThatCannotStartIsReported()
{
    openCamera();
    backend->audio = {named(QStringLiteral("Line in"))};
    backend->recordingWorks = false;
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(QStringLiteral("/read-only/a.avi"));
    QVERIFY(!source->isRecording());
    QVERIFY(source->isOpen());
    QCOMPARE(backend->log.last(), QStringLiteral("record 1280x720 /read-only/a.avi silent"));
    // The window hears of it after its own command has returned.
    QCOMPARE(failed.count(), 0);
    QVERIFY(failed.wait(1000));
    QVERIFY(failed.first().first().toString().contains("no luck"));
}

void TestLive::brokenSoundInputRecordsPictureOnly()
{
    openCamera();
    backend->audio = {named(QStringLiteral("Line in"))};
    backend->soundWorks = false;
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));
    source->startRecording(QStringLiteral("/videos/a.avi"));
    QCOMPARE(backend->log, QStringList({"record 1280x720 /videos/a.avi Line in",
                                        "record 1280x720 /videos/a.avi silent"}));
    QVERIFY(source->isRecording());
    // A failure is told through the event loop, after the command has returned.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(failed.count(), 0);
}

void TestLive::cameraLossReturnsToWaitingAndReopens()
{
    openCamera();
    source->startRecording(QStringLiteral("/videos/a.avi"));
    backend->log.clear();
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));

    // Unplugged, so the poll that keeps running while the signals are awaited finds nothing.
    backend->fail(CameraBackend::Failure::CameraLost);
    backend->video.clear();
    QCOMPARE(backend->log, QStringList({"finish recording", "stop", "release"}));
    QVERIFY(!source->isOpen());
    QVERIFY(!source->isRecording());
    QTRY_COMPARE(lost.count(), 1);
    QTRY_COMPARE(failed.count(), 1);

    // Away for a while, then back: it must be seen for two seconds again.
    pollAt(3000);
    backend->video = {named(SupportedCamera)};
    pollAt(3500);
    pollAt(5500);
    QVERIFY(!source->isOpen());
    pollAt(6000);
    QVERIFY(source->isOpen());
    QCOMPARE(backend->log.last(), QStringLiteral("preview 1280x720"));
}

void TestLive::recordingFailureKeepsPreview()
{
    openCamera();
    source->startRecording(QStringLiteral("/videos/a.avi"));
    backend->log.clear();
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    QSignalSpy failed(source, SIGNAL(recordingFailed(QString)));

    backend->fail(CameraBackend::Failure::RecordingFailed);
    QCOMPARE(backend->log, QStringList({"finish recording"}));
    QVERIFY(source->isOpen());
    QVERIFY(!source->isRecording());
    QVERIFY(failed.wait(1000));
    QCOMPARE(lost.count(), 0);
}

void TestLive::failedPreviewReturnsToWaiting()
{
    backend->previewWorks = false;
    createSource();
    QSignalSpy lost(source, SIGNAL(cameraLost(QString)));
    pollAt(2001);
    QVERIFY(!source->isOpen());
    QVERIFY(lost.wait(1000));
    QCOMPARE(backend->log.mid(backend->log.size() - 3),
             QStringList({"preview 1280x720", "stop", "release"}));
}

void TestLive::destructionFinishesRecording()
{
    openCamera();
    source->startRecording(QStringLiteral("/videos/a.avi"));
    int stops = 0;
    backend->stops = &stops;
    delete source;
    source = nullptr;
    QCOMPARE(stops, 1);
}

void TestLive::cameraCommandsReachTheBackend()
{
    openCamera();
    source->brightnessUp();
    QCOMPARE(backend->log.last(), QStringLiteral("brightness 30"));
    QCOMPARE(source->brightnessLevel(), 1);
    QCOMPARE(source->brightnessMinLevel(), -3);
    QCOMPARE(source->brightnessMaxLevel(), 3);

    backend->log.clear();
    source->triggerAutoFocus();
    QCOMPARE(backend->log, QStringList({"focus 37 manual", "focus 0 auto"}));

    char data[4] = {};
    QCOMPARE(source->setExtensionControl(3, data, 4), 0);
    QCOMPARE(source->getExtensionControl(5, data, 2), 0);
    QCOMPARE(backend->log.mid(2), QStringList({"xu set 3 4", "xu get 5 2"}));

    source->stopAutoRefresh();
    QCOMPARE(receiver.refreshStops, 1);
}

void TestLive::commandsDoNothingWhileWaiting()
{
    createSource(false);
    backend->log.clear();
    source->brightnessUp();
    source->triggerAutoFocus();
    char data[4] = {};
    QVERIFY(source->setExtensionControl(3, data, 4) < 0);
    QVERIFY(source->getExtensionControl(3, data, 4) < 0);
    QCOMPARE(source->brightnessLevel(), 0);
    QVERIFY(backend->log.isEmpty());
}

QTEST_GUILESS_MAIN(TestLive)
#include "tst_live.moc"
