#ifndef EFFECTTOOLWINDOW_H
#define EFFECTTOOLWINDOW_H

#include "ToolWindow.h"

#include <QVector>

class ImageButton;
class MainWindow;
class OptionRow;

// Colour, black and white, negative or mosaic for the main window's current canvas. A choice
// also changes the picture of the button the window belongs to and is shown on the display.
class EffectToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    EffectToolWindow(QWidget *anchor, MainWindow *mainWindow);

    MainWindow *mainWindow;
    QVector<ImageButton *> effectButtons;   // in the order of the effect values

public slots:
    // Checks the button of the current canvas's effect.
    void modeChanged();

private slots:
    void effectChanged();

private:
    OptionRow *effectRow;
};

#endif
