#ifndef TEXTTOOLWINDOW_H
#define TEXTTOOLWINDOW_H

#include "ToolWindow.h"

#include <QList>
#include <QStringList>
#include <QVector>

class ImageButton;
class ImageCanvas;
class MainWindow;
class OptionRow;
class QComboBox;

// Colour, font family and point size of the text tool, written straight into the main window's
// current canvas.
class TextToolWindow : public ToolWindow
{
    Q_OBJECT

public:
    TextToolWindow(QWidget *anchor, MainWindow *mainWindow);

    // Sizes a user may type; anything else in the size box changes nothing.
    static constexpr int MinPointSize = 1;
    static constexpr int MaxPointSize = 999;

    QComboBox *fontFaceBox;
    QComboBox *fontSizeBox;   // editable
    QStringList fontFaces;    // as listed in fontFaceBox
    QList<int> fontSizes;     // as listed in fontSizeBox
    QVector<ImageButton *> colorButtons;   // BLACK, RED, YELLOW, SKY
    ImageCanvas *canvas;
    MainWindow *mainWindow;

public slots:
    // Follows the main window to its current canvas and shows that canvas's text style.
    void modeChanged();

private slots:
    void colorChanged();
    void fontFaceChanged();
    void fontSizeChanged();

private:
    OptionRow *colorRow;
};

#endif
