#include "FillBackgroundToolWindow.h"

#include "CanvasConstants.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "OptionRow.h"

#include <QLabel>

FillBackgroundToolWindow::FillBackgroundToolWindow(QWidget *anchor, MainWindow *mainWindow,
                                                   QString title, QString colorLabel)
    : ToolWindow(QImage(), anchor, mainWindow, title)
    , hasColorRow(!colorLabel.isEmpty())
    , canvas(mainWindow->currentCanvas)
    , mainWindow(mainWindow)
{
    setBackground(QImage(QStringLiteral(":/icons/Background/POP_BK_COLOR_1LINE")));
    // The base placed the window while it had no size yet: place it again now that it has one,
    // so it does not start out partly off the screen.
    place();
    setStyleSheet(QStringLiteral("font-family: Arial; font-size: 15px; color: white;"));

    if (hasColorRow) {
        QLabel *label = new QLabel(colorLabel, this);
        label->move(8, 22);
        QStringList pictures;
        for (const QString &name : CanvasConstants::backgroundColorNames().mid(0, 4))
            pictures << QStringLiteral("ICON_FILL_COLOR_") + name;
        colorRow = new OptionRow(this, pictures, 130, 20, 33, this, SLOT(colorChanged()));
        colorButtons = colorRow->buttons;
    }

    modeChanged();
    connect(mainWindow, SIGNAL(modeChanged()), this, SLOT(modeChanged()));
}

void FillBackgroundToolWindow::modeChanged()
{
    canvas = mainWindow->currentCanvas;
    if (!colorRow)
        return;
    const QList<QColor> &colors = CanvasConstants::backgroundColors();
    int index = 0;
    for (int i = 0; i < colors.size(); ++i) {
        if (colors.at(i) == canvas->backgroundColor)
            index = i;
    }
    colorRow->check(index);
}

void FillBackgroundToolWindow::colorChanged()
{
    const int index = colorRow ? colorRow->indexOf(sender()) : -1;
    if (index < 0)
        return;
    const QColor color = CanvasConstants::backgroundColors().at(index);
    canvas->fillBackground(color);
}
