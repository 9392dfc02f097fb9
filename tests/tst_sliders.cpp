#include "HorizontalSlider.h"
#include "Slider.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QImage redBar()
{
    QImage bar(4, 4, QImage::Format_ARGB32);
    bar.fill(Qt::red);
    return bar;
}

// Leftmost column in which the (red) bar was drawn.
int drawnBarLeft(HorizontalSlider &slider)
{
    const QImage painted = slider.grab().toImage();
    const int y = painted.height() / 2;
    for (int x = 0; x < painted.width(); ++x) {
        if (painted.pixelColor(x, y) == QColor(Qt::red))
            return x;
    }
    return -1;
}

void moveWithButton(HorizontalSlider &slider, int x)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), slider.mapToGlobal(QPoint(x, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &move);
}

} // namespace

class TestSliders : public QObject
{
    Q_OBJECT

private slots:
    void pressMapsPositionToValue_data();
    void pressMapsPositionToValue();
    void everyMouseStepReportsTheValue();
    void barSitsOnItsSliceAndStaysOnTheTrack();
    void programmaticChangesAreSilentAndUnclamped();
    void reversedRangeHoldsOnlyItsMinimum();
    void sliderWithoutTrackHoldsItsMinimum();

    void skinnedSliderCarriesItsStyleSheet();
    void showOrHideToggles();
};

void TestSliders::pressMapsPositionToValue_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("left of the track") << 0 << 0;
    QTest::newRow("track start") << 6 << 0;
    QTest::newRow("middle") << 56 << 50;
    QTest::newRow("beyond the end") << 200 << 100;
}

void TestSliders::pressMapsPositionToValue()
{
    QFETCH(int, x);
    QFETCH(int, expected);
    HorizontalSlider slider(redBar(), nullptr);
    slider.resize(113, 12);
    QSignalSpy changed(&slider, SIGNAL(valueChanged(int)));

    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
    QCOMPARE(slider.value, expected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), expected);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
}

void TestSliders::everyMouseStepReportsTheValue()
{
    HorizontalSlider slider(redBar(), nullptr);
    slider.resize(113, 12);
    slider.setRange(10, 20); // 11 slices of 101 / 11 pixels
    QSignalSpy changed(&slider, SIGNAL(valueChanged(int)));

    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(6, 5));
    moveWithButton(slider, 60);
    moveWithButton(slider, 60);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(106, 5));

    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(0).at(0).toInt(), 10);
    QCOMPARE(changed.at(1).at(0).toInt(), 15); // 54 / (101 / 11) = 5.88
    QCOMPARE(changed.at(2).at(0).toInt(), 15); // reported again though unchanged
    QCOMPARE(changed.at(3).at(0).toInt(), 20);
    QCOMPARE(slider.value, 20);
}

void TestSliders::barSitsOnItsSliceAndStaysOnTheTrack()
{
    HorizontalSlider slider(redBar(), nullptr);
    slider.resize(113, 12);
    slider.setBarWidth(22);

    slider.setValue(0);
    QCOMPARE(slider.barPosition(), 6);
    QCOMPARE(drawnBarLeft(slider), 6);

    slider.setValue(50); // centre of slice 50 is 56.5, bar centred on it
    QCOMPARE(slider.barPosition(), 45);
    QCOMPARE(drawnBarLeft(slider), 45);

    slider.setValue(100);
    QCOMPARE(slider.barPosition(), 85);
    QCOMPARE(drawnBarLeft(slider), 85);
}

void TestSliders::programmaticChangesAreSilentAndUnclamped()
{
    HorizontalSlider slider(redBar(), nullptr);
    slider.resize(113, 12);
    slider.setBarWidth(22);
    QSignalSpy changed(&slider, SIGNAL(valueChanged(int)));

    slider.setValue(500);
    QCOMPARE(slider.value, 500);
    QCOMPARE(slider.barPosition(), 85);
    slider.setValue(-500);
    QCOMPARE(slider.value, -500);
    QCOMPARE(slider.barPosition(), 6);

    slider.setRange(0, 10);
    QCOMPARE(slider.value, -500);
    QCOMPARE(changed.count(), 0);
}

void TestSliders::reversedRangeHoldsOnlyItsMinimum()
{
    HorizontalSlider slider(redBar(), nullptr);
    slider.resize(113, 12);
    slider.setBarWidth(22);
    slider.setRange(0, -3); // what a strip sets when every thumbnail fits

    QCOMPARE(slider.valueAt(0), 0);
    QCOMPARE(slider.valueAt(56), 0);
    QCOMPARE(slider.valueAt(112), 0);
    slider.setValue(0);
    QVERIFY(slider.barPosition() >= 6);
    QVERIFY(slider.barPosition() <= 113 - 22 - 6);
    QCOMPARE(drawnBarLeft(slider), slider.barPosition());

    QSignalSpy changed(&slider, SIGNAL(valueChanged(int)));
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
}

void TestSliders::skinnedSliderCarriesItsStyleSheet()
{
    Slider vertical(Qt::Vertical, nullptr);
    QVERIFY(vertical.styleSheet().contains(QStringLiteral("url(:/icons/Background/POP_VOL_BK.png)")));
    vertical.resize(33, 93);
    vertical.grab(); // the style must draw, pictures or not
}

void TestSliders::showOrHideToggles()
{
    QWidget window;
    Slider slider(Qt::Vertical, &window);
    window.show();

    slider.showOrHide();
    QVERIFY(slider.isHidden());
    slider.showOrHide();
    QVERIFY(slider.isVisible());

    // Also while its window is hidden.
    window.hide();
    slider.showOrHide();
    QVERIFY(slider.isHidden());
    slider.showOrHide();
    QVERIFY(!slider.isHidden());
}

// A slider squeezed to its margins (12 pixels) or less has no track: wherever it is pressed, it
// takes its minimum, and the bar stays at the track's start.
void TestSliders::sliderWithoutTrackHoldsItsMinimum()
{
    HorizontalSlider slider(redBar(), nullptr);
    slider.setRange(3, 9);
    slider.setBarWidth(2);
    for (int width : {12, 11, 6, 1}) {
        slider.resize(width, 12);
        for (int x = 0; x < width; ++x) {
            QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
            QVERIFY2(slider.value == 3,
                     qPrintable(QStringLiteral("width %1, x %2: %3").arg(width).arg(x).arg(slider.value)));
            QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
        }
    }
}

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
