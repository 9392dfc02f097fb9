#include "AnnotationPainter.h"
#include "CanvasConstants.h"
#include "ImageCanvas.h"

#include <QMouseEvent>
#include <QTextEdit>
#include <QtTest>

namespace {

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

void send(QWidget *widget, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Press at the first point, move through the others, release at the last.
void drag(QWidget *widget, const QVector<QPoint> &points)
{
    send(widget, QEvent::MouseButtonPress, points.first());
    for (int i = 1; i < points.size(); ++i)
        send(widget, QEvent::MouseMove, points.at(i));
    send(widget, QEvent::MouseButtonRelease, points.last());
}

void click(QWidget *widget, const QPoint &pos)
{
    send(widget, QEvent::MouseButtonPress, pos);
    send(widget, QEvent::MouseButtonRelease, pos);
}

bool drawn(const QImage &layer, int x, int y)
{
    return qAlpha(layer.pixel(x, y)) != 0;
}

int drawnCount(const QImage &layer)
{
    int count = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            count += drawn(layer, x, y);
    return count;
}

// A white 1280 x 720 picture shown at its own size, so widget and picture pixels agree.
// Shown when the text editor is used: it lays out what is typed only on screen.
struct Board
{
    ImageCanvas canvas;
    explicit Board(bool shown = false)
    {
        canvas.resize(1280, 720);
        canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
        if (!shown)
            return;
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QCOMPARE(canvas.size(), QSize(1280, 720));
    }
};

} // namespace

class TestCanvasDrawing : public QObject
{
    Q_OBJECT

private slots:
    void lineRubberBandsFreehandGrows();
    void rectangleAndCircleWithFill();
    void arrowGeometry();
    void triangleGeometry();
    void eraserSquares_data();
    void eraserSquares();
    void eraserLeavesDrawingStateAlone();
    void effectsActOnDrawings();
    void handPansOnlyWhenZoomed();
    void drawingFollowsZoomAndRotation();
    void newSourceSizeClearsDrawings();
    void textEditorPlacementAndSize();
    void textCommitsOnModeChange();
    void textCommitsOnSecondClick();
    void clipSelectionOnWidget();
};

void TestCanvasDrawing::lineRubberBandsFreehandGrows()
{
    const QVector<QPoint> path{{100, 100}, {300, 100}, {300, 300}};
    Board line;
    line.canvas.setDrawMode(Line);
    drag(&line.canvas, path);
    QImage layer = line.canvas.annotations();
    QVERIFY(drawn(layer, 100, 100));
    QVERIFY(drawn(layer, 200, 200));
    QVERIFY(!drawn(layer, 200, 100));
    QVERIFY(!drawn(layer, 300, 200));
    QVERIFY(line.canvas.hasDrawings());

    Board freehand;
    freehand.canvas.setDrawMode(Freehand);
    drag(&freehand.canvas, path);
    layer = freehand.canvas.annotations();
    QVERIFY(drawn(layer, 200, 100));
    QVERIFY(drawn(layer, 300, 200));
    QVERIFY(!drawn(layer, 200, 200));

    // The drawing reaches the output picture in the line colour.
    freehand.canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    QCOMPARE(QColor(freehand.canvas.currentImage().pixel(200, 100)), QColor(Qt::black));
}

void TestCanvasDrawing::rectangleAndCircleWithFill()
{
    Board board;
    board.canvas.setDrawMode(Rectangle);
    board.canvas.lineColor = Qt::red;
    drag(&board.canvas, {{100, 100}, {150, 120}, {200, 150}});
    QImage layer = board.canvas.annotations();
    QCOMPARE(QColor(layer.pixel(150, 100)), QColor(Qt::red));
    QVERIFY(drawn(layer, 100, 125));
    QVERIFY(drawn(layer, 199, 125));
    QVERIFY(!drawn(layer, 150, 125));
    QVERIFY(!drawn(layer, 150, 120 + 2));   // the rubber band left no trace
    QVERIFY(!drawn(layer, 205, 125));

    board.canvas.fillEnabled = true;
    board.canvas.fillColor = Qt::yellow;
    board.canvas.setDrawMode(Circle);
    drag(&board.canvas, {{400, 100}, {600, 300}});
    layer = board.canvas.annotations();
    QCOMPARE(QColor(layer.pixel(500, 200)), QColor(Qt::yellow));
    QCOMPARE(QColor(layer.pixel(500, 100)), QColor(Qt::red));
    QVERIFY(!drawn(layer, 405, 105));   // outside the ellipse, inside its box
}

void TestCanvasDrawing::arrowGeometry()
{
    const QPolygonF arrow = AnnotationPainter::arrowPolygon(QPoint(0, 0), QPoint(100, 0));
    const QPolygonF expected({{0, 5}, {80, 5}, {80, 10}, {100, 0}, {80, -10}, {80, -5}, {0, -5}});
    QCOMPARE(arrow, expected);

    Board board;
    board.canvas.setDrawMode(Arrow);
    board.canvas.fillEnabled = true;
    board.canvas.fillColor = Qt::blue;
    drag(&board.canvas, {{100, 300}, {300, 300}});
    const QImage layer = board.canvas.annotations();
    QCOMPARE(QColor(layer.pixel(200, 300)), QColor(Qt::blue));   // inside the shaft
    QVERIFY(!drawn(layer, 200, 300 + 14));                       // the shaft is 20 wide
    QCOMPARE(QColor(layer.pixel(265, 300 + 15)), QColor(Qt::blue)); // the head is 40 wide
    QVERIFY(!drawn(layer, 265, 300 + 20));
    QVERIFY(drawn(layer, 299, 300));
    QVERIFY(!drawn(layer, 305, 300));
}

void TestCanvasDrawing::triangleGeometry()
{
    const QPolygon triangle = AnnotationPainter::trianglePolygon(QPoint(10, 10), QPoint(10, 110));
    QCOMPARE(triangle, QPolygon({QPoint(10, 10), QPoint(-48, 110), QPoint(68, 110)}));
    // Equilateral within rounding.
    auto length = [](const QPoint &a, const QPoint &b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    QVERIFY(qAbs(length(triangle[0], triangle[1]) - length(triangle[1], triangle[2])) < 1.5);
    QVERIFY(qAbs(length(triangle[0], triangle[2]) - length(triangle[1], triangle[2])) < 1.5);

    Board board;
    board.canvas.setDrawMode(Triangle);
    drag(&board.canvas, {{300, 100}, {300, 400}});
    const QImage layer = board.canvas.annotations();
    QVERIFY(drawn(layer, 300, 100));
    QVERIFY(drawn(layer, 300, 400));   // middle of the base
    QVERIFY(drawn(layer, 300 - 173, 400));
    QVERIFY(!drawn(layer, 300, 250));  // not filled
}

void TestCanvasDrawing::eraserSquares_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("side");
    QTest::newRow("width 0") << 0 << 3;
    QTest::newRow("default width") << 2 << 11;
    QTest::newRow("width 10") << 10 << 43;
}

void TestCanvasDrawing::eraserSquares()
{
    QFETCH(int, width);
    QFETCH(int, side);
    Board board;
    board.canvas.setDrawMode(Rectangle);
    board.canvas.fillEnabled = true;
    drag(&board.canvas, {{0, 0}, {601, 601}});
    const int before = drawnCount(board.canvas.annotations());

    board.canvas.lineWidth = width;
    board.canvas.setDrawMode(Eraser);
    drag(&board.canvas, {{300, 300}, {300, 300}});
    QImage layer = board.canvas.annotations();
    QCOMPARE(before - drawnCount(layer), side * side);
    QVERIFY(!drawn(layer, 300 - side / 2, 300 + side / 2));
    QVERIFY(drawn(layer, 300 - side / 2 - 1, 300));
    QCOMPARE(AnnotationPainter::eraserSquare(QPoint(300, 300), width).size(), QSize(side, side));

    // Only the squares around the points the mouse reported are cleared.
    drag(&board.canvas, {{100, 100}, {100, 100}, {200, 100}});
    layer = board.canvas.annotations();
    QVERIFY(!drawn(layer, 200, 100));
    QVERIFY(drawn(layer, 150, 100));

    // Near the corner only what lies inside the layer.
    drag(&board.canvas, {{0, 0}, {0, 0}});
    QVERIFY(!drawn(board.canvas.annotations(), 0, 0));
}

void TestCanvasDrawing::eraserLeavesDrawingStateAlone()
{
    Board board;
    board.canvas.setDrawMode(Eraser);
    drag(&board.canvas, {{10, 10}, {20, 20}});
    QVERIFY(!board.canvas.hasDrawings());

    board.canvas.setDrawMode(Line);
    drag(&board.canvas, {{10, 10}, {20, 20}});
    QVERIFY(board.canvas.hasDrawings());
    board.canvas.setDrawMode(Eraser);
    drag(&board.canvas, {{10, 10}, {20, 20}});
    QVERIFY(board.canvas.hasDrawings());

    board.canvas.clearAnnotations();
    QVERIFY(!board.canvas.hasDrawings());
    QCOMPARE(drawnCount(board.canvas.annotations()), 0);
}

void TestCanvasDrawing::effectsActOnDrawings()
{
    Board board;
    board.canvas.lineColor = Qt::red;
    board.canvas.lineWidth = 5;
    board.canvas.setDrawMode(Line);
    drag(&board.canvas, {{100, 200}, {500, 200}});

    board.canvas.effect = EffectBW;
    board.canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    QCOMPARE(QColor(board.canvas.currentImage().pixel(300, 200)), QColor(79, 79, 79));

    board.canvas.effect = EffectNegative;
    board.canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    QCOMPARE(QColor(board.canvas.currentImage().pixel(300, 200)), QColor(0, 255, 255));
    QCOMPARE(QColor(board.canvas.currentImage().pixel(300, 300)), QColor(Qt::black));
}

void TestCanvasDrawing::handPansOnlyWhenZoomed()
{
    Board board;
    board.canvas.setDrawMode(Hand);
    drag(&board.canvas, {{600, 300}, {500, 250}});
    QCOMPARE(board.canvas.viewOrigin(), QPoint(0, 0));

    board.canvas.zoomIn();
    QCOMPARE(board.canvas.viewOrigin(), QPoint(640, 360));
    drag(&board.canvas, {{600, 300}, {550, 280}, {500, 250}});
    QCOMPARE(board.canvas.viewOrigin(), QPoint(740, 410));
    drag(&board.canvas, {{600, 300}, {-5000, -5000}});
    QCOMPARE(board.canvas.viewOrigin(), QPoint(1279, 719));
}

void TestCanvasDrawing::drawingFollowsZoomAndRotation()
{
    Board board;
    board.canvas.zoomIn();   // origin (640, 360): output point p is layer point (p + origin) / 2
    board.canvas.setDrawMode(Line);
    drag(&board.canvas, {{100, 100}, {300, 100}});
    QImage layer = board.canvas.annotations();
    QVERIFY(drawn(layer, 370, 230));
    QVERIFY(drawn(layer, 470, 230));
    QVERIFY(!drawn(layer, 100, 100));

    board.canvas.rotateClockwise();
    layer = board.canvas.annotations();
    QCOMPARE(layer.size(), QSize(720, 1280));
    QVERIFY(drawn(layer, 719 - 230, 370));
    board.canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    QVERIFY(board.canvas.hasDrawings());
}

void TestCanvasDrawing::newSourceSizeClearsDrawings()
{
    Board board;
    board.canvas.setDrawMode(Freehand);
    drag(&board.canvas, {{10, 10}, {100, 100}});
    board.canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    QVERIFY(drawnCount(board.canvas.annotations()) > 0);

    board.canvas.processImage(filled(800, 600, qRgb(255, 255, 255)));
    QCOMPARE(board.canvas.annotations().size(), QSize(800, 600));
    QCOMPARE(drawnCount(board.canvas.annotations()), 0);
    QCOMPARE(QColor(board.canvas.currentImage().pixel(50, 50)), QColor(Qt::white));
}

void TestCanvasDrawing::textEditorPlacementAndSize()
{
    Board board(true);
    QTextEdit *editor = board.canvas.textEditor();
    QVERIFY(editor->isHidden());
    QCOMPARE(editor->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(board.canvas.textFamily(), QStringLiteral("Arial"));
    QCOMPARE(board.canvas.textPointSize(), 18);

    board.canvas.setDrawMode(Text);
    click(&board.canvas, QPoint(100, 100));
    QVERIFY(!editor->isHidden());
    QCOMPARE(editor->geometry(), QRect(100, 100, 300, 300));

    click(&board.canvas, QPoint(100, 100));   // commits and closes
    QVERIFY(editor->isHidden());

    click(&board.canvas, QPoint(1280 - 100, 600));
    QCOMPARE(editor->geometry(), QRect(1180, 600, 95, 115));
}

void TestCanvasDrawing::textCommitsOnModeChange()
{
    Board board(true);
    board.canvas.setTextColor(Qt::red);
    board.canvas.setTextPointSize(40);
    board.canvas.setDrawMode(Text);
    click(&board.canvas, QPoint(200, 200));
    QTest::keyClicks(board.canvas.textEditor(), QStringLiteral("HELLO"));
    QCOMPARE(board.canvas.textEditor()->toPlainText(), QStringLiteral("HELLO"));
    QCOMPARE(drawnCount(board.canvas.annotations()), 0);   // nothing before the commit

    board.canvas.setDrawMode(Line);
    QVERIFY(board.canvas.textEditor()->isHidden());
    QVERIFY(board.canvas.hasDrawings());
    const QImage layer = board.canvas.annotations();
    int red = 0;
    QRect bounds;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb p = layer.pixel(x, y);
            if (qAlpha(p) == 255 && qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
                ++red;
                bounds |= QRect(x, y, 1, 1);
            }
        }
    QVERIFY(red > 100);
    // Anchored at the click (plus the editor's margin) and to its lower right.
    QVERIFY(bounds.left() >= 200 && bounds.top() >= 200);
    QVERIFY(bounds.right() < 200 + 400 && bounds.bottom() < 200 + 120);

    // A second change of mode has nothing more to commit.
    board.canvas.clearAnnotations();
    board.canvas.setDrawMode(Hand);
    QCOMPARE(drawnCount(board.canvas.annotations()), 0);
}

void TestCanvasDrawing::textCommitsOnSecondClick()
{
    Board board(true);
    board.canvas.setDrawMode(Text);
    click(&board.canvas, QPoint(300, 300));
    QTest::keyClicks(board.canvas.textEditor(), QStringLiteral("WWW"));
    click(&board.canvas, QPoint(900, 500));
    QVERIFY(board.canvas.textEditor()->isHidden());
    const QImage layer = board.canvas.annotations();
    QVERIFY(drawnCount(layer) > 50);
    QVERIFY(drawnCount(layer.copy(0, 0, 300, 720)) == 0);
}

void TestCanvasDrawing::clipSelectionOnWidget()
{
    ImageCanvas canvas;
    canvas.resize(640, 360);   // the 1280 x 720 picture shows at half size
    canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    canvas.setDrawMode(Clip);
    send(&canvas, QEvent::MouseButtonPress, QPoint(70, 45));
    send(&canvas, QEvent::MouseMove, QPoint(20, 20));
    QCOMPARE(canvas.clipRect(), QRect(QPoint(40, 40), QPoint(140, 90)));
    QCOMPARE(canvas.clipRectOnWidget(), QRectF(20, 20, 50.5, 25.5));

    // The selection stays inside the picture (up to one pixel past its edge).
    send(&canvas, QEvent::MouseMove, QPoint(700, -30));
    QCOMPARE(canvas.clipRect(), QRect(QPoint(140, 0), QPoint(1280, 90)));
}

QTEST_MAIN(TestCanvasDrawing)
#include "tst_canvas_drawing.moc"
