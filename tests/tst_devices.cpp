#include "ICaptureCB.h"
#include "LiveSource.h"
#include "media/AudioInputDevices.h"
#include "media/GstRuntime.h"
#include "media/SysfsVideoDevices.h"
#include "media/V4l2Controls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/gst.h>

#include <cerrno>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Lays out a video node the way the kernel does: the real folder sits under the USB interface
// (or elsewhere), and class/video4linux holds a relative link to it.
void addNode(const QString &root, const QString &deviceFolder, const QString &node, const QByteArray &name)
{
    const QString real = root + "/devices/" + deviceFolder + "/video4linux/" + node;
    writeFile(real + "/name", name + "\n");
    QDir().mkpath(root + "/class/video4linux");
    QVERIFY(QFile::link("../../devices/" + deviceFolder + "/video4linux/" + node,
                        root + "/class/video4linux/" + node));
}

void addUsbDevice(const QString &root, const QString &usbFolder, const QByteArray &vendor,
                  const QByteArray &product)
{
    writeFile(root + "/devices/" + usbFolder + "/idVendor", vendor + "\n");
    writeFile(root + "/devices/" + usbFolder + "/idProduct", product + "\n");
}

GstStructure *properties(const char *description)
{
    return gst_structure_from_string(description, nullptr);
}

class NullReceiver : public ICaptureCB
{
public:
    void processFrame(uchar *, int, int, bool, bool) override {}
    void processImage(const QImage &) override {}
    void processSample(uchar *, int, int, bool, bool) override {}
};

} // namespace

class TestDevices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sysfsListsCaptureNodesWithUsbIds();
    void sysfsWithoutVideoClassIsEmpty();
    void cameraSourceOpensItsNode();
    void captureCheckRefusesWhatIsNoCamera();
    void audioNamesCarryUsbIds();
    void audioMonitorsAreLeftOut();
    void audioEnumerationRuns();
    void controlsNeedAnOpenableNode();
    void controlsReportFailuresOfTheNode();
    void extensionRequestsAreChecked_data();
    void extensionRequestsAreChecked();
    void systemCameraWaitsWithoutHardware();
};

void TestDevices::initTestCase()
{
    GstRuntime::ensureInitialised();
}

void TestDevices::sysfsListsCaptureNodesWithUsbIds()
{
    QTemporaryDir sys;
    const QString root = sys.path();
    addUsbDevice(root, "pci0000:00/usb1/1-2", "04fc", "5330");
    addNode(root, "pci0000:00/usb1/1-2/1-2:1.0", "video10", "Visualiser");
    addNode(root, "pci0000:00/usb1/1-2/1-2:1.0", "video11", "Visualiser metadata");
    addUsbDevice(root, "pci0000:00/usb2/2-1", "046d", "0825");
    addNode(root, "pci0000:00/usb2/2-1/2-1:1.0", "video2", "Webcam C270");
    addNode(root, "platform/vivid.0", "video0", "vivid");

    const QString dev = QStringLiteral("/fake-dev");
    SysfsVideoDevices videoDevices(root, dev, [](const QString &node) {
        return !node.endsWith(QLatin1String("video11"));
    });
    const QList<CaptureDevice> devices = videoDevices.captureDevices();
    QCOMPARE(devices.size(), 3);
    QCOMPARE(devices[0].path, QStringLiteral("/fake-dev/video0"));
    QCOMPARE(devices[1].path, QStringLiteral("/fake-dev/video2"));
    QCOMPARE(devices[2].path, QStringLiteral("/fake-dev/video10"));

    QVERIFY(!devices[0].displayName.contains("vid_"));
    QCOMPARE(devices[1].displayName, QStringLiteral("Webcam C270 (usb#vid_046d&pid_0825) /fake-dev/video2"));
    QCOMPARE(devices[2].displayName, QStringLiteral("Visualiser (usb#vid_04fc&pid_5330) /fake-dev/video10"));

    quint16 vendor = 0;
    quint16 product = 0;
    LiveSource::readUsbIds(devices[2].displayName, &vendor, &product);
    QCOMPARE(vendor, quint16(0x04FC));
    QCOMPARE(product, quint16(0x5330));
    QVERIFY(LiveSource::isSupportedCamera(vendor, product));
}

void TestDevices::sysfsWithoutVideoClassIsEmpty()
{
    QTemporaryDir sys;
    QVERIFY(SysfsVideoDevices(sys.path(), "/dev", {}).captureDevices().isEmpty());
    QVERIFY(SysfsVideoDevices(sys.path() + "/missing", "/dev", {}).captureDevices().isEmpty());
}

void TestDevices::cameraSourceOpensItsNode()
{
    QTemporaryDir sys;
    addUsbDevice(sys.path(), "usb1/1-1", "04fc", "2620");
    addNode(sys.path(), "usb1/1-1/1-1:1.0", "video0", "Visualiser");
    const QList<CaptureDevice> devices = SysfsVideoDevices(sys.path(), "/dev", {}).captureDevices();
    QCOMPARE(devices.size(), 1);
    GstElement *source = devices.first().createSource();
    QVERIFY(source);
    gchar *node = nullptr;
    g_object_get(source, "device", &node, nullptr);
    QCOMPARE(QString::fromUtf8(node), QStringLiteral("/dev/video0"));
    g_free(node);
    gst_object_unref(gst_object_ref_sink(source));
}

void TestDevices::captureCheckRefusesWhatIsNoCamera()
{
    QVERIFY(!SysfsVideoDevices::isCaptureNode(QStringLiteral("/no/such/node")));
    QVERIFY(!SysfsVideoDevices::isCaptureNode(QStringLiteral("/dev/null")));
}

void TestDevices::audioNamesCarryUsbIds()
{
    GstStructure *pulse = properties("props, device.vendor.id=(string)04fc, device.product.id=(string)5330");
    QCOMPARE(AudioInputDevices::displayName("Visualiser Mono", pulse),
             QStringLiteral("Visualiser Mono (usb#vid_04fc&pid_5330)"));
    gst_structure_free(pulse);

    GstStructure *pipewire = properties("props, device.vendor.id=(string)0x046D, device.product.id=(string)0x0a44");
    QCOMPARE(AudioInputDevices::displayName("Headset", pipewire),
             QStringLiteral("Headset (usb#vid_046d&pid_0a44)"));
    gst_structure_free(pipewire);

    GstStructure *builtIn = properties("props, device.bus=(string)pci");
    QCOMPARE(AudioInputDevices::displayName("Built-in Audio", builtIn), QStringLiteral("Built-in Audio"));
    gst_structure_free(builtIn);
    QCOMPARE(AudioInputDevices::displayName("No properties", nullptr), QStringLiteral("No properties"));
}

void TestDevices::audioMonitorsAreLeftOut()
{
    GstStructure *monitor = properties("props, device.class=(string)monitor");
    GstStructure *input = properties("props, device.class=(string)sound");
    QVERIFY(AudioInputDevices::isMonitor(monitor));
    QVERIFY(!AudioInputDevices::isMonitor(input));
    QVERIFY(!AudioInputDevices::isMonitor(nullptr));
    gst_structure_free(monitor);
    gst_structure_free(input);
}

void TestDevices::audioEnumerationRuns()
{
    // Whatever this machine has (often nothing): every entry must be able to make its source.
    for (const CaptureDevice &input : AudioInputDevices::list()) {
        QVERIFY(!input.displayName.isEmpty());
        QVERIFY(input.createSource);
    }
}

void TestDevices::controlsNeedAnOpenableNode()
{
    QVERIFY(!V4l2Controls::open(QString()));
    QVERIFY(!V4l2Controls::open(QStringLiteral("/no/such/video0")));
}

void TestDevices::controlsReportFailuresOfTheNode()
{
    std::unique_ptr<CameraControls> controls = V4l2Controls::open(QStringLiteral("/dev/null"));
    QVERIFY(controls);
    QVERIFY(!controls->hasBrightness());
    QCOMPARE(controls->brightness(), 0);
    QCOMPARE(controls->brightnessRange(), qMakePair(0, 0));
    QCOMPARE(controls->focus(), 0);
    char data[2] = {};
    QCOMPARE(controls->getExtensionControl(1, data, 2), -ENOTTY);
    QCOMPARE(controls->setExtensionControl(1, data, 2), -ENOTTY);
}

void TestDevices::extensionRequestsAreChecked_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("withData");
    QTest::newRow("empty") << 1 << 0 << true;
    QTest::newRow("negative size") << 1 << -4 << true;
    QTest::newRow("longer than 16 bits") << 1 << 70000 << true;
    QTest::newRow("selector past a byte") << 300 << 2 << true;
    QTest::newRow("negative selector") << -1 << 2 << true;
    QTest::newRow("no buffer") << 1 << 2 << false;
}

void TestDevices::extensionRequestsAreChecked()
{
    QFETCH(int, selector);
    QFETCH(int, size);
    QFETCH(bool, withData);
    std::unique_ptr<CameraControls> controls = V4l2Controls::open(QStringLiteral("/dev/null"));
    QVERIFY(controls);
    char data[4] = {};
    QCOMPARE(controls->getExtensionControl(selector, withData ? data : nullptr, size), -EINVAL);
    QCOMPARE(controls->setExtensionControl(selector, withData ? data : nullptr, size), -EINVAL);
}

void TestDevices::systemCameraWaitsWithoutHardware()
{
    NullReceiver receiver;
    LiveSource source(&receiver, 1280, 720, 1280, 720);
    QTest::qWait(600);
    if (!SysfsVideoDevices().captureDevices().isEmpty())
        QSKIP("This machine has a camera; the waiting state is not observable here");
    QVERIFY(!source.isOpen());
    QCOMPARE(source.brightnessLevel(), 0);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("never.avi"));
    source.startRecording(file);
    QVERIFY(!source.isRecording());
    QVERIFY(!QFile::exists(file));
}

QTEST_GUILESS_MAIN(TestDevices)
#include "tst_devices.moc"
