#include "MaskToolWindow.h"

#include "CanvasConstants.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "OSDProcessor.h"
#include "OptionRow.h"

MaskToolWindow::MaskToolWindow(QWidget *anchor, MainWindow *mainWindow)
    : ToolWindow(QImage(QStringLiteral(":/icons/Background/POP_BK_TOOL.png")), anchor, mainWindow,
                 //: Title of the mask window: masks cover part of the picture (about 200 pixels).
                 tr("Mask"))
    , mainWindow(mainWindow)
{
    // The first mask key is "no mask", which has no button.
    QStringList pictures;
    for (const QString &key : CanvasConstants::maskKeys().mid(1))
        pictures << QStringLiteral("ICON_MASK_SUB_") + key;
    maskRow = new OptionRow(this, pictures, 4, 18, 60, this, SLOT(maskChanged()));
    maskButtons = maskRow->buttons;

    connect(mainWindow, SIGNAL(modeChanged()), this, SLOT(modeChanged()));
    modeChanged();
}

void MaskToolWindow::modeChanged()
{
    maskRow->check(mainWindow->currentCanvas->mask - 1);
}

void MaskToolWindow::maskChanged()
{
    const int index = maskRow->indexOf(sender());
    if (index < 0)
        return;
    const int mask = index + 1;
    ImageCanvas *canvas = mainWindow->currentCanvas;
    canvas->mask = mask;
    if (ImageButton *button = qobject_cast<ImageButton *>(anchor)) {
        button->setChecked(true);
        button->setImage(QStringLiteral("ICON_MASK_") + CanvasConstants::maskKey(mask));
    }
    if (OSDProcessor *osd = mainWindow->osdByCanvas.value(canvas))
        osd->showMask();
}
