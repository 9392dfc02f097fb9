#include "AboutToolWindow.h"
#include "CanvasConstants.h"
#include "Config.h"
#include "ImageButton.h"
#include "HorizontalSlider.h"
#include "ImageCanvas.h"
#include "ImageWidget.h"
#include "Slider.h"
#include "MainWindow.h"
#include "Panel.h"
#include "PhotographSource.h"

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsInLiveModeWithThePanelOpen();
    void layoutFollowsTheWindowSize();
    void activeModeButtonChangesNothing();
    void eachModeShowsItsOwnTools();
    void sourcesFollowTheMode();
    void panelFollowsTheCanvas();
    void sidePanelClosesAndReopens();
    void maximizedWindowKeepsItsGeometry();
    void closingThePanelClosesTheToolWindow();
    void captureSizeIsCapped_data();
    void captureSizeIsCapped();
    void eachCanvasSaysWhatItWaitsFor();
    void noApplicationWideEventFilter();

private:
    void clickMode(ImageButton *button);
    static QList<ImageButton *> visibleTools(MainWindow &window);

    MainWindow *window = nullptr;
};

void MainWindowTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Document Camera"));
}

void MainWindowTest::init()
{
    window = new MainWindow;
}

void MainWindowTest::cleanup()
{
    delete window;
    window = nullptr;
}

void MainWindowTest::clickMode(ImageButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowTest::startsInLiveModeWithThePanelOpen()
{
    QCOMPARE(window->mode, int(LiveMode));
    QCOMPARE(window->size(), QSize(938, 680));
    QVERIFY(window->expanded);
    QVERIFY(window->liveButton->isChecked());
    QCOMPARE(window->currentCanvas, window->liveCanvas);
    QCOMPARE(window->stack->currentWidget(), window->liveCanvas);
    QCOMPARE(window->liveCanvas->drawMode(), int(Freehand));
    QVERIFY(window->freehandButton->isChecked());
    QCOMPARE(window->savedMask, 1);
    QVERIFY(!window->recording);
    QVERIFY(!window->toolWindow);
    QCOMPARE(window->counterLabel->text(), QStringLiteral("0/0"));
    QCOMPARE(window->osdByCanvas.size(), 4);
    QCOMPARE(window->windowTitle(), QStringLiteral("Document Camera"));
    QVERIFY(window->drawingBoardCanvas->boardMode);
    QCOMPARE(window->drawingBoardCanvas->currentImage().pixel(10, 10), 0xFFFFFFFFu);
}

void MainWindowTest::layoutFollowsTheWindowSize()
{
    window->resize(1000, 700);
    window->layoutContents();
    const int p = MainWindow::PanelWidth;
    QCOMPARE(window->stack->geometry(), QRect(p + 36, 25, 1000 - p - 55, 600));
    QCOMPARE(window->liveButton->pos(), QPoint(p + 40, 5));
    QCOMPARE(window->drawingBoardButton->pos(), QPoint(p + 361, 5));
    QCOMPARE(window->aboutButton->pos(), QPoint(34, 645));
    QCOMPARE(window->sideButton->pos(), QPoint(4, 50));
    QCOMPARE(window->panel->height(), 600);
    QCOMPARE(window->liveBar->pos(), QPoint((1000 - p - 60) / 2 + p, 640));
    QCOMPARE(window->counterLabel->pos(), QPoint(930, 640));
    QCOMPARE(window->filmPositionBar->geometry(),
             QRect(p + 36, 625, 1000 - p - 55 + 2, 10));
    QCOMPARE(window->volumeSlider->geometry().bottom(), window->filmBar->geometry().bottom());
    QCOMPARE(window->volumeSlider->x(), window->filmBar->geometry().right() + 1);
}

void MainWindowTest::activeModeButtonChangesNothing()
{
    QSignalSpy changed(window, SIGNAL(modeChanged()));
    clickMode(window->liveButton);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(window->mode, int(LiveMode));

    clickMode(window->filmButton);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(window->mode, int(FilmMode));
    QCOMPARE(window->stack->currentWidget(), window->filmCanvas);
}

QList<ImageButton *> MainWindowTest::visibleTools(MainWindow &window)
{
    QList<ImageButton *> shown;
    for (QWidget *widget : window.panel->buttons) {
        ImageButton *button = qobject_cast<ImageButton *>(widget);
        if (button && !button->isHidden())
            shown << button;
    }
    return shown;
}

void MainWindowTest::eachModeShowsItsOwnTools()
{
    QList<ImageButton *> liveOnly = {window->autoFocusButton, window->brightnessDownButton,
                                     window->brightnessUpButton, window->freezeButton,
                                     window->recordButton, window->settingsButton};
    window->show();

    clickMode(window->photographButton);
    QVERIFY(!window->handButton->isHidden());
    for (ImageButton *button : liveOnly)
        QVERIFY(button->isHidden());
    QVERIFY(window->fillBackgroundButton->isHidden());
    QVERIFY(window->photographBar->isVisible());
    QVERIFY(window->counterLabel->isVisible());
    QVERIFY(!window->liveBar->isVisible());

    clickMode(window->drawingBoardButton);
    QVERIFY(!window->fillBackgroundButton->isHidden());
    QVERIFY(!window->photographBar->isVisible());
    QVERIFY(window->drawingBoardCanvas->isAutoRefreshRunning());

    clickMode(window->liveButton);
    QVERIFY(window->handButton->isHidden());
    QVERIFY(window->fillBackgroundButton->isHidden());
    for (ImageButton *button : liveOnly)
        QVERIFY(!button->isHidden());
    QVERIFY(window->liveBar->isVisible());
    QVERIFY(!window->drawingBoardCanvas->isAutoRefreshRunning());
    QVERIFY(!window->snapshotButton->isHidden());
}

void MainWindowTest::sourcesFollowTheMode()
{
    // A resting film keeps its canvas refreshing while shown; leaving the mode stops that.
    clickMode(window->filmButton);
    QVERIFY(window->filmCanvas->isAutoRefreshRunning());
    clickMode(window->liveButton);
    QVERIFY(!window->filmCanvas->isAutoRefreshRunning());

    // Entering Photograph mode scans the open folder again.
    QTemporaryDir folder;
    QImage picture(32, 24, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(folder.filePath("a.png")));
    clickMode(window->photographButton);
    QVERIFY(window->photographSource->open(QDir(folder.path()), "a.png"));
    QCOMPARE(window->photographSource->count(), 1);
    QVERIFY(window->photographCanvas->isAutoRefreshRunning());
    clickMode(window->liveButton);
    QVERIFY(!window->photographCanvas->isAutoRefreshRunning());
    QVERIFY(picture.save(folder.filePath("b.png")));
    clickMode(window->photographButton);
    QCOMPARE(window->photographSource->count(), 2);
}

void MainWindowTest::panelFollowsTheCanvas()
{
    window->filmCanvas->setDrawMode(Circle);
    window->filmCanvas->mask = 4;
    window->filmCanvas->effect = 2;
    window->filmCanvas->frozen = true;
    clickMode(window->filmButton);
    QVERIFY(window->circleButton->isChecked());
    QVERIFY(window->maskButton->isChecked());
    QCOMPARE(window->maskButton->imageName, QStringLiteral("ICON_MASK_TOP"));
    QCOMPARE(window->effectButton->imageName, QStringLiteral("ICON_EFFECT_NEGATIVE"));
    QVERIFY(window->freezeButton->isChecked());

    clickMode(window->liveButton);
    QVERIFY(window->freehandButton->isChecked());
    QVERIFY(!window->maskButton->isChecked());
    QCOMPARE(window->maskButton->imageName, QStringLiteral("ICON_MASK_CIRCLE"));
    QCOMPARE(window->effectButton->imageName, QStringLiteral("ICON_EFFECT_COLOR"));
    QVERIFY(!window->freezeButton->isChecked());
}

void MainWindowTest::sidePanelClosesAndReopens()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect before = window->geometry();
    QTest::mouseClick(window->sideButton, Qt::LeftButton);
    QVERIFY(!window->expanded);
    QVERIFY(window->panel->isHidden());
    QCOMPARE(window->sideButton->imageName, QStringLiteral("BUTTON_SIDE_OPEN"));
    QCOMPARE(window->width(), before.width() - MainWindow::PanelWidth);
    QCOMPARE(window->stack->x(), 36);

    QTest::mouseClick(window->sideButton, Qt::LeftButton);
    QVERIFY(window->expanded);
    QVERIFY(!window->panel->isHidden());
    QCOMPARE(window->sideButton->imageName, QStringLiteral("BUTTON_SIDE_CLOSE"));
    QCOMPARE(window->width(), before.width());
    QCOMPARE(window->panel->pos(), QPoint(40, 30));
}

void MainWindowTest::maximizedWindowKeepsItsGeometry()
{
    window->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->isMaximized());
    const QSize size = window->size();
    QTest::mouseClick(window->sideButton, Qt::LeftButton);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->stack->x(), 36);
    QTest::mouseClick(window->sideButton, Qt::LeftButton);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->stack->x(), MainWindow::PanelWidth + 36);
}

void MainWindowTest::closingThePanelClosesTheToolWindow()
{
    window->toolWindow =
        new AboutToolWindow(window->aboutButton, window, window->aboutBackground);
    QPointer<ToolWindow> open = window->toolWindow;
    QTest::mouseClick(window->sideButton, Qt::LeftButton);
    QVERIFY(!window->toolWindow);
    QVERIFY(open.isNull());
}

void MainWindowTest::captureSizeIsCapped_data()
{
    QTest::addColumn<QSize>("configured");
    QTest::addColumn<QSize>("capped");
    QTest::newRow("too large") << QSize(3264, 2448) << QSize(2592, 1944);
    QTest::newRow("known") << QSize(1920, 1080) << QSize(1920, 1080);
    QTest::newRow("too high") << QSize(2592, 2000) << QSize(2592, 1944);
}

void MainWindowTest::captureSizeIsCapped()
{
    QFETCH(QSize, configured);
    QFETCH(QSize, capped);
    Config::setResolution(configured);
    QCOMPARE(window->cappedResolution(), capped);
}

void MainWindowTest::eachCanvasSaysWhatItWaitsFor()
{
    const QStringList live = MainWindow::startText(LiveMode);
    const QStringList film = MainWindow::startText(FilmMode);
    const QStringList photograph = MainWindow::startText(PhotographMode);
    QCOMPARE(live.first(), QStringLiteral("Connect a document camera"));
    QVERIFY(film.join(' ').contains(QStringLiteral("Open a film with the open button")));
    QVERIFY(photograph.join(' ').contains(QStringLiteral("folder")));

    // The artwork carries no words: below the camera it is plain, and the sentences are drawn on
    // it at run time.
    const QImage art(QStringLiteral(":/icons/Background/MAIN_WINDOWS.png"));
    const QRgb backdrop = art.pixel(0, art.height() - 1);
    for (int y = 390; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            QVERIFY2(art.pixel(x, y) == backdrop, "the start artwork has something drawn below the camera");
    const QImage shown = window->liveCanvas->currentImage();
    QCOMPARE(shown.size(), art.size());
    QVERIFY(shown.convertToFormat(QImage::Format_RGB32) != art.convertToFormat(QImage::Format_RGB32));

    // Film and Photograph do not show the camera's waiting picture.
    QVERIFY(window->filmCanvas->currentImage() != shown);
    QVERIFY(window->photographCanvas->currentImage() != shown);
    QVERIFY(window->filmCanvas->currentImage() != window->photographCanvas->currentImage());
}

void MainWindowTest::noApplicationWideEventFilter()
{
    // Whatever the window filters, it is not every event of the program.
    class WatchingWindow : public MainWindow
    {
    public:
        QObject *stranger = nullptr;
        int seen = 0;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (watched == stranger)
                ++seen;
            return MainWindow::eventFilter(watched, event);
        }
    };
    WatchingWindow watching;
    QObject stranger;
    watching.stranger = &stranger;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&stranger, &event);
    QCOMPARE(watching.seen, 0);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
