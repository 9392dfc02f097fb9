// Keys and presenter remotes, full screen, the projector window and the film's time.
#include "CanvasConstants.h"
#include "Config.h"
#include "FilmSource.h"
#include "FilmTime.h"
#include "FullScreenView.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "KeyboardCommands.h"
#include "LiveSource.h"
#include "MainWindow.h"
#include "OSDProcessor.h"
#include "PhotographSource.h"
#include "Projector.h"
#include "ProjectorWindow.h"
#include "Slider.h"
#include "ToolWindow.h"
#include "media/GstCameraBackend.h"
#include "media/GstRuntime.h"
#include "tst_pipelines.h"
#include "record_helper/TestRecording.h"

#include <QClipboard>
#include <QCursor>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <atomic>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The main window with its dialogs answered by the test.
class TestedWindow : public MainWindow
{
public:
    QStringList errors;

protected:
    void showError(const QString &text) override { errors << text; }
    QString askOpenFileName(const QString &, const QString &) override { return QString(); }
};

QImage plainPicture(QColor color, QSize size = QSize(320, 240))
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

} // namespace

class PresenterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Keys
    void liveKeysWorkWithAButtonFocused();
    void photographKeysStepThroughTheFolder();
    void filmKeysPlaySeekAndChangeTheVolume();
    void drawingBoardZoomsByKey();
    void copyTakesTheWholeShownPicture();
    void toolTipsNameKeysAndOptions();

    // Full screen
    void fullScreenKeepsTheCanvasAndTheRecording();
    void doubleClickAndEscSwitchFullScreen();
    void toolStripComesNearTheEdge();

    // Projector window
    void projectorScreenIsAnotherOne();
    void projectorMirrorsTheOutputAndFollowsTheMode();
    void projectorClosesWhenItsScreenGoes();

    // Film time
    void filmTimeTexts();

private:
    void activate();
    void openFilm();

    TestedWindow *window = nullptr;
    QTemporaryDir *folder = nullptr;
};

void PresenterTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
    GstRuntime::ensureInitialised();
}

void PresenterTest::init()
{
    folder = new QTemporaryDir;
    Config::setRecordPath(folder->path());
    Config::setSnapshotPath(folder->path());
    Config::setProjectorScreen(QString());
    window = new TestedWindow;
}

void PresenterTest::cleanup()
{
    delete window;
    window = nullptr;
    delete folder;
    folder = nullptr;
}

void PresenterTest::activate()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void PresenterTest::openFilm()
{
    const QString film = folder->filePath(QStringLiteral("lesson.avi"));
    QString problem;
    // 15 seconds at 10 frames a second.
    QVERIFY2(testpipelines::encode(QStringLiteral("videotestsrc num-buffers=150 ! video/x-raw,width=160,height=120,"
                                                  "framerate=10/1 ! jpegenc ! avimux ! filesink location=\"%1\"")
                                       .arg(film),
                                   &problem),
             qPrintable(problem));
    QTest::mouseClick(window->filmButton, Qt::LeftButton);
    QVERIFY(window->filmSource->open(film));
}

void PresenterTest::liveKeysWorkWithAButtonFocused()
{
    activate();
    ImageCanvas *canvas = window->liveCanvas;
    for (ImageButton *focused : {window->rotateButton, window->liveRecordButton, window->lineButton}) {
        focused->setFocus();
        QCOMPARE(QApplication::focusWidget(), focused);
        const int rotation = canvas->rotation();
        // Space means nothing in Live mode, and must not press the focused button either.
        QTest::keyClick(focused, Qt::Key_Space);
        QCOMPARE(canvas->rotation(), rotation);
        QVERIFY(!window->recording);

        QTest::keyClick(focused, Qt::Key_R);
        QCOMPARE(canvas->rotation(), (rotation + 1) % 4);
        QTest::keyClick(focused, Qt::Key_F);
        QVERIFY(canvas->frozen);
        QVERIFY(window->freezeButton->isChecked());
        QTest::keyClick(focused, Qt::Key_B);
        QVERIFY(!canvas->frozen);
        QTest::keyClick(focused, Qt::Key_Period);
        QVERIFY(canvas->frozen);
        QTest::keyClick(focused, Qt::Key_F);
        QVERIFY(!canvas->frozen);
    }

    window->rotateButton->setFocus();
    QTest::keyClick(window->rotateButton, Qt::Key_0);
    const double fitted = canvas->zoom();
    QTest::keyClick(window->rotateButton, Qt::Key_Plus);
    QVERIFY(canvas->zoom() > fitted);
    QTest::keyClick(window->rotateButton, Qt::Key_Minus);
    QCOMPARE(canvas->zoom(), fitted);
    QTest::keyClick(window->rotateButton, Qt::Key_Equal);
    QVERIFY(canvas->zoom() > fitted);
    QTest::keyClick(window->rotateButton, Qt::Key_0);
    QCOMPARE(canvas->zoom(), canvas->minZoom());

    // The text tool's editor keeps the keys it types with.
    QTextEdit *editor = canvas->textEditor();
    editor->show();
    editor->setFocus();
    const int rotation = canvas->rotation();
    QTest::keyClicks(editor, QStringLiteral("Rf b+"));
    QCOMPARE(editor->toPlainText(), QStringLiteral("Rf b+"));
    QCOMPARE(canvas->rotation(), rotation);
    QVERIFY(!canvas->frozen);
    QCOMPARE(canvas->zoom(), canvas->minZoom());
    editor->hide();

    // A snapshot by key: the same command as the button, here with no camera to take it.
    QTest::keyClick(window->rotateButton, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window->osdByCanvas.value(canvas)->message(), window->tr("No camera is connected."));
}

void PresenterTest::photographKeysStepThroughTheFolder()
{
    for (const char *name : {"a.png", "b.png", "c.png", "d.png"})
        QVERIFY(plainPicture(Qt::green).save(folder->filePath(QLatin1String(name))));
    QTest::mouseClick(window->photographButton, Qt::LeftButton);
    activate();
    QVERIFY(window->photographSource->open(QDir(folder->path()), QStringLiteral("a.png")));
    QCOMPARE(window->counterLabel->text(), QStringLiteral("1/4"));

    ImageButton *focused = window->photographSlideButton;
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Right);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("2/4"));
    QTest::keyClick(focused, Qt::Key_Space);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("3/4"));
    QVERIFY(!window->photographSlideButton->isChecked());
    QTest::keyClick(focused, Qt::Key_PageUp);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("2/4"));
    QTest::keyClick(focused, Qt::Key_PageDown);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("3/4"));
    QTest::keyClick(focused, Qt::Key_Left);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("2/4"));
    QTest::keyClick(focused, Qt::Key_End);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("4/4"));
    QTest::keyClick(focused, Qt::Key_Home);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("1/4"));
}

void PresenterTest::filmKeysPlaySeekAndChangeTheVolume()
{
    openFilm();
    activate();
    FilmSource *film = window->filmSource;
    ImageButton *focused = window->filmStopButton;
    focused->setFocus();
    QVERIFY(film->isRunning());
    QTest::keyClick(focused, Qt::Key_Space);
    QVERIFY(!film->isRunning());
    QVERIFY(film->isOpened());

    QTest::keyClick(focused, Qt::Key_Home);
    QTRY_COMPARE(film->positionMs() / 1000, qint64(0));
    QTest::keyClick(focused, Qt::Key_Right);
    QTRY_COMPARE(film->positionMs() / 1000, qint64(5));
    QMetaObject::invokeMethod(window, "filmTick");
    QCOMPARE(window->filmTimeLabel->text(), QStringLiteral("0:05 / 0:15"));
    QCOMPARE(window->filmNameLabel->text(), QStringLiteral("lesson.avi"));
    QTest::keyClick(focused, Qt::Key_Right);
    QTRY_COMPARE(film->positionMs() / 1000, qint64(10));
    QTest::keyClick(focused, Qt::Key_Left);
    QTRY_COMPARE(film->positionMs() / 1000, qint64(5));
    QMetaObject::invokeMethod(window, "filmTick");
    QCOMPARE(window->filmTimeLabel->text(), QStringLiteral("0:05 / 0:15"));

    QCOMPARE(window->volumeSlider->value(), 100);
    QTest::keyClick(focused, Qt::Key_Down);
    QCOMPARE(window->volumeSlider->value(), 100 - KeyboardCommands::VolumeStep);
    QTest::keyClick(focused, Qt::Key_Up);
    QCOMPARE(window->volumeSlider->value(), 100);

    // B and period pause and play like Space; the step of a fast run shows on the picture.
    QTest::keyClick(focused, Qt::Key_B);
    QVERIFY(film->isRunning());
    OSDProcessor *display = window->osdByCanvas.value(window->filmCanvas);
    QTest::mouseClick(window->filmForwardButton, Qt::LeftButton);
    QCOMPARE(display->notice(), QStringLiteral("2×"));
    QTest::mouseClick(window->filmBackwardButton, Qt::LeftButton);
    QTest::mouseClick(window->filmBackwardButton, Qt::LeftButton);
    QCOMPARE(display->notice(), QString(QChar(0x2212)) + QStringLiteral("2×"));
    QTest::keyClick(focused, Qt::Key_Period);
    QVERIFY(!film->isRunning());
    QTest::keyClick(focused, Qt::Key_Space);
    QVERIFY(film->isRunning());
    QMetaObject::invokeMethod(window, "filmTick");
    QCOMPARE(display->notice(), QString());
}

void PresenterTest::drawingBoardZoomsByKey()
{
    QTest::mouseClick(window->drawingBoardButton, Qt::LeftButton);
    activate();
    window->fillBackgroundButton->setFocus();
    const double before = window->drawingBoardCanvas->zoom();
    QTest::keyClick(window->fillBackgroundButton, Qt::Key_Plus);
    QVERIFY(window->drawingBoardCanvas->zoom() > before);
    QCOMPARE(window->liveCanvas->zoom(), 1.0);
}

void PresenterTest::copyTakesTheWholeShownPicture()
{
    activate();
    window->liveCanvas->processImage(plainPicture(Qt::red, QSize(640, 360)));
    window->zoomInButton->setFocus();
    QTest::keyClick(window->zoomInButton, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(640, 360));
    QCOMPARE(copied.pixelColor(320, 180), QColor(Qt::red));
}

void PresenterTest::toolTipsNameKeysAndOptions()
{
    QVERIFY(window->zoomInButton->toolTip().startsWith(window->tr("Zoom in")));
    QVERIFY(window->zoomInButton->toolTip().endsWith(QStringLiteral("(+)")));
    QVERIFY(window->freezeButton->toolTip().endsWith(QStringLiteral("(F)")));
    QVERIFY(window->snapshotButton->toolTip().endsWith(QStringLiteral("(Ctrl+S)")));
    for (ImageButton *held : {window->lineButton, window->maskButton, window->effectButton,
                              window->fillBackgroundButton, window->textButton}) {
        QVERIFY(held->hasOptionsMark());
        QVERIFY(held->toolTip().endsWith(ImageButton::tr("Hold for options")));
    }
    for (ImageButton *plain : {window->eraseAllButton, window->zoomInButton, window->printButton})
        QVERIFY(!plain->hasOptionsMark());

    // The mark is drawn over the artwork's corner.
    const QImage marked = window->lineButton->grab().toImage();
    const QImage art = window->lineButton->currentImage();
    QVERIFY(marked.pixelColor(art.width() - 5, art.height() - 5) != art.pixelColor(art.width() - 5, art.height() - 5));
}

void PresenterTest::fullScreenKeepsTheCanvasAndTheRecording()
{
    LiveSource *camera = TestRecording::openSource(window->liveCanvas, QSize(320, 240),
                                                   TestRecording::RedCamera, QByteArray());
    LiveSource *systemCamera = window->liveSource;
    window->liveSource = camera;
    QVERIFY(camera->isOpen());
    activate();
    ImageCanvas *canvas = window->liveCanvas;
    // Counted where the camera's thread sends them: a signal spy would fill its list there while
    // the test reads it here. A counter of static storage and a function without captures leave
    // nothing the connection would have to hand over to that thread.
    static std::atomic<int> frames{0};
    frames = 0;
    const QMetaObject::Connection counting = connect(
        canvas, &ImageCanvas::updateFromWorker, canvas, [] { ++frames; }, Qt::DirectConnection);
    const auto stopCounting = qScopeGuard([&counting] { QObject::disconnect(counting); });
    QTRY_VERIFY(frames > 2);

    QTest::keyClick(window->rotateButton, Qt::Key_R);
    QTest::keyClick(window->rotateButton, Qt::Key_Plus);
    QTest::mouseClick(window->recordButton, Qt::LeftButton);
    QVERIFY(window->recording);
    QVERIFY(camera->isRecording());
    const double zoom = canvas->zoom();
    const QRect normalStack = window->stack->geometry();

    QTest::keyClick(window->rotateButton, Qt::Key_F11);
    QVERIFY(window->fullScreen->isActive());
    QVERIFY(window->isFullScreen());
    QCOMPARE(window->stack->geometry(), window->rect());
    QCOMPARE(window->stack->currentWidget(), canvas);
    QVERIFY(window->childAt(window->rect().center()) == canvas
            || canvas->isAncestorOf(window->childAt(window->rect().center())));
    frames = 0;
    QTRY_VERIFY(frames > 2);
    QVERIFY(camera->isRecording());
    QCOMPARE(canvas->rotation(), 1);
    QCOMPARE(canvas->zoom(), zoom);
    // Keys still reach the canvas.
    QTest::keyClick(window, Qt::Key_R);
    QCOMPARE(canvas->rotation(), 2);

    QTest::keyClick(window, Qt::Key_F11);
    QVERIFY(!window->fullScreen->isActive());
    QVERIFY(!window->isFullScreen());
    QTRY_COMPARE(window->stack->geometry(), normalStack);
    QVERIFY(window->childAt(window->liveButton->geometry().center()) == window->liveButton);
    QVERIFY(window->recording);
    QVERIFY(camera->isRecording());
    frames = 0;
    QTRY_VERIFY(frames > 2);

    QTest::mouseClick(window->recordButton, Qt::LeftButton);
    const QStringList files = QDir(folder->path()).entryList({QStringLiteral("*.avi")}, QDir::Files);
    QCOMPARE(files.size(), 1);
    // The camera may finish the file after the click returns.
    const QString recorded = folder->filePath(files.first());
    QTRY_VERIFY_WITH_TIMEOUT(!camera->isRecording() && QFileInfo(recorded).size() > 0, 15000);
    QVERIFY(window->errors.isEmpty());

    window->liveSource = systemCamera;
    delete camera;
}

void PresenterTest::doubleClickAndEscSwitchFullScreen()
{
    activate();
    ImageCanvas *canvas = window->liveCanvas;
    canvas->setDrawMode(Freehand);
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, canvas->rect().center());
    QVERIFY(window->fullScreen->isActive());
    QVERIFY(!canvas->hasDrawings());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->fullScreen->isActive());
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, canvas->rect().center());
    QVERIFY(window->fullScreen->isActive());
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, canvas->rect().center());
    QVERIFY(!window->fullScreen->isActive());
    // Esc outside full screen changes nothing.
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isFullScreen());
}

void PresenterTest::toolStripComesNearTheEdge()
{
    activate();
    FullScreenView *view = window->fullScreen;
    view->enter();
    QWidget *strip = view->toolStrip();
    QVERIFY(strip->isHidden());
    QCursor::setPos(window->mapToGlobal(QPoint(window->width() / 2, window->height() - 2)));
    QTRY_VERIFY(strip->isVisible());
    QCOMPARE(strip->parentWidget(), window);
    QWidget *onTop = window->childAt(strip->geometry().center());
    QVERIFY(onTop == strip || strip->isAncestorOf(onTop));

    // Its buttons are the panel's: the Line copy chooses the line tool.
    ImageButton *lineCopy = nullptr;
    for (ImageButton *button : strip->findChildren<ImageButton *>())
        if (button->imageName == window->lineButton->imageName && button->isVisible())
            lineCopy = button;
    QVERIFY(lineCopy);
    QTest::mouseClick(lineCopy, Qt::LeftButton);
    QCOMPARE(window->liveCanvas->drawMode(), int(Line));
    QVERIFY(window->lineButton->isChecked());
    QVERIFY(lineCopy->isChecked());
    // A long press opens the line's options, as on the panel.
    QVERIFY(lineCopy->hasOptionsMark());
    QTest::mousePress(lineCopy, Qt::LeftButton);
    QTRY_VERIFY(window->toolWindow);
    QTest::mouseRelease(lineCopy, Qt::LeftButton);
    QVERIFY(window->toolWindow);
    QCOMPARE(window->toolWindow->anchor, window->lineButton);
    // Tools the mode does not offer are not on the strip either.
    for (ImageButton *button : strip->findChildren<ImageButton *>())
        QVERIFY(!(button->imageName == window->handButton->imageName && button->isVisible()));

    QCursor::setPos(window->mapToGlobal(window->rect().center()));
    QTRY_VERIFY(strip->isHidden());
    view->leave();
}

void PresenterTest::projectorScreenIsAnotherOne()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(ProjectorWindow::chooseScreen({screens.first()}, screens.first(), QString()), nullptr);
    if (screens.size() < 2)
        QSKIP("one screen only");
    QCOMPARE(ProjectorWindow::chooseScreen(screens, screens.at(0), QString()), screens.at(1));
    QCOMPARE(ProjectorWindow::chooseScreen(screens, screens.at(1), QString()), screens.at(0));
    QCOMPARE(ProjectorWindow::chooseScreen(screens, screens.at(1), screens.at(1)->name()), screens.at(0));
}

void PresenterTest::projectorMirrorsTheOutputAndFollowsTheMode()
{
    activate();
    if (QGuiApplication::screens().size() < 2) {
        QTest::keyClick(window, Qt::Key_F11, Qt::ControlModifier);
        QVERIFY(!window->projector->isOpen());
        QCOMPARE(window->osdByCanvas.value(window->liveCanvas)->message(), Projector::noScreenText());
        QSKIP("one screen only");
    }
    window->rotateButton->setFocus();
    QTest::keyClick(window->rotateButton, Qt::Key_F11, Qt::ControlModifier);
    QVERIFY(window->projector->isOpen());
    ProjectorWindow *projector = window->projector->window();
    QVERIFY(projector->targetScreen() != window->screen());
    QCOMPARE(projector->windowHandle()->screen(), projector->targetScreen());
    QCOMPARE(Config::projectorScreen(), projector->targetScreen()->name());
    QVERIFY(QTest::qWaitForWindowExposed(projector));
    QCOMPARE(projector->size(), projector->targetScreen()->geometry().size());
    // The main window keeps the keys.
    QCOMPARE(QApplication::activeWindow(), window);

    window->liveCanvas->processImage(plainPicture(Qt::blue, QSize(640, 360)));
    QTRY_COMPARE(projector->paintedPictureKey(), window->liveCanvas->currentImage().cacheKey());
    const QImage shown = projector->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.rect().center()), QColor(Qt::blue));
    // No display items: a zoom notice on the canvas is not on the projector.
    QCOMPARE(shown.pixelColor(shown.width() / 2, 2), QColor(Qt::black));

    QTest::keyClick(window, Qt::Key_F11, Qt::ControlModifier);
    QVERIFY(!window->projector->isOpen());
    QTest::keyClick(window, Qt::Key_F11, Qt::ControlModifier);
    projector = window->projector->window();
    QVERIFY(projector);
    QTest::mouseClick(window->drawingBoardButton, Qt::LeftButton);
    QCOMPARE(projector->canvas(), window->drawingBoardCanvas);
    QTRY_COMPARE(projector->paintedPictureKey(), window->drawingBoardCanvas->currentImage().cacheKey());
}

void PresenterTest::projectorClosesWhenItsScreenGoes()
{
    activate();
    if (QGuiApplication::screens().size() < 2)
        QSKIP("one screen only");
    window->projector->open();
    QPointer<ProjectorWindow> projector = window->projector->window();
    QVERIFY(projector);
    QScreen *other = nullptr;
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != projector->targetScreen())
            other = screen;
    emit qApp->screenRemoved(other);
    QVERIFY(window->projector->isOpen());
    // What Qt tells when a monitor is unplugged.
    emit qApp->screenRemoved(projector->targetScreen());
    QVERIFY(!window->projector->isOpen());
    QTRY_VERIFY(!projector);
    // Frames go on without it.
    window->liveCanvas->processImage(plainPicture(Qt::yellow));
    QCoreApplication::processEvents();
}

void PresenterTest::filmTimeTexts()
{
    QCOMPARE(FilmTime::text(7000, 15000), QStringLiteral("0:07 / 0:15"));
    QCOMPARE(FilmTime::text(0, 0), QStringLiteral("0:00 / 0:00"));
    QCOMPARE(FilmTime::text(75999, 600000), QStringLiteral("1:15 / 10:00"));
    QCOMPARE(FilmTime::text(3723000, 5400000), QStringLiteral("1:02:03 / 1:30:00"));
    QCOMPARE(FilmTime::rateText(1), QString());
    QCOMPARE(FilmTime::rateText(2), QStringLiteral("2×"));
    QCOMPARE(FilmTime::rateText(-2), QString(QChar(0x2212)) + QStringLiteral("2×"));
    QCOMPARE(FilmTime::rateText(100), QStringLiteral("100×"));
}

// Two screens for the projector window: a virtual X server of the test's own with two screens,
// when Xvfb is there; otherwise whatever display the test was given.
pid_t startTwoScreenServer()
{
    for (int display = 150 + getpid() % 100; display < 400; ++display) {
        const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(display);
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
        if (QFileInfo::exists(lock) || QFileInfo::exists(socket))
            continue;
        const std::string name = ":" + std::to_string(display);
        const pid_t server = fork();
        if (server == 0) {
            execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1280x800x24", "-screen", "1",
                   "1024x768x24", "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        if (server < 0)
            return -1;
        // The server is ready once its socket is there; it gives up at once when it cannot start.
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(socket) && waited.elapsed() < 10000) {
            if (waitpid(server, nullptr, WNOHANG) == server)
                break;
            usleep(20000);
        }
        if (!QFileInfo::exists(socket)) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
            continue;
        }
        qputenv("DISPLAY", QByteArray::fromStdString(name));
        qputenv("QT_QPA_PLATFORM", "xcb");
        return server;
    }
    return -1;
}

int main(int argc, char **argv)
{
    const pid_t server = startTwoScreenServer();
    int result;
    {
        QApplication app(argc, argv);
        PresenterTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
    return result;
}

#include "tst_presenter.moc"
