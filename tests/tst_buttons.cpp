#include "ImageButton.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

namespace {

QImage solid(QColor color, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// The shipped pictures may not be there; the tests give the button pictures of their own, so
// every state can be told apart by the colour it paints.
void dress(ImageButton &button, int width = 40, int height = 20)
{
    button.normalImage = solid(Qt::blue, width, height);
    button.overImage = solid(Qt::green, width, height);
    button.clickImage = solid(Qt::red, width, height);
    button.setFixedSize(width, height);
}

QColor paintedColour(ImageButton &button)
{
    return button.grab().toImage().pixelColor(1, 1);
}

} // namespace

class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void constructionPlacesAndNamesTheButton();
    void missingPicturesGiveAnEmptyButton();

    void shortPressClicksWithoutHold();
    void longPressHoldsOnceThenClicks();
    void rightPressNeverHolds();

    void pictureFollowsState();
    void enterAndLeaveTrackHover();

    void captionIsCentredOnItsBaseline();
    void captionDefaultsToBlack();
};

void TestButtons::constructionPlacesAndNamesTheButton()
{
    QWidget parent;
    ImageButton plain(QStringLiteral("SOME_NAME"), &parent, 12, 34);
    ImageButton tipped(QStringLiteral("SOME_NAME"), tr("Tip"), &parent, 5, 6);

    QCOMPARE(plain.pos(), QPoint(12, 34));
    QCOMPARE(tipped.pos(), QPoint(5, 6));
    QCOMPARE(tipped.toolTip(), QStringLiteral("Tip"));
}

void TestButtons::missingPicturesGiveAnEmptyButton()
{
    ImageButton button(QStringLiteral("NO_SUCH_PICTURE_ANYWHERE"), nullptr, 0, 0);
    QVERIFY(button.normalImage.isNull());
    QVERIFY(button.overImage.isNull());
    QVERIFY(button.clickImage.isNull());
    QCOMPARE(button.size(), QSize(0, 0));
    button.setText(tr("Caption"));
    button.grab(); // painting nothing must not fail
}

void TestButtons::shortPressClicksWithoutHold()
{
    ImageButton button(QString(), nullptr, 0, 0);
    dress(button);
    QSignalSpy clicked(&button, SIGNAL(clicked()));
    QSignalSpy hold(&button, SIGNAL(hold()));

    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(button.holdTimer.isActive());
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!button.holdTimer.isActive());
    QCOMPARE(clicked.count(), 1);

    // The hold timer is what tells of a hold; stopped, with no timeout of it still queued, it
    // cannot tell of one any more.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(hold.count(), 0);
}

void TestButtons::longPressHoldsOnceThenClicks()
{
    ImageButton button(QString(), nullptr, 0, 0);
    dress(button);
    QSignalSpy clicked(&button, SIGNAL(clicked()));
    QSignalSpy hold(&button, SIGNAL(hold()));

    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(hold.wait(5000));
    QCOMPARE(clicked.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(hold.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(!button.holdTimer.isActive());
}

void TestButtons::rightPressNeverHolds()
{
    ImageButton button(QString(), nullptr, 0, 0);
    dress(button);
    QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!button.holdTimer.isActive());
    QTest::mouseRelease(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
}

void TestButtons::pictureFollowsState()
{
    ImageButton button(QString(), nullptr, 0, 0);
    dress(button);
    QCOMPARE(paintedColour(button), QColor(Qt::blue));

    button.hovered = true;
    QCOMPARE(paintedColour(button), QColor(Qt::green));

    button.setDown(true);
    QCOMPARE(paintedColour(button), QColor(Qt::red));
    button.setDown(false);

    // A checked button keeps its pressed look, hovered or not.
    button.setCheckable(true);
    button.setChecked(true);
    QCOMPARE(paintedColour(button), QColor(Qt::red));
    button.hovered = false;
    QCOMPARE(paintedColour(button), QColor(Qt::red));
    QCOMPARE(button.currentImage(), button.clickImage);
}

void TestButtons::enterAndLeaveTrackHover()
{
    QWidget parent;
    parent.setCursor(Qt::SizeHorCursor);
    ImageButton button(QString(), &parent, 0, 0);
    dress(button);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&button, &enter);
    QVERIFY(button.hovered);
    QVERIFY(button.testAttribute(Qt::WA_SetCursor));
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QVERIFY(!button.hovered);
}

void TestButtons::captionIsCentredOnItsBaseline()
{
    ImageButton button(QString(), nullptr, 0, 0);
    dress(button, 120, 20);
    button.setFont(QFont(QStringLiteral("Arial"), 10));
    button.setText(QStringLiteral("HHHH"));
    button.setTextColor(Qt::white);

    const QImage painted = button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int left = painted.width(), right = -1, lowest = -1;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (painted.pixelColor(x, y).red() < 128)
                continue; // still the blue picture
            left = qMin(left, x);
            right = qMax(right, x);
            lowest = qMax(lowest, y);
        }
    }
    QVERIFY2(right >= 0, "no caption was drawn");

    const QFontMetrics metrics(button.font());
    const int expectedLeft = (120 - metrics.horizontalAdvance(button.text())) / 2;
    const int baseline = (metrics.height() + 20) / 2 - 3;
    QVERIFY2(qAbs(left - expectedLeft) <= 2, qPrintable(QStringLiteral("left %1").arg(left)));
    // Capital H sits on the baseline: its last row is the one just above it.
    QVERIFY2(qAbs(lowest - (baseline - 1)) <= 1, qPrintable(QStringLiteral("lowest %1").arg(lowest)));
}

void TestButtons::captionDefaultsToBlack()
{
    ImageButton button(QString(), nullptr, 0, 0);
    dress(button, 120, 20);
    button.normalImage = solid(Qt::white, 120, 20);
    button.setText(QStringLiteral("HHHH"));

    const QImage painted = button.grab().toImage();
    int darkest = 255;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            darkest = qMin(darkest, qGray(painted.pixel(x, y)));
    QVERIFY(darkest < 40);
}

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
