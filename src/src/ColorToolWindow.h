#ifndef COLORTOOLWINDOW_H
#define COLORTOOLWINDOW_H

#include "ToolWindow.h"

#include <QVector>

class ImageButton;
class ImageCanvas;
class MainWindow;
class OptionRow;

// Line width, line colour and fill colour of the shape tools, written straight into the main
// window's current canvas. A row is left out when its label is empty: the width row is always
// there, the line colour row when colorLabel is given, the fill row when both colour labels are.
class ColorToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    ColorToolWindow(QWidget *anchor, MainWindow *mainWindow, QString title, QString widthLabel,
                    QString colorLabel, QString fillLabel);

    // Line widths in pixels of the four width buttons.
    static const int lineWidths[4];

    bool hasColorRow;
    bool hasFillRow;
    QVector<ImageButton *> widthButtons;       // widths 3, 6, 9, 12
    QVector<ImageButton *> lineColorButtons;   // BLACK, RED, YELLOW, SKY; empty without the row
    QVector<ImageButton *> fillColorButtons;   // BLACK, RED, YELLOW, SKY, NONE; empty without the row
    ImageCanvas *canvas;
    MainWindow *mainWindow;

public slots:
    // Follows the main window to its current canvas and shows that canvas's style.
    void modeChanged();

private slots:
    void lineWidthChanged();
    void colorChanged();
    void fillColorChanged();

private:
    OptionRow *widthRow = nullptr;
    OptionRow *lineColorRow = nullptr;
    OptionRow *fillColorRow = nullptr;
};

#endif
