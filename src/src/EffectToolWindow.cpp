#include "EffectToolWindow.h"

#include "CanvasConstants.h"
#include "ImageButton.h"
#include "ImageCanvas.h"
#include "MainWindow.h"
#include "OSDProcessor.h"
#include "OptionRow.h"

EffectToolWindow::EffectToolWindow(QWidget *anchor, MainWindow *mainWindow)
    : ToolWindow(QImage(QStringLiteral(":/icons/Background/POP_BK_TOOL.png")), anchor, mainWindow,
                 //: Title of the colour-effect window (about 200 pixels).
                 tr("Color Effect"))
    , mainWindow(mainWindow)
{
    QStringList pictures;
    for (const QString &key : CanvasConstants::effectKeys())
        pictures << QStringLiteral("ICON_EFFECT_SUB_") + key;
    effectRow = new OptionRow(this, pictures, 4, 18, 60, this, SLOT(effectChanged()));
    effectButtons = effectRow->buttons;

    modeChanged();
    connect(mainWindow, SIGNAL(modeChanged()), this, SLOT(modeChanged()));
}

void EffectToolWindow::modeChanged()
{
    // An effect outside the list leaves the buttons as they are.
    effectRow->check(mainWindow->currentCanvas->effect);
}

void EffectToolWindow::effectChanged()
{
    const int effect = effectRow->indexOf(sender());
    if (effect < 0)
        return;
    ImageCanvas *canvas = mainWindow->currentCanvas;
    canvas->effect = effect;
    if (ImageButton *button = qobject_cast<ImageButton *>(anchor))
        button->setImage(QStringLiteral("ICON_EFFECT_") + CanvasConstants::effectKey(effect));
    if (OSDProcessor *osd = mainWindow->osdByCanvas.value(canvas))
        osd->showEffect();
}
