#ifndef MASKTOOLWINDOW_H
#define MASKTOOLWINDOW_H

#include "ToolWindow.h"

#include <QVector>

class ImageButton;
class MainWindow;
class OptionRow;

// Circle, rectangle, left or top mask for the main window's current canvas. A choice also
// switches the mask button the window belongs to on, with the picture of the chosen shape, and
// is shown on the display. Switching the mask off is the mask button's job.
class MaskToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    MaskToolWindow(QWidget *anchor, MainWindow *mainWindow);

    QVector<ImageButton *> maskButtons;   // circle, rectangle, left, top: mask values 1 to 4
    MainWindow *mainWindow;

public slots:
    // Checks the button of the current canvas's mask; with no mask, none is checked.
    void modeChanged();

private slots:
    void maskChanged();

private:
    OptionRow *maskRow;
};

#endif
