#include "MainWindow.h"

#include "AboutToolWindow.h"
#include "CanvasConstants.h"
#include "ColorToolWindow.h"
#include "EffectToolWindow.h"
#include "FillBackgroundToolWindow.h"
#include "MaskToolWindow.h"
#include "SettingsToolWindow.h"
#include "TextToolWindow.h"
#include "Config.h"
#include "FilmSource.h"
#include "FilmTime.h"
#include "FullScreenView.h"
#include "KeyboardCommands.h"
#include "Projector.h"
#include "media/FilmFormats.h"
#include "media/RecordingFormat.h"
#include "HorizontalSlider.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "ImageWidget.h"
#include "LiveSource.h"
#include "OSDProcessor.h"
#include "Panel.h"
#include "PhotographSource.h"
#include "Slider.h"
#include "StartScreen.h"
#include "ThumbnailWidget.h"
#include "ToolWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QShortcut>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QButtonGroup>
#include <QLabel>
#include <QStackedWidget>

QString MainWindow::widthCaption;
QString MainWindow::lineWidthCaption;
QString MainWindow::lineColorCaption;
QString MainWindow::fillColorCaption;

namespace {

// Slide show intervals in seconds, by position of the interval slider; they match its captions.
const int slideIntervals[] = {1, 2, 5, 10, 15, 30};

QFont arial(int pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    return font;
}

// A folder from the settings that files can be written into. An empty path counts as none:
// QDir would take it for the working folder, and files would land wherever the program was
// started from.
bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

MainWindow::MainWindow()
{
    //: Options window of the eraser: label of the width swatches; at most about 140 pixels.
    widthCaption = tr("Width");
    //: Options window of a drawing tool: label of the line width swatches; at most about 140
    //: pixels.
    lineWidthCaption = tr("Line Width");
    //: Options window of a drawing tool: label of the line colour swatches; at most about 140
    //: pixels.
    lineColorCaption = tr("Line Color");
    //: Options window of a shape tool: label of the fill colour swatches, which start after it; at
    //: most about 110 pixels.
    fillColorCaption = tr("Fill Color");
    resolutions = {QSize(1024, 768), QSize(1280, 720), QSize(1600, 1200),
                   QSize(1920, 1080), QSize(2048, 1536), QSize(2592, 1944)};
    //: Title of the main window: the program's name.
    setWindowTitle(tr("Document Camera"));
    setMinimumSize(800, 640);
    resize(800, 680);

    stack = new QStackedWidget(this);
    recording = false;
    mode = LiveMode;

    const QFont modeFont = arial(11);
    liveButton = new ImageButton(QStringLiteral("MAIN_BUTTON"), this, 0, 0);
    //: Mode tab: the camera's live picture; at most about 100 pixels in 11-point type.
    liveButton->setText(tr("Live"));
    filmButton = new ImageButton(QStringLiteral("MAIN_BUTTON"), this, 0, 0);
    //: Mode tab: playing video files; at most about 100 pixels in 11-point type.
    filmButton->setText(tr("Film"));
    photographButton = new ImageButton(QStringLiteral("MAIN_BUTTON"), this, 0, 0);
    //: Mode tab: browsing a folder of pictures; at most about 100 pixels in 11-point type.
    photographButton->setText(tr("Photograph"));
    drawingBoardButton = new ImageButton(QStringLiteral("MAIN_BUTTON_LONG"), this, 0, 0);
    //: Mode tab: a blank white sheet to draw on; at most about 115 pixels in 11-point type.
    drawingBoardButton->setText(tr("Drawing Board"));
    for (ImageButton *button : {liveButton, filmButton, photographButton, drawingBoardButton}) {
        button->setFont(modeFont);
        button->setTextColor(Qt::white);
        button->setCheckable(true);
        connect(button, SIGNAL(clicked()), this, SLOT(switchMode()));
    }

    aboutIcon = QStringLiteral("AboutButton");
    aboutX = 34;
    aboutBackground = QImage(QStringLiteral(":/icons/Background/POP_BK_ABOUT_small.png"));
    //: Tool tip of the button that opens the About window.
    aboutButton = new ImageButton(aboutIcon, tr("About"), this, aboutX, height() - 55);
    connect(aboutButton, SIGNAL(clicked()), this, SLOT(About()));

    modeGroup = new QButtonGroup(this);
    modeGroup->setExclusive(true);
    for (ImageButton *button : {liveButton, filmButton, photographButton, drawingBoardButton})
        modeGroup->addButton(button, -1);

    sideButton = new ImageButton(QString(), this, 0, 0);
    connect(sideButton, SIGNAL(clicked()), this, SLOT(expand()));

    panel = new Panel(this);
    drawingGroup = new QButtonGroup(this);
    drawingGroup->setExclusive(true);

    //: Panel group title over the drawing tools (lines, shapes, eraser, text); at most about 80
    //: pixels in 10-point type.
    panel->addGroup(tr("Noting"));
    //: Tool tip and options window title: the straight line tool.
    lineButton = addToolButton("ICON_LINE", tr("Line"), SLOT(line()), SLOT(lineHold()), drawingGroup);
    //: Tool tip and options window title: the rectangle tool.
    rectangleButton = addToolButton("ICON_RETANGLE", tr("Rectangle"), SLOT(rectangle()),
                                    SLOT(rectangleHold()), drawingGroup);
    //: Tool tip and options window title: the freehand pen tool.
    freehandButton = addToolButton("ICON_FREEHAND", tr("Freehand"), SLOT(freehand()),
                                   SLOT(freehandHold()), drawingGroup);
    //: Tool tip and options window title: the circle tool.
    circleButton = addToolButton("ICON_CIRCLE", tr("Circle"), SLOT(circle()), SLOT(circleHold()),
                                 drawingGroup);
    //: Tool tip and options window title: the arrow tool.
    arrowButton = addToolButton("ICON_ARROW", tr("Arrow"), SLOT(arrow()), SLOT(arrowHold()),
                                drawingGroup);
    //: Tool tip and options window title: the triangle tool.
    triangleButton = addToolButton("ICON_TRIANGLE", tr("Triangle"), SLOT(triangle()),
                                   SLOT(triangleHold()), drawingGroup);
    //: Tool tip and options window title: the eraser, which rubs out drawings.
    eraserButton = addToolButton("ICON_ERASE", tr("Eraser"), SLOT(erase()), SLOT(eraseHold()),
                                 drawingGroup);
    //: Tool tip: the text tool, which writes typed text on the picture.
    textButton = addToolButton("ICON_TEXT", tr("Text"), SLOT(text()), SLOT(textHold()), drawingGroup);
    //: Tool tip: removes every drawing from the picture.
    eraseAllButton = addToolButton("ICON_ERASE_ALL", tr("Erase all"), SLOT(eraseAll()), nullptr,
                                   nullptr);
    //: Tool tip: drag a rectangle to COPY that part of the picture to the clipboard (the picture is
    //: not cropped).
    clipButton = addToolButton("ICON_COPY", tr("Clip image"), SLOT(clip()), nullptr, drawingGroup);
    //: Tool tip: the hand tool, which drags a zoomed picture around.
    handButton = addToolButton("ICON_HAND", tr("Hand"), SLOT(hand()), nullptr, drawingGroup);
    //: Tool tip: fills the drawing layer with a colour.
    fillBackgroundButton = addToolButton("ICON_FILL", tr("Fill background"), SLOT(fillBackground()),
                                         SLOT(fillBackgroundHold()), drawingGroup);
    fillBackgroundButton->setCheckable(false);
    fillBackgroundButton->hide();
    fillBackgroundButton->setEnabled(false);
    freehandButton->setChecked(true);

    //: Panel group title over the mask and colour-effect tools (not Help); at most about 80 pixels
    //: in 10-point type.
    panel->addGroup(tr("Assisting"));
    //: Tool tip: masks that cover part of the picture.
    maskButton = addToolButton("ICON_MASK_CIRCLE", tr("Mask"), SLOT(mask()), SLOT(maskHold()), nullptr);
    maskButton->setCheckable(true);
    savedMask = 1;
    //: Tool tip: colour effects (black and white, negative, mosaic).
    effectButton = addToolButton("ICON_EFFECT_COLOR", tr("Effect"), nullptr, SLOT(effectHold()), nullptr);

    //: Panel group title over zoom, focus, brightness, rotate and freeze (not Settings); at most
    //: about 80 pixels in 10-point type.
    panel->addGroup(tr("Adjustment"));
    //: Tool tip of a button.
    zoomOutButton = addToolButton("ICON_ZOOM_OUT", tr("Zoom out"), nullptr, nullptr, nullptr);
    //: Tool tip of a button.
    zoomInButton = addToolButton("ICON_ZOOM_IN", tr("Zoom in"), nullptr, nullptr, nullptr);
    connect(zoomInButton, SIGNAL(pressed()), this, SLOT(zoomInStart()));
    connect(zoomInButton, SIGNAL(released()), this, SLOT(zoomInStop()));
    connect(zoomOutButton, SIGNAL(pressed()), this, SLOT(zoomOutStart()));
    connect(zoomOutButton, SIGNAL(released()), this, SLOT(zoomOutStop()));
    //: Tool tip: back to the whole picture fitted to the window (not 100 % pixel size).
    zoomResetButton = addToolButton("ICON_ZOOM_RESET", tr("Reset zoom"), SLOT(zoomReset()), nullptr,
                                    nullptr);
    //: Tool tip: the camera focuses by itself once.
    autoFocusButton = addToolButton("ICON_AUTOFOCUS", tr("Auto focus"), SLOT(autoFocus()), nullptr,
                                    nullptr);
    //: Tool tip: makes the camera's picture darker.
    brightnessDownButton = addToolButton("ICON_BRIGHTNESS_REDUCE", tr("Brightness down"),
                                         SLOT(brightnessDown()), nullptr, nullptr);
    //: Tool tip: makes the camera's picture brighter.
    brightnessUpButton = addToolButton("ICON_BRIGHTNESS_INCREASE", tr("Brightness up"),
                                       SLOT(brightnessUp()), nullptr, nullptr);
    //: Tool tip: turns the picture a quarter turn.
    rotateButton = addToolButton("ICON_ROTATE", tr("Rotate"), SLOT(rotate()), nullptr, nullptr);
    //: Tool tip: holds the live picture still (not a snapshot).
    freezeButton = addToolButton("ICON_FREEZE", tr("Freeze"), SLOT(freeze()), nullptr, nullptr);
    freezeButton->setCheckable(true);

    //: Panel group title over recording, snapshot, settings and print; at most about 80 pixels in
    //: 10-point type.
    panel->addGroup(tr("Recording"));
    //: Tool tip: starts a new video recording of what is shown.
    recordButton = addToolButton("ICON_RECORDING", tr("Record video"), SLOT(record()), nullptr, nullptr);
    recordButton->setCheckable(true);
    //: Tool tip: saves the shown picture as a JPEG file.
    snapshotButton = addToolButton("ICON_CAPTURE", tr("Take snapshot"), SLOT(snapshot()), nullptr,
                                   nullptr);
    //: Tool tip of the button that opens the settings window.
    settingsButton = addToolButton("ICON_SETTING", tr("Settings"), SLOT(settings()), nullptr, nullptr);
    //: Tool tip: prints the shown picture.
    printButton = addToolButton("ICON_PRINT", tr("Print"), SLOT(print()), nullptr, nullptr);
    panel->addStretch();

    liveCanvas = addCanvas();
    const QSize recordingSize = Config::recordingResolution();
    const QSize captureSize = cappedResolution();
    liveSource = new LiveSource(liveCanvas, captureSize.width(), captureSize.height(),
                                recordingSize.width(), recordingSize.height(), this);
    liveSource->setCameraChoice(Config::camera());

    liveBar = new QWidget(this);
    liveBar->setFixedSize(60, 37);
    liveRecordButton =
        new ImageButton(QStringLiteral("ICON_LIVE_RECORDING"), tr("Record video"), liveBar, 20, 5);
    liveRecordButton->setCheckable(true);
    connect(liveRecordButton, SIGNAL(clicked()), this, SLOT(record()));

    filmCanvas = addCanvas();
    filmSource = new FilmSource(filmCanvas, this);

    filmBar = new ImageWidget(QImage(QStringLiteral(":/icons/Background/FILM_CONTROL_BK.png")), this);
    filmOpenButton = addBarButton("ICON_FILM_OPEN", filmBar, 20, SLOT(filmOpenFile()));
    filmPlayButton = addBarButton("ICON_FILM_PLAY", filmBar, 60, SLOT(filmPlay()));
    filmPauseButton = addBarButton("ICON_FILM_PAUSE", filmBar, 100, SLOT(filmPause()));
    filmStopButton = addBarButton("ICON_FILM_STOP", filmBar, 140, SLOT(filmStop()));
    filmBackwardButton = addBarButton("ICON_FILM_BACKWARD", filmBar, 180, SLOT(filmBackward()));
    filmForwardButton = addBarButton("ICON_FILM_FORWARD", filmBar, 220, SLOT(filmForward()));
    filmVolumeButton = addBarButton("ICON_FILM_VOLUME", filmBar, 260, SLOT(filmVolume()), true);
    filmBar->hide();

    volumeSlider = new Slider(Qt::Vertical, this);
    volumeSlider->setFixedSize(QImage(QStringLiteral(":/icons/Background/POP_VOL_BK.png")).size());
    volumeSlider->setRange(1, 100);
    volumeSlider->setValue(100);
    connect(volumeSlider, SIGNAL(valueChanged(int)), filmSource, SLOT(setVolume(int)));
    volumeSlider->hide();

    filmPositionBar =
        new HorizontalSlider(QImage(QStringLiteral(":/icons/Background/FILM_SCROLL_BAR.png")), this);
    filmPositionBar->setBarWidth(22);
    filmPositionBar->setRange(0, 100);
    connect(filmPositionBar, SIGNAL(valueChanged(int)), filmSource, SLOT(setPosition(int)));
    filmPositionBar->hide();
    connect(filmSource, SIGNAL(tick()), this, SLOT(filmTick()));

    photographCanvas = addCanvas();
    photographSource = new PhotographSource(photographCanvas, this);
    photographSource->setInterval(1000);
    connect(photographSource, SIGNAL(playDone()), this, SLOT(photographPlayDone()));

    photographBar =
        new ImageWidget(QImage(QStringLiteral(":/icons/Background/PHOTO_CONTROL_BK.png")), this);
    photographOpenButton =
        addBarButton("ICON_PHOTO_OPEN", photographBar, 20, SLOT(photographOpenDirectory()));
    photographPreviousButton =
        addBarButton("ICON_PHOTO_BACKWARD", photographBar, 60, SLOT(photographPrevious()));
    photographSlideButton =
        addBarButton("ICON_PHOTO_SLIDE", photographBar, 100, SLOT(photographPlay()), true);
    photographNextButton =
        addBarButton("ICON_PHOTO_FORWARD", photographBar, 140, SLOT(photographNext()));
    photographThumbnailButton =
        addBarButton("ICON_PHOTO_THUMBNIL", photographBar, 180, SLOT(photographPreview()), true);
    photographIntervalButton =
        addBarButton("ICON_PHOTO_TIME", photographBar, 220, SLOT(photographPlayInterval()), true);
    photographBar->hide();

    intervalSlider = new Slider(Qt::Horizontal, this);
    intervalSlider->setTickPosition(QSlider::TicksBelow);
    intervalSlider->setFixedWidth(160);
    intervalSlider->setPageStep(1);
    intervalSlider->setRange(0, 5);
    intervalSlider->setValue(0);
    connect(intervalSlider, SIGNAL(valueChanged(int)), this, SLOT(photographPlayIntervalChanged(int)));
    intervalSlider->hide();

    // The numbers stand under the slider's steps; only the unit after them is translated.
    //: Slide-show interval scale: the unit after "1 2 5 10 15 30" (seconds); a few characters.
    const QString secondsUnit = tr("sec.");
    intervalLabel = new QLabel(QStringLiteral("1        2        5       10      15     30  ") + secondsUnit, this);
    setLabelColor(Qt::gray, intervalLabel);
    intervalLabel->setFixedSize(200, 10);
    intervalLabel->hide();

    counterLabel = new QLabel(this);
    counterLabel->setFont(arial(15));
    setLabelColor(Qt::white, counterLabel);
    connect(photographSource, SIGNAL(photographChanged(int)), this, SLOT(photographIdChange(int)));
    counterLabel->setText(QStringLiteral("0/0"));
    counterLabel->hide();

    photographScrollBar =
        new HorizontalSlider(QImage(QStringLiteral(":/icons/Background/PHOTO_SCROLL_BAR.png")), this);
    photographScrollBar->hide();
    thumbnails = new ThumbnailWidget(photographSource, photographScrollBar, photographCanvas);
    thumbnails->hide();

    drawingBoardCanvas = addCanvas();
    drawingBoardCanvas->boardMode = true;
    drawingBoardCanvas->fillWithColor(QColor::fromRgba(0xFFFFFFFF));
    showStartPictures();

    // Every display's brightness scale reads the live camera.
    for (OSDProcessor *osd : qAsConst(osdByCanvas))
        osd->setLiveSource(liveSource);

    currentCanvas = liveCanvas;
    liveCanvas->setDrawMode(Freehand);
    stack->setCurrentWidget(liveCanvas);

    expanded = false;
    expand();

    // Troubles the sources and canvases report on their own reach the user here.
    connect(liveSource, SIGNAL(recordingFailed(QString)), this, SLOT(recordingFailed(QString)));
    connect(liveSource, SIGNAL(recordingEnded()), this, SLOT(recordingEnded()));
    connect(liveSource, SIGNAL(cameraLost(QString)), this, SLOT(cameraLost(QString)));
    connect(liveSource, SIGNAL(camerasChanged()), this, SLOT(updateCameraNotice()));
    connect(liveSource, SIGNAL(cameraStateChanged()), this, SLOT(updateCameraNotice()));
    connect(liveSource, SIGNAL(cameraStateChanged()), this, SLOT(noteCameraBack()));
    updateCameraNotice();
    connect(filmSource, SIGNAL(playbackFailed(QString)), this, SLOT(filmFailed(QString)));
    connect(filmSource, SIGNAL(pictureMissing(QString)), this, SLOT(filmWithoutPicture(QString)));
    connect(filmSource, SIGNAL(openFinished(bool)), this, SLOT(filmOpened(bool)));
    for (ImageCanvas *canvas : {liveCanvas, filmCanvas, photographCanvas, drawingBoardCanvas})
        connect(canvas, SIGNAL(snapshotFailed()), this, SLOT(snapshotFailed()));
    setUpFeedback();
    setUpUndoShortcuts();

    addPresenterControls();

    // One pass through Film mode leaves every per-mode widget and source hook exactly as a switch
    // into Live mode sets them.
    filmButton->setChecked(true);
    switchMode();
    filmButton->setChecked(false);
    liveButton->setChecked(true);
    switchMode();
}

MainWindow::~MainWindow()
{
    closeToolWindow();
    if (recording)
        liveSource->stopRecording();
    delete liveSource;
    liveSource = nullptr;
    delete filmSource;
    filmSource = nullptr;
    // The strip's loader reads the photograph list: stop it before the source goes.
    delete thumbnails;
    thumbnails = nullptr;
    delete photographSource;
    photographSource = nullptr;
}

ImageCanvas *MainWindow::addCanvas()
{
    ImageCanvas *canvas = new ImageCanvas(this);
    OSDProcessor *osd = new OSDProcessor(this, canvas);
    osdByCanvas.insert(canvas, osd);
    canvas->osd = osd;
    stack->addWidget(canvas);
    return canvas;
}

ImageButton *MainWindow::addToolButton(QString icon, QString toolTip, const char *clickSlot,
                                       const char *holdSlot, QButtonGroup *group)
{
    ImageButton *button = new ImageButton(icon, toolTip, this, 0, 0);
    if (clickSlot)
        connect(button, SIGNAL(clicked()), this, clickSlot);
    if (holdSlot)
        connect(button, SIGNAL(hold()), this, holdSlot);
    if (group) {
        button->setCheckable(true);
        group->addButton(button, -1);
    }
    panel->addButton(button);
    return button;
}

ImageButton *MainWindow::addBarButton(const char *icon, QWidget *bar, int x, const char *clickSlot,
                                      bool checkable)
{
    ImageButton *button = new ImageButton(QLatin1String(icon), bar, x, 5);
    button->setCheckable(checkable);
    connect(button, SIGNAL(clicked()), this, clickSlot);
    return button;
}

void MainWindow::setLabelColor(QColor color, QWidget *widget)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(color));
    widget->setPalette(palette);
}

QSize MainWindow::cappedResolution() const
{
    const QSize configured = Config::resolution();
    const QSize largest = resolutions.last();
    if (configured.width() > largest.width() || configured.height() > largest.height())
        return largest;
    return configured;
}

void MainWindow::layoutContents()
{
    // Called from the frame's first resize, before the constructor has built the children.
    if (!panel || !thumbnails)
        return;
    const int w = width();
    const int h = height();
    const int p = expanded ? PanelWidth : 0;

    panel->resize(panel->width(), h - 100);
    aboutButton->move(aboutX, h - 55);
    sideButton->move(4, 50);
    liveButton->move(p + 40, 5);
    filmButton->move(p + 147, 5);
    photographButton->move(p + 254, 5);
    drawingBoardButton->move(p + 361, 5);
    stack->setGeometry(p + 36, 25, w - p - 55, h - 100);
    liveBar->move((w - p - liveBar->width()) / 2 + p, h - 60);
    filmBar->move((w - p - filmBar->width()) / 2 + p, h - 60);
    volumeSlider->move(filmBar->x() + filmBar->width(),
                       filmBar->y() + filmBar->height() - volumeSlider->height());
    filmPositionBar->move(stack->x(), stack->y() + stack->height());
    filmPositionBar->setFixedSize(stack->width() + 2, 10);
    photographBar->move((w - p - photographBar->width()) / 2 + p, h - 60);
    intervalSlider->move(photographBar->x() + photographBar->width() + 10, h - 50);
    counterLabel->move(w - 70, h - 60);
    counterLabel->setFixedSize(70, 30);
    intervalLabel->move(photographBar->x() + photographBar->width() + 12, h - 30);
    thumbnails->setFixedSize(stack->width(), 60);
    photographScrollBar->setFixedSize(stack->width() + 2, 10);
    thumbnails->move(0, stack->height() - thumbnails->height() - 7);
    photographScrollBar->move(stack->x(), stack->y() + stack->height());
    layoutFilmTime();
    if (fullScreen)
        fullScreen->fitToWindow();
}

void MainWindow::expand()
{
    expanded = !expanded;
    const bool keepGeometry = isMaximized() || isFullScreen();
    if (expanded) {
        if (!keepGeometry) {
            resize(width() + PanelWidth, height());
            if (isVisible())
                move(x() - PanelWidth, y());
        }
        sideButton->setImage(QStringLiteral("BUTTON_SIDE_CLOSE"));
        panel->move(40, 30);
        panel->show();
    } else {
        if (!keepGeometry) {
            resize(width() - PanelWidth, height());
            if (isVisible())
                move(x() + PanelWidth, y());
        }
        sideButton->setImage(QStringLiteral("BUTTON_SIDE_OPEN"));
        panel->hide();
        closeToolWindow();
    }
    layoutContents();
}

void MainWindow::switchMode()
{
    int newMode = mode;
    ImageCanvas *canvases[] = {liveCanvas, filmCanvas, photographCanvas, drawingBoardCanvas};
    ImageCanvas *leftCanvas = canvases[mode];
    ImageButton *buttons[] = {liveButton, filmButton, photographButton, drawingBoardButton};
    for (int candidate = LiveMode; candidate <= DrawingBoardMode; ++candidate) {
        if (buttons[candidate]->isChecked()) {
            newMode = candidate;
            currentCanvas = canvases[candidate];
            stack->setCurrentWidget(currentCanvas);
            break;
        }
    }
    if (newMode == mode)
        return;

    endContinuousSnapshot(leftCanvas);
    leaveMode(mode);
    enterMode(newMode);
    mode = newMode;
    updateEnableStates();
    alignPanelWithCanvas();
    closeToolWindow();
    panel->showEnabledOnly();
    emit modeChanged();
}

void MainWindow::leaveMode(int oldMode)
{
    switch (oldMode) {
    case LiveMode:
        liveBar->hide();
        break;
    case FilmMode:
        filmBar->hide();
        filmVolumeButton->setChecked(false);
        volumeSlider->hide();
        filmPositionBar->hide();
        filmTimeLabel->hide();
        filmNameLabel->hide();
        filmSource->pauseCapture();
        break;
    case PhotographMode:
        photographBar->hide();
        photographIntervalButton->setChecked(false);
        photographThumbnailButton->setChecked(false);
        intervalSlider->hide();
        intervalLabel->hide();
        thumbnails->hide();
        photographScrollBar->hide();
        counterLabel->hide();
        photographSource->pauseCapture();
        break;
    case DrawingBoardMode:
        drawingBoardCanvas->stopAutoRefresh();
        break;
    }
}

void MainWindow::enterMode(int newMode)
{
    switch (newMode) {
    case LiveMode:
        liveBar->show();
        liveBar->raise();
        liveSource->stopAutoRefresh();
        break;
    case FilmMode:
        filmBar->show();
        filmBar->raise();
        filmPositionBar->show();
        filmTimeLabel->show();
        filmNameLabel->show();
        filmSource->resumeCapture();
        break;
    case PhotographMode:
        photographBar->show();
        photographBar->raise();
        counterLabel->show();
        photographSource->resumeCapture();
        showSlideShowState();
        break;
    case DrawingBoardMode:
        drawingBoardCanvas->startAutoRefresh();
        break;
    }
}

void MainWindow::updateEnableStates()
{
    const bool live = mode == LiveMode;
    fillBackgroundButton->setEnabled(mode == DrawingBoardMode);
    for (ImageButton *button : {autoFocusButton, brightnessUpButton, brightnessDownButton,
                                freezeButton, recordButton, settingsButton})
        button->setEnabled(live);
    snapshotButton->setEnabled(true);
    handButton->setEnabled(!live);
}

void MainWindow::alignPanelWithCanvas()
{
    ImageButton *byDrawMode[] = {handButton,      freehandButton, lineButton,
                                 arrowButton,     rectangleButton, circleButton,
                                 triangleButton,  eraserButton,   clipButton,
                                 textButton};
    const int drawMode = currentCanvas->drawMode();
    if (drawMode >= 0 && drawMode < int(sizeof byDrawMode / sizeof *byDrawMode))
        byDrawMode[drawMode]->setChecked(true);

    const int maskKind = currentCanvas->mask;
    maskButton->setChecked(maskKind != 0);
    if (maskKind >= 0 && maskKind <= 4) {
        static const char *const maskIcons[] = {"ICON_MASK_CIRCLE", "ICON_MASK_CIRCLE",
                                                "ICON_MASK_RECTANGLE", "ICON_MASK_LEFT",
                                                "ICON_MASK_TOP"};
        maskButton->setImage(QLatin1String(maskIcons[maskKind]));
    }
    const int effectKind = currentCanvas->effect;
    if (effectKind >= 0 && effectKind <= 3) {
        static const char *const effectIcons[] = {"ICON_EFFECT_COLOR", "ICON_EFFECT_BW",
                                                  "ICON_EFFECT_NEGATIVE", "ICON_EFFECT_MOSAIC"};
        effectButton->setImage(QLatin1String(effectIcons[effectKind]));
    }
    freezeButton->setChecked(currentCanvas->frozen);
}

void MainWindow::closeToolWindow()
{
    delete toolWindow;
    toolWindow = nullptr;
}

void MainWindow::recordingStopped()
{
    // The camera's own report of the stop comes later and finds the state already reset, so the
    // user is told here, once the camera has finished the file.
    const bool wasRecording = recording;
    endRecordingState();
    if (!wasRecording)
        return;
    showError(tr("The recording was stopped because the camera was restarted with the new settings. "
                 "What was recorded has been saved as %1.")
                  .arg(QDir::toNativeSeparators(recordingFile)));
}

// The clock stops on the display it was started on, whichever canvas is shown now.
void MainWindow::endRecordingState()
{
    if (OSDProcessor *clock = recordingDisplay ? recordingDisplay.data() : display())
        clock->stopRecordTime();
    recordingDisplay = nullptr;
    recordButton->setChecked(false);
    liveRecordButton->setChecked(false);
    recording = false;
}

void MainWindow::closeToolWindowUnlessFrom(QWidget *button)
{
    if (toolWindow && toolWindow->anchor != button)
        closeToolWindow();
}

void MainWindow::openToolWindow(ToolWindow *window)
{
    closeToolWindow();
    toolWindow = window;
    toolWindow->show();
}

OSDProcessor *MainWindow::display() const
{
    return osdByCanvas.value(currentCanvas);
}

void MainWindow::setDrawingTool(int drawMode, QWidget *button)
{
    currentCanvas->setDrawMode(drawMode);
    closeToolWindowUnlessFrom(button);
}

void MainWindow::showError(const QString &text)
{
    //: Title of an error message box.
    QMessageBox::critical(this, tr("Error"), text, QMessageBox::Ok);
}

QString MainWindow::askOpenFileName(const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(this, QString(), folder, filter);
}

bool MainWindow::hasPrinters() const
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool MainWindow::offersPdfFile() const
{
    // Qt's own print dialog, used everywhere but on Windows and macOS, always lists printing to
    // a PDF file, with or without printers installed.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return true;
#else
    return false;
#endif
}

bool MainWindow::askPrintSettings(QPrinter &printer)
{
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

// Commands behind the buttons.
void MainWindow::line() { setDrawingTool(Line, lineButton); }
void MainWindow::rectangle() { setDrawingTool(Rectangle, rectangleButton); }
void MainWindow::freehand() { setDrawingTool(Freehand, freehandButton); }
void MainWindow::circle() { setDrawingTool(Circle, circleButton); }
void MainWindow::arrow() { setDrawingTool(Arrow, arrowButton); }
void MainWindow::triangle() { setDrawingTool(Triangle, triangleButton); }
void MainWindow::erase() { setDrawingTool(Eraser, eraserButton); }
void MainWindow::text() { setDrawingTool(Text, textButton); }

void MainWindow::eraseAll()
{
    closeToolWindow();
    currentCanvas->clearAnnotations();
}

void MainWindow::clip()
{
    closeToolWindow();
    currentCanvas->setDrawMode(Clip);
}

void MainWindow::fillBackground()
{
    closeToolWindowUnlessFrom(fillBackgroundButton);
}

void MainWindow::hand()
{
    closeToolWindow();
    currentCanvas->setDrawMode(Hand);
}

void MainWindow::mask()
{
    closeToolWindowUnlessFrom(maskButton);
    if (maskButton->isChecked()) {
        currentCanvas->mask = savedMask;
        return;
    }
    savedMask = currentCanvas->mask;
    currentCanvas->mask = 0;
}

void MainWindow::zoomInStart()
{
    closeToolWindow();
    currentCanvas->zoomIn();
    display()->showZoomIn();
}

void MainWindow::zoomInStop()
{
    closeToolWindow();
}

void MainWindow::zoomOutStart()
{
    closeToolWindow();
    currentCanvas->zoomOut();
    display()->showZoomOut();
}

void MainWindow::zoomOutStop()
{
    closeToolWindow();
}

void MainWindow::zoomReset()
{
    closeToolWindow();
    currentCanvas->zoomReset();
    display()->showZoomIn();
}

void MainWindow::autoFocus()
{
    closeToolWindow();
    if (!liveSource->isOpen())
        return;
    liveSource->triggerAutoFocus();
    display()->showAutoFocus();
}

void MainWindow::brightnessDown()
{
    closeToolWindow();
    liveSource->brightnessDown();
    display()->showBrightness();
}

void MainWindow::brightnessUp()
{
    closeToolWindow();
    liveSource->brightnessUp();
    display()->showBrightness();
}

void MainWindow::rotate()
{
    closeToolWindow();
    currentCanvas->rotateClockwise();
    display()->showRotation();
}

void MainWindow::rotateRev()
{
    closeToolWindow();
    currentCanvas->rotateCounterClockwise();
    display()->showRotation();
}

void MainWindow::macro()
{
    // No control offers the macro switch: the supported cameras ignore it.
    closeToolWindow();
}

void MainWindow::freeze()
{
    closeToolWindow();
    currentCanvas->frozen = freezeButton->isChecked();
    display()->showFreeze();
}

QString MainWindow::recordingFileName(const QDir &folder, const QDateTime &now, const QString &suffix)
{
    // An existing file is never replaced: a second recording within the same second, or a file
    // from elsewhere, gets a numbered name instead.
    const QString stem = now.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    QString path = folder.filePath(stem + suffix);
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = folder.filePath(stem + QStringLiteral("_%1").arg(number) + suffix);
    return path;
}

void MainWindow::record()
{
    closeToolWindow();
    if (recording) {
        // The button and the clock go off when the camera has finished the file
        // (recordingEnded), not before; a click meanwhile changes nothing.
        const bool stillWriting = liveSource->isRecording() || liveSource->isFinishingRecording();
        if (liveSource->isRecording())
            liveSource->stopRecording();
        if (!stillWriting)
            endRecordingState();
        recordButton->setChecked(recording);
        liveRecordButton->setChecked(recording);
        return;
    }
    if (!liveSource->isOpen()) {
        endRecordingState();
        display()->showMessage(noCameraText());
        return;
    }
    const QDir folder(Config::recordPath());
    if (!isFolder(Config::recordPath())) {
        showError(tr("Please select a folder first."));
        //: Shown for two seconds on the picture; short.
        showFeedback(tr("Recording not started"));
        endRecordingState();
        return;
    }

    // The camera reads the same setting as it starts, so the name fits what it writes.
    const QString suffix = RecordingFormat::chosen(Config::recordingFormat()).fileSuffix();
    recordingFile = recordingFileName(folder, QDateTime::currentDateTime(), suffix);
    liveSource->startRecording(recordingFile);
    display()->startRecordTime();
    recordingDisplay = display();
    recording = true;
    if (currentCanvas->frozen) {
        currentCanvas->frozen = false;
        freezeButton->setChecked(false);
    }
    recordButton->setChecked(true);
    liveRecordButton->setChecked(true);
}

void MainWindow::recordingEnded()
{
    if (recording)
        endRecordingState();
}

void MainWindow::recordingFailed(const QString &message)
{
    if (!recording)
        return;
    endRecordingState();
    //: Shown for two seconds on the picture; short.
    showFeedback(tr("Recording failed"));
    showError(message);
}

void MainWindow::cameraLost(const QString &message)
{
    // A camera that opens and fails again at once is reported at each attempt: tell the user once
    // per loss (until the camera is back), and always when a recording was running.
    const bool wasRecording = recording;
    if (recording)
        endRecordingState();
    if (cameraTroubleReported && !wasRecording)
        return;
    cameraTroubleReported = true;
    showError(message);
}

void MainWindow::noteCameraBack()
{
    // A camera that fails while its preview starts is closed again within the same call: it is
    // back only if it is still open once that has settled.
    if (!liveSource->isOpen())
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (liveSource->isOpen())
                cameraTroubleReported = false;
        },
        Qt::QueuedConnection);
}

void MainWindow::updateCameraNotice()
{
    QString notice;
    const QList<CaptureDevice> cameras = liveSource->camerasPresent();
    if (!liveSource->isOpen() && !liveSource->hasCameraToTake() && !cameras.isEmpty()) {
        QStringList names;
        for (const CaptureDevice &camera : cameras)
            names << camera.name;
        const QString seen = names.join(QStringLiteral(", "));
        notice = liveSource->cameraChoice().isEmpty()
            ? tr("Cameras seen: %1. None of them is used automatically; choose one in the settings, "
                 "under Source.").arg(seen)
            : tr("The camera chosen in the settings is not connected. Cameras seen: %1.").arg(seen);
    }
    osdByCanvas.value(liveCanvas)->setNotice(notice);
}

void MainWindow::snapshot()
{
    closeToolWindow();
    const QString folder = Config::snapshotPath();
    if (!isFolder(folder)) {
        showError(tr("Please select a folder first."));
        //: Shown for two seconds on the picture; short.
        showFeedback(tr("Snapshot not saved"));
        return;
    }
    if (mode == LiveMode && !liveSource->isOpen()) {
        // Nothing would ever reach the canvas; a click that meant to stop a run still stops it.
        currentCanvas->stopSnapshot();
        snapshotButton->setChecked(false);
        display()->showMessage(noCameraText());
        return;
    }
    currentCanvas->snapshotDir = folder;

    if (Config::snapshotMode() == Continuous) {
        if (!snapshotButton->isCheckable()) {
            snapshotButton->setCheckable(true);
            snapshotButton->setChecked(true);
        }
        currentCanvas->continuousSnapshot = true;
        if (snapshotButton->isChecked()) {
            currentCanvas->snapshotInterval = Config::snapshotInterval();
            currentCanvas->snapshotDuration = std::numeric_limits<quint64>::max();
            currentCanvas->startSnapshot();
        } else {
            currentCanvas->stopSnapshot();
        }
        return;
    }

    currentCanvas->continuousSnapshot = false;
    currentCanvas->stopSnapshot();
    currentCanvas->startSnapshot();
    snapshotButton->setCheckable(false);
}

// A continuous run belongs to the canvas it was started on, while the one snapshot button shows
// the shown canvas: leaving the canvas ends its run, and the user sees that it ended.
void MainWindow::endContinuousSnapshot(ImageCanvas *left)
{
    if (!left->continuousSnapshot || !left->isSnapshotArmed())
        return;
    left->stopSnapshot();
    snapshotButton->setChecked(false);
    display()->showMessage(tr("Continuous snapshots stopped."));
}

QString MainWindow::noCameraText()
{
    return tr("No camera is connected.");
}

void MainWindow::snapshotFailed()
{
    showFeedback(tr("Snapshot not saved"));
    showError(ImageCanvas::snapshotFailedText());
}

QImage MainWindow::fitToPage(const QImage &picture, const QSize &page, QPoint *position)
{
    QImage turned = picture;
    if (page.width() < page.height())
        turned = picture.transformed(QTransform().rotate(90), Qt::FastTransformation);
    if (turned.isNull()) {
        *position = QPoint();
        return turned;
    }
    const double byWidth = double(page.width()) / turned.width();
    const double byHeight = double(page.height()) / turned.height();
    const double scale = byWidth < byHeight ? byWidth : byHeight;
    const QImage scaled = turned.scaled(int(turned.width() * scale), int(turned.height() * scale),
                                        Qt::IgnoreAspectRatio, Qt::FastTransformation);
    *position = QPoint((page.width() - scaled.width()) / 2, (page.height() - scaled.height()) / 2);
    return scaled;
}

QStringList MainWindow::startText(int mode)
{
    switch (mode) {
    case LiveMode:
        return {tr("Connect a document camera"),
                tr("Plug the camera into a USB port of this computer."),
                tr("Its live picture appears here as soon as the camera is ready."),
                tr("Film, Photograph and Drawing Board work without a camera.")};
    case FilmMode:
        //: Title on the empty Film canvas; one line.
        return {tr("No film is open"),
                tr("Open a film with the open button below the picture.")};
    case PhotographMode:
        //: Title on the empty Photograph canvas; one line.
        return {tr("No photograph is shown"),
                tr("Choose a picture with the open button below the picture; the pictures of its "
                   "folder are then shown here.")};
    default:
        return {};
    }
}

// Each canvas waits for something different; its first picture says what, in the user's language.
void MainWindow::showStartPictures()
{
    liveCanvas->processImage(StartScreen::cameraPicture(startText(LiveMode)));
    filmCanvas->processImage(StartScreen::buttonPicture(
        QImage(QStringLiteral(":/icons/Normal/ICON_FILM_OPEN.png")), startText(FilmMode)));
    photographCanvas->processImage(StartScreen::buttonPicture(
        QImage(QStringLiteral(":/icons/Normal/ICON_PHOTO_OPEN.png")), startText(PhotographMode)));
}

void MainWindow::print()
{
    closeToolWindow();
    const QImage picture = currentCanvas->currentImage();
    if (!offersPdfFile() && !hasPrinters()) {
        //: Shown for two seconds on the picture; short.
        showFeedback(tr("Printing failed"));
        showError(tr("No printers found on this system."));
        return;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    if (!askPrintSettings(printer))
        return;

    QPoint position;
    const QImage page = fitToPage(picture, QSize(printer.width(), printer.height()), &position);
    QPainter painter(&printer);
    if (!painter.isActive()) {
        showFeedback(tr("Printing failed"));
        return;
    }
    painter.drawPixmap(position, QPixmap::fromImage(page));
    painter.end();
    if (printer.printerState() == QPrinter::Error)
        showFeedback(tr("Printing failed"));
}

void MainWindow::filmOpenFile()
{
    closeToolWindow();
    // Every kind of film first, so a typed name of any kind is taken, then the classic two.
    //: Film open dialog: file type filter; %1 is the list of file patterns.
    const QString filter = tr("Films (%1)").arg(FilmFormats::filePatterns())
                           + QStringLiteral(";;AVI Files (*.avi);;WMV Files (*.wmv);;")
                           //: Film open dialog: file type filter of every file.
                           + tr("All files (*)");
    const QString path = askOpenFileName(QDir(Config::recordPath()).path(), filter);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    // The film loads while the window goes on; filmOpened hears how it went.
    filmSource->startOpen(path);
}

void MainWindow::filmOpened(bool opened)
{
    if (opened)
        return;
    const QStringList missing = filmSource->missingPlugins();
    if (!missing.isEmpty()) {
        showError(tr("The film could not be opened. This computer lacks what it needs to play it: %1.")
                      .arg(missing.join(QStringLiteral(", "))));
        return;
    }
    showError(tr("The film could not be opened. The file may be damaged or of a kind this "
                 "computer cannot play."));
}

void MainWindow::filmPlay()
{
    closeToolWindow();
    filmSource->play();
}

void MainWindow::filmPause()
{
    closeToolWindow();
    filmSource->pause();
}

void MainWindow::filmStop()
{
    closeToolWindow();
    filmSource->stop();
}

void MainWindow::filmBackward()
{
    closeToolWindow();
    filmSource->backward();
    showFilmTime();
}

void MainWindow::filmForward()
{
    closeToolWindow();
    filmSource->forward();
    showFilmTime();
}

void MainWindow::filmVolume()
{
    closeToolWindow();
    volumeSlider->setVisible(filmVolumeButton->isChecked());
    volumeSlider->raise();
}

void MainWindow::filmTick()
{
    filmPositionBar->setValue(filmSource->position());
    showFilmTime();
}

void MainWindow::showFilmTime()
{
    if (!filmSource->isOpened()) {
        filmTimeLabel->clear();
        filmNameLabel->clear();
        filmNameLabel->setToolTip(QString());
        osdByCanvas.value(filmCanvas)->setNotice(QString());
        return;
    }
    filmTimeLabel->setText(FilmTime::text(filmSource->positionMs(), filmSource->durationMs()));
    const QString name = QFileInfo(filmSource->fileName()).fileName();
    filmNameLabel->setText(filmNameLabel->fontMetrics().elidedText(name, Qt::ElideMiddle,
                                                                   filmNameLabel->width()));
    filmNameLabel->setToolTip(name);
    // Fast forward and rewind stay on the picture for as long as they run.
    const bool stepping = filmSource->isPlaying() && filmSource->rate() != 1;
    osdByCanvas.value(filmCanvas)->setNotice(stepping ? FilmTime::rateText(filmSource->rate())
                                                      : QString());
}

// The film's time sits right of the film bar, its name in the free space left of it.
void MainWindow::layoutFilmTime()
{
    if (!filmTimeLabel)
        return;
    const int h = height();
    const int right = volumeSlider->x() + volumeSlider->width() + 10;
    filmTimeLabel->setGeometry(right, h - 54, qMax(0, width() - right - 20), 24);
    const int left = stack->x();
    filmNameLabel->setGeometry(left, h - 54, qMax(0, filmBar->x() - left - 10), 24);
    // The tool tip keeps the whole name; the label shows what fits.
    const QString name = filmNameLabel->toolTip();
    filmNameLabel->setText(filmNameLabel->fontMetrics().elidedText(name, Qt::ElideMiddle,
                                                                   filmNameLabel->width()));
}

void MainWindow::addPresenterControls()
{
    filmTimeLabel = new QLabel(this);
    filmTimeLabel->setFont(arial(11));
    setLabelColor(Qt::white, filmTimeLabel);
    filmTimeLabel->hide();
    filmNameLabel = new QLabel(this);
    filmNameLabel->setFont(arial(10));
    setLabelColor(Qt::gray, filmNameLabel);
    filmNameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    filmNameLabel->hide();
    connect(filmSource, &FilmSource::openFinished, this, [this] { showFilmTime(); });
    layoutFilmTime();

    for (ImageButton *button : {lineButton, rectangleButton, freehandButton, circleButton,
                                arrowButton, triangleButton, eraserButton, textButton,
                                fillBackgroundButton, maskButton, effectButton})
        button->setOptionsMark(true);

    // The keys first: the full-screen strip copies the tool tips that name them.
    keyboard = new KeyboardCommands(this);
    fullScreen = new FullScreenView(this);
    projector = new Projector(this);
}

void MainWindow::filmFailed(const QString &message)
{
    showError(message);
}

void MainWindow::filmWithoutPicture(const QString &message)
{
    osdByCanvas.value(filmCanvas)->showMessage(message);
    showError(message);
}

void MainWindow::photographOpenDirectory()
{
    closeToolWindow();
    const QString path = askOpenFileName(Config::snapshotPath(), QString());
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const QDir folder = chosen.dir();
    if (!folder.exists())
        return;
    if (photographSource->open(folder, chosen.fileName()))
        photographSlideButton->setChecked(false);
}

void MainWindow::photographPrevious()
{
    closeToolWindow();
    photographSource->previous();
    showSlideShowState();
}

void MainWindow::photographPlay()
{
    closeToolWindow();
    if (photographSlideButton->isChecked())
        photographSource->play();
    else
        photographSource->stop();
}

void MainWindow::photographPlayDone()
{
    photographSlideButton->setChecked(false);
}

void MainWindow::photographNext()
{
    closeToolWindow();
    photographSource->next();
    showSlideShowState();
}

// Stepping, opening and rescanning end a show without a word from the source.
void MainWindow::showSlideShowState()
{
    photographSlideButton->setChecked(photographSource->isPlaying());
}

void MainWindow::photographPreview()
{
    closeToolWindow();
    const bool shown = photographThumbnailButton->isChecked();
    thumbnails->setVisible(shown);
    photographScrollBar->setVisible(shown);
}

void MainWindow::photographPlayInterval()
{
    closeToolWindow();
    const bool shown = photographIntervalButton->isChecked();
    intervalSlider->setVisible(shown);
    intervalLabel->setVisible(shown);
}

void MainWindow::photographPlayIntervalChanged(int value)
{
    if (value < 0 || value >= int(sizeof slideIntervals / sizeof *slideIntervals))
        return;
    photographSource->setInterval(slideIntervals[value] * 1000);
}

void MainWindow::photographIdChange(int id)
{
    counterLabel->setText(QStringLiteral("%1/%2").arg(id + 1).arg(photographSource->count()));
}

// Tool windows.
void MainWindow::About()
{
    openToolWindow(new AboutToolWindow(aboutButton, this, aboutBackground.copy()));
}

void MainWindow::openColorWindow(int drawMode, ImageButton *button, const QString &title,
                                 const QString &widthLabel, const QString &lineColorLabel,
                                 const QString &fillColorLabel)
{
    currentCanvas->setDrawMode(drawMode);
    openToolWindow(new ColorToolWindow(button, this, title, widthLabel, lineColorLabel,
                                       fillColorLabel));
}

void MainWindow::lineHold()
{
    openColorWindow(Line, lineButton, tr("Line"), lineWidthCaption, lineColorCaption, QString());
}

void MainWindow::rectangleHold()
{
    openColorWindow(Rectangle, rectangleButton, tr("Rectangle"), lineWidthCaption,
                    lineColorCaption, fillColorCaption);
}

void MainWindow::freehandHold()
{
    openColorWindow(Freehand, freehandButton, tr("Freehand"), lineWidthCaption, lineColorCaption,
                    QString());
}

void MainWindow::circleHold()
{
    openColorWindow(Circle, circleButton, tr("Circle"), lineWidthCaption, lineColorCaption,
                    fillColorCaption);
}

void MainWindow::arrowHold()
{
    openColorWindow(Arrow, arrowButton, tr("Arrow"), lineWidthCaption, lineColorCaption,
                    fillColorCaption);
}

void MainWindow::triangleHold()
{
    openColorWindow(Triangle, triangleButton, tr("Triangle"), lineWidthCaption, lineColorCaption,
                    fillColorCaption);
}

void MainWindow::eraseHold()
{
    openColorWindow(Eraser, eraserButton, tr("Eraser"), widthCaption, QString(), QString());
}

void MainWindow::textHold()
{
    currentCanvas->setDrawMode(Text);
    openToolWindow(new TextToolWindow(textButton, this));
}

void MainWindow::fillBackgroundHold()
{
    //: Title of the fill-background options window (about 200 pixels).
    openToolWindow(new FillBackgroundToolWindow(fillBackgroundButton, this, tr("Background Color"),
                                                fillColorCaption));
}

void MainWindow::maskHold()
{
    openToolWindow(new MaskToolWindow(maskButton, this));
}

void MainWindow::effectHold()
{
    openToolWindow(new EffectToolWindow(effectButton, this));
}

void MainWindow::settings()
{
    openToolWindow(new SettingsToolWindow(settingsButton, this));
}

void MainWindow::setUpUndoShortcuts()
{
    // On the window, so whichever of its buttons has the focus, the keys reach the canvas; the
    // text editor keeps them for its own typing while it has the focus.
    const auto addShortcut = [this](const QKeySequence &keys, bool undoing) {
        QShortcut *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, undoing] {
            if (undoing)
                currentCanvas->undo();
            else
                currentCanvas->redo();
        });
    };
    addShortcut(QKeySequence(Qt::CTRL + Qt::Key_Z), true);
    addShortcut(QKeySequence(Qt::CTRL + Qt::Key_Y), false);
    addShortcut(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), false);
}

void MainWindow::setUpFeedback()
{
    for (ImageCanvas *canvas : {liveCanvas, filmCanvas, photographCanvas, drawingBoardCanvas}) {
        OSDProcessor *osd = osdByCanvas.value(canvas);
        connect(canvas, &ImageCanvas::snapshotSaved, osd, [osd](const QString &path) {
            //: Shown for two seconds on the picture after a snapshot; %1 is the file name.
            osd->showMessage(tr("Saved %1").arg(QFileInfo(path).fileName()), FeedbackTime);
        });
        //: Shown for two seconds on the picture after an area was copied to the clipboard.
        connect(canvas, &ImageCanvas::clipDone, osd, [osd] { osd->showMessage(tr("Copied"), FeedbackTime); });
        connect(canvas, &ImageCanvas::clipFailed, osd,
                //: Shown for two seconds on the picture when there was nothing to copy.
                [osd] { osd->showMessage(tr("Not copied"), FeedbackTime); });
    }
}

void MainWindow::showFeedback(const QString &text)
{
    display()->showMessage(text, FeedbackTime);
}
