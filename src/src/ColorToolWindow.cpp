#include "ColorToolWindow.h"

#include "CanvasConstants.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "OptionRow.h"

#include <QLabel>

const int ColorToolWindow::lineWidths[4] = {3, 6, 9, 12};

namespace {

const int ButtonX = 152;
const int ButtonStep = 33;
const int NoFillX = 119;

QStringList prefixed(const QString &prefix, const QStringList &names)
{
    QStringList pictures;
    for (const QString &name : names)
        pictures << prefix + name;
    return pictures;
}

// The last of the four colours that equals the given one, or 0.
int lastMatchingColor(const QColor &color)
{
    const QList<QColor> &colors = CanvasConstants::lineColors();
    int index = 0;
    for (int i = 0; i < colors.size(); ++i) {
        if (colors.at(i) == color)
            index = i;
    }
    return index;
}

void addLabel(const QString &text, QWidget *window, int x, int y)
{
    QLabel *label = new QLabel(text, window);
    label->move(x, y);
}

} // namespace

ColorToolWindow::ColorToolWindow(QWidget *anchor, MainWindow *mainWindow, QString title,
                                 QString widthLabel, QString colorLabel, QString fillLabel)
    : ToolWindow(QImage(), anchor, mainWindow, title)
    , hasColorRow(!colorLabel.isEmpty())
    , hasFillRow(!fillLabel.isEmpty())
    , canvas(mainWindow->currentCanvas)
    , mainWindow(mainWindow)
{
    QString picture = QStringLiteral(":/icons/Background/POP_BK_COLOR_1LINE");
    if (!fillLabel.isEmpty())
        picture = QStringLiteral(":/icons/Background/POP_BK_COLOR_3LINE");
    else if (!colorLabel.isEmpty())
        picture = QStringLiteral(":/icons/Background/POP_BK_COLOR_2LINE");
    setBackground(QImage(picture));
    // The base placed the window while it had no size yet: place it again now that it has one,
    // so it does not start out partly off the screen.
    place();

    setStyleSheet(QStringLiteral("font-family: Arial; font-size: ") + QStringLiteral("15")
                  + QStringLiteral("px; color: white;"));

    addLabel(widthLabel, this, 8, 22);
    widthRow = new OptionRow(this,
                             {QStringLiteral("ICON_LINE_WIDTH_1"), QStringLiteral("ICON_LINE_WIDTH_2"),
                              QStringLiteral("ICON_LINE_WIDTH_3"), QStringLiteral("ICON_LINE_WIDTH_4")},
                             ButtonX, 20, ButtonStep, this, SLOT(lineWidthChanged()));
    widthButtons = widthRow->buttons;

    if (hasColorRow) {
        addLabel(colorLabel, this, 8, 45);
        const QStringList colors = CanvasConstants::lineColorNames().mid(0, 4);
        lineColorRow = new OptionRow(this, prefixed(QStringLiteral("ICON_LINE_COLOR_"), colors),
                                     ButtonX, 43, ButtonStep, this, SLOT(colorChanged()));
        lineColorButtons = lineColorRow->buttons;
    }

    if (hasColorRow && hasFillRow) {
        addLabel(fillLabel, this, 8, 68);
        fillColorRow = new OptionRow(this,
                                     prefixed(QStringLiteral("ICON_FILL_COLOR_"),
                                              CanvasConstants::lineColorNames()),
                                     ButtonX, 67, ButtonStep, this, SLOT(fillColorChanged()));
        fillColorButtons = fillColorRow->buttons;
        // "No fill" stands apart, left of the colours.
        fillColorButtons.last()->move(NoFillX, 67);
    }

    modeChanged();
    connect(mainWindow, SIGNAL(modeChanged()), this, SLOT(modeChanged()));
}

void ColorToolWindow::modeChanged()
{
    canvas = mainWindow->currentCanvas;

    int widthIndex = 0;
    for (int i = 1; i < 4; ++i) {
        if (canvas->lineWidth == lineWidths[i])
            widthIndex = i;
    }
    widthRow->check(widthIndex);

    if (lineColorRow)
        lineColorRow->check(lastMatchingColor(canvas->lineColor));

    if (fillColorRow) {
        const int noFill = fillColorButtons.size() - 1;
        fillColorRow->check(canvas->fillEnabled ? lastMatchingColor(canvas->fillColor) : noFill);
    }
}

void ColorToolWindow::lineWidthChanged()
{
    const int index = widthRow->indexOf(sender());
    if (index < 0)
        return;
    canvas->lineWidth = lineWidths[index];
}

void ColorToolWindow::colorChanged()
{
    const int index = lineColorRow ? lineColorRow->indexOf(sender()) : -1;
    if (index < 0)
        return;
    canvas->lineColor = CanvasConstants::lineColors().at(index);
}

void ColorToolWindow::fillColorChanged()
{
    const int index = fillColorRow ? fillColorRow->indexOf(sender()) : -1;
    if (index < 0)
        return;
    const QList<QColor> &colors = CanvasConstants::lineColors();
    // "No fill" turns filling off and keeps the colour for the next time it is turned on.
    if (index >= colors.size()) {
        canvas->fillEnabled = false;
        return;
    }
    canvas->fillEnabled = true;
    canvas->fillColor = colors.at(index);
}
