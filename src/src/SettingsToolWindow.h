#ifndef SETTINGSTOOLWINDOW_H
#define SETTINGSTOOLWINDOW_H

#include "ToolWindow.h"

#include <QSize>
#include <QVector>

#include <functional>

class MainWindow;
class QComboBox;
class QLabel;
class QLineEdit;

// Camera, capture resolution, snapshot mode and interval, snapshot and recording folders, the
// recording format and the interface language. Nothing is stored before OK, which stores all eight
// values, applies the camera and the size to the live source and resets the main window's recording state. The only question asked on the way is
// whether a large capture size is wanted.
class SettingsToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    SettingsToolWindow(QWidget *anchor, MainWindow *mainWindow);

    // The size an item of the resolution box names ("1280 x 720").
    static QSize parseResolution(const QString &text);
    // The first item of the box nearest to the size (sum of the width and height differences),
    // or -1 when the box is empty.
    static int nearestResolution(const QComboBox *box, const QSize &target);

    static const QVector<int> snapshotModes;
    static const QVector<quint64> snapshotIntervals;   // seconds
    static const QVector<QSize> largeResolutions;

    // Asks for a folder; an empty answer means the user cancelled. Tests put their own here.
    std::function<QString()> chooseFolder;

    int lastResolutionIndex = -1;
    MainWindow *mainWindow;
    QComboBox *captureModeBox;
    QComboBox *intervalBox;
    // "Automatic", then every camera present by its name; each item carries the camera's identity
    // (empty for the automatic choice).
    QComboBox *cameraBox;
    QLineEdit *snapshotPathEdit;
    QLineEdit *recordPathEdit;
    // The recording formats whose elements are installed, AVI first; each item carries the
    // format's settings value.
    QComboBox *recordingFormatBox;
    QComboBox *resolutionBox;
    // The interface language for the next start; each item carries its code.
    QComboBox *languageBox;
    QLabel *languageNotice;

public slots:
    // No control of the window sends a recording resolution; kept for the shape of the window.
    void recordingResolutionChanged(int index);
    void resolutionChanged(int index);
    void snapshotFileBrowse();
    void recordFileBrowse();
    void settingsOk();
    // Lists the cameras present again, keeping the chosen one.
    void fillCameraBox();

private:
    // True unless the size is one of the large ones and the user answers No.
    bool confirmLargeResolution(int width);
    void addLanguageRow(int y);
    void browseInto(QLineEdit *edit);
};

#endif
