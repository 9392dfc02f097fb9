#include "FramelessWindow.h"
#include "ImageButton.h"
#include "StyleWindow.h"

#include <QScreen>
#include <QtTest>

namespace {

// The frame needs a derived window to lay out; this one counts the calls.
class Frame : public StyleWindow
{
public:
    int layouts = 0;
    void layoutContents() override { ++layouts; }
};

// A frame whose window system takes drags and resizes over, as a Wayland compositor does, or
// declines them, as an X server without a window manager does; it records what was asked.
class SystemFrame : public Frame
{
public:
    bool systemAccepts = true;
    int moves = 0;
    QList<Qt::Edges> resizes;

protected:
    bool systemMove() override
    {
        ++moves;
        return systemAccepts;
    }
    bool systemResize(Qt::Edges edges) override
    {
        resizes << edges;
        return systemAccepts;
    }
};

void sendMouse(QWidget &widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget.mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void hover(QWidget &widget, QPoint pos)
{
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

void press(QWidget &widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonPress, pos, button, button);
}

void drag(QWidget &widget, QPoint pos)
{
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

void release(QWidget &widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

QImage solid(QColor color, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

void showFrame(Frame &frame, QRect geometry)
{
    frame.setGeometry(geometry);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
}

} // namespace

class TestWindowFrame : public QObject
{
    Q_OBJECT

private slots:
    void framelessWindowTakesItsPictureSize();
    void dragStartsOnlyInTheTitleStrip();
    void dragMovesTheWindowWithTheLeftButton();

    void edgeZonesAndCursors_data();
    void edgeZonesAndCursors();
    void leavingResetsTheCursor();
    void titleButtonsFollowTheRightEdge();
    void interiorIsFilled();

    void leftEdgeStopsAtMinimumWidth();
    void rightEdgeStopsAtMaximumWidth();
    void cornerResizesBothWays();
    void releaseShowsTheCursorWhereItEnds();
    void titleStripDragsInsideAndResizesAtTheTop();
    void edgeResizeLeavesMaximizedState();
    void titleButtonsMinimizeMaximizeAndClose();
    void windowSystemMovesAndResizesFirst();
};

void TestWindowFrame::framelessWindowTakesItsPictureSize()
{
    FramelessWindow window(solid(Qt::red, 30, 20));
    QCOMPARE(window.size(), QSize(30, 20));
    QCOMPARE(window.minimumSize(), QSize(30, 20));
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!window.dragging);
    QCOMPARE(window.grab().toImage().pixelColor(10, 10), QColor(Qt::red));

    window.setBackground(solid(Qt::blue, 50, 40));
    QCOMPARE(window.size(), QSize(50, 40));
    QCOMPARE(window.minimumSize(), QSize(50, 40));
    QCOMPARE(window.grab().toImage().pixelColor(45, 35), QColor(Qt::blue));

    FramelessWindow empty;
    QCOMPARE(empty.minimumSize(), QSize(0, 0));
}

void TestWindowFrame::dragStartsOnlyInTheTitleStrip()
{
    FramelessWindow window(solid(Qt::red, 200, 100));

    press(window, QPoint(50, 26));
    QVERIFY(!window.dragging);
    press(window, QPoint(50, 25), Qt::RightButton);
    QVERIFY(!window.dragging);

    press(window, QPoint(50, 25));
    QVERIFY(window.dragging);
    QCOMPARE(window.dragOffset, window.mapToGlobal(QPoint(50, 25)) - window.frameGeometry().topLeft());
    release(window, QPoint(50, 25));
    QVERIFY(!window.dragging);
}

void TestWindowFrame::dragMovesTheWindowWithTheLeftButton()
{
    FramelessWindow window(solid(Qt::red, 200, 100));
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    press(window, QPoint(10, 10));
    const QPoint grip = window.mapToGlobal(QPoint(10, 10));
    // Global positions from here on: the window moves under the cursor.
    QMouseEvent move(QEvent::MouseMove, QPoint(), grip + QPoint(30, 40), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QCOMPARE(window.pos(), start + QPoint(30, 40));

    // Without the button held nothing moves.
    QMouseEvent loose(QEvent::MouseMove, QPoint(), grip + QPoint(80, 80), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &loose);
    QCOMPARE(window.pos(), start + QPoint(30, 40));
    release(window, QPoint(10, 10));
}

void TestWindowFrame::edgeZonesAndCursors_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("hZone");
    QTest::addColumn<int>("vZone");
    QTest::addColumn<int>("cursor");
    QTest::newRow("left edge, last pixel") << QPoint(5, 300) << 0 << 1 << int(Qt::SizeHorCursor);
    QTest::newRow("just inside the left edge") << QPoint(6, 300) << 1 << 1 << int(Qt::ArrowCursor);
    QTest::newRow("just inside the right edge") << QPoint(794, 300) << 1 << 1 << int(Qt::ArrowCursor);
    QTest::newRow("right edge, first pixel") << QPoint(795, 300) << 2 << 1 << int(Qt::SizeHorCursor);
    QTest::newRow("top edge") << QPoint(400, 5) << 1 << 0 << int(Qt::SizeVerCursor);
    QTest::newRow("bottom edge") << QPoint(400, 595) << 1 << 2 << int(Qt::SizeVerCursor);
    QTest::newRow("above the bottom edge") << QPoint(400, 594) << 1 << 1 << int(Qt::ArrowCursor);
    QTest::newRow("top-left corner") << QPoint(0, 0) << 0 << 0 << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right corner") << QPoint(799, 599) << 2 << 2 << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-left corner") << QPoint(2, 598) << 0 << 2 << int(Qt::SizeBDiagCursor);
    QTest::newRow("top-right corner") << QPoint(797, 3) << 2 << 0 << int(Qt::SizeBDiagCursor);
}

void TestWindowFrame::edgeZonesAndCursors()
{
    QFETCH(QPoint, pos);
    QFETCH(int, hZone);
    QFETCH(int, vZone);
    QFETCH(int, cursor);
    Frame frame;
    QCOMPARE(frame.hZone, 1);
    QCOMPARE(frame.vZone, 1);
    QVERIFY(frame.hasMouseTracking());
    frame.resize(800, 600);

    hover(frame, pos);
    QCOMPARE(frame.hZone, hZone);
    QCOMPARE(frame.vZone, vZone);
    QCOMPARE(int(frame.cursor().shape()), cursor);
}

void TestWindowFrame::leavingResetsTheCursor()
{
    Frame frame;
    frame.resize(800, 600);
    hover(frame, QPoint(2, 300));
    QCOMPARE(frame.cursor().shape(), Qt::SizeHorCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&frame, &leave);
    QCOMPARE(frame.cursor().shape(), Qt::ArrowCursor);
}

void TestWindowFrame::titleButtonsFollowTheRightEdge()
{
    Frame frame;
    showFrame(frame, QRect(0, 0, 800, 600));
    const int before = frame.layouts;
    frame.resize(1024, 600);
    QTRY_COMPARE(frame.width(), 1024);
    QCOMPARE(frame.closeButton->pos(), QPoint(986, 4));
    QCOMPARE(frame.maximizeButton->pos(), QPoint(965, 4));
    QCOMPARE(frame.minimizeButton->pos(), QPoint(945, 4));
    QVERIFY(frame.layouts > before);
}

void TestWindowFrame::interiorIsFilled()
{
    Frame frame;
    frame.resize(300, 200);
    // Hidden windows get their resize event only when shown; the pieces are stretched in it.
    QResizeEvent resize(frame.size(), QSize());
    QApplication::sendEvent(&frame, &resize);
    QCOMPARE(frame.layouts, 1);
    const QImage painted = frame.grab().toImage();
    QCOMPARE(painted.pixel(150, 100), frame.fillColor | 0xff000000u);
}

void TestWindowFrame::leftEdgeStopsAtMinimumWidth()
{
    Frame frame;
    frame.setMinimumSize(300, 200);
    showFrame(frame, QRect(100, 100, 800, 600));
    const int right = frame.geometry().right();

    hover(frame, QPoint(2, 300));
    press(frame, QPoint(2, 300));
    QVERIFY(frame.resizing);
    QVERIFY(!frame.dragging);
    drag(frame, QPoint(102, 300)); // the left edge follows the cursor
    QTRY_COMPARE(frame.width(), 698);
    QCOMPARE(frame.geometry().right(), right);

    drag(frame, QPoint(650, 300)); // further than the minimum allows
    QTRY_COMPARE(frame.width(), 300);
    QCOMPARE(frame.geometry().right(), right);
    release(frame, QPoint(650, 300));
    QVERIFY(!frame.resizing);
}

void TestWindowFrame::rightEdgeStopsAtMaximumWidth()
{
    Frame frame;
    frame.setMaximumSize(900, 700);
    showFrame(frame, QRect(50, 50, 800, 600));

    hover(frame, QPoint(798, 300));
    press(frame, QPoint(798, 300));
    drag(frame, QPoint(850, 300));
    QTRY_COMPARE(frame.width(), 850);
    drag(frame, QPoint(1200, 300));
    QTRY_COMPARE(frame.width(), 900);
    QCOMPARE(frame.height(), 600);
    release(frame, QPoint(1200, 300));
}

void TestWindowFrame::cornerResizesBothWays()
{
    Frame frame;
    showFrame(frame, QRect(50, 50, 800, 600));
    const QRect before = frame.geometry();

    hover(frame, QPoint(1, 1));
    press(frame, QPoint(1, 1));
    drag(frame, QPoint(-20, 30)); // left 20, down 30 from the top-left corner
    QTRY_COMPARE(frame.size(), QSize(820, 570));
    QCOMPARE(frame.geometry().bottomRight(), before.bottomRight());
    // The zones of the press stay, wherever the cursor goes meanwhile.
    QCOMPARE(frame.hZone, 0);
    QCOMPARE(frame.vZone, 0);
    release(frame, QPoint(0, 0));
}

void TestWindowFrame::releaseShowsTheCursorWhereItEnds()
{
    Frame frame;
    frame.resize(800, 600);
    hover(frame, QPoint(799, 300));
    press(frame, QPoint(799, 300));
    QVERIFY(frame.resizing);
    // The window is hidden here, so the geometry is the one asked for.
    drag(frame, QPoint(700, 300));
    QCOMPARE(frame.width(), 700);
    release(frame, QPoint(400, 599));
    QVERIFY(!frame.resizing);
    QCOMPARE(frame.hZone, 1);
    QCOMPARE(frame.vZone, 2);
    QCOMPARE(frame.cursor().shape(), Qt::SizeVerCursor);
}

void TestWindowFrame::titleStripDragsInsideAndResizesAtTheTop()
{
    Frame frame;
    frame.resize(800, 600);

    hover(frame, QPoint(400, 25));
    press(frame, QPoint(400, 25));
    QVERIFY(frame.dragging);
    QVERIFY(!frame.resizing);
    release(frame, QPoint(400, 25));

    hover(frame, QPoint(400, 5));
    press(frame, QPoint(400, 5));
    QVERIFY(frame.resizing);
    QVERIFY(!frame.dragging);
    release(frame, QPoint(400, 5));

    // A double click in the strip is just another press: no maximizing.
    QTest::mouseDClick(&frame, Qt::LeftButton, Qt::NoModifier, QPoint(400, 15));
    QVERIFY(!frame.isMaximized());
}

void TestWindowFrame::edgeResizeLeavesMaximizedState()
{
    Frame frame;
    showFrame(frame, QRect(50, 50, 800, 600));
    frame.maximize();
    QVERIFY(frame.isMaximized());

    // Zones are tracked while maximized too.
    const QPoint edge(frame.width() - 2, frame.height() / 2);
    hover(frame, edge);
    QCOMPARE(frame.hZone, 2);
    press(frame, edge);
    QVERIFY(frame.resizing);
    drag(frame, edge - QPoint(100, 0));
    QVERIFY(!frame.isMaximized());
    release(frame, edge - QPoint(100, 0));
}

void TestWindowFrame::titleButtonsMinimizeMaximizeAndClose()
{
    Frame frame;
    showFrame(frame, QRect(50, 50, 800, 600));

    frame.maximize();
    QVERIFY(frame.isMaximized());
    if (QScreen *screen = QGuiApplication::primaryScreen())
        QTRY_COMPARE(frame.geometry(), screen->availableGeometry());
    emit frame.maximizeButton->clicked();
    QVERIFY(!frame.isMaximized());

    frame.minimize();
    QVERIFY(frame.windowState() & Qt::WindowMinimized);
    frame.minimize();
    QVERIFY(!(frame.windowState() & Qt::WindowMinimized));

    emit frame.closeButton->clicked();
    QVERIFY(frame.isHidden());
}

void TestWindowFrame::windowSystemMovesAndResizesFirst()
{
    SystemFrame frame;
    showFrame(frame, QRect(50, 50, 800, 600));
    const QRect start = frame.geometry();

    // Taken over: the frame itself neither drags nor resizes.
    press(frame, QPoint(400, 15));
    QCOMPARE(frame.moves, 1);
    QVERIFY(!frame.dragging);
    release(frame, QPoint(400, 15));
    press(frame, QPoint(798, 300));
    press(frame, QPoint(2, 2));
    press(frame, QPoint(400, 598));
    QCOMPARE(frame.resizes, (QList<Qt::Edges>{Qt::RightEdge, Qt::TopEdge | Qt::LeftEdge, Qt::BottomEdge}));
    QVERIFY(!frame.resizing);
    drag(frame, QPoint(300, 500));
    release(frame, QPoint(300, 500));
    QCOMPARE(frame.geometry(), start);

    // An edge resize handed over still leaves the maximized state.
    frame.maximize();
    QVERIFY(frame.isMaximized());
    press(frame, QPoint(frame.width() - 2, frame.height() / 2));
    QVERIFY(!frame.isMaximized());
    QCOMPARE(frame.resizes.size(), 4);

    // Declined: the frame does it by hand.
    showFrame(frame, start);
    frame.systemAccepts = false;
    press(frame, QPoint(400, 15));
    QCOMPARE(frame.moves, 2);
    QVERIFY(frame.dragging);
    release(frame, QPoint(400, 15));
    press(frame, QPoint(798, 300));
    QCOMPARE(frame.resizes.size(), 5);
    QVERIFY(frame.resizing);
    drag(frame, QPoint(700, 300));
    release(frame, QPoint(700, 300));
    QCOMPARE(frame.width(), 700);
}

QTEST_MAIN(TestWindowFrame)
#include "tst_windowframe.moc"
