#include "LiveSourceBase.h"

#include <QtTest>

namespace {

// A camera whose brightness lives in memory and which counts what is sent to it.
class FakeCamera : public LiveSourceBase
{
public:
    bool open = false;
    int value = 0;
    bool answers = true; // false: the camera is busy and its brightness cannot be read
    int minimum = -64;
    int maximum = 64;
    int writes = 0;

    bool isOpen() const override { return open; }
    int setExtensionControl(int, const void *, int) override { return -1; }
    int getExtensionControl(int, void *, int) override { return -1; }

protected:
    std::optional<int> brightness() override
    {
        return answers ? std::optional<int>(value) : std::nullopt;
    }
    void setBrightness(int v) override
    {
        value = v;
        ++writes;
    }
    QPair<int, int> brightnessRange() override { return {minimum, maximum}; }
};

} // namespace

class LiveSourceBaseTest : public QObject
{
    Q_OBJECT

private slots:
    void closedCameraReadsZeroAndSendsNothing();
    void levelsTruncateTowardZero_data();
    void levelsTruncateTowardZero();
    void stepsMoveByTwentyWithoutClamping();
    void unreadableBrightnessIsNotStepped();
};

void LiveSourceBaseTest::closedCameraReadsZeroAndSendsNothing()
{
    FakeCamera camera;
    camera.value = 100;
    camera.brightnessUp();
    camera.brightnessDown();
    camera.setMacro(true);
    QCOMPARE(camera.writes, 0);
    QCOMPARE(camera.brightnessLevel(), 0);
    QCOMPARE(camera.brightnessMinLevel(), 0);
    QCOMPARE(camera.brightnessMaxLevel(), 0);
}

void LiveSourceBaseTest::levelsTruncateTowardZero_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("level");
    QTest::newRow("35") << 35 << 1;
    QTest::newRow("-35") << -35 << -1;
    QTest::newRow("19") << 19 << 0;
    QTest::newRow("-19") << -19 << 0;
    QTest::newRow("40") << 40 << 2;
}

void LiveSourceBaseTest::levelsTruncateTowardZero()
{
    QFETCH(int, brightness);
    QFETCH(int, level);
    FakeCamera camera;
    camera.open = true;
    camera.value = brightness;
    QCOMPARE(camera.brightnessLevel(), level);
}

void LiveSourceBaseTest::stepsMoveByTwentyWithoutClamping()
{
    FakeCamera camera;
    camera.open = true;
    camera.minimum = -50;
    camera.maximum = 130;
    QCOMPARE(camera.brightnessMinLevel(), -2);
    QCOMPARE(camera.brightnessMaxLevel(), 6);

    camera.value = 120;
    camera.brightnessUp();
    QCOMPARE(camera.value, 140);
    camera.brightnessDown();
    camera.brightnessDown();
    QCOMPARE(camera.value, 100);
    QCOMPARE(camera.writes, 3);

    camera.setMacro(true);
    QCOMPARE(camera.writes, 3);
}

// A camera busy for a moment (EBUSY, EIO) gives no brightness: a step from an unknown value
// would land at plus or minus one step absolute, so nothing is sent.
void LiveSourceBaseTest::unreadableBrightnessIsNotStepped()
{
    FakeCamera camera;
    camera.open = true;
    camera.value = 100;
    camera.answers = false;
    camera.brightnessUp();
    camera.brightnessDown();
    QCOMPARE(camera.writes, 0);
    QCOMPARE(camera.value, 100);
    QCOMPARE(camera.brightnessLevel(), 0);

    camera.answers = true;
    camera.brightnessUp();
    QCOMPARE(camera.value, 120);
}

QTEST_GUILESS_MAIN(LiveSourceBaseTest)
#include "tst_livesourcebase.moc"
