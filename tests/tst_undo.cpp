#include "AnnotationHistory.h"
#include "CanvasConstants.h"
#include "Config.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "LiveSource.h"
#include "MainWindow.h"
#include "OSDProcessor.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <functional>

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

// A white 1280 x 720 picture shown at its own size, so widget and picture pixels agree. Shown
// when the text editor is used: it lays out what is typed only on screen.
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
    }
    void stroke(int mode, const QVector<QPoint> &points)
    {
        canvas.setDrawMode(mode);
        drag(&canvas, points);
    }
};

// The main window with its dialogs answered by the test.
class TestedWindow : public MainWindow
{
public:
    QStringList errors;
    bool pdfFile = true;
    QString printFile;

protected:
    void showError(const QString &text) override { errors << text; }
    bool hasPrinters() const override { return false; }
    bool offersPdfFile() const override { return pdfFile; }
    bool askPrintSettings(QPrinter &printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        return true;
    }
};

AnnotationHistory::Step stepOf(int bytes, quint64 generation = 1)
{
    AnnotationHistory::Step step;
    step.generation = generation;
    step.area = QRect(0, 0, bytes / 4, 1);
    step.pixels = QImage(bytes / 4, 1, QImage::Format_ARGB32_Premultiplied);
    return step;
}

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Undo and redo on a canvas.
    void eachKindOfStepUndoesAndRedoes();
    void backgroundFillIsAStep();
    void quarterTurnsKeepTheHistory();
    void aNewFrameSizeLeavesNothingToUndo();
    void aNewStepEndsRedo();
    void historyIsBoundedByStepsAndBytes();
    void theNextOutputFrameShowsTheUndoneState();
    void keysReachTheCanvasWhicheverButtonHasTheFocus();

    // Notices.
    void snapshotNamesItsFileForTwoSeconds();
    void clipSaysCopiedOrNot();
    void failuresAreNamed();

    // Text box.
    void textBoxIsTransparentWithAFrame();
    void textBoxStaysInsideThePicture();
};

void UndoTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
}

void UndoTest::eachKindOfStepUndoesAndRedoes()
{
    Board board(true);
    ImageCanvas &canvas = board.canvas;
    const QVector<std::function<void()>> steps = {
        [&] { board.stroke(Freehand, {{100, 100}, {200, 150}, {300, 100}}); },
        [&] { board.stroke(Line, {{100, 300}, {400, 300}, {400, 400}}); },
        [&] { board.stroke(Rectangle, {{500, 100}, {600, 200}}); },
        [&] { board.stroke(Circle, {{700, 100}, {800, 200}}); },
        [&] { board.stroke(Arrow, {{100, 500}, {300, 600}}); },
        [&] { board.stroke(Triangle, {{900, 100}, {900, 300}}); },
        [&] { board.stroke(Eraser, {{150, 120}, {250, 130}, {390, 300}}); },
        [&] {
            canvas.setDrawMode(Text);
            click(&canvas, QPoint(600, 400));
            QTest::keyClicks(canvas.textEditor(), QStringLiteral("Photosynthesis"));
            canvas.setDrawMode(Hand);
        },
        [&] { canvas.clearAnnotations(); },
    };

    QVector<QImage> layers{canvas.annotations()};
    QVector<bool> dirty{canvas.hasDrawings()};
    for (const auto &step : steps) {
        step();
        QVERIFY(canvas.annotations() != layers.last());
        layers << canvas.annotations();
        dirty << canvas.hasDrawings();
    }
    QCOMPARE(canvas.undoSteps(), steps.size());

    for (int i = steps.size() - 1; i >= 0; --i) {
        QVERIFY(canvas.undo());
        QCOMPARE(canvas.annotations(), layers.at(i));
        QCOMPARE(canvas.hasDrawings(), dirty.at(i));
    }
    QVERIFY(!canvas.undo());
    for (int i = 1; i <= steps.size(); ++i) {
        QVERIFY(canvas.redo());
        QCOMPARE(canvas.annotations(), layers.at(i));
        QCOMPARE(canvas.hasDrawings(), dirty.at(i));
    }
    QVERIFY(!canvas.redo());

    // A click that drew nothing, and an erase-all of nothing, are no steps.
    canvas.clearAnnotations();
    const int count = canvas.undoSteps();
    canvas.clearAnnotations();
    board.stroke(Eraser, {{10, 10}});
    QCOMPARE(canvas.undoSteps(), count);
}

void UndoTest::backgroundFillIsAStep()
{
    Board board;
    ImageCanvas &canvas = board.canvas;
    board.stroke(Line, {{100, 100}, {300, 100}});
    canvas.fillBackground(QColor(Qt::yellow));
    canvas.autoRefresh();
    QCOMPARE(canvas.currentImage().pixel(640, 400), qRgb(255, 255, 0));
    QCOMPARE(canvas.currentImage().pixel(200, 100), qRgb(0, 0, 0));

    QVERIFY(canvas.undo());
    canvas.autoRefresh();
    QCOMPARE(canvas.currentImage().pixel(640, 400), qRgb(255, 255, 255));
    QCOMPARE(canvas.currentImage().pixel(200, 100), qRgb(0, 0, 0));   // the drawing stays
    QCOMPARE(canvas.backgroundColor, QColor(Qt::white));

    QVERIFY(canvas.redo());
    canvas.autoRefresh();
    QCOMPARE(canvas.currentImage().pixel(640, 400), qRgb(255, 255, 0));
    QCOMPARE(canvas.backgroundColor, QColor(Qt::yellow));
}

void UndoTest::quarterTurnsKeepTheHistory()
{
    Board board;
    ImageCanvas &canvas = board.canvas;
    board.stroke(Rectangle, {{100, 100}, {300, 200}});
    const QImage afterFirst = canvas.annotations();
    board.stroke(Line, {{600, 50}, {1200, 650}});
    const QImage afterSecond = canvas.annotations();

    canvas.rotateClockwise();
    QVERIFY(canvas.undo());
    canvas.rotateCounterClockwise();
    QCOMPARE(canvas.annotations(), afterFirst);

    canvas.rotateCounterClockwise();
    QVERIFY(canvas.redo());
    canvas.rotateClockwise();
    QCOMPARE(canvas.annotations(), afterSecond);
}

void UndoTest::aNewFrameSizeLeavesNothingToUndo()
{
    Board board;
    ImageCanvas &canvas = board.canvas;
    board.stroke(Line, {{100, 100}, {1200, 700}});
    QVERIFY(canvas.undo());
    board.stroke(Line, {{100, 100}, {1200, 100}});

    // Another picture of the same size keeps the drawings and their steps.
    canvas.processImage(filled(1280, 720, qRgb(0, 0, 255)));
    QCOMPARE(canvas.undoSteps(), 1);

    // One of another size starts an empty layer: nothing of the old one comes back.
    canvas.processImage(filled(640, 480, qRgb(0, 0, 255)));
    const QImage empty = canvas.annotations();
    QCOMPARE(empty.size(), QSize(640, 480));
    QVERIFY(!canvas.undo());
    QVERIFY(!canvas.redo());
    QCOMPARE(canvas.annotations(), empty);
    QCOMPARE(canvas.undoSteps(), 0);
    QCOMPARE(canvas.historyBytes(), qint64(0));

    // And back at the first size, the old steps are gone too.
    canvas.processImage(filled(1280, 720, qRgb(0, 0, 255)));
    QVERIFY(!canvas.undo());
}

void UndoTest::aNewStepEndsRedo()
{
    Board board;
    ImageCanvas &canvas = board.canvas;
    board.stroke(Line, {{100, 100}, {300, 100}});
    board.stroke(Line, {{100, 200}, {300, 200}});
    QVERIFY(canvas.undo());
    QCOMPARE(canvas.redoSteps(), 1);
    board.stroke(Line, {{100, 300}, {300, 300}});
    QCOMPARE(canvas.redoSteps(), 0);
    QVERIFY(!canvas.redo());
}

void UndoTest::historyIsBoundedByStepsAndBytes()
{
    AnnotationHistory history;
    QCOMPARE(history.maxSteps(), 64);
    QCOMPARE(history.maxBytes(), qint64(256) * 1024 * 1024);
    for (int i = 0; i < 70; ++i)
        history.record(stepOf(1024));
    QCOMPARE(history.undoCount(), 64);
    QCOMPARE(history.bytes(), qint64(64) * 1024);

    // By bytes: the oldest steps go first, the newest stays.
    history.setLimits(64, 10 * 1024 * 1024);
    for (int i = 0; i < 20; ++i) {
        AnnotationHistory::Step step = stepOf(1024 * 1024);
        step.area.moveTop(i);
        history.record(std::move(step));
    }
    QVERIFY(history.bytes() <= 10 * 1024 * 1024);
    QCOMPARE(history.undoCount(), 10);
    QCOMPARE(history.takeUndo(1)->area.top(), 19);

    // On a canvas: strokes beyond the count are forgotten, the latest are kept.
    Board board;
    ImageCanvas &canvas = board.canvas;
    canvas.setHistoryLimits(3, AnnotationHistory::DefaultMaxBytes);
    for (int y = 100; y <= 600; y += 100)
        board.stroke(Line, {{100, y}, {300, y}});
    QCOMPARE(canvas.undoSteps(), 3);
    while (canvas.undo()) {
    }
    const QImage layer = canvas.annotations();
    QCOMPARE(qAlpha(layer.pixel(200, 300)), 255);
    QCOMPARE(qAlpha(layer.pixel(200, 400)), 0);
}

void UndoTest::theNextOutputFrameShowsTheUndoneState()
{
    // What a recording receives: the frame buffer written back by the canvas.
    ImageCanvas canvas;
    OSDProcessor osd(nullptr, &canvas);
    canvas.osd = &osd;
    canvas.resize(640, 480);
    QByteArray frame(640 * 480 * 4, char(0xff));
    const auto pass = [&] {
        QByteArray buffer = frame;
        canvas.processSample(reinterpret_cast<uchar *>(buffer.data()), 640, 480, false, true);
        return QImage(reinterpret_cast<const uchar *>(buffer.constData()), 640, 480,
                      QImage::Format_RGB32).copy();
    };
    pass();
    canvas.setDrawMode(Line);
    drag(&canvas, {{100, 240}, {500, 240}});
    QCOMPARE(pass().pixel(300, 240), qRgb(0, 0, 0));

    QVERIFY(canvas.undo());
    QCOMPARE(osd.message(), QStringLiteral("Undo"));
    QCOMPARE(pass().pixel(300, 240), qRgb(255, 255, 255));

    QVERIFY(canvas.redo());
    QCOMPARE(osd.message(), QStringLiteral("Redo"));
    QCOMPARE(pass().pixel(300, 240), qRgb(0, 0, 0));
}

void UndoTest::keysReachTheCanvasWhicheverButtonHasTheFocus()
{
    TestedWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ImageCanvas *canvas = window.currentCanvas;
    const QImage empty = canvas->annotations();
    canvas->setDrawMode(Line);
    drag(canvas, {{50, 50}, {200, 150}});
    const QImage drawn = canvas->annotations();
    QVERIFY(drawn != empty);

    for (QWidget *focus : {static_cast<QWidget *>(window.lineButton), static_cast<QWidget *>(window.rotateButton)}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(canvas->annotations(), empty);
        QCOMPARE(window.osdByCanvas.value(canvas)->message(), QStringLiteral("Undo"));
        QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(canvas->annotations(), drawn);
        QCOMPARE(window.osdByCanvas.value(canvas)->message(), QStringLiteral("Redo"));
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(canvas->annotations(), drawn);
    }

    // Each canvas has its own steps: undoing in another mode leaves this one alone.
    QTest::mouseClick(window.drawingBoardButton, Qt::LeftButton);
    QTest::keyClick(window.lineButton, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(canvas->annotations(), drawn);
    QTest::mouseClick(window.liveButton, Qt::LeftButton);
    QTest::keyClick(window.lineButton, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(canvas->annotations(), empty);
}

void UndoTest::snapshotNamesItsFileForTwoSeconds()
{
    QTemporaryDir folder;
    Config::setSnapshotMode(SingleShot);
    Config::setSnapshotPath(folder.path());
    TestedWindow window;
    QTest::mouseClick(window.drawingBoardButton, Qt::LeftButton);
    OSDProcessor *display = window.osdByCanvas.value(window.currentCanvas);
    qint64 now = 0;
    display->setClock([&now] { return now; });

    QTest::mouseClick(window.snapshotButton, Qt::LeftButton);
    window.currentCanvas->processImage(filled(320, 240, qRgb(0, 255, 0)));
    QTRY_VERIFY(!display->message().isEmpty());
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.jpg")});
    QCOMPARE(files.size(), 1);
    QCOMPARE(display->message(), QStringLiteral("Saved %1").arg(files.first()));
    now += MainWindow::FeedbackTime - 1;
    QVERIFY(!display->message().isEmpty());
    now += 1;
    QVERIFY(display->message().isEmpty());
}

void UndoTest::clipSaysCopiedOrNot()
{
    TestedWindow window;
    QTest::mouseClick(window.drawingBoardButton, Qt::LeftButton);
    ImageCanvas *canvas = window.currentCanvas;
    OSDProcessor *display = window.osdByCanvas.value(canvas);
    canvas->setDrawMode(Clip);
    drag(canvas, {{10, 10}, {100, 60}});
    QCOMPARE(display->message(), QStringLiteral("Copied"));

    canvas->processImage(QImage());
    drag(canvas, {{10, 10}, {100, 60}});
    QCOMPARE(display->message(), QStringLiteral("Not copied"));
}

void UndoTest::failuresAreNamed()
{
    QTemporaryDir folder;
    TestedWindow window;
    OSDProcessor *display = window.osdByCanvas.value(window.currentCanvas);

    Config::setSnapshotPath(folder.filePath(QStringLiteral("gone")));
    QTest::mouseClick(window.snapshotButton, Qt::LeftButton);
    QCOMPARE(display->message(), QStringLiteral("Snapshot not saved"));

    display->showMessage(QString());
    emit window.currentCanvas->snapshotFailed();
    QCOMPARE(display->message(), QStringLiteral("Snapshot not saved"));

    // A print file that cannot be written, then nothing at all to print on.
    window.printFile = folder.filePath(QStringLiteral("gone/page.pdf"));
    QTest::mouseClick(window.printButton, Qt::LeftButton);
    QCOMPARE(display->message(), QStringLiteral("Printing failed"));
    display->showMessage(QString());
    window.pdfFile = false;
    QTest::mouseClick(window.printButton, Qt::LeftButton);
    QCOMPARE(display->message(), QStringLiteral("Printing failed"));

    window.recording = true;
    emit window.liveSource->recordingFailed(QStringLiteral("The disk is full."));
    QTRY_COMPARE(display->message(), QStringLiteral("Recording failed"));
    // The message boxes are still there.
    QVERIFY(window.errors.contains(QStringLiteral("The disk is full.")));
}

void UndoTest::textBoxIsTransparentWithAFrame()
{
    ImageCanvas canvas;
    canvas.resize(800, 600);
    canvas.processImage(filled(800, 600, qRgb(255, 0, 0)));
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    canvas.setDrawMode(Text);
    click(&canvas, QPoint(100, 100));
    QTextEdit *editor = canvas.textEditor();
    QVERIFY(editor->isVisible());

    // The picture shows through the box; its left edge is drawn in dashes.
    const QImage shot = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect box = editor->geometry();
    QCOMPARE(shot.pixel(box.center()), qRgb(255, 0, 0));
    int framed = 0;
    for (int y = box.top() + 4; y < box.bottom() - 4; ++y)
        framed += shot.pixel(box.left(), y) != qRgb(255, 0, 0);
    QVERIFY(framed > 0);
    QVERIFY(framed < box.height() - 8);
}

void UndoTest::textBoxStaysInsideThePicture()
{
    // A 16:9 picture in a 4:3 canvas: shown 800 x 450 between bars, from y = 75 to 524.
    ImageCanvas canvas;
    canvas.resize(800, 600);
    canvas.processImage(filled(1280, 720, qRgb(255, 255, 255)));
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    const QRect picture(0, 75, 800, 450);
    canvas.setDrawMode(Text);
    QTextEdit *editor = canvas.textEditor();
    const auto openAt = [&](const QPoint &point) {
        click(&canvas, point);
        return editor->isVisible() ? editor->geometry() : QRect();
    };

    QCOMPARE(openAt({100, 100}), QRect(100, 100, 300, 300));
    canvas.commitText();
    QCOMPARE(openAt({605, 100}).width(), 190);   // short of the right edge
    canvas.commitText();

    // In the bar below the picture, in the corner: moved up and in.
    QRect box = openAt({795, 595});
    QVERIFY(picture.contains(box));
    QVERIFY(box.width() >= 60 && box.height() >= 40);
    canvas.commitText();

    // Near the bottom, the box grows with its lines and moves up, never below the picture.
    box = openAt({100, 480});
    QVERIFY(picture.contains(box));
    for (int line = 0; line < 6; ++line) {
        QTest::keyClicks(editor, QStringLiteral("line"));
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QTRY_VERIFY(editor->height() > box.height());
    QVERIFY(picture.contains(editor->geometry()));
    QVERIFY(editor->y() < box.y());
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
