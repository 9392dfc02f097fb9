#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "StyleWindow.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QVector>

class FilmSource;
class FullScreenView;
class KeyboardCommands;
class Projector;
class QDateTime;
class QDir;
class QPrinter;
class HorizontalSlider;
class ImageButton;
class ImageCanvas;
class ImageWidget;
class LiveSource;
class OSDProcessor;
class Panel;
class PhotographSource;
class QButtonGroup;
class QLabel;
class QStackedWidget;
class Slider;
class ThumbnailWidget;
class ToolWindow;

enum Mode {
    LiveMode = 0,
    FilmMode = 1,
    PhotographMode = 2,
    DrawingBoardMode = 3
};

// The one top-level window: four canvases (one per mode) in a stack, their displays and sources,
// the side tool panel, the per-mode control bars and at most one open tool window.
class MainWindow : public StyleWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    void layoutContents() override;

    // The settings window rebuilt the camera graph, which ends any recording.
    void recordingStopped();

    // Width the side panel adds to the window.
    static constexpr int PanelWidth = 138;

    static QString widthCaption;
    static QString lineWidthCaption;
    static QString lineColorCaption;
    static QString fillColorCaption;

    QVector<QSize> resolutions;

    ImageButton *liveButton;
    ImageButton *filmButton;
    ImageButton *photographButton;
    ImageButton *drawingBoardButton;
    ImageButton *aboutButton;
    ImageButton *sideButton;
    QButtonGroup *modeGroup;
    QStackedWidget *stack;

    ImageCanvas *liveCanvas;
    ImageCanvas *filmCanvas;
    ImageCanvas *photographCanvas;
    ImageCanvas *drawingBoardCanvas;
    ImageCanvas *currentCanvas;
    ToolWindow *toolWindow = nullptr;
    QHash<ImageCanvas *, OSDProcessor *> osdByCanvas;

    Panel *panel = nullptr;
    QButtonGroup *drawingGroup;
    ImageButton *lineButton;
    ImageButton *rectangleButton;
    ImageButton *freehandButton;
    ImageButton *circleButton;
    ImageButton *arrowButton;
    ImageButton *triangleButton;
    ImageButton *eraserButton;
    ImageButton *textButton;
    ImageButton *eraseAllButton;
    ImageButton *clipButton;
    ImageButton *handButton;
    ImageButton *fillBackgroundButton;
    ImageButton *maskButton;
    ImageButton *effectButton;
    ImageButton *zoomOutButton;
    ImageButton *zoomInButton;
    ImageButton *zoomResetButton;
    ImageButton *autoFocusButton;
    ImageButton *brightnessDownButton;
    ImageButton *brightnessUpButton;
    ImageButton *rotateButton;
    ImageButton *freezeButton;
    ImageButton *recordButton;
    ImageButton *snapshotButton;
    ImageButton *settingsButton;
    ImageButton *printButton;

    QWidget *liveBar;
    ImageButton *liveRecordButton;
    ImageWidget *filmBar;
    Slider *volumeSlider;
    HorizontalSlider *filmPositionBar;
    ImageButton *filmOpenButton;
    ImageButton *filmPlayButton;
    ImageButton *filmPauseButton;
    ImageButton *filmStopButton;
    ImageButton *filmBackwardButton;
    ImageButton *filmForwardButton;
    ImageButton *filmVolumeButton;
    ImageWidget *photographBar;
    ImageButton *photographOpenButton;
    ImageButton *photographPreviousButton;
    ImageButton *photographSlideButton;
    ImageButton *photographNextButton;
    ImageButton *photographThumbnailButton;
    ImageButton *photographIntervalButton;
    Slider *intervalSlider;
    QLabel *intervalLabel;
    QLabel *counterLabel;
    ThumbnailWidget *thumbnails = nullptr;
    HorizontalSlider *photographScrollBar;

    LiveSource *liveSource;
    FilmSource *filmSource;
    PhotographSource *photographSource;

    bool expanded = false;
    bool recording = false;
    int mode = LiveMode;
    int savedMask = 1;
    QString aboutIcon;
    int aboutX = 34;
    QImage aboutBackground;

    // For the presenter: where the film stands and which file it is, the keys, full screen and
    // the projector window.
    QLabel *filmTimeLabel = nullptr;
    QLabel *filmNameLabel = nullptr;
    FullScreenView *fullScreen = nullptr;
    Projector *projector = nullptr;
    KeyboardCommands *keyboard = nullptr;

signals:
    void modeChanged();

private slots:
    void expand();
    void switchMode();
    void About();
    void line();
    void lineHold();
    void rectangle();
    void rectangleHold();
    void freehand();
    void freehandHold();
    void circle();
    void circleHold();
    void arrow();
    void arrowHold();
    void triangle();
    void triangleHold();
    void erase();
    void eraseHold();
    void eraseAll();
    void text();
    void textHold();
    void clip();
    void fillBackground();
    void fillBackgroundHold();
    void hand();
    void mask();
    void maskHold();
    void effectHold();
    void zoomInStart();
    void zoomInStop();
    void zoomOutStart();
    void zoomOutStop();
    void zoomReset();
    void autoFocus();
    void brightnessDown();
    void brightnessUp();
    void rotate();
    void rotateRev();
    void macro();
    void freeze();
    void record();
    void snapshot();
    void settings();
    void print();
    void filmOpenFile();
    // The film asked for by filmOpenFile has loaded, or cannot be played.
    void filmOpened(bool opened);
    void filmPlay();
    void filmPause();
    void filmStop();
    void filmBackward();
    void filmForward();
    void filmVolume();
    void filmTick();
    void photographOpenDirectory();
    void photographPrevious();
    void photographPlay();
    void photographPlayDone();
    void photographNext();
    void photographPreview();
    void photographPlayInterval();
    void photographPlayIntervalChanged(int value);
    void photographIdChange(int id);
    void recordingFailed(const QString &message);
    // The camera has finished the recording's file.
    void recordingEnded();
    void cameraLost(const QString &message);
    // A camera that opened and stayed open makes the next loss worth telling again.
    void noteCameraBack();
    // The live canvas says which cameras it sees while none is taken.
    void updateCameraNotice();
    void filmFailed(const QString &message);
    // The film plays without a picture: the film canvas says so, and so does a message.
    void filmWithoutPicture(const QString &message);
    void snapshotFailed();

public:
    // The configured capture size, capped at the largest known one.
    QSize cappedResolution() const;
    // The file a recording started now is written to: never the name of an existing file.
    static QString recordingFileName(const QDir &folder, const QDateTime &now,
                                     const QString &suffix = QStringLiteral(".avi"));
    // The picture turned to the page's orientation, scaled to fit it and centred at *position.
    static QImage fitToPage(const QImage &picture, const QSize &page, QPoint *position);
    // What the canvas of a mode says before it has anything to show: a heading, then sentences.
    static QStringList startText(int mode);

protected:
    // The dialogs and message boxes the commands open; tests answer them here.
    virtual void showError(const QString &text);
    virtual QString askOpenFileName(const QString &folder, const QString &filter);
    virtual bool hasPrinters() const;
    // Whether the print dialog can print to a PDF file, which needs no printer.
    virtual bool offersPdfFile() const;
    virtual bool askPrintSettings(QPrinter &printer);

private:
    ImageButton *addToolButton(QString icon, QString toolTip, const char *clickSlot,
                               const char *holdSlot, QButtonGroup *group);
    // A button of the film or photograph bar, at (x, 5) on the bar.
    ImageButton *addBarButton(const char *icon, QWidget *bar, int x, const char *clickSlot,
                              bool checkable = false);
    void setLabelColor(QColor color, QWidget *widget);
    ImageCanvas *addCanvas();
    void leaveMode(int oldMode);
    void enterMode(int newMode);
    void updateEnableStates();
    void alignPanelWithCanvas();
    void closeToolWindow();
    void closeToolWindowUnlessFrom(QWidget *button);
    void openToolWindow(ToolWindow *window);
    void setDrawingTool(int drawMode, QWidget *button);
    void openColorWindow(int drawMode, ImageButton *button, const QString &title,
                         const QString &widthLabel, const QString &lineColorLabel,
                         const QString &fillColorLabel);
    void endRecordingState();
    void endContinuousSnapshot(ImageCanvas *left);
    void showSlideShowState();
    void showStartPictures();
    static QString noCameraText();
    // The display of the current canvas.
    OSDProcessor *display() const;
    void addPresenterControls();
    void layoutFilmTime();
    void showFilmTime();

    // The display whose clock runs for the current recording.
    QPointer<OSDProcessor> recordingDisplay;
    // The file the running recording is written to.
    QString recordingFile;
    bool cameraTroubleReported = false;

    // Ctrl+Z undoes on the current canvas; Ctrl+Y and Ctrl+Shift+Z redo.
    void setUpUndoShortcuts();
    // The display names what a snapshot or clip produced and what failed.
    void setUpFeedback();
    void showFeedback(const QString &text);

public:
    // How long the display names a saved file or a failure.
    static constexpr qint64 FeedbackTime = 2000;
};

#endif
