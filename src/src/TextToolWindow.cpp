#include "TextToolWindow.h"

#include "CanvasConstants.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "OptionRow.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>

TextToolWindow::TextToolWindow(QWidget *anchor, MainWindow *mainWindow)
    : ToolWindow(QImage(QStringLiteral(":/icons/Background/POP_BK_COLOR_2LINE")), anchor, mainWindow,
                 //: Title of the text tool's options window (about 200 pixels).
                 tr("Text"))
    , canvas(mainWindow->currentCanvas)
    , mainWindow(mainWindow)
{
    //: Text window: label of the text colour swatches; at most about 140 pixels.
    QLabel *colorLabel = new QLabel(tr("Color"), this);
    colorLabel->setStyleSheet(QStringLiteral("font-family: Arial; font-size: 15px; color: white;"));
    colorLabel->move(8, 45);

    QStringList pictures;
    for (const QString &name : CanvasConstants::textColorNames().mid(0, 4))
        pictures << QStringLiteral("ICON_LINE_COLOR_") + name;
    colorRow = new OptionRow(this, pictures, 130, 43, 33, this, SLOT(colorChanged()));
    colorButtons = colorRow->buttons;

    fontFaces = QFontDatabase().families();
    fontFaceBox = new QComboBox(this);
    fontFaceBox->addItems(fontFaces);
    fontFaceBox->move(10, 20);
    fontFaceBox->setFixedWidth(150);
    connect(fontFaceBox, SIGNAL(activated(int)), this, SLOT(fontFaceChanged()));

    fontSizeBox = new QComboBox(this);
    fontSizeBox->setEditable(true);
    // A typed size is used as it stands; the list keeps the standard sizes, parallel to fontSizes.
    fontSizeBox->setInsertPolicy(QComboBox::NoInsert);
    for (int size : QFontDatabase::standardSizes()) {
        fontSizes.append(size);
        fontSizeBox->addItem(QString::number(size));
    }
    fontSizeBox->move(165, 20);
    fontSizeBox->setFixedWidth(70);
    connect(fontSizeBox, SIGNAL(activated(int)), this, SLOT(fontSizeChanged()));
    connect(fontSizeBox, SIGNAL(editTextChanged(QString)), this, SLOT(fontSizeChanged()));

    connect(mainWindow, SIGNAL(modeChanged()), this, SLOT(modeChanged()));
    modeChanged();
}

void TextToolWindow::modeChanged()
{
    canvas = mainWindow->currentCanvas;

    const int colorIndex = CanvasConstants::textColors().indexOf(canvas->textColor());
    colorRow->check(colorIndex);

    const int faceIndex = fontFaces.indexOf(canvas->textFamily());
    if (faceIndex >= 0)
        fontFaceBox->setCurrentIndex(faceIndex);

    // A size typed earlier may stand in the edit field whichever item is current, so the field
    // is set as well. Either change writes the same size back to the canvas.
    const int size = canvas->textPointSize();
    const int sizeIndex = fontSizes.indexOf(size);
    if (sizeIndex >= 0)
        fontSizeBox->setCurrentIndex(sizeIndex);
    fontSizeBox->setEditText(QString::number(size));
}

void TextToolWindow::colorChanged()
{
    const int index = colorRow->indexOf(sender());
    if (index < 0)
        return;
    canvas->setTextColor(CanvasConstants::textColors().at(index));
}

void TextToolWindow::fontFaceChanged()
{
    canvas->setTextFamily(fontFaceBox->currentText());
}

void TextToolWindow::fontSizeChanged()
{
    bool isNumber = false;
    const int size = fontSizeBox->currentText().toInt(&isNumber, 10);
    if (!isNumber || size < MinPointSize || size > MaxPointSize)
        return;
    canvas->setTextPointSize(size);
}
