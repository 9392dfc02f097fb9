#include "ICaptureCB.h"
#include "LiveSource.h"
#include "media/AudioInputDevices.h"
#include "media/GstCameraBackend.h"
#include "media/GstRuntime.h"
#include "media/SysfsVideoDevices.h"
#include "media/V4l2Controls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <gst/gst.h>

#include <cerrno>
#include <fcntl.h>

Q_DECLARE_METATYPE(CaptureDevice::Kind)

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
    writeFile(real + "/dev", "81:" + node.mid(5).toLatin1() + "\n");
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

struct UsbCamera
{
    QByteArray vendor = "046d";
    QByteArray product = "0825";
    QByteArray serial;
    QByteArray productName = "Webcam C270";
    QByteArray removable = "removable";
    QByteArray interfaceClass = "0e";
};

// A machine's devices as files: sys/ as the kernel lays it out, run/udev/data as udev writes it.
// Opens of device nodes are recorded; each gives a descriptor of /dev/null, on which every camera
// request fails harmlessly.
class FakeMachine
{
public:
    QString sys() const { return dir.path() + "/sys"; }

    DeviceFiles files()
    {
        DeviceFiles files;
        files.sysRoot = sys();
        files.runRoot = dir.path() + "/run";
        files.devRoot = QStringLiteral("/fake-dev");
        files.openNode = [this](const QString &node) {
            opened << node;
            return ::open("/dev/null", O_RDWR | O_CLOEXEC);
        };
        return files;
    }

    // A UVC camera on the given port of bus 1: capture node video<node>, metadata node the next
    // one. Without udev only the nodes' index tells them apart.
    void plug(const QString &port, int node, const UsbCamera &camera, bool withUdev = true)
    {
        const QString usb = "pci0000:00/usb1/" + port;
        addUsbDevice(sys(), usb, camera.vendor, camera.product);
        const QString folder = sys() + "/devices/" + usb;
        if (!camera.serial.isEmpty())
            writeFile(folder + "/serial", camera.serial + "\n");
        writeFile(folder + "/product", camera.productName + "\n");
        writeFile(folder + "/removable", camera.removable + "\n");
        writeFile(folder + "/" + port + ":1.0/bInterfaceClass", camera.interfaceClass + "\n");
        for (int index = 0; index < 2; ++index) {
            const QString entry = QStringLiteral("video%1").arg(node + index);
            addNode(sys(), usb + "/" + port + ":1.0", entry, "UVC Camera (" + camera.vendor + ")");
            writeFile(folder + "/" + port + ":1.0/video4linux/" + entry + "/index",
                      QByteArray::number(index) + "\n");
            if (withUdev)
                writeFile(dir.path() + QStringLiteral("/run/udev/data/c81:%1").arg(node + index),
                          index == 0 ? "E:ID_V4L_CAPABILITIES=:capture:\nE:ID_V4L_VERSION=2\n"
                                     : "E:ID_V4L_CAPABILITIES=:\nE:ID_V4L_VERSION=2\n");
            nodes[port] << entry;
        }
    }

    void unplug(const QString &port)
    {
        for (const QString &entry : nodes.take(port))
            QFile::remove(sys() + "/class/video4linux/" + entry);
        QDir(sys() + "/devices/pci0000:00/usb1/" + port).removeRecursively();
    }

    QStringList opened;

private:
    QTemporaryDir dir;
    QMap<QString, QStringList> nodes;
};

// The system's back end on a fake machine, with test pictures in place of the nodes' streams.
std::unique_ptr<CameraBackend> backendOn(FakeMachine &machine, std::shared_ptr<VideoDeviceMonitor> monitor)
{
    GstCameraBackend::Devices devices = GstCameraBackend::systemDevices(machine.files());
    devices.videoInputs = [list = devices.videoInputs] {
        QList<CaptureDevice> cameras = list();
        for (CaptureDevice &camera : cameras) {
            camera.createSource = [] {
                GstElement *source = gst_element_factory_make("videotestsrc", nullptr);
                g_object_set(source, "is-live", TRUE, nullptr);
                return source;
            };
        }
        return cameras;
    };
    devices.monitor = std::move(monitor);
    return std::unique_ptr<CameraBackend>(new GstCameraBackend(devices));
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
    void kindComesFromPortInterfaceAndName_data();
    void kindComesFromPortInterfaceAndName();
    void cameraSourceOpensItsNode();
    void waitingOpensNoNodeAndTakingOpensOne();
    void enumeratesAgainOnlyWhenTheMonitorSaysSo();
    void cameraWithoutBrightnessOpensAnyway();
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
    FakeMachine machine;
    UsbCamera visualiser;
    visualiser.vendor = "04fc";
    visualiser.product = "5330";
    visualiser.serial = "A1B2";
    visualiser.productName = "Visualiser";
    machine.plug("1-2", 10, visualiser);
    // No udev data: the metadata node is told by its index.
    machine.plug("1-3.1", 2, UsbCamera(), false);
    addNode(machine.sys(), "platform/vivid.0", "video0", "vivid");

    const QList<CaptureDevice> devices = SysfsVideoDevices(machine.files()).captureDevices();
    QCOMPARE(devices.size(), 3);
    QCOMPARE(devices[0].path, QStringLiteral("/fake-dev/video0"));
    QCOMPARE(devices[1].path, QStringLiteral("/fake-dev/video2"));
    QCOMPARE(devices[2].path, QStringLiteral("/fake-dev/video10"));
    QVERIFY(machine.opened.isEmpty());

    QVERIFY(!devices[0].displayName.contains("vid_"));
    QCOMPARE(devices[0].kind, CaptureDevice::Kind::Other);
    QVERIFY(devices[0].identity.endsWith("/devices/platform/vivid.0:vivid"));
    QCOMPARE(devices[1].displayName, QStringLiteral("UVC Camera (046d) (usb#vid_046d&pid_0825) /fake-dev/video2"));
    QCOMPARE(devices[1].identity, QStringLiteral("usb:046d:0825:port:1-3.1"));
    QCOMPARE(devices[1].name, QStringLiteral("Webcam C270"));
    QCOMPARE(devices[2].identity, QStringLiteral("usb:04fc:5330:serial:A1B2"));
    QCOMPARE(devices[2].name, QStringLiteral("Visualiser"));

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
    DeviceFiles files;
    files.sysRoot = sys.path();
    QVERIFY(SysfsVideoDevices(files).captureDevices().isEmpty());
    files.sysRoot = sys.path() + "/missing";
    QVERIFY(SysfsVideoDevices(files).captureDevices().isEmpty());
}

void TestDevices::kindComesFromPortInterfaceAndName_data()
{
    QTest::addColumn<QByteArray>("removable");
    QTest::addColumn<QByteArray>("productName");
    QTest::addColumn<QByteArray>("interfaceClass");
    QTest::addColumn<CaptureDevice::Kind>("kind");
    const QByteArray uvc = "0e";
    QTest::newRow("removable port") << QByteArray("removable") << QByteArray("HD Webcam") << uvc
                                    << CaptureDevice::Kind::External;
    QTest::newRow("fixed port") << QByteArray("fixed") << QByteArray("HD Webcam") << uvc
                                << CaptureDevice::Kind::BuiltIn;
    QTest::newRow("unknown port") << QByteArray("unknown") << QByteArray("HD Webcam") << uvc
                                  << CaptureDevice::Kind::External;
    QTest::newRow("unknown, integrated") << QByteArray("unknown") << QByteArray("Integrated_Webcam_HD")
                                         << uvc << CaptureDevice::Kind::BuiltIn;
    QTest::newRow("unknown, built-in") << QByteArray("unknown") << QByteArray("Built-in iSight") << uvc
                                       << CaptureDevice::Kind::BuiltIn;
    QTest::newRow("IR on a removable port") << QByteArray("removable") << QByteArray("Integrated IR Camera")
                                            << uvc << CaptureDevice::Kind::Infrared;
    QTest::newRow("infrared") << QByteArray("unknown") << QByteArray("Infrared Camera") << uvc
                              << CaptureDevice::Kind::Infrared;
    QTest::newRow("mirror is no IR") << QByteArray("removable") << QByteArray("Mirror Cam") << uvc
                                     << CaptureDevice::Kind::External;
    QTest::newRow("not a UVC interface") << QByteArray("removable") << QByteArray("TV stick")
                                         << QByteArray("ff") << CaptureDevice::Kind::Other;
}

void TestDevices::kindComesFromPortInterfaceAndName()
{
    QFETCH(QByteArray, removable);
    QFETCH(QByteArray, productName);
    QFETCH(QByteArray, interfaceClass);
    QFETCH(CaptureDevice::Kind, kind);
    FakeMachine machine;
    UsbCamera camera;
    camera.removable = removable;
    camera.productName = productName;
    camera.interfaceClass = interfaceClass;
    machine.plug("1-4", 0, camera);
    const QList<CaptureDevice> devices = SysfsVideoDevices(machine.files()).captureDevices();
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.first().kind, kind);
}

void TestDevices::cameraSourceOpensItsNode()
{
    FakeMachine machine;
    machine.plug("1-1", 0, UsbCamera());
    DeviceFiles files = machine.files();
    files.devRoot = QStringLiteral("/dev");
    const QList<CaptureDevice> devices = SysfsVideoDevices(files).captureDevices();
    QCOMPARE(devices.size(), 1);
    GstElement *source = devices.first().createSource();
    QVERIFY(source);
    gchar *node = nullptr;
    g_object_get(source, "device", &node, nullptr);
    QCOMPARE(QString::fromUtf8(node), QStringLiteral("/dev/video0"));
    g_free(node);
    gst_object_unref(gst_object_ref_sink(source));
}

void TestDevices::waitingOpensNoNodeAndTakingOpensOne()
{
    FakeMachine machine;
    UsbCamera laptopCamera;
    laptopCamera.removable = "fixed";
    machine.plug("1-5", 0, laptopCamera);
    qint64 now = 0;
    NullReceiver receiver;
    auto monitor = std::make_shared<VideoDeviceMonitor>();
    LiveSource source(backendOn(machine, monitor), &receiver, 320, 240, 320, 240, nullptr,
                      [&now] { return now; });
    const auto pollFor = [&](qint64 ms) {
        for (const qint64 end = now + ms; now < end;) {
            now += LiveSource::PollIntervalMs;
            source.checkExistance();
        }
    };
    pollFor(20000);
    QCOMPARE(source.camerasPresent().size(), 1);
    QVERIFY(!source.isOpen());
    QVERIFY(machine.opened.isEmpty());

    machine.plug("1-2", 2, UsbCamera());
    monitor->notifyChange();
    pollFor(LiveSource::StabilityWaitMs + LiveSource::PollIntervalMs);
    QCOMPARE(source.camerasPresent().size(), 2);
    QVERIFY(!source.isOpen());
    QVERIFY(machine.opened.isEmpty());
    pollFor(LiveSource::PollIntervalMs);
    QVERIFY(source.isOpen());
    QCOMPARE(machine.opened, QStringList({"/fake-dev/video2"}));
}

void TestDevices::enumeratesAgainOnlyWhenTheMonitorSaysSo()
{
    FakeMachine machine;
    machine.plug("1-2", 0, UsbCamera());
    auto monitor = std::make_shared<VideoDeviceMonitor>();
    std::unique_ptr<CameraBackend> watched = backendOn(machine, monitor);
    std::unique_ptr<CameraBackend> unwatched = backendOn(machine, nullptr);
    QCOMPARE(watched->videoInputDevices().size(), 1);
    QCOMPARE(unwatched->videoInputDevices().size(), 1);

    machine.unplug("1-2");
    QCOMPARE(watched->videoInputDevices().size(), 1);
    QCOMPARE(unwatched->videoInputDevices().size(), 0);
    monitor->notifyChange();
    QCOMPARE(watched->videoInputDevices().size(), 0);

    // The system's monitor, where udev can be reached: made and closed without trouble.
    std::unique_ptr<VideoDeviceMonitor> udev = VideoDeviceMonitor::forUdev();
    udev.reset();
}

void TestDevices::cameraWithoutBrightnessOpensAnyway()
{
    GstCameraBackend::Devices devices;
    devices.openControls = [](const CaptureDevice &device) { return V4l2Controls::open(device.path); };
    GstCameraBackend backend(devices);
    CaptureDevice camera;
    camera.path = QStringLiteral("/dev/null");
    QCOMPARE(backend.openCamera(camera), CameraBackend::OpenResult::Opened);
    QCOMPARE(backend.brightnessRange(), qMakePair(0, 0));
    backend.setBrightness(40);
    QVERIFY(!backend.brightness());

    camera.path = QStringLiteral("/no/such/video0");
    QCOMPARE(backend.openCamera(camera), CameraBackend::OpenResult::NoExtensionUnit);
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
    QVERIFY(!controls->offersOnlyGrey());
    QVERIFY(!controls->brightness());
    QCOMPARE(controls->brightnessRange(), qMakePair(0, 0));
    QVERIFY(!controls->focus());
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
    source.checkExistance(); // the next poll, now rather than on its timer
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
