#ifndef FILLBACKGROUNDTOOLWINDOW_H
#define FILLBACKGROUNDTOOLWINDOW_H

#include "ToolWindow.h"

#include <QVector>

class ImageButton;
class ImageCanvas;
class MainWindow;
class OptionRow;

// The colour the drawing board is filled with. A choice fills the main window's current canvas
// at once and is remembered there, so the window shows it the next time.
class FillBackgroundToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    FillBackgroundToolWindow(QWidget *anchor, MainWindow *mainWindow, QString title, QString colorLabel);

    bool hasColorRow;
    QVector<ImageButton *> colorButtons;   // WHITE, BLACK, YELLOW, SKY; empty without the row
    ImageCanvas *canvas;
    MainWindow *mainWindow;

public slots:
    // Follows the main window to its current canvas and shows that canvas's background colour.
    void modeChanged();

private slots:
    void colorChanged();

private:
    OptionRow *colorRow = nullptr;
};

#endif
