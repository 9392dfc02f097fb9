#include "AboutToolWindow.h"

#include "ImageButton.h"
#include "MainWindow.h"

#include <QLabel>

AboutToolWindow::AboutToolWindow(QWidget *anchor, MainWindow *mainWindow, QImage background)
    : ToolWindow(background, anchor, mainWindow, tr("About"))
    , mainWindow(mainWindow)
{
    setStyleSheet(QStringLiteral("QLabel { font-family: Arial; font-size: ") + QStringLiteral("14")
                  + QStringLiteral("px; color: gray; }QLineEdit { width: 124px; } QComboBox { width: 124px; } "));

    QLabel *version = new QLabel(tr("Version") + tr(" 2.00"), this);
    version->move(20, 30);

    ImageButton *ok = new ImageButton(QStringLiteral("POPUP_BUTTON"), this, 90, 70);
    ok->setText(tr("OK"));
    connect(ok, SIGNAL(clicked()), this, SLOT(AboutOk()));
}

void AboutToolWindow::AboutOk()
{
    close();
}
